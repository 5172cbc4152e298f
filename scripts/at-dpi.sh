#!/bin/bash
# Runs one Windows test program with the current Wine prefix set to a display
# scaling (HKCU\Control Panel\Desktop LogPixels: 96 is 100 %, 144 is 150 %,
# 192 is 200 %), and sets the prefix back to 96 afterwards, also when the test
# fails or is killed, so the tests after it run at 100 %. Wine reads the value
# when a program starts, so the persistent server of the test run may stay up.
# usage: at-dpi.sh DPI PROGRAM.exe [args...]
set -uo pipefail
dpi="$1"
shift
set_dpi() { wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1; }
trap 'set_dpi 96' EXIT
set_dpi "$dpi" || { echo "at-dpi: could not set LogPixels to $dpi"; exit 1; }
# The tests check that the scaling reached them.
ORVA_EXPECT_DPI="$dpi" wine "$@"
