# Cross-compiling for 64-bit Windows with the MinGW-w64 compilers of the POSIX
# thread model (std::thread and std::mutex need it), from a Linux host.
# The libraries the project links are looked for in TILESMITH_WINDOWS_PREFIX
# (scripts/build-windows.sh builds them there) and in the compilers' own
# sysroot, never among the host's. Programs are linked statically, runtime
# included, so that an .exe needs no DLL beside it; tests run under wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(_triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${_triple}-windres)

if(NOT TILESMITH_WINDOWS_PREFIX)
  set(TILESMITH_WINDOWS_PREFIX ${CMAKE_CURRENT_LIST_DIR}/../build-windows/prefix)
endif()
get_filename_component(TILESMITH_WINDOWS_PREFIX ${TILESMITH_WINDOWS_PREFIX} ABSOLUTE)
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TILESMITH_WINDOWS_PREFIX)

set(CMAKE_FIND_ROOT_PATH ${TILESMITH_WINDOWS_PREFIX} /usr/${_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# pkg-config reads only the prefix's .pc files, never the host's.
set(ENV{PKG_CONFIG_LIBDIR} ${TILESMITH_WINDOWS_PREFIX}/lib/pkgconfig)
set(ENV{PKG_CONFIG_PATH} "")

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Test programs run under wine, in a wine prefix of their own beside the build,
# through scripts/wine.sh (the address space laid out the same each time).
find_program(TILESMITH_WINE NAMES wine wine64)
if(TILESMITH_WINE)
  get_filename_component(_wine_prefix ${TILESMITH_WINDOWS_PREFIX}/../wine ABSOLUTE)
  set(CMAKE_CROSSCOMPILING_EMULATOR env WINEPREFIX=${_wine_prefix} WINEDEBUG=-all
      ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine.sh)
endif()

# The MinGW zlib comes as a DLL and as a static library: the static one.
set(ZLIB_USE_STATIC_LIBS ON)
