# SPDX-FileCopyrightText: 2026 quivelle team
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows program: its icon, manifest and version built into the .exe, and its two
# installers with the licences of everything linked into the program:
# build-windows/quivelle-<version>-setup.exe (NSIS) and quivelle-<version>-x64.msi (wixl,
# for Group Policy and Intune). Included from the top-level CMakeLists.

set(QUIVELLE_ICO ${CMAKE_CURRENT_LIST_DIR}/quivelle.ico)
set(QUIVELLE_MANIFEST ${PROJECT_BINARY_DIR}/quivelle.manifest)
configure_file(${CMAKE_CURRENT_LIST_DIR}/quivelle.manifest.in ${QUIVELLE_MANIFEST} @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/quivelle.rc.in ${PROJECT_BINARY_DIR}/quivelle.rc @ONLY)
target_sources(quivelle PRIVATE ${PROJECT_BINARY_DIR}/quivelle.rc)
# The resource compiler's dependencies are not scanned: a changed manifest or icon is
# named here.
set_source_files_properties(${PROJECT_BINARY_DIR}/quivelle.rc PROPERTIES
  OBJECT_DEPENDS "${QUIVELLE_MANIFEST};${QUIVELLE_ICO}")

# The MSI package's upgrade code, the same for every version; the NSIS installer looks for
# a package of it.
set(QUIVELLE_MSI_UPGRADE_CODE 285816A6-72E0-409C-999D-2812BB4AB7E1)

# The third-party notices tools/build-windows-qt collected beside the Windows Qt.
set(_qt_notices ${QT6_INSTALL_PREFIX}/share/notices)
if(NOT EXISTS ${_qt_notices}/THIRD-PARTY-NOTICES.txt)
  message(FATAL_ERROR "No notices of Qt's third-party code in ${_qt_notices}: build Qt with tools/build-windows-qt")
endif()
# The C++ runtime and the threads library of mingw-w64 are linked in too.
set(_mingw_notice /usr/share/doc/mingw-w64-common/copyright)
set(_gcc_notice /usr/share/doc/gcc-mingw-w64-base/copyright)
set(_licence ${PROJECT_SOURCE_DIR}/LICENSES/GPL-3.0-or-later.txt)
set(_font_licences ${PROJECT_SOURCE_DIR}/assets/fonts/LICENSE-ComicNeue.txt
  ${PROJECT_SOURCE_DIR}/assets/fonts/LICENSE-LiberationSans.txt)
file(GLOB_RECURSE _qt_notice_files CONFIGURE_DEPENDS ${_qt_notices}/*)

find_program(QUIVELLE_MAKENSIS makensis REQUIRED)
set(_setup ${PROJECT_BINARY_DIR}/quivelle-${PROJECT_VERSION}-setup.exe)
set(_nsi ${CMAKE_CURRENT_LIST_DIR}/installer.nsi)
add_custom_command(OUTPUT ${_setup}
  COMMAND ${QUIVELLE_MAKENSIS} -V2 -NOCD -INPUTCHARSET UTF8
    -DVERSION=${PROJECT_VERSION}
    -DPROGRAM=$<TARGET_FILE:quivelle>
    -DICON=${QUIVELLE_ICO}
    -DLICENCE=${_licence}
    -DFONT_LICENCES=${PROJECT_SOURCE_DIR}/assets/fonts
    -DQT_NOTICES=${_qt_notices}
    -DMINGW_NOTICE=${_mingw_notice}
    -DGCC_NOTICE=${_gcc_notice}
    -DMSI_UPGRADE_CODE=${QUIVELLE_MSI_UPGRADE_CODE}
    -DOUTFILE=${_setup}
    ${_nsi}
  DEPENDS quivelle ${_nsi} ${QUIVELLE_ICO} ${_mingw_notice} ${_gcc_notice}
  COMMENT "Building the installer quivelle-${PROJECT_VERSION}-setup.exe"
  VERBATIM)

# The MSI package, from a folder laid out as the program is installed (kept after the
# build: tools/check-windows-install builds an older package from it for the upgrade).
find_program(QUIVELLE_WIXL wixl REQUIRED)
set(_msi ${PROJECT_BINARY_DIR}/quivelle-${PROJECT_VERSION}-x64.msi)
set(_msi_stage ${PROJECT_BINARY_DIR}/msi-stage)
set(_build_msi ${CMAKE_CURRENT_LIST_DIR}/build-msi)
add_custom_command(OUTPUT ${_msi}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${_msi_stage}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${_msi_stage}/licenses
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:quivelle> ${_msi_stage}/quivelle.exe
  COMMAND ${CMAKE_COMMAND} -E copy ${_licence} ${_msi_stage}/LICENSE.txt
  COMMAND ${CMAKE_COMMAND} -E copy ${QUIVELLE_ICO} ${_msi_stage}/quivelle.ico
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${_qt_notices} ${_msi_stage}/licenses
  COMMAND ${CMAKE_COMMAND} -E copy ${_mingw_notice} ${_msi_stage}/licenses/mingw-w64-runtime-copyright.txt
  COMMAND ${CMAKE_COMMAND} -E copy ${_gcc_notice} ${_msi_stage}/licenses/gcc-runtime-copyright.txt
  COMMAND ${CMAKE_COMMAND} -E copy ${_font_licences} ${_msi_stage}/licenses
  COMMAND ${_build_msi} ${_msi_stage} ${PROJECT_VERSION} ${QUIVELLE_MSI_UPGRADE_CODE} ${_msi}
  DEPENDS quivelle ${_build_msi} ${CMAKE_CURRENT_LIST_DIR}/quivelle.wxs ${QUIVELLE_ICO}
    ${_licence} ${_mingw_notice} ${_gcc_notice} ${_font_licences} ${_qt_notice_files}
  COMMENT "Building the package quivelle-${PROJECT_VERSION}-x64.msi"
  VERBATIM)
add_custom_target(installer ALL DEPENDS ${_setup} ${_msi})
