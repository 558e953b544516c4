# `cpack -G DEB` in the build folder makes tessel_<version>_<arch>.deb of what
# `cmake --install` installs (the program and its data; no tests, no benchmarks).
# Run-time dependencies come from the binary through dpkg-shlibdeps (package dpkg-dev).
set(CPACK_PACKAGE_NAME tessel)
set(CPACK_PACKAGE_VENDOR "Tessel developers")
set(CPACK_PACKAGE_CONTACT "Tessel developers <tessel@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
  "Tessel edits the console config scripts (.cfg) of Quake 2, Quake 3 and their mods.
It colours the bind, set, vstr and alias commands as you type, pops up searchable
lists of actions, console variables, keys and mod commands, inserts ready-made binds
for each mod, generates OSP server configurations, and ships a flags calculator and
a coloured-name previewer.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
include(CPack)
