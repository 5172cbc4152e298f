#!/bin/bash
# Benchmark of the run statistics: N readings (default 100000) handed to the
# statistics window closed and open, the memory they keep, and the redraw of
# its figures, run chart and histogram at N readings. Prints figures only.
# Usage: scripts/bench-stats.sh [N]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh
wine_arch_say
ORVA_BUILD_WIN=$ORVA_WIN_ARCH scripts/build.sh >/dev/null
wine_bench station_stats_bench.exe "${1:-100000}"
