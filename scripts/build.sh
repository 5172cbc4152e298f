#!/bin/bash
# Builds both halves: the native build of the portable rules (build/host,
# with ASan and UBSan) and the Windows programs (build/win; the program
# folder with the deliverables and the simulator is build/win/EXE).
# ORVA_BUILD names another build folder than build/.
set -euo pipefail
cd "$(dirname "$0")/.."
B="${ORVA_BUILD:-build}"
JOBS="${JOBS:-$(nproc)}"
cmake -S . -B "$B/host" -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$B/host" -j "$JOBS"
cmake -S . -B "$B/win" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
      -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$B/win" -j "$JOBS"
