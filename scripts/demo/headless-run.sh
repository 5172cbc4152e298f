#!/bin/bash
# The headless half of run-station.sh, run inside xvfb-run: starts ORVA.exe
# on a Wine virtual desktop, opens Tool > Statistics, presses START, lets
# readings arrive, takes a screenshot and closes the program through its
# normal exit path.
# Expects PROG, OUT, DRIVER, RUN_SECONDS, ORVA_DPI and SETUP_EXE (may be
# empty) from run-station.sh.
set -euo pipefail
source "$(dirname "$0")/../wine-env.sh"
# A Wine virtual desktop draws the window frame and menu bar, which a bare
# X server without a window manager would not.
wine_prefix_ready x11 $((1580 * ORVA_DPI / 96))x$((680 * ORVA_DPI / 96))
wine_server_up
trap 'wineserver -k 2>/dev/null || true; wine_set_dpi 96; wineserver -w 2>/dev/null || true' EXIT
wine_set_dpi "$ORVA_DPI" # read by each program as it starts
(cd "$PROG" && wine ORVA.exe >/dev/null 2>&1 </dev/null) &
wine "$DRIVER" wait 60
# The link is up once the handler's first notice has been handled.
for _ in $(seq 1 100); do
  [ "$(wine "$DRIVER" text lblExe | tr -d '\r')" = "Exe Run" ] && break
  sleep 0.2
done
wine "$DRIVER" statistics
wine "$DRIVER" click cmdStart
sleep "$RUN_SECONDS"
import -window root "$OUT/orva.png"
echo "indicator: $(wine "$DRIVER" text lblMeasure | tr -d '\r')"
wine "$DRIVER" close
wine "$DRIVER" waitgone 30 || true
if [ -n "$SETUP_EXE" ]; then
  # The installer's first window, as it opens from the disk.
  (cd "$(dirname "$SETUP_EXE")" && wine "$(basename "$SETUP_EXE")" >/dev/null 2>&1 </dev/null) &
  sleep 6
  import -window root "$OUT/setup.png"
fi
