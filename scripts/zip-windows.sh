#!/usr/bin/env bash
# Zips the Windows programs that scripts/build-windows.sh built with the
# licences of everything linked into them: build-windows/tilesmith-VERSION-windows-x86_64.zip.
# The programs are static: Qt, the image libraries and the MinGW-w64 runtime
# are inside them, so their licences go with them, and NOTICE.txt says how a
# user may relink with a Qt of their own (the LGPL's condition for a static Qt).
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
out="$root/build-windows"
version="$(sed -n 's/^project(Tilesmith VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
name="tilesmith-$version-windows-x86_64"
stage="$out/zip/$name"
rm -rf "$out/zip" "$out/$name.zip"
mkdir -p "$stage/licences"
cp "$out/src/tilesmith.exe" "$out/src/tilesmith-cli.exe" "$stage/"
x86_64-w64-mingw32-strip "$stage/tilesmith.exe" "$stage/tilesmith-cli.exe"
cp LICENSE "$stage/LICENSE.txt"
sed "s/@VERSION@/$version/g" cmake/windows/NOTICE.txt >"$stage/NOTICE.txt"

# Each source package's own account of its licences, as Debian gives it.
source_dir() { compgen -G "$out/sources/$1-[0-9]*/" | head -n 1; }
for package in qt6-base libdeflate libspng libjpeg-turbo; do
  cp "$(source_dir "$package")/debian/copyright" "$stage/licences/$package.txt"
done
qt="$(source_dir qt6-base)"
cp "$qt/LICENSES/LGPL-3.0-only.txt" "$stage/licences/qt-LGPL-3.0-only.txt"
cp "$qt/LICENSES/GPL-3.0-only.txt" "$stage/licences/qt-GPL-3.0-only.txt"
# zlib, and the compiler's runtime (libstdc++, libgcc, libssp, winpthreads, the CRT glue).
cp /usr/share/doc/libz-mingw-w64-dev/copyright "$stage/licences/zlib.txt"
cp /usr/share/doc/mingw-w64-x86-64-dev/copyright "$stage/licences/mingw-w64-runtime.txt"
cp /usr/share/doc/gcc-mingw-w64-base/copyright "$stage/licences/gcc-runtime.txt"
# Windows' own readers expect CR LF in text files.
for text in "$stage"/*.txt "$stage"/licences/*.txt; do sed -i 's/\r\?$/\r/' "$text"; done

(cd "$out/zip" && cmake -E tar cf "$out/$name.zip" --format=zip "$name")
echo "zipped $out/$name.zip ($(( $(stat -c %s "$out/$name.zip") / 1024 )) KiB)"
