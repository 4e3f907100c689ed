#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
bash "$here/setup-debian.sh"
bash "$here/build.sh"
cd "$here/../build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 --timeout 600
