#!/bin/bash
# The test command: builds, checks the layering and the deliverables'
# imports, runs the native tests, then the Windows tests under Wine in a
# throw-away prefix, headless: the 32-bit build where this machine can run
# 32-bit code, the x86-64 twin under 64-bit Wine where it cannot
# (scripts/lib/wine-arch.sh; ORVA_WIN_ARCH=i686|x86_64 forces either).
set -uo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh || exit 1
source scripts/wine-env.sh
B="$ORVA_BUILD"

echo "== layering =="
scripts/check-layering.sh
layer_rc=$?

echo "== the 32-bit deliverables start on Windows XP SP3 =="
scripts/check-imports.sh "$B/win"
imports_rc=$?

echo "== native tests (ASan, UBSan) =="
ctest --test-dir "$B/host" --output-on-failure
host_rc=$?

echo "== Windows tests under Wine =="
wine_arch_say
# Printer queues for the print tests (CUPS with two PDF queues).
source scripts/printers.sh
print_queues_up || echo "printer queues not available: the print tests will fail"
wine_prefix_ready null
wine_server_up         # one server for the whole run
rm -rf "$ORVA_WIN_BUILD/scenarios"  # installer scenarios make their pristine prefix anew
ctest --test-dir "$ORVA_WIN_BUILD" --output-on-failure
win_rc=$?
wineserver -k 2>/dev/null || true

exit $(( layer_rc != 0 || imports_rc != 0 || host_rc != 0 || win_rc != 0 ))
