# The Debian package: `cmake --build build --target package` writes
# tilesmith_<version>_<arch>.deb, installing under /usr.
include(${PROJECT_SOURCE_DIR}/cmake/deb_description.cmake)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tilesmith)
set(CPACK_PACKAGE_VENDOR "The Tilesmith developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${TILESMITH_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor of texture packages of 64 x 64 tiles")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
# With DESTDIR set the install leaves the desktop's caches alone; the
# system's triggers rebuild them when the package is installed.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Stripped as Debian strips its programs: symbols and the compiler's notes
# (see the programs' install rules).
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${TILESMITH_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TILESMITH_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's standard buttons and the file and colour choosers follow the program's
# language switch with Qt's own texts.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# CPack puts the summary above this as the synopsis line, and a space before
# each line of this.
tilesmith_wrap_description(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"Tilesmith edits texture packages: 24-bit images made of 64 x 64 tiles, as
Tomb Raider 1-5 levels store their textures in 256 x 256 pages. It pulls
textures out of TGA, BMP, JPEG and PNG images, levels (.phd, .tub, .tr2, .tr4,
.trc) and object packages (.wad), assembles a target package tile by tile in
two panes, changes tiles with fourteen effects, and writes the result as an
image or into a copy of a level.

The command-line tool tilesmith-cli converts, inspects, exports and changes
packages in scripts." 79)

include(CPack)
