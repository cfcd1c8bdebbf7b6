# SPDX-FileCopyrightText: 2026 quivelle team
# SPDX-License-Identifier: GPL-3.0-or-later

# Desktop integration (menu entry, icons, software-centre metadata), the manual page and the
# fonts' licences. Included from the top-level CMakeLists after the program's own install
# rule. The Debian package is built from debian/ (make package).

set(QUIVELLE_APP_ID org.example.quivelle)
set(_pkg ${CMAKE_CURRENT_LIST_DIR})

install(FILES ${_pkg}/${QUIVELLE_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${_pkg}/${QUIVELLE_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# The same picture in fixed sizes, for menus and panels that do not read SVG.
file(GLOB _icon_pngs ${PROJECT_SOURCE_DIR}/assets/icons/*.png)
foreach(_png ${_icon_pngs})
  get_filename_component(_size ${_png} NAME_WE)
  install(FILES ${_png} RENAME ${QUIVELLE_APP_ID}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_size}x${_size}/apps)
endforeach()
install(FILES ${_pkg}/${QUIVELLE_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${_pkg}/quivelle.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The fonts built into the program travel with their copyright notices and licence.
install(FILES ${PROJECT_SOURCE_DIR}/assets/fonts/LICENSE-ComicNeue.txt
              ${PROJECT_SOURCE_DIR}/assets/fonts/LICENSE-LiberationSans.txt
        DESTINATION ${CMAKE_INSTALL_DOCDIR}/fonts)
