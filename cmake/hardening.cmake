# Hardened as Debian builds its packages: position-independent programs, a
# stack protector, a relocation table made read-only and resolved at start,
# and, where the compiler optimises, the C library's checked functions.
# A sanitizer build brings its own instrumentation and goes without.
if(MSVC OR TILESMITH_SANITIZE)
  return()
endif()
include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
# Undefined first: some compilers define it themselves, and a redefinition warns.
add_compile_options(-fstack-protector-strong
  "$<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
if(MINGW)
  # MinGW-w64's stack protector and checked functions live in GCC's libssp;
  # the option given to the link too makes GCC add it.
  add_link_options(-fstack-protector-strong)
endif()
if(UNIX AND NOT APPLE)
  add_link_options(LINKER:-z,relro,-z,now)
endif()
