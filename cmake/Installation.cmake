# Where an installation puts things, and the Debian package made from it (scripts/package).
include(GNUInstallDirs)

# The desktop's name for the gallery: its desktop entry, icon and AppStream metadata.
set(ZENTUVIO_APP_ID org.zentuvio.Zentuvio)
# The installed data folder: the help page and the sample catalogue.
set(ZENTUVIO_DATADIR "${CMAKE_INSTALL_DATADIR}/zentuvio")
# Programs that only the gallery and the tool start: the Access catalogue reader.
set(ZENTUVIO_LIBEXECDIR "${CMAKE_INSTALL_LIBEXECDIR}/zentuvio")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zentuvio)
set(CPACK_PACKAGE_VENDOR Zentuvio)
set(CPACK_PACKAGE_CONTACT "Zentuvio developers <developers@zentuvio.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "gallery of user-interface artwork for software developers")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Zentuvio shows icon collections and screen templates by category in a skinned\n"
    "window with a Chinese interface. Its sample catalogue holds the Tango icons and\n"
    "screen templates; zentuvio-catalogue builds catalogues of your own pictures.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://zentuvio.org/)
# The libraries come from the binaries; what they load at run time does not: Qt's
# window-system plug-ins and the faces the interface is drawn in.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, fonts-arphic-uming | fonts-wqy-zenhei, fonts-liberation, fonts-dejavu-core")
include(CPack)
