#!/bin/bash
# Runs one Windows test program with the current Wine prefix set to a display
# scaling (wine_set_dpi: 96 is 100 %, 144 is 150 %, 192 is 200 %), and sets
# the prefix back to 96 afterwards, also when the test fails or is killed, so
# the tests after it run at 100 %. The test is told the value
# (ORVA_EXPECT_DPI) and checks that it reached the program.
# usage: at-dpi.sh DPI PROGRAM.exe [args...]
set -uo pipefail
source "$(dirname "$0")/wine-env.sh" || exit 1
dpi="$1"
shift
trap 'wine_set_dpi 96' EXIT
wine_set_dpi "$dpi" || { echo "at-dpi: could not set the prefix's LogPixels to $dpi"; exit 1; }
ORVA_EXPECT_DPI="$dpi" wine "$@"
