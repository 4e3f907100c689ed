#!/usr/bin/env bash
# Installs what building and testing Tilesmith needs on Debian 12, if missing;
# the package target also needs dpkg-dev (dpkg-shlibdeps) and file.
set -euo pipefail
packages=(cmake ninja-build g++ pkg-config qt6-base-dev zlib1g-dev libdeflate-dev libspng-dev libjpeg62-turbo-dev
          libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core
          help2man appstream desktop-file-utils shared-mime-info libglib2.0-bin
          qt6-translations-l10n dpkg-dev file
          libqt6opengl6-dev libgl-dev libgl1-mesa-dri xvfb xauth)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update
  $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
