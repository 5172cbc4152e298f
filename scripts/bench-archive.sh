#!/bin/bash
# Benchmarks of the run archive. The Run Archive window: N archived runs
# (default 10000) in a local folder, the time until they are listed, until
# the rows in view are filled in and until every row is. START keeping a run
# of L run-log lines (default 100000) with a local and with an unreachable
# archive folder: the station's longest stretch without message handling.
# Prints figures only. Sources: bench/archive_bench.cpp, archive_start_bench.cpp.
# Usage: scripts/bench-archive.sh [N] [readings a run] [L]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh
wine_arch_say
ORVA_BUILD_WIN=$ORVA_WIN_ARCH scripts/build.sh station_archive_bench station_archive_start_bench >/dev/null
rc=0
wine_bench station_archive_bench.exe "${1:-10000}" "${2:-40}" || rc=$?
wine_bench station_archive_start_bench.exe "${3:-100000}" || rc=$?
exit $rc
