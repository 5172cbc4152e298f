#!/bin/bash
# The test command: builds, runs the native tests, then the Windows tests
# under Wine in a throw-away prefix (build/wineprefix), headless.
set -uo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh || exit 1
source scripts/wine-env.sh
B="$ORVA_BUILD"

echo "== layering =="
scripts/check-layering.sh
layer_rc=$?

echo "== native tests (ASan, UBSan) =="
ctest --test-dir "$B/host" --output-on-failure
host_rc=$?

echo "== Windows tests under Wine =="
# Printer queues for the print tests (CUPS with two PDF queues).
source scripts/printers.sh
print_queues_up || echo "printer queues not available: the print tests will fail"
wine_prefix_ready null
wine_server_up         # one server for the whole run
rm -rf "$B/win/scenarios"  # installer scenarios make their pristine prefix anew
ctest --test-dir "$B/win" --output-on-failure
win_rc=$?
wineserver -k 2>/dev/null || true

exit $(( layer_rc != 0 || host_rc != 0 || win_rc != 0 ))
