# The Debian package, made by "cpack -G DEB" in a build tree from the install rules: the
# programs, the help file, the menu entry, the clone data file type, the icons and the
# AppStream metainfo. Its library dependencies are computed from the programs by dpkg-shlibdeps.

set(CPACK_PACKAGE_NAME orvane)
set(CPACK_PACKAGE_VENDOR "Orvane developers")
set(CPACK_PACKAGE_CONTACT "Orvane developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "cloning program for HT-Lk1, HT-Lk2 and HT-Lk1S/Lk2S airband transceivers")
set(CPACK_PACKAGE_DESCRIPTION
    "Orvane reads the memory of a handheld airband transceiver over a serial cloning cable, \
shows its channels, WX channels and settings in spreadsheet-like sheets, keeps them in clone \
data files (.zcf) and writes them back. orvane-cli does the same without a display.")
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # orvane_<version>_<architecture>.deb
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its plugins at run time, so no linked library names them: without
# qt6-qpa-plugins the desktop program finds no display connection, and without the SVG
# image plugin of libqt6svg6 (which an optimised build's linker drops from the linked
# libraries, no symbol of it being used) it draws no icons; Qt Help reads the help file
# through the SQLite driver plugin of libqt6sql6-sqlite.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6, libqt6sql6-sqlite")
# The menu entry, the file type and the icons need no maintainer scripts: the desktop,
# MIME and icon caches are refreshed by their own packages' triggers.

include(CPack)
