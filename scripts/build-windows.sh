#!/usr/bin/env bash
# Cross-builds the editor, tilesmith-cli and the tests for 64-bit Windows into
# build-windows/, from this Debian system:
#   1. installs the MinGW-w64 compilers (POSIX threads), their zlib, nasm,
#      wine and the host's Qt tools (moc, rcc, uic) with apt-get, where missing;
#   2. fetches Debian's sources of libdeflate, libspng, libjpeg-turbo,
#      GoogleTest and Qt's qtbase (apt-get source, with a source list used for
#      that call only) and builds them as static libraries into
#      build-windows/prefix, Qt with the modules the editor uses;
#   3. configures the project with cmake/mingw-w64-x86_64.cmake and builds
#      build-windows/src/tilesmith.exe, tilesmith-cli.exe and the test programs;
#   4. zips the two programs with the licences of everything linked into them
#      (build-windows/tilesmith-VERSION-windows-x86_64.zip).
# Everything fetched or built stays under build-windows/. Then
#   bash scripts/test-windows.sh
# runs the tests under wine. Each step prints its time. TILESMITH_WINDOWS_GUI=OFF
# builds the tool and its tests alone, without Qt.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
out="$root/build-windows"
prefix="$out/prefix"
sources="$out/sources"
toolchain="$root/cmake/mingw-w64-x86_64.cmake"
jobs="${JOBS:-2}"
gui="${TILESMITH_WINDOWS_GUI:-ON}"
mkdir -p "$out" "$prefix" "$sources"

source "$root/scripts/timed_step.sh"

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive

install_tools() {
  local packages=(cmake ninja-build pkg-config dpkg-dev g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
                  libz-mingw-w64-dev nasm wine wine64) missing=() p
  # Qt is cross-built with the host's own Qt tools of the same version.
  # and its catalogues of Qt's own texts go into the editor.
  [ "$gui" = OFF ] || packages+=(qt6-base-dev qt6-base-dev-tools qt6-translations-l10n)
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    $sudo apt-get update
    $sudo apt-get install -y --no-install-recommends "${missing[@]}"
  fi
}

# Sources of this system's own Debian release, through a source list that only
# these calls read, and package lists kept under build-windows/apt.
fetch_sources() {
  local apt="$out/apt" codename
  codename="$(. /etc/os-release && echo "$VERSION_CODENAME")"
  mkdir -p "$apt/lists/partial" "$apt/parts" "$apt/cache/archives/partial"
  cat >"$apt/sources.list" <<LIST
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian $codename main
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian $codename-updates main
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian-security $codename-security main
LIST
  local options=(-o "Dir::Etc::SourceList=$apt/sources.list" -o "Dir::Etc::SourceParts=$apt/parts"
                 -o "Dir::State::Lists=$apt/lists" -o "Dir::Cache=$apt/cache" -o "APT::Sandbox::User=root")
  apt-get "${options[@]}" update
  local package
  local packages=(libdeflate libspng libjpeg-turbo googletest)
  [ "$gui" = OFF ] || packages+=(qt6-base)
  for package in "${packages[@]}"; do
    if ! compgen -G "$sources/$package-[0-9]*/" >/dev/null; then
      (cd "$sources" && apt-get "${options[@]}" source "$package")
    fi
  done
}

source_dir() { compgen -G "$sources/$1-[0-9]*/" | head -n 1; }

cmake_library() {
  local name="$1" dir="$2"
  shift 2
  nice -n 10 cmake -S "$dir" -B "$out/libs/$name" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=OFF "$@"
  nice -n 10 cmake --build "$out/libs/$name" -j "$jobs"
  cmake --install "$out/libs/$name"
}

pc_file() {  # name version cflags libs
  mkdir -p "$prefix/lib/pkgconfig"
  cat >"$prefix/lib/pkgconfig/$1.pc" <<PC
prefix=$prefix
Name: $1
Description: $1, static, for Windows
Version: $2
Cflags: -I\${prefix}/include $3
Libs: -L\${prefix}/lib $4
PC
}

