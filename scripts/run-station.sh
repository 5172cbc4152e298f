#!/bin/bash
# Runs the measurement station ORVA.exe under Wine with the meter simulator
# as the meter, from a program folder laid out as installed
# (build/station/EXE), pre-set with a sample allowance of 12.00 to 13.00 N.
#
# With a display ($DISPLAY set) the window opens; press START and watch.
# Without one it runs on a virtual display for RUN_SECONDS (default 20),
# presses START itself, and leaves in build/station-demo/:
#   orva.png   screenshot of the window while measuring
#   temp.txt   the run log
#   ORVA.ini   the settings written at exit
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh >/dev/null
source scripts/wine-env.sh

PROG="$ORVA_BUILD/station/EXE"
OUT="$ORVA_BUILD/station-demo"
DRIVER="$ORVA_BUILD/win/tests/stationdriver.exe"
RUN_SECONDS="${RUN_SECONDS:-20}"

rm -rf "$ORVA_BUILD/station" "$OUT"
mkdir -p "$PROG" "$OUT"
for f in ORVA.exe meterlink.dll LinkKeeper.exe wirecore.dll; do
  cp "$ORVA_BUILD/win/EXE/$f" "$PROG/"
done
cp scripts/demo/LinkKeeper.scn "$PROG/"
cp scripts/demo/ORVA.ini "$PROG/"

if [ -n "${DISPLAY:-}" ]; then
  wine_prefix_ready x11
  cd "$PROG" && exec wine ORVA.exe
fi

headless_run() {
  set -euo pipefail
  wine_prefix_ready x11
  wine_server_up
  # A Wine virtual desktop draws the window frame and menu bar, which a bare
  # X server without a window manager would not.
  (cd "$PROG" && wine explorer /desktop=ORVA,900x640 ORVA.exe) &
  wine "$DRIVER" wait 60
  sleep 2
  wine "$DRIVER" click cmdStart
  sleep "$RUN_SECONDS"
  import -window root "$OUT/orva.png"
  echo "indicator: $(wine "$DRIVER" text lblMeasure | tr -d '\r')"
  wine "$DRIVER" close
  wine "$DRIVER" waitgone 30 || true
  wineserver -k || true
}
export -f headless_run wine_prefix_ready wine_server_up
export PROG OUT DRIVER RUN_SECONDS
xvfb-run -a -s "-screen 0 1024x768x24" bash -c headless_run

cp "$PROG/temp.txt" "$PROG/ORVA.ini" "$OUT/" 2>/dev/null || true
echo "screenshot: $OUT/orva.png"
echo "run log:    $OUT/temp.txt ($(wc -l < "$OUT/temp.txt" 2>/dev/null || echo 0) readings)"
