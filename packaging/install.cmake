# Desktop integration (menu entry, icon, software-centre metadata) and the Debian package.
# Included from the top-level CMakeLists after the program's own install rule.

set(QUIVELLE_APP_ID org.example.quivelle)
set(_pkg ${CMAKE_CURRENT_LIST_DIR})

install(FILES ${_pkg}/${QUIVELLE_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${_pkg}/${QUIVELLE_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${_pkg}/${QUIVELLE_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quivelle)
set(CPACK_PACKAGE_VENDOR "quivelle team")
set(CPACK_PACKAGE_CONTACT "quivelle team <info@quivelle.example.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "guided exercises on the four operations with fractions")
set(CPACK_PACKAGE_DESCRIPTION "A drill program for school pupils: the pupil adds, subtracts, \
multiplies and divides two fractions step by step, the way it is written on paper, and every \
entry is checked at once. All texts are in Italian.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.quivelle.example.org")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Only the program and its desktop files; tests are not installed.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "quivelle team <info@quivelle.example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libpulse0, libc6, libstdc++6")
include(CPack)
