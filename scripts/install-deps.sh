#!/bin/bash
# Installs everything the build, the tests and the demo need on a fresh
# Debian 12 machine (run as root). Safe to run again: with everything in
# place it installs nothing and asks no mirror.
#
# Two steps. First the x86-64 set: both Windows builds, the tests and the
# demo need only x86-64 Linux packages, and a failure here fails the script.
# Then, only where the kernel runs 32-bit code, the 32-bit Wine that runs the
# i686 build (wine32 and the i386 CUPS client it prints through). That step
# may fail for reasons outside this project (an i386 index refused while a
# mirror syncs, i386 libraries a security update behind their x86-64 twins);
# it then undoes what it changed, says why in one line and exits 0, and the
# scripts run the x86-64 twin under 64-bit Wine (scripts/lib/wine-arch.sh).
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
PKGS_32=(wine32:i386 libcups2:i386)
# Where the 32-bit step leaves its reason for the scripts' first line.
WHY_FILE="${ORVA_BUILD:-build}/wine32-not-installed.txt"
if [ "$(id -u)" != 0 ]; then SUDO=sudo; else SUDO=; fi

# missing NAME...: prints the packages of NAME... that are not installed.
missing() {
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || echo "$p"
  done
}

# apt_step LOG ARGS...: runs apt-get ARGS, its output shown and kept in LOG.
apt_step() {
  local log=$1; shift
  $SUDO apt-get "$@" 2>&1 | tee -a "$log"
  return "${PIPESTATUS[0]}"
}

# last_apt_error LOG: apt's own last error line, for the one-line reason.
# apt closes a refused index with "Some index files failed to download",
# which says nothing of why: the line before it does.
last_apt_error() {
  local line
  line="$(grep '^E: ' "$1" | grep -v 'Some index files failed to download' | tail -n 1)"
  [ -n "$line" ] || line="$(grep '^E: ' "$1" | tail -n 1)"
  echo "${line:-apt-get failed without an error line}"
}

APT_LOG="$(mktemp)"
trap 'rm -f "$APT_LOG"' EXIT

# Step 1: the x86-64 set. The architecture list is pinned to amd64, so a
# refused i386 index or an i386 package cannot stop it, whatever dpkg lists.
AMD64_ONLY=(-o APT::Architectures=amd64)
mapfile -t need < <(missing "${PKGS[@]}")
if [ ${#need[@]} -gt 0 ]; then
  # A mirror in the middle of a sync answers with index files of the wrong
  # size for a minute or so: try again before giving up on a fresh list.
  for try in 1 2 3 4 5; do
    apt_step "$APT_LOG" update -q "${AMD64_ONLY[@]}" && break
    if [ $try = 5 ]; then
      echo "install-deps: the package lists could not be read: $(last_apt_error "$APT_LOG")" >&2
      exit 1
    fi
    echo "install-deps: package lists incomplete (try $try of 5), again in $((try * 10)) s" >&2
    sleep $((try * 10))
  done
  apt_step "$APT_LOG" install -y -q "${AMD64_ONLY[@]}" "${need[@]}" || {
    echo "install-deps: the x86-64 packages could not be installed: $(last_apt_error "$APT_LOG")" >&2
    exit 1
  }
fi

# A locale with a decimal comma, so the tests can show that numbers are read
# with "." whatever the locale says.
if ! locale -a 2>/dev/null | grep -qi '^de_DE.utf8$'; then
  $SUDO localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi

# Step 2: the 32-bit set, where it can run at all.
if ! ia32_runs; then
  echo "install-deps: no 32-bit Wine: $IA32_WHY; the x86-64 twin will run"
  exit 0
fi
mapfile -t need < <(missing "${PKGS_32[@]}")
if [ ${#need[@]} -eq 0 ]; then
  rm -f "$WHY_FILE"
  exit 0
fi
added_i386=0
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
  added_i386=1
fi
: > "$APT_LOG"
# The 32-bit step is optional, and a refused i386 index stays refused for
# hours: one try, so a re-run asks the mirror once and is done in seconds.
if apt_step "$APT_LOG" update -q && apt_step "$APT_LOG" install -y -q "${need[@]}"; then
  rm -f "$WHY_FILE"
  exit 0
fi
why="$(last_apt_error "$APT_LOG")"
# Back to what the first step left: apt installs all of a request or none
# of it, so no i386 package came in and the architecture can go again.
if [ $added_i386 = 1 ] && [ -z "$(dpkg-query -W -f='${Architecture}\n' 2>/dev/null | grep -x i386)" ]; then
  $SUDO dpkg --remove-architecture i386
fi
mkdir -p "$(dirname "$WHY_FILE")"
echo "32-bit Wine could not be installed ($why)" > "$WHY_FILE"
echo "install-deps: the 32-bit Wine could not be installed ($why), so the x86-64 twin will run instead"
exit 0
