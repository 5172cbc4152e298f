#!/bin/bash
# Benchmark of the whole chain: N readings (default 10000) from the meter
# simulator through meterlink.dll into ORVA.exe's grid and run log, with
# NeglectHighLow "false", against its floor measured in the same run (the
# link's round trip alone plus one run-log line's open-append-close). Prints
# the cost per reading before and after the grid wraps at 2,048 rows and
# their ratio, and, for N of 100,000, the cost and the station's memory at
# 10,000 and 100,000 readings.
# Source: bench/station_chain_bench.cpp.
# Usage: scripts/bench-station.sh [N] [statistics]
#   statistics: Tool > Statistics open beside the station for the whole run.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh
wine_arch_say
ORVA_BUILD_WIN=$ORVA_WIN_ARCH scripts/build.sh >/dev/null
wine_bench station_chain_bench.exe "${1:-10000}" ${2:+"$2"}
