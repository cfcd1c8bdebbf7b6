# SPDX-FileCopyrightText: 2026 quivelle team
# SPDX-License-Identifier: GPL-3.0-or-later

# The web program: build-web/site/, static files any web server can serve (the page, the
# program's .js and .wasm, icons, a manifest and a service worker for use without a
# network, the notices). Included from the top-level CMakeLists.

# The smallest download: optimised for size and squeezed once more by binaryen's wasm-opt
# when linked. Only the site's program is linked this way; the tests are linked quickly.
target_link_options(quivelle PRIVATE -Oz)
# The page hands the program its environment (the start-up benchmark's report); Qt's own
# list of exports, given after this one, is added to rather than replaced.
set(QUIVELLE_WEB_EXPORTS "SHELL:-sEXTRA_EXPORTED_RUNTIME_METHODS=ENV")
target_link_options(quivelle PRIVATE ${QUIVELLE_WEB_EXPORTS})

# The third-party notices tools/build-web-qt collected beside the web Qt.
set(_qt_notices ${QT6_INSTALL_PREFIX}/share/notices)
if(NOT EXISTS ${_qt_notices}/THIRD-PARTY-NOTICES.txt)
  message(FATAL_ERROR "No notices of Qt's third-party code in ${_qt_notices}: build Qt with tools/build-web-qt")
endif()
file(GLOB _page_files CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.html
  ${CMAKE_CURRENT_LIST_DIR}/*.css ${CMAKE_CURRENT_LIST_DIR}/*.js
  ${CMAKE_CURRENT_LIST_DIR}/*.webmanifest ${CMAKE_CURRENT_LIST_DIR}/icons/*.png)
file(GLOB_RECURSE _qt_notice_files CONFIGURE_DEPENDS ${_qt_notices}/*)
# The C library and C++ runtime emscripten links in.
set(_emscripten_notice /usr/share/doc/emscripten/copyright)

set(_site ${PROJECT_BINARY_DIR}/site)
add_custom_command(OUTPUT ${_site}/index.html ${_site}/quivelle.wasm
  COMMAND python3 ${PROJECT_SOURCE_DIR}/tools/web/assemble-site.py ${_site}
    ${CMAKE_CURRENT_LIST_DIR} $<TARGET_FILE_DIR:quivelle>/quivelle.js
    $<TARGET_FILE_DIR:quivelle>/quivelle.wasm ${PROJECT_SOURCE_DIR}/assets/icons
    ${PROJECT_SOURCE_DIR}/LICENSES/GPL-3.0-or-later.txt
    ${PROJECT_SOURCE_DIR}/assets/fonts/LICENSE-ComicNeue.txt
    ${PROJECT_SOURCE_DIR}/assets/fonts/LICENSE-LiberationSans.txt
    ${_qt_notices} ${_emscripten_notice}
  DEPENDS quivelle ${_page_files} ${_qt_notice_files}
    ${PROJECT_SOURCE_DIR}/tools/web/assemble-site.py
  COMMENT "Laying out the web site in ${_site}"
  VERBATIM)
add_custom_target(site ALL DEPENDS ${_site}/index.html)
