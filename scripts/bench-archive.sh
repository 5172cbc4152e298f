#!/bin/bash
# Benchmark of the Run Archive window: N archived runs (default 10000) in a
# local folder, the time until they are listed, until the rows in view are
# filled in and until every row is. Prints figures only.
# Usage: scripts/bench-archive.sh [N] [readings a run]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh
wine_arch_say
ORVA_BUILD_WIN=$ORVA_WIN_ARCH scripts/build.sh station_archive_bench >/dev/null
wine_bench station_archive_bench.exe "${1:-10000}" "${2:-40}"
