# One version for the programs, their help, their man pages and the package:
# the project's own. The desktop id names the desktop entry and the AppStream
# component alike, so software centres can join the two.
set(TILESMITH_RELEASE_DATE 2026-12-07)  # the day PROJECT_VERSION was released
set(TILESMITH_APP_ID io.github.tilesmith.Tilesmith)
set(TILESMITH_HOMEPAGE https://tilesmith.github.io)
# Signs the package and its changelog.
set(TILESMITH_MAINTAINER "The Tilesmith developers <tilesmith@users.noreply.github.com>"
    CACHE STRING "Maintainer of the Debian package, \"Name <address>\"")
if(NOT TILESMITH_MAINTAINER MATCHES "^[^ <>][^<>]* <[^ <>@]+@[^ <>@]+>$")
  message(FATAL_ERROR "TILESMITH_MAINTAINER \"${TILESMITH_MAINTAINER}\" is not \"Name <address>\"")
endif()

configure_file(${PROJECT_SOURCE_DIR}/cmake/version.h.in
               ${PROJECT_BINARY_DIR}/generated/tilesmith_version.h @ONLY)
add_library(ts_version INTERFACE)
target_include_directories(ts_version INTERFACE ${PROJECT_BINARY_DIR}/generated)
