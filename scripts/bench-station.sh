#!/bin/bash
# Benchmark of the whole chain: N readings (default 10000) from the meter
# simulator through meterlink.dll into ORVA.exe's grid and run log, with
# NeglectHighLow "false", next to the bare open-append-close of one run-log
# line on the same machine. Prints readings per second and the ratio.
# Source: bench/station_chain_bench.cpp.
# Usage: scripts/bench-station.sh [N] [statistics]
#   statistics: Tool > Statistics open beside the station for the whole run.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh
wine_arch_say
ORVA_BUILD_WIN=$ORVA_WIN_ARCH scripts/build.sh >/dev/null
wine_bench station_chain_bench.exe "${1:-10000}" ${2:+"$2"}
