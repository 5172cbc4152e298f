#!/bin/bash
# Checks the six 32-bit deliverables without running them, so it holds on
# every machine, also on one that cannot run 32-bit code:
#  - each is PE32 for i386, the programs use the GUI subsystem, and the
#    subsystem version is one Windows XP accepts (at most 5.1);
#  - every DLL and function they import is on the reviewed list of what
#    Windows XP SP3 provides (scripts/xp-sp3-imports.txt), so no compiler
#    runtime DLL and nothing newer than XP (GetTickCount64 came with Vista);
#  - meterlink.dll exports exactly its eight functions by undecorated name;
#  - SETUP.EXE, INSTALL.EXE and UNINSTALL.EXE carry the administrator
#    manifest; ORVA.exe one with no execution level at all (an execution
#    level turns off the VirtualStore its run log and ORVA.ini rely on);
#  - all five programs declare per-monitor display scaling with the older
#    system-aware form beside it.
# A new import fails here until someone confirms that XP SP3 has it and adds
# it to the list. Usage: scripts/check-imports.sh [32-bit build folder]
set -uo pipefail
cd "$(dirname "$0")/.."
W="${1:-${ORVA_BUILD:-build}/win}"
LIST=scripts/xp-sp3-imports.txt
OBJDUMP=i686-w64-mingw32-objdump
EXPORTS="DeviceErrorRead DeviceStart DeviceStop ExeActive USBReceiveRead USBStart USBStatusRead USBStop"
declare -A FILES=(
  [ORVA.exe]="$W/EXE/ORVA.exe" [meterlink.dll]="$W/EXE/meterlink.dll"
  [SETUP.EXE]="$W/installer/SETUP.EXE" [INSTALL.EXE]="$W/installer/INSTALL.EXE"
  [UNINSTALL.EXE]="$W/installer/UNINSTALL.EXE" [DIRSWEEP.EXE]="$W/installer/DIRSWEEP.EXE")

faults=0
fault() { echo "check-imports: $*"; faults=$((faults + 1)); }

# "DLL Function" pairs of the reviewed list, DLL names in upper case.
allowed="$(grep -v '^[[:space:]]*\(#\|$\)' "$LIST" | awk '{ print toupper($1) " " $2 }' | sort -u)"

# The imports of one file: "DLL -" for each DLL, then "DLL Function" for
# each function taken by name, "DLL #n" for one taken by ordinal.
imports_of() {
  "$OBJDUMP" -p "$1" | awk '
    /^\tDLL Name:/ { dll = toupper($3); print dll " -"; next }
    /^[[:space:]]*$/ { dll = ""; next }
    dll != "" && /^\t[0-9a-f]+\t/ {
      if ($3 != "") print dll " " $3; else print dll " #" $2 }'
}

# Sorted export names of a DLL.
exports_of() {
  "$OBJDUMP" -p "$1" | awk '/\[Ordinal\/Name Pointer\] Table/ { on = 1; next }
                           on && /^[[:space:]]*$/ { on = 0 }
                           on { print $NF }' | sort
}

for name in "${!FILES[@]}"; do
  f="${FILES[$name]}"
  if [ ! -f "$f" ]; then fault "$name: not built ($f)"; continue; fi
  head="$("$OBJDUMP" -p "$f")"
  grep -q 'file format pei-i386' <<<"$head" || fault "$name: not a PE32 file for i386"
  case "$name" in
    *.dll) ;;
    *) grep -qE '^Subsystem[[:space:]]+00000002' <<<"$head" || fault "$name: not the Windows GUI subsystem" ;;
  esac
  major=$(awk '/^MajorSubsystemVersion/ { print $2 }' <<<"$head")
  minor=$(awk '/^MinorSubsystemVersion/ { print $2 }' <<<"$head")
  if [ -z "$major" ] || [ $((major * 100 + minor)) -gt 501 ]; then
    fault "$name: subsystem version $major.$minor is newer than Windows XP (5.1)"
  fi
  while read -r dll fn; do
    if [ "$fn" = - ]; then
      grep -q "^$dll " <<<"$allowed" || fault "$name imports from $dll, a DLL not on the XP SP3 list"
    elif ! grep -qxF "$dll $fn" <<<"$allowed"; then
      fault "$name imports $dll $fn, not on the XP SP3 list"
    fi
  done < <(imports_of "$f")
  case "$name" in
    SETUP.EXE|INSTALL.EXE|UNINSTALL.EXE)
      grep -aq 'level="requireAdministrator"' "$f" || fault "$name: no administrator manifest" ;;
    ORVA.exe)
      grep -aqE '<trustInfo|<requestedExecutionLevel' "$f" && fault "$name: declares an execution level (no VirtualStore)" ;;
  esac
  case "$name" in
    *.exe|*.EXE)
      grep -aq '<dpiAwareness[^>]*>PerMonitorV2, PerMonitor</dpiAwareness>' "$f" ||
        fault "$name: no per-monitor (v2) display scaling in its manifest"
      grep -aq '<dpiAware[^>]*>true/pm</dpiAware>' "$f" ||
        fault "$name: no system-aware fallback (dpiAware true/pm) in its manifest" ;;
  esac
done

got="$(exports_of "${FILES[meterlink.dll]}" | tr '\n' ' ' | sed 's/ $//')"
[ -f "${FILES[meterlink.dll]}" ] && [ "$got" != "$EXPORTS" ] &&
  fault "meterlink.dll exports '$got', not '$EXPORTS'"

if [ $faults -gt 0 ]; then
  echo "check-imports: $faults fault(s) in the 32-bit deliverables of $W"
  exit 1
fi
echo "check-imports: the six deliverables of $W are PE32/i386 GUI programs for XP SP3 and later, importing only from the reviewed list ($(wc -l <<<"$allowed") functions)"
