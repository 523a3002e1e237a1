; The Windows installer: for the current user, without administrator rights,
; into %LOCALAPPDATA%\Programs\Kvirlo (the tuner's command file is written
; beside the program, so the folder must be the user's own).
; makensis -INPUTCHARSET UTF8 -DVERSION=3.01 -DEXE=kvirlo.exe -DICON=kvirlo.ico
;          -DOUTFILE=kvirlo-3.01-setup.exe kvirlo.nsi
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "WinMessages.nsh"

!define PRODUCT "Квирло"
!define PUBLISHER "Kvirlo"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Kvirlo"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define MAIN_WINDOW_CLASS "Kvirlo.Form1"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Kvirlo"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"
VIProductVersion "${FILE_VERSION}"
VIAddVersionKey /LANG=1049 "ProductName" "Kvirlo"
VIAddVersionKey /LANG=1049 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1049 "FileDescription" "Kvirlo setup"
VIAddVersionKey /LANG=1049 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1049 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1049 "LegalCopyright" "(c) 2026 Kvirlo"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\kvirlo.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Russian"

; Asks a running copy to close as a user would: the program saves its
; settings, marks the reminder off and drops its logon entry. Waits up to ten
; seconds for it to go.
!macro CloseRunningCopy un
Function ${un}CloseRunningCopy
  FindWindow $0 "${MAIN_WINDOW_CLASS}"
  ${If} $0 = 0
    Return
  ${EndIf}
  DetailPrint "Закрывается запущенный ${PRODUCT}…"
  SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=5000
  StrCpy $1 0
  ${Do}
    FindWindow $0 "${MAIN_WINDOW_CLASS}"
    ${IfThen} $0 = 0 ${|} ${Break} ${|}
    IntOp $1 $1 + 1
    ${IfThen} $1 > 100 ${|} ${Break} ${|}
    Sleep 100
  ${Loop}
  ; The windows go before the process does.
  Sleep 500
FunctionEnd
!macroend
!insertmacro CloseRunningCopy ""
!insertmacro CloseRunningCopy "un."

Section "Kvirlo"
  ; A running copy holds its file. The user decides; a silent install closes it.
  FindWindow $0 "${MAIN_WINDOW_CLASS}"
  StrCmp $0 0 install
  MessageBox MB_OKCANCEL|MB_ICONQUESTION "${PRODUCT} запущен. Закрыть его и продолжить установку?$\r$\n\
    Ожидающее напоминание будет снято." /SD IDOK IDOK close
  Abort
close:
  Call CloseRunningCopy
install:
  SetOutPath "$INSTDIR"
  File "/oname=kvirlo.exe" "${EXE}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\kvirlo.exe" "" "$INSTDIR\kvirlo.exe" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\kvirlo.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  SectionGetSize 0 $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Takes away the program, its shortcut and its entry. The settings file and
; the program's store of the last reminder stay: they are the user's.
Section "Uninstall"
  Call un.CloseRunningCopy
  ; A reminder left waiting by a copy that did not end in order would start
  ; a program that is gone at the next logon.
  DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT} ${VERSION}"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  ; A process that has just ended may still hold its file for a moment.
  StrCpy $1 0
  ${Do}
    ClearErrors
    Delete "$INSTDIR\kvirlo.exe"
    ${IfNot} ${Errors}
      ${Break}
    ${EndIf}
    IntOp $1 $1 + 1
    ${If} $1 > 50
      Delete /REBOOTOK "$INSTDIR\kvirlo.exe"
      ${Break}
    ${EndIf}
    Sleep 100
  ${Loop}
  Delete "$INSTDIR\~.cmd"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
