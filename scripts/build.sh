#!/bin/bash
# Builds the three halves from one tree:
#  build/host   the portable rules and their tests, natively with ASan and UBSan;
#  build/win    the 32-bit Windows programs, the deliverables (program folder
#               build/win/EXE, install disk build/win/disk and ORVA-disk.iso);
#  build/win64  the same programs and tests as x86-64 Windows programs, the
#               twin that runs under 64-bit Wine where 32-bit code cannot run.
# ORVA_BUILD names another build folder than build/; ORVA_BUILD_WIN=i686 or
# x86_64 builds only that one of the two Windows builds.
#   scripts/build.sh [TARGET...]   with targets: only those, of the Windows
#                                  build(s), and no native build
set -euo pipefail
cd "$(dirname "$0")/.."
B="${ORVA_BUILD:-build}"
JOBS="${JOBS:-$(nproc)}"
targets=()
for t in "$@"; do targets+=(--target "$t"); done
if [ $# -eq 0 ]; then
  cmake -S . -B "$B/host" -DCMAKE_BUILD_TYPE=Debug >/dev/null
  cmake --build "$B/host" -j "$JOBS"
fi
for arch in i686 x86_64; do
  [ -n "${ORVA_BUILD_WIN:-}" ] && [ "$ORVA_BUILD_WIN" != "$arch" ] && continue
  dir="$B/win"; [ $arch = x86_64 ] && dir="$B/win64"
  cmake -S . -B "$dir" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-$arch.cmake \
        -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$dir" -j "$JOBS" "${targets[@]}"
done
