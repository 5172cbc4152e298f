#!/bin/bash
# Benchmark of the device link: the round trip of one reading through
# meterlink.dll (simulator fills the block and sends 0x46B, the client calls
# USBReceiveRead) and the rate sustained over a burst, under Wine.
# Usage: scripts/bench-link.sh [burst size, default 10000]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh
wine_arch_say
if [ ! -f "$ORVA_WIN_BUILD/CMakeCache.txt" ]; then
  cmake -S . -B "$ORVA_WIN_BUILD" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-$ORVA_WIN_ARCH.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$ORVA_WIN_BUILD" -j 2 --target link_roundtrip_bench meterlink LinkKeeper wirecore >/dev/null
wine_bench link_roundtrip_bench.exe "${1:-10000}"
