#!/bin/bash
# Installs everything the build, the tests and the demo need on a fresh
# Debian 12 machine (run as root). Safe to run again.
#
# Both Windows builds need only x86-64 Linux packages. The 32-bit Wine that
# runs the i686 build (wine32 and the i386 CUPS client it prints through) is
# installed only where the kernel can run 32-bit code; elsewhere the scripts
# run the x86-64 twin under 64-bit Wine (scripts/lib/wine-arch.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/ia32.sh
export DEBIAN_FRONTEND=noninteractive
PKGS=(cmake make g++ googletest libgtest-dev
      g++-mingw-w64-i686 mingw-w64-i686-dev g++-mingw-w64-x86-64 mingw-w64-x86-64-dev
      wine wine64 fonts-wine fonts-liberation fonts-ipafont-gothic
      xvfb xauth x11-utils imagemagick
      cups printer-driver-cups-pdf poppler-utils
      fp-utils xorriso genisoimage locales)
I386=0
if ia32_runs; then
  I386=1
  PKGS+=(wine32:i386 libcups2:i386)
fi
if [ "$(id -u)" != 0 ]; then SUDO=sudo; else SUDO=; fi
missing=()
for p in "${PKGS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  [ $I386 = 1 ] && $SUDO dpkg --add-architecture i386
  # A mirror in the middle of a sync answers with index files of the wrong
  # size for a minute or so: try again before giving up on a fresh list.
  for try in 1 2 3 4 5; do
    $SUDO apt-get update -q && break
    echo "install-deps: package lists incomplete (try $try of 5), again in $((try * 10)) s" >&2
    sleep $((try * 10))
  done
  $SUDO apt-get install -y -q "${missing[@]}"
fi
# A locale with a decimal comma, so the tests can show that numbers are read
# with "." whatever the locale says.
if ! locale -a 2>/dev/null | grep -qi '^de_DE.utf8$'; then
  $SUDO localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
