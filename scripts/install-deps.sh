#!/bin/bash
# Installs everything the build, the tests and the demo need on a fresh
# Debian 12 machine (run as root). Safe to run again.
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
PKGS=(cmake make g++ googletest libgtest-dev
      g++-mingw-w64-i686 mingw-w64-i686-dev
      wine wine32:i386 wine64 fonts-wine fonts-liberation fonts-ipafont-gothic
      xvfb xauth x11-utils imagemagick
      cups printer-driver-cups-pdf libcups2:i386 poppler-utils
      fp-utils xorriso genisoimage locales)
missing=()
for p in "${PKGS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ "$(id -u)" != 0 ]; then SUDO=sudo; else SUDO=; fi
if [ ${#missing[@]} -gt 0 ]; then
  $SUDO dpkg --add-architecture i386
  $SUDO apt-get update -q
  $SUDO apt-get install -y -q "${missing[@]}"
fi
# A locale with a decimal comma, so the tests can show that numbers are read
# with "." whatever the locale says.
if ! locale -a 2>/dev/null | grep -qi '^de_DE.utf8$'; then
  $SUDO localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
