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
wine_prefix_ready null
wine_server_up
rc=0
(cd "$ORVA_WIN_BUILD/EXE" && wine ../tests/station_stats_bench.exe "${1:-100000}") | tr -d '\r' || rc=$?
wineserver -k 2>/dev/null || true
exit $rc
