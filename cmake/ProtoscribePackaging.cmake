# The Debian package: `cpack -G DEB` in the build folder (`make package`).
# Installed under /usr: the programs in /usr/bin, the files they read in
# /usr/share/protoscribe.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME protoscribe)
set(CPACK_PACKAGE_VENDOR "Norvale Software")
set(CPACK_PACKAGE_CONTACT "Norvale Software <support@norvalesoftware.com>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Editor for clinical trial protocol records")
# Debian wants the long description in lines of fewer than 80 characters.
set(CPACK_PACKAGE_DESCRIPTION
    "Protoscribe edits collections of clinical trial protocol records, checks them\n\
against the registry's schema and prepares them for upload. protoscribe-cli\n\
lists, normalises and validates collections from the command line.")
set(CPACK_PACKAGE_HOMEPAGE_URL "http://www.norvalesoftware.com")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the executables link, as dpkg-shlibdeps finds them (the X11
# platform plugin comes with libqt6gui6).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Web addresses open through the desktop's handlers.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")

include(CPack)
