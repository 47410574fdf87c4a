# The Debian package (cpack -G DEB, as scripts/package runs it): everything `cmake --install`
# puts below the prefix, the binaries stripped and no debug files, the dependencies read from
# the binaries by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME restallow)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Orvel <restallow@orvel.example>")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "turns ready-made files into Windows resource scripts")
set(CPACK_PACKAGE_DESCRIPTION "Resource Tallowin+ is a desktop tool for programmers of Windows applications.
It turns a list of bitmaps, icons, cursors, animated cursors, AVI clips, GIF
and JPEG pictures, text files, MIDI and WAVE sounds, TrueType fonts and any
other file into a Windows resource script (.rc), loads its own scripts back,
and compiles them with its own resource compiler into 16-bit or 32-bit
resource files.
.
The package holds the program (restallow), the resource compiler
(restallow-rc, also as restallow-windres for builds that use GNU windres),
a lister of resource files (restallow-resdump) and a packer of 16-bit
Windows programs (restallow-min).")
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own buttons and file dialogs in French and German; the MinGW compiler that cross-builds a
# Windows program with restallow-windres.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, gcc-mingw-w64-i686")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
