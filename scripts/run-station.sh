#!/bin/bash
# Runs the measurement station ORVA.exe under Wine with the meter simulator
# as the meter: the 32-bit build where this machine can run 32-bit code, the
# x86-64 twin under 64-bit Wine where it cannot (it says which). It runs
# from a program folder laid out as installed
# (build/station/EXE, with the help files), pre-set with a sample allowance of 12.00 to 13.00 N.
#
# With a display ($DISPLAY set) the window opens; press START and watch.
# Without one it runs on a virtual display for RUN_SECONDS (default 20),
# presses START itself, and leaves in build/station-demo/:
#   orva.png   screenshot of the window and its statistics while measuring
#   temp.txt   the run log
#   ORVA.ini   the settings written at exit
# ORVA_DPI=144 or 192 runs it at 150 or 200 % display scaling (the prefix's
# LogPixels, set back to 96 afterwards) on a display as much larger, and
# also leaves setup.png, the installer's first window at that scaling.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh
wine_arch_say
ORVA_BUILD_WIN=$ORVA_WIN_ARCH scripts/build.sh orva_station_demo >/dev/null

PROG="$ORVA_BUILD/station/EXE"
OUT="$ORVA_BUILD/station-demo"
DRIVER="$ORVA_WIN_BUILD/tests/stationdriver.exe"
RUN_SECONDS="${RUN_SECONDS:-20}"

rm -rf "$ORVA_BUILD/station" "$OUT"
mkdir -p "$PROG" "$OUT"
for f in ORVA.exe meterlink.dll LinkKeeper.exe wirecore.dll ORVAhelpE.chm ORVAhelpJ.chm; do
  cp "$ORVA_WIN_BUILD/EXE/$f" "$PROG/"
done
cp scripts/demo/LinkKeeper.scn "$PROG/"
cp scripts/demo/ORVA.ini "$PROG/"

if [ -n "${DISPLAY:-}" ]; then
  wine_prefix_ready x11
  cd "$PROG" && exec wine ORVA.exe
fi

# xvfb-run goes through sh, which drops exported bash functions: the
# headless part lives in its own script.
ORVA_DPI="${ORVA_DPI:-96}"
SETUP_EXE=
[ "$ORVA_DPI" != 96 ] && SETUP_EXE="$ORVA_WIN_BUILD/installer/SETUP.EXE" &&
  ORVA_BUILD_WIN=$ORVA_WIN_ARCH scripts/build.sh setup_exe >/dev/null
export PROG OUT DRIVER RUN_SECONDS ORVA_DPI SETUP_EXE
xvfb-run -a -s "-screen 0 $((1600 * ORVA_DPI / 96))x$((720 * ORVA_DPI / 96))x24" bash scripts/demo/headless-run.sh

cp "$PROG/temp.txt" "$PROG/ORVA.ini" "$OUT/" 2>/dev/null || true
echo "screenshot: $OUT/orva.png"
[ -n "$SETUP_EXE" ] && echo "installer:  $OUT/setup.png"
echo "run log:    $OUT/temp.txt ($(wc -l < "$OUT/temp.txt" 2>/dev/null || echo 0) readings)"
