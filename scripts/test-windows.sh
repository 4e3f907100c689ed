#!/usr/bin/env bash
# Runs the Windows build's tests (build-windows/, made by build-windows.sh)
# under wine, in one wine session kept open for the whole run. Left to the
# tests, wine's server and its services start with the first test program and
# keep that test's output open, so ctest waits on it until every other test
# has ended: one of the two slots lost for the whole run. Arguments go to ctest.
set -euo pipefail
cd "$(dirname "$0")/../build-windows"
export WINEPREFIX="$PWD/wine" WINEDEBUG=-all

wineserver -k 2>/dev/null || true
wineserver -w
trap 'wineserver -k 2>/dev/null || true' EXIT
# A server that stays until killed, and wine's services started now, away
# from any test's output.
wineserver -p </dev/null >/dev/null 2>&1
../scripts/wine.sh cmd /c exit </dev/null >/dev/null 2>&1 || true
ctest --output-on-failure -j2 --timeout 600 "$@"
