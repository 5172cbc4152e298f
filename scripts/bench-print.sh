#!/bin/bash
# Benchmark of printing: a run log of N lines (default 10000) through the
# real print routine, the real Print dialog and the PDF queue of CUPS, next
# to a plain copy of the same file. Prints the times and their ratios. Then
# the real station with a reading every 30 ms: the longest stretch without
# message handling while it prints N lines (and on its other long paths:
# start-up, saving, the run log catching up, shutdown), and the readings it
# handled during the printout.
# Sources: bench/print_bench.cpp, bench/stretch_bench.cpp.
# Usage (as root, it starts CUPS and sets up the queues): scripts/bench-print.sh [N]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh
wine_arch_say
ORVA_BUILD_WIN=$ORVA_WIN_ARCH scripts/build.sh >/dev/null
source scripts/printers.sh
print_queues_up
wine_prefix_ready null
wine_server_up
rc=0
(cd "$ORVA_WIN_BUILD/EXE" && wine ../tests/station_print_bench.exe "${1:-10000}") | tr -d '\r' || rc=$?
# The same size of printout from the real station while readings arrive,
# and its other long paths: the longest stretches without message handling.
(cd "$ORVA_WIN_BUILD/EXE" && wine ../tests/station_stretch_bench.exe "${1:-10000}") | tr -d '\r' || rc=$?
wineserver -k 2>/dev/null || true
exit $rc
