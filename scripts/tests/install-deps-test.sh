#!/bin/bash
# The decisions of scripts/install-deps.sh, without touching the system:
# apt-get, dpkg, dpkg-query, the i386 probe's assembler and linker, locale
# and sleep are stood in for on PATH. The stand-ins keep the package state in
# a folder of their own, record every call, and fail the way apt fails on a
# machine whose i386 index is refused or whose i386 libraries lag behind.
set -uo pipefail
ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
SCRIPT="$ROOT/scripts/install-deps.sh"
source "$ROOT/scripts/tests/checks.sh"

# stand_ins DIR: writes the stand-ins into DIR/bin; their state lives in DIR.
stand_ins() {
  local d=$1
  mkdir -p "$d/bin"
  : > "$d/calls"; : > "$d/installed"; : > "$d/arches"
  cat > "$d/bin/apt-get" <<'SH'
#!/bin/bash
S="$(dirname "$0")/.."
echo "apt-get $*" >> "$S/calls"
amd64_only=0; pkgs=()
for a in "$@"; do
  case "$a" in
    APT::Architectures=amd64) amd64_only=1 ;;
    -*|update|install) ;;
    *) pkgs+=("$a") ;;
  esac
done
case "$1" in
  update)
    if [ -e "$S/refuse-update" ]; then
      echo "E: The repository 'http://deb.example/debian bookworm Release' no longer has a Release file."
      exit 100
    fi
    if [ -e "$S/refuse-i386-index" ] && [ $amd64_only = 0 ] && grep -qx i386 "$S/arches"; then
      echo "E: Failed to fetch http://deb.example/debian-security/dists/bookworm-security/main/binary-i386/Packages.xz  File has unexpected size (374820 != 376004). Mirror sync in progress?"
      echo "E: Some index files failed to download. They have been ignored, or old ones used instead."
      exit 100
    fi ;;
  install)
    for p in "${pkgs[@]}"; do
      if [ -e "$S/refuse-install" ] && [[ "$p" != *:i386 ]]; then
        echo "E: Unable to locate package $p"; exit 100
      fi
      if [[ "$p" == *:i386 ]]; then
        if [ $amd64_only = 1 ] || ! grep -qx i386 "$S/arches"; then
          echo "E: Unable to locate package $p"; exit 100
        fi
        if [ -e "$S/refuse-i386-install" ]; then
          echo " libcups2:i386 : Depends: libgnutls30:i386 (>= 3.7.9) but it is not going to be installed"
          echo "E: Unable to correct problems, you have held broken packages."
          exit 100
        fi
      fi
    done
    printf '%s\n' "${pkgs[@]}" >> "$S/installed" ;;
esac
exit 0
SH
  cat > "$d/bin/dpkg-query" <<'SH'
#!/bin/bash
# -W -f=FORMAT [PACKAGE]: the status of one package, or every package's architecture.
S="$(dirname "$0")/.."
echo "dpkg-query $*" >> "$S/calls"
if [ $# -ge 3 ]; then
  if [ -e "$S/all-installed" ] || grep -qx -- "$3" "$S/installed"; then
    printf 'install ok installed'; exit 0
  fi
  exit 1
fi
while read -r p; do
  case "$p" in *:i386) echo i386 ;; *) echo amd64 ;; esac
done < "$S/installed"
SH
  cat > "$d/bin/dpkg" <<'SH'
#!/bin/bash
S="$(dirname "$0")/.."
echo "dpkg $*" >> "$S/calls"
case "$1" in
  --print-foreign-architectures) cat "$S/arches" ;;
  --add-architecture) grep -qx "$2" "$S/arches" || echo "$2" >> "$S/arches" ;;
  --remove-architecture)
    if grep -q ":$2\$" "$S/installed"; then
      echo "dpkg: error: cannot remove architecture '$2' currently in use by the database" >&2; exit 2
    fi
    grep -vx "$2" "$S/arches" > "$S/arches.new"; mv "$S/arches.new" "$S/arches" ;;
esac
SH
  # The probe assembles and links a tiny i386 program, then runs it: the
  # linker's stand-in writes a program that runs or fails as the kernel would.
  cat > "$d/bin/as" <<'SH'