build_libraries() {
  local dir
  # libdeflate: its own Makefile, the static library only.
  dir="$(source_dir libdeflate)"
  if [ ! -f "$prefix/lib/libdeflate.a" ]; then
    rm -rf "$out/libs/libdeflate" && mkdir -p "$out/libs" && cp -r "$dir" "$out/libs/libdeflate"
    nice -n 10 make -C "$out/libs/libdeflate" -j "$jobs" CC=x86_64-w64-mingw32-gcc-posix \
      AR=x86_64-w64-mingw32-ar STATIC_LIB_SUFFIX=.a libdeflate.a
    mkdir -p "$prefix/lib" "$prefix/include"
    cp "$out/libs/libdeflate/libdeflate.a" "$prefix/lib/"
    cp "$out/libs/libdeflate/libdeflate.h" "$prefix/include/"
  fi
  pc_file libdeflate "$(basename "$dir" | sed 's/^libdeflate-//')" "" "-ldeflate"

  # libspng is one C file over the MinGW zlib; SPNG_STATIC keeps its functions
  # from being taken for DLL imports.
  dir="$(source_dir libspng)"
  if [ ! -f "$prefix/lib/libspng.a" ]; then
    mkdir -p "$out/libs/libspng"
    nice -n 10 x86_64-w64-mingw32-gcc-posix -O2 -DSPNG_STATIC -c "$dir/spng/spng.c" -o "$out/libs/libspng/spng.o"
    x86_64-w64-mingw32-ar rcs "$prefix/lib/libspng.a" "$out/libs/libspng/spng.o"
    cp "$dir/spng/spng.h" "$prefix/include/"
  fi
  pc_file spng "$(basename "$dir" | sed 's/^libspng-//')" "-DSPNG_STATIC" "-lspng -lz"

  dir="$(source_dir libjpeg-turbo)"
  [ -f "$prefix/lib/libjpeg.a" ] ||
    cmake_library libjpeg-turbo "$dir" -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF \
      -DCMAKE_ASM_NASM_COMPILER=nasm

  dir="$(source_dir googletest)"
  [ -f "$prefix/lib/libgtest.a" ] ||
    cmake_library googletest "$dir" -DBUILD_GMOCK=OFF -DINSTALL_GTEST=ON -Dgtest_disable_pthreads=OFF
}

# qtbase as static libraries: Core, Gui, Widgets, OpenGL, OpenGLWidgets, Test
# and the Windows platform plugin (the offscreen one comes along for the
# window tests). Off: what the editor does not use, tablet events (Debian's
# source lacks their header) and Direct2D. Its JPEG plugin reads through the
# libjpeg-turbo built above, so that one libjpeg is linked into the editor
# (Qt's own copy has another ABI under the same names); its own copies of
# zlib (whose names it prefixes), libpng, FreeType, HarfBuzz and PCRE2 are built in.
host_qt_cmake() { dirname "$(dirname "$(find /usr/lib -maxdepth 4 -path '*/cmake/Qt6/Qt6Config.cmake' | head -n 1)")"; }
build_qt() {
  [ -f "$prefix/lib/cmake/Qt6Widgets/Qt6WidgetsConfig.cmake" ] && return 0
  local off=(sql network dbus printsupport tabletevent direct2d directwrite3 zstd concurrent xml icu vulkan
             system_zlib system_png system_freetype system_harfbuzz system_pcre2
             system_doubleconversion) options=() f
  for f in "${off[@]}"; do options+=("-DFEATURE_$f=OFF"); done
  options+=(-DFEATURE_system_jpeg=ON)
  cmake_library qtbase "$(source_dir qt6-base)" -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$(host_qt_cmake)" \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF -DINPUT_opengl=desktop "${options[@]}"
}

build_project() {
  local targets=(tilesmith-cli)
  [ "$gui" = OFF ] || targets+=(tilesmith)
  nice -n 10 cmake -S "$root" -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DTILESMITH_BUILD_GUI="$gui" -DTILESMITH_BUILD_TESTS=ON \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$(host_qt_cmake)"
  nice -n 10 cmake --build "$out" -j "$jobs" --target "${targets[@]}"
}

build_tests() { nice -n 10 cmake --build "$out" -j "$jobs"; }

step "tools" install_tools
step "sources" fetch_sources
step "libraries" build_libraries
[ "$gui" = OFF ] || step "qt" build_qt
step "programs" build_project
[ "$gui" = OFF ] || step "zip" bash "$root/scripts/zip-windows.sh"
[ "${TILESMITH_WINDOWS_TESTS:-ON}" = OFF ] || step "tests" build_tests
# wine makes its prefix at its first start, which takes longer than a test
# program's listing may: make it now.
prepare_wine() {
  WINEPREFIX="$out/wine" WINEDEBUG=-all "$root/scripts/wine.sh" wineboot --init >/dev/null 2>&1 || true
  WINEPREFIX="$out/wine" wineserver -w || true
}
[ "${TILESMITH_WINDOWS_TESTS:-ON}" = OFF ] || step "wine" prepare_wine
echo "built $out/src/tilesmith-cli.exe"
