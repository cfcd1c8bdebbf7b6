; SPDX-FileCopyrightText: 2026 quivelle team
; SPDX-License-Identifier: GPL-3.0-or-later

; The Windows installer, built by packaging/windows/windows.cmake with makensis. Installs
; for every user of the machine into Program Files, with two Start-menu entries and an
; uninstaller Windows lists among the installed programs. /S installs (and, given to the
; uninstaller, removes) silently, for a room of school computers.

; A 64-bit installer, like the program: it runs where the program can.
Target amd64-unicode
SetCompressor /SOLID lzma
!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"
!include "WinVer.nsh"

!define NAME "Operazioni con le quivelle"
!define PUBLISHER "quivelle team"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\quivelle"

Name "${NAME}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\quivelle"
RequestExecutionLevel admin
BrandingText "${NAME} ${VERSION}"
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1040 "ProductName" "${NAME}"
VIAddVersionKey /LANG=1040 "FileDescription" "Installazione di ${NAME}"
VIAddVersionKey /LANG=1040 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1040 "LegalCopyright" "2026 ${PUBLISHER}, GPL-3.0-or-later"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\quivelle.exe"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${LICENCE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Italian"

; Qt 6 needs Windows 10.
Function .onInit
  ${IfNot} ${AtLeastWin10}
    MessageBox MB_ICONSTOP|MB_OK "${NAME} richiede Windows 10 o successivo, a 64 bit." /SD IDOK
    Abort
  ${EndIf}
  SetShellVarContext all
FunctionEnd

Function un.onInit
  SetShellVarContext all
FunctionEnd

Section
  SetOutPath "$INSTDIR"
  File "/oname=quivelle.exe" "${PROGRAM}"
  File "/oname=LICENSE.txt" "${LICENCE}"
  ; The licences of what is built into the program: Qt and the libraries it brings, the
  ; C and C++ runtime of the compiler, and the two fonts.
  SetOutPath "$INSTDIR\licenses"
  File /r "${QT_NOTICES}\*.*"
  File "/oname=mingw-w64-runtime-copyright.txt" "${MINGW_NOTICE}"
  File "/oname=gcc-runtime-copyright.txt" "${GCC_NOTICE}"
  File "${FONT_LICENCES}\LICENSE-ComicNeue.txt"
  File "${FONT_LICENCES}\LICENSE-LiberationSans.txt"
  SetOutPath "$INSTDIR"

  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${NAME}.lnk" "$INSTDIR\quivelle.exe" "" "$INSTDIR\quivelle.exe" 0
  CreateShortcut "$SMPROGRAMS\${NAME} (schermo grande).lnk" "$INSTDIR\quivelle.exe" \
    "--schermo-grande" "$INSTDIR\quivelle.exe" 0

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\quivelle.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

Section "Uninstall"
  Delete "$SMPROGRAMS\${NAME}.lnk"
  Delete "$SMPROGRAMS\${NAME} (schermo grande).lnk"
  RMDir /r "$INSTDIR\licenses"
  Delete "$INSTDIR\quivelle.exe"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  ; The uninstaller runs from a copy of itself in the Temp folder, which Windows deletes at
  ; the next restart; the copy first and then its folder, or the folder would stay behind.
  ${If} "$EXEDIR" != "$INSTDIR"
    Delete /REBOOTOK "$EXEPATH"
    RMDir /REBOOTOK "$EXEDIR"
  ${EndIf}
SectionEnd