#!/bin/bash
while [ $# -gt 0 ]; do [ "$1" = -o ] && : > "$2"; shift; done
SH
  cat > "$d/bin/ld" <<'SH'
#!/bin/bash
S="$(dirname "$0")/.."
while [ $# -gt 0 ]; do [ "$1" = -o ] && out=$2; shift; done
if [ -e "$S/kernel-runs-32" ]; then
  printf '#!/bin/sh\nexit 0\n' > "$out"
else
  printf '#!/bin/sh\necho "$0: cannot execute binary file: Exec format error" >&2\nexit 126\n' > "$out"
fi
chmod +x "$out"
SH
  printf '#!/bin/sh\necho C; echo de_DE.utf8\n' > "$d/bin/locale"
  printf '#!/bin/sh\necho "localedef $*" >> "$(dirname "$0")/../calls"\n' > "$d/bin/localedef"
  printf '#!/bin/sh\n' > "$d/bin/sleep"
  printf '#!/bin/sh\nexec "$@"\n' > "$d/bin/sudo"
  chmod +x "$d/bin/"*
}

# run_case NAME SETUP...: a fresh stand-in state with the SETUP flags, then
# the script; leaves its output in $OUT, its exit code in $RC, state in $S.
run_case() {
  CASE=$1; shift
  S="$(mktemp -d)"
  stand_ins "$S"
  local flag
  for flag in "$@"; do touch "$S/$flag"; done
  [ -e "$S/i386-configured" ] && echo i386 > "$S/arches"
  OUT="$(PATH="$S/bin:$PATH" ORVA_BUILD="$S/build" bash "$SCRIPT" 2>&1)"
  RC=$?
}

check_details() { printf -- '--- calls ---\n%s\n' "$(cat "$S/calls")"; }
calls_have() { grep -q -- "$1" "$S/calls"; }
calls_lack() { ! grep -q -- "$1" "$S/calls"; }
installed()  { grep -qx -- "$1" "$S/installed"; }
no_i386_arch() { ! grep -qx i386 "$S/arches"; }
twin_line_count() { grep -c 'the 32-bit Wine could not be installed.*the x86-64 twin will run instead' <<< "$OUT"; }

run_case "32-bit set installs" kernel-runs-32
check "exits 0" test $RC -eq 0
check "x86-64 step pinned to amd64" calls_have "apt-get install .*-o APT::Architectures=amd64 .*wine64"
check "x86-64 step has no i386 package" calls_lack "APT::Architectures=amd64.*:i386"
check "i386 architecture added" calls_have "dpkg --add-architecture i386"
check "wine32 installed" installed "wine32:i386"
check "libcups2:i386 installed" installed "libcups2:i386"
check "no twin line" test "$(twin_line_count)" -eq 0
check "no reason left" test ! -e "$S/build/wine32-not-installed.txt"
rm -rf "$S"

for refusal in refuse-i386-index refuse-i386-install; do
  run_case "32-bit set refused ($refusal)" kernel-runs-32 "$refusal"
  check "exits 0" test $RC -eq 0
  check "one twin line" test "$(twin_line_count)" -eq 1
  check "x86-64 set kept" installed "g++-mingw-w64-x86-64"
  check "no i386 package" test -z "$(grep ':i386$' "$S/installed")"
  check "i386 architecture taken back" no_i386_arch
  check "reason noted for the scripts" test -s "$S/build/wine32-not-installed.txt"
  rm -rf "$S"
done
run_case "refused index: apt's reason" kernel-runs-32 refuse-i386-index
check "names the mirror's refusal" out_has "(E: Failed to fetch http://deb.example/debian-security/dists/bookworm-security/main/binary-i386/Packages.xz  File has unexpected size (374820 != 376004). Mirror sync in progress?), so"
rm -rf "$S"
run_case "held broken packages: apt's reason" kernel-runs-32 refuse-i386-install
check "names apt's last error" out_has "(E: Unable to correct problems, you have held broken packages.), so"
check "noted the same reason" grep -q "held broken packages" "$S/build/wine32-not-installed.txt"
rm -rf "$S"

run_case "i386 left configured, its index refused" kernel-runs-32 i386-configured refuse-i386-index
check "exits 0" test $RC -eq 0
check "x86-64 set installed" installed "wine64"
check "one twin line" test "$(twin_line_count)" -eq 1
check "the architecture it found stays" grep -qx i386 "$S/arches"
rm -rf "$S"

run_case "first step refused" kernel-runs-32 refuse-install
check "fails" test $RC -ne 0
check "shows apt's message" out_has "E: Unable to locate package"
check "says the x86-64 packages failed" out_has "the x86-64 packages could not be installed"
check "no 32-bit step" calls_lack "add-architecture"
rm -rf "$S"

run_case "package lists unreadable" kernel-runs-32 refuse-update
check "fails" test $RC -ne 0
check "shows apt's message" out_has "no longer has a Release file"
check "installs nothing" calls_lack "apt-get install"
rm -rf "$S"

run_case "kernel without 32-bit execution"
check "exits 0" test $RC -eq 0
check "x86-64 set installed" installed "wine64"
check "no i386 architecture" calls_lack "add-architecture"
check "no i386 package asked for" calls_lack ":i386"
check "says why the twin runs" out_has "Exec format error"
rm -rf "$S"

run_case "everything already installed" kernel-runs-32 all-installed
check "exits 0" test $RC -eq 0
check "no apt-get call" calls_lack "apt-get"
check "no architecture change" calls_lack "architecture"
rm -rf "$S"

checks_summary install-deps
