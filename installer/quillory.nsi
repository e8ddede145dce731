; The Quillory installer: for the current user, no administrator rights, into
; %LOCALAPPDATA%\Programs\Quillory (the program writes "patterns\" beside
; itself). Built by tools/package.sh with makensis, which passes
; VERSION, PROGRAM_DIR (the built program folder) and OUT_FILE.
; The user's notes in Documents\Quillory are never touched.

Unicode true
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "FileFunc.nsh"

!define NAME "Quillory"
!define PUBLISHER "Quillory"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillory"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define MAIN_WINDOW_CLASS "TQuillor"

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
; saves its configuration, before its files are replaced or removed; then the
; program file is removed as soon as the ended process lets go of it. Waits
; up to ten seconds for each.
!macro CloseRunningQuillory ID
  FindWindow $0 "${MAIN_WINDOW_CLASS}" "${NAME}"
  IntCmp $0 0 closed_${ID}
  SendMessage $0 0x0010 0 0 /TIMEOUT=10000
  StrCpy $1 0
  waiting_${ID}:
    Sleep 250
    IntOp $1 $1 + 1
    FindWindow $0 "${MAIN_WINDOW_CLASS}" "${NAME}"
    IntCmp $0 0 closed_${ID}
    IntCmp $1 40 closed_${ID} waiting_${ID} closed_${ID}
  closed_${ID}:
  StrCpy $1 0
  removing_${ID}:
    ClearErrors
    Delete "$INSTDIR\Quillory.exe"
    IfErrors 0 removed_${ID}
    Sleep 250
    IntOp $1 $1 + 1
    IntCmp $1 40 removed_${ID} removing_${ID} removed_${ID}
  removed_${ID}:
!macroend

Section "Quillory" SecProgram
  SectionIn RO
  !insertmacro CloseRunningQuillory install
  SetOutPath "$INSTDIR"
  File "${PROGRAM_DIR}\Quillory.exe"
  File "${PROGRAM_DIR}\Chordix.dll"
  SetOutPath "$INSTDIR\Languages"
  File "${PROGRAM_DIR}\Languages\*.lng"
  SetOutPath "$INSTDIR\pic"
  File /nonfatal "${PROGRAM_DIR}\pic\*.*"
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
  Delete "$INSTDIR\Chordix.dll"
  RMDir /r "$INSTDIR\Languages"
  RMDir /r "$INSTDIR\pic"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR\patterns"  ; only when empty: the user's own patterns stay
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${NAME}.lnk"
  DeleteRegValue HKCU "${RUN_KEY}" "${NAME}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
