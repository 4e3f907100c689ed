#!/usr/bin/env bash
# Sets up, builds and starts the editor; arguments go to the editor.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
bash "$here/setup-debian.sh"
bash "$here/build.sh"
exec "$here/../build/src/tilesmith" "$@"
