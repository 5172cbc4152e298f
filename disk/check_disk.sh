#!/bin/bash
# Checks the install disk folder and its image: the files SETUP.EXE copies
# are there under their exact names, the controls nobody ships are not, text
# files have CR LF line ends, and the image holds every file of the folder
# under the same Joliet name with the same bytes.
# usage: check_disk.sh DISK_FOLDER DISK_ISO
set -uo pipefail
disk="$1" iso="$2"
fail=0
problem() { echo "FAIL: $*"; fail=1; }

for name in ORVA.exe meterlink.dll LinkKeeper.exe ORVA.ini ORVA.inf \
            ORVAhelpE.chm ORVAhelpJ.chm SetuphelpEN.chm SetuphelpJP.chm \
            wdreg_gui.exe wdreg16.exe wdreg.exe windrvr6.sys windrvr6.inf \
            DIR.TXT JP.TXT Disk.txt; do
  [ -f "$disk/$name" ] || problem "$name missing from $disk"
done
for name in SETUP.EXE INSTALL.EXE UNINSTALL.EXE DIRSWEEP.EXE; do
  [ -f "$disk/$name" ] || echo "note: $name not on the disk (not built yet)"
done
for name in msflxgrd.ocx COMDLG32.ocx; do
  [ -e "$disk/$name" ] && problem "$name must not be on the disk"
done
for name in ORVA.ini ORVA.inf DIR.TXT JP.TXT Disk.txt; do
  [ -f "$disk/$name" ] || continue
  # every LF preceded by CR, and the file ends with a line end
  if LC_ALL=C grep -q $'[^\r]$' "$disk/$name" || [ -n "$(tail -c1 "$disk/$name" | tr -d '\n')" ]; then
    problem "$name has lines without CR LF"
  fi
done

[ -f "$iso" ] || { problem "no image $iso"; echo "0 passed, 1 failed"; exit 1; }
in_iso=$(isoinfo -J -f -i "$iso" | sed 's#^/##' | sort)
in_dir=$(cd "$disk" && find . -maxdepth 1 -type f -printf '%f\n' | sort)
if [ "$in_iso" != "$in_dir" ]; then
  problem "Joliet names differ from the folder:"
  diff <(echo "$in_dir") <(echo "$in_iso")
fi
while read -r name; do
  [ -n "$name" ] || continue
  cmp -s "$disk/$name" <(isoinfo -J -i "$iso" -x "/$name") || problem "$name differs in the image"
done <<< "$in_dir"
label=$(isoinfo -d -i "$iso" | sed -n 's/^Volume id: //p')
[ "$label" = ORVA ] || problem "volume label '$label'"

if [ $fail = 0 ]; then echo "install disk: $(echo "$in_dir" | wc -l) files, image matches"; fi
exit $fail
