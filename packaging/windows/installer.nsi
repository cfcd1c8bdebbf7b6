; SPDX-FileCopyrightText: 2026 quivelle team
; SPDX-License-Identifier: GPL-3.0-or-later

; The Windows installer, built by packaging/windows/windows.cmake with makensis (the text is
; UTF-8: -INPUTCHARSET UTF8). Installs for every user of the machine into Program Files,
; with two Start-menu entries and an uninstaller Windows lists among the installed
; programs. /S installs (and, given to the uninstaller, removes) silently, for a room of
; school computers.
;
; What a deployment script gets back, from the installer and the uninstaller alike:
;   0    done
;   1    cancelled by the user (NSIS's own)
;   2    refused: this Windows is too old, or the program is installed from the MSI
;        package (the installer only)
;   3    the program is open on this computer: nothing was changed
;   740  not run as administrator (ERROR_ELEVATION_REQUIRED): nothing was changed

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
; Held by the program for as long as it runs, in the session's own namespace.
!define RUNNING_MUTEX "Local\org.example.quivelle"
!define EXIT_RUNNING 3
!define EXIT_NOT_ADMIN 740

Name "${NAME}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\quivelle"
; An update goes where the first install went; /D= still wins.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
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

; Without administrator rights every file in Program Files and the uninstall entry would
; fail one by one; this says so once, before anything is touched. (With UAC on, Windows
; asks for the rights before the installer starts; this is for UAC off and for a
; deployment tool run as an ordinary user.)
!macro REQUIRE_ADMIN UN WHAT HOW
Function ${UN}requireAdmin
  UserInfo::GetAccountType
  Pop $0
  ${If} $0 != "Admin"
    MessageBox MB_ICONSTOP|MB_OK "Per ${WHAT} ${NAME} servono i diritti di amministratore. \
      ${HOW}" /SD IDOK
    SetErrorLevel ${EXIT_NOT_ADMIN}
    Quit
  ${EndIf}
FunctionEnd
!macroend
!insertmacro REQUIRE_ADMIN "" "installare" \
  "Fare clic con il tasto destro sul file di installazione e scegliere «Esegui come amministratore»."
!insertmacro REQUIRE_ADMIN "un." "disinstallare" \
  "Disinstallare da un account di amministratore."

; The program's files cannot be replaced or deleted while it runs, and a pupil may be in
; the middle of an exercise: nothing is changed until it has been closed. A silent run
; gives up at once; the technician at the screen may close it and try again. The program
; holds a mutex in its session for as long as it runs; the mutex may exist but be closed
; to this user (the program started by another user in this session, the installer
; elevated with an administrator's password), which also means it runs. A program running
; in another session (another user's; this one seen from a deployment tool running as
; SYSTEM) has no mutex here, but Windows refuses to open its file for writing.
!macro REFUSE_WHILE_RUNNING UN WHAT
Function ${UN}refuseWhileRunning
  ${Do}
    StrCpy $2 0
    System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${RUNNING_MUTEX}") p.r0 ?e'
    Pop $1
    ${If} $0 P<> 0
      System::Call 'kernel32::CloseHandle(p r0)'
      StrCpy $2 1
    ${ElseIf} $1 = 5 ; ERROR_ACCESS_DENIED
      StrCpy $2 1
    ${EndIf}
    ; GENERIC_WRITE, sharing everything, OPEN_EXISTING: creates nothing.
    System::Call 'kernel32::CreateFileW(w "$INSTDIR\quivelle.exe", i 0x40000000, i 7, p 0, i 3, i 0, p 0) p.r0 ?e'
    Pop $1
    ${If} $0 P<> -1
      System::Call 'kernel32::CloseHandle(p r0)'
    ${ElseIf} $1 = 32 ; ERROR_SHARING_VIOLATION
      StrCpy $2 1
    ${EndIf}
    ${If} $2 = 0
      ${Break}
    ${EndIf}
    MessageBox MB_ICONEXCLAMATION|MB_RETRYCANCEL "${NAME} è aperto su questo computer. \
      Chiudere il programma con «Esci» e premere Riprova per continuare la ${WHAT}, \
      oppure Annulla per uscire senza cambiare nulla." /SD IDCANCEL IDRETRY retry
    SetErrorLevel ${EXIT_RUNNING}
    Quit
  retry:
  ${Loop}
FunctionEnd
!macroend
!insertmacro REFUSE_WHILE_RUNNING "" "installazione"
!insertmacro REFUSE_WHILE_RUNNING "un." "disinstallazione"

; Qt 6 needs Windows 10 1809 (build 17763) or later; one message for anything older.
Function .onInit
  ${IfNot} ${AtLeastWin10}
  ${OrIfNot} ${AtLeastBuild} 17763
    MessageBox MB_ICONSTOP|MB_OK "${NAME} richiede Windows 10 (versione 1809 o successiva) \
      o Windows 11, a 64 bit." /SD IDOK
    Abort
  ${EndIf}
  ; The MSI package (same folder, same Start-menu entries) keeps its own list of what it
  ; installed: one of the two at a time.
  System::Call 'msi::MsiEnumRelatedProductsW(w "{${MSI_UPGRADE_CODE}}", i 0, i 0, w .r1) i.r0'
  ${If} $0 = 0
    MessageBox MB_ICONSTOP|MB_OK "${NAME} è già installato con il pacchetto MSI: aggiornarlo o \
      rimuoverlo con un pacchetto MSI." /SD IDOK
    Abort
  ${EndIf}
  Call requireAdmin
  Call refuseWhileRunning
  SetShellVarContext all
FunctionEnd

Function un.onInit
  Call un.requireAdmin
  Call un.refuseWhileRunning
  SetShellVarContext all
FunctionEnd

Section
  ; Asked again: the program may have been started while the pages were shown.
  Call refuseWhileRunning
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
  ; With _?= the uninstaller runs where it is instead of from a copy in Temp, and whoever
  ; started it (a deployment tool, a script, the list of installed programs) waits for
  ; the uninstall itself and gets its exit code. (_?= comes last, unquoted.)
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" _?=$INSTDIR'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" \
    '"$INSTDIR\uninstall.exe" /S _?=$INSTDIR'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

; Started from the installation folder (_?=), the uninstaller cannot delete its own file
; while it runs, and the folder cannot go while the file is in it. A running program's
; file may still be moved, on the same drive, once no handle that forbids it is open: the
; uninstaller's own is the one through which it read itself at start, which it no longer
; needs. So: that handle closed, the file moved into Temp and left there for Windows to
; delete at the next restart, and the folder is gone before the uninstaller returns.
; Anything in the way (Temp on another drive) leaves the file and the folder for the
; restart instead.
Function un.moveSelfAway
  StrCpy $3 4
  ${Do}
    System::Call 'kernel32::GetFileType(p r3) i.r5'
    ${If} $5 = 1 ; FILE_TYPE_DISK: a file, whose name asking about cannot hang
      System::Call 'kernel32::GetFinalPathNameByHandleW(p r3, w .r4, i ${NSIS_MAX_STRLEN}, i 0) i.r5'
      ${If} $5 <> 0
      ${AndIf} $4 == "\\?\$EXEPATH"
        System::Call 'kernel32::CloseHandle(p r3)'
        ${Break}
      ${EndIf}
    ${EndIf}
    IntOp $3 $3 + 4
  ${LoopUntil} $3 > 16384
  GetTempFileName $1
  Delete $1
  ; Without MOVEFILE_COPY_ALLOWED: a copy to another drive would leave the original
  ; where it is and still say it was moved.
  System::Call 'kernel32::MoveFileExW(w "$EXEPATH", w r1, i 0) i.r5'
  ${If} $5 <> 0
    Delete /REBOOTOK "$1"
  ${Else}
    Delete /REBOOTOK "$EXEPATH"
  ${EndIf}
FunctionEnd

Section "Uninstall"
  Call un.refuseWhileRunning
  Delete "$SMPROGRAMS\${NAME}.lnk"
  Delete "$SMPROGRAMS\${NAME} (schermo grande).lnk"
  RMDir /r "$INSTDIR\licenses"
  Delete "$INSTDIR\quivelle.exe"
  Delete "$INSTDIR\LICENSE.txt"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  ; The folder cannot go while it is the working folder.
  SetOutPath "$TEMP"
  ${If} "$EXEDIR" == "$INSTDIR"
    Call un.moveSelfAway
  ${Else}
    ; Started without _?=, the uninstaller runs from a copy of itself in Temp, which
    ; Windows deletes at the next restart: the copy first and then its folder.
    Delete "$INSTDIR\uninstall.exe"
    Delete /REBOOTOK "$EXEPATH"
    RMDir /REBOOTOK "$EXEDIR"
  ${EndIf}
  RMDir /REBOOTOK "$INSTDIR"
SectionEnd
