; The Quillory installer: for the current user, no administrator rights, into
; %LOCALAPPDATA%\Programs\Quillory (the program writes "patterns\" beside
; itself). Built by tools/package.sh with makensis, which passes
; VERSION, PROGRAM_DIR (the built program folder), FILE_LIST and OUT_FILE.
; The user's notes in Documents\Quillory are never touched.

Unicode true
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "WinMessages.nsh"

!define NAME "Quillory"
!define PUBLISHER "Quillory"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillory"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define MAIN_WINDOW_CLASS "TQuillor"
; A full start-up on a slow machine, then the close: a minute in all.
!define CLOSE_POLL_MS 250
!define CLOSE_TRIES 240

; The files the installer puts into the program folder, as the build made them
; (tools/installer-files.sh): the macros InstallProgramFiles and RemoveProgramFiles.
!include "${FILE_LIST}"

Name "${NAME} ${VERSION}"
OutFile "${OUT_FILE}"
InstallDir "$LOCALAPPDATA\Programs\${NAME}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

!define MUI_ICON "${PROGRAM_DIR}\..\artwork\MAINICON.ico"
!define MUI_UNICON "${PROGRAM_DIR}\..\artwork\MAINICON.ico"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\Quillory.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Russian"

; A running Quillory is closed as its tray menu's Close does, so that it
; saves its configuration, before its files are replaced or removed. One that
; is still starting has no title yet, so it is found by its class alone. The
; close is posted, not sent: a sent one could be handled inside a call that
; start-up makes to another program, a posted one waits for the message loop.
; The program file can be removed only once the process has ended, so
; removing it is the sign that it has.
!macro CloseRunningQuillory ID
  StrCpy $1 0  ; tries
  StrCpy $2 0  ; the window already asked to close
  closing_${ID}:
    FindWindow $0 "${MAIN_WINDOW_CLASS}"
    IntCmp $0 0 gone_${ID}
    IntCmp $0 $2 waiting_${ID}
    StrCpy $2 $0
    System::Call 'user32::PostMessageW(p r0, i ${WM_CLOSE}, p 0, p 0)'
    Goto waiting_${ID}
  gone_${ID}:
    ClearErrors
    Delete "$INSTDIR\Quillory.exe"
    IfErrors 0 closed_${ID}
  waiting_${ID}:
    Sleep ${CLOSE_POLL_MS}
    IntOp $1 $1 + 1
    IntCmp $1 ${CLOSE_TRIES} closed_${ID} closing_${ID} closed_${ID}
  closed_${ID}:
!macroend

; The Run value goes only when it starts this installation's program (the
; comparison ignores case, quotes around the path are allowed): one that
; names another copy, a portable one say, is the user's own.
Function un.RemoveOwnRunValue
  ReadRegStr $0 HKCU "${RUN_KEY}" "${NAME}"
  StrCpy $1 $0 1
  StrCmp $1 '"' 0 compare
  StrCpy $0 $0 "" 1
  StrCpy $1 $0 1 -1
  StrCmp $1 '"' 0 compare
  StrCpy $0 $0 -1
  compare:
  StrCmp $0 "$INSTDIR\Quillory.exe" 0 done
  DeleteRegValue HKCU "${RUN_KEY}" "${NAME}"
  done:
FunctionEnd

Section "Quillory" SecProgram
  SectionIn RO
  !insertmacro CloseRunningQuillory install
  !insertmacro InstallProgramFiles
  ; The folders where users add their own languages, picture packs and patterns.
  CreateDirectory "$INSTDIR\Languages"
  CreateDirectory "$INSTDIR\pic"
  CreateDirectory "$INSTDIR\patterns"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${NAME}.lnk" "$INSTDIR\Quillory.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Quillory.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; The same value the program's "-autorun" writes: the full path, unquoted.
Section /o "Start with Windows" SecAutorun
  WriteRegStr HKCU "${RUN_KEY}" "${NAME}" "$INSTDIR\Quillory.exe"
SectionEnd

Section "Uninstall"
  !insertmacro CloseRunningQuillory uninstall
  !insertmacro RemoveProgramFiles
  Delete "$INSTDIR\Uninstall.exe"
  ; Each only when empty: what a user put there stays, and its folder with it.
  RMDir "$INSTDIR\Languages"
  RMDir "$INSTDIR\pic"
  RMDir "$INSTDIR\patterns"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${NAME}.lnk"
  Call un.RemoveOwnRunValue
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
