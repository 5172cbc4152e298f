#!/bin/bash
# Runs one Windows test program inside an installer scenario:
#  - a pristine Wine prefix, made once per test run (scripts/test.sh removes
#    it first) and kept per Windows version: build/win/scenarios/pristine-<v>;
#  - a fresh copy of it for this scenario (system binaries hard-linked, every
#    other file copied), reporting the Windows version <v> (Wine's version
#    name, written to the prefix's registry as winecfg -v would);
#  - a fresh copy of the install disk folder as drive E: (dosdevices/e:, and
#    e:: for its device: the disk image), a CD-ROM drive to the programs;
#  - the stand-in driver tools logging to C:\standin.log and reading
#    C:\standin.ctl; Japanese face names mapped to the IPA Gothic fonts;
#  - headless (Wine's null display driver) unless --shots or ORVA_SCENARIO_SHOTS=1
#    asks for a virtual display (Xvfb, one Wine desktop of 1024x768), where
#    SaveScreenshot() pictures land in build/win/scenarios/shots/<name>/.
# The scenario's folder is removed afterwards unless the test failed or
# ORVA_KEEP_SCENARIO=1.
#
# usage: installer-scenario.sh --name N --winver V --build WINBUILD --disk DISK
#                              [--filter F] [--shots] -- TEST.exe [args...]
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"

run_test() {
  # One server for the scenario, its background services started with no
  # link to ctest's output (they would keep ctest waiting).
  wineserver -p >/dev/null 2>&1 </dev/null
  wine cmd /c exit >/dev/null 2>&1 </dev/null || true
  (cd "$WINEPREFIX/drive_c" && wine "$@" --gtest_filter="$filter" </dev/null)
  local rc=$?
  wineserver -k 2>/dev/null; wineserver -w 2>/dev/null
  return $rc
}

# Under xvfb-run the script runs itself again for the test part alone (the
# environment carries the scenario's settings).
if [ "${1:-}" = --run-inner ]; then
  shift
  run_test "$@"
  exit
fi

name= winver= build= disk= filter='*' shots="${ORVA_SCENARIO_SHOTS:-0}"
while [ $# -gt 0 ]; do
  case "$1" in
    --name) name=$2; shift 2 ;;
    --winver) winver=$2; shift 2 ;;
    --build) build=$2; shift 2 ;;
    --disk) disk=$2; shift 2 ;;
    --filter) filter=$2; shift 2 ;;
    --shots) shots=1; shift ;;
    --) shift; break ;;
    *) echo "installer-scenario: unknown argument $1" >&2; exit 2 ;;
  esac
done
[ -n "$name" ] && [ -n "$winver" ] && [ -n "$build" ] && [ -n "$disk" ] && [ $# -ge 1 ] || {
  echo "usage: $0 --name N --winver V --build WINBUILD --disk DISK [--filter F] [--shots] -- TEST.exe" >&2; exit 2; }
[ -d "$disk" ] || { echo "installer-scenario: no install disk folder $disk (build first)" >&2; exit 2; }

source "$here/wine-env.sh"
root="$build/scenarios"
mkdir -p "$root"

# System binaries never change after the prefix is made: hard links are
# safe for them and make a copy of the ~600 MB prefix take a fraction of a
# second. Everything else (registry, ini files, user folders) is copied.
copy_prefix() { # from to
  local from="$1" to="$2"
  rm -rf "$to"
  cp -al "$from" "$to"
  (cd "$from" && find . -type f ! -regex '.*\.\(dll\|exe\|drv\|sys\|nls\|ocx\|tlb\|acm\|cpl\|vxd\|msstyles\|ax\|ds\)' -print0) |
    (cd "$to" && xargs -0 -r -I{} cp --remove-destination -p "$from/{}" "{}")
}

# The pristine prefix of this run, once per Windows version (under a lock, as
# ctest may run scenarios in parallel and a parallel first start corrupts a prefix).
pristine="$root/pristine-$winver"
exec 9>"$root/.lock"
flock 9
if [ ! -f "$root/pristine/.orva-ready" ]; then
  echo "installer-scenario: making the pristine prefix"
  rm -rf "$root/pristine"
  export WINEPREFIX="$root/pristine"
  DISPLAY= wineboot -i >/dev/null 2>&1 || true
  wineserver -w
  wine_font_substitutes
  wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
  # The install disk's drive is a CD-ROM drive.
  wine reg add 'HKLM\Software\Wine\Drives' /v e: /d cdrom /f >/dev/null 2>&1
  wineserver -k 2>/dev/null; wineserver -w
  touch "$WINEPREFIX/.orva-ready"
fi
if [ ! -f "$pristine/.orva-ready" ]; then
  copy_prefix "$root/pristine" "$pristine"
  rm -f "$pristine/.orva-ready"
  export WINEPREFIX="$pristine"
  # winecfg -v refuses the 32-bit-only names (win98, nt40, winxp, ...) in a
  # 64-bit prefix; the value it would write works in both kinds of prefix.
  wine reg add 'HKCU\Software\Wine' /v Version /d "$winver" /f >/dev/null 2>&1 ||
    { echo "installer-scenario: cannot set Windows version $winver" >&2; exit 2; }
  wineserver -k 2>/dev/null; wineserver -w
  touch "$WINEPREFIX/.orva-ready"
fi
flock -u 9
exec 9>&-

scenario="$root/$name"
t0=$(date +%s.%N)
rm -rf "$scenario"
mkdir -p "$scenario"
copy_prefix "$pristine" "$scenario/prefix"
cp -a "$disk" "$scenario/disk"
t1=$(date +%s.%N)
export WINEPREFIX="$scenario/prefix"
ln -sfn "$scenario/disk" "$WINEPREFIX/dosdevices/e:"
iso="$(dirname "$disk")/ORVA-disk.iso"
[ -f "$iso" ] && ln -sfn "$iso" "$WINEPREFIX/dosdevices/e::"
awk -v a="$t0" -v b="$t1" -v n="$name" -v v="$winver" \
  'BEGIN { printf "installer-scenario %s: %s, prefix and disk ready in %.2f s\n", n, v, b - a }'

export ORVA_SCENARIO="$name" ORVA_SCENARIO_WINVER="$winver" ORVA_SCENARIO_DISK='E:\'
export WDREG_STANDIN_LOG='C:\standin.log' WDREG_STANDIN_CONTROL='C:\standin.ctl'
unset ORVA_SHOT_DIR

if [ "$shots" = 1 ]; then
  shotdir="$root/shots/$name"
  rm -rf "$shotdir"; mkdir -p "$shotdir"
  export ORVA_SHOT_DIR="Z:${shotdir//\//\\}"
  wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d x11 /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
  wineserver -k 2>/dev/null; wineserver -w
  export filter
  xvfb-run -a -s "-screen 0 1024x768x24" bash "$here/installer-scenario.sh" --run-inner "$@"
  rc=$?
  for bmp in "$shotdir"/*.bmp; do
    [ -f "$bmp" ] && convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
  done
  echo "installer-scenario $name: screenshots in $shotdir"
else
  run_test "$@"
  rc=$?
fi

if [ $rc = 0 ] && [ "${ORVA_KEEP_SCENARIO:-0}" != 1 ]; then
  rm -rf "$scenario"
else
  echo "installer-scenario $name: kept $scenario (prefix, disk; C:\\ is prefix/drive_c)"
fi
exit $rc
