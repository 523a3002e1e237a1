; The Windows installer: for the current user, without administrator rights,
; into %LOCALAPPDATA%\Programs\Kvirlo (the tuner's command file is written
; beside the program, so the folder must be the user's own).
; makensis -INPUTCHARSET UTF8 -DVERSION=3.01 -DFILE_VERSION=3.1.0.0 -DEXE=kvirlo.exe
;          -DICON=kvirlo.ico -DLICENSE=LICENSE -DNOTICES=THIRD-PARTY-NOTICES.txt
;          -DHOMEPAGE=https://... -DOUTFILE=kvirlo-3.01-setup.exe kvirlo.nsi
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true
; The files carry no time of their own: the same program makes the same setup.
SetDateSave off

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
VIAddVersionKey /LANG=1049 "LegalCopyright" "(c) 2026 The Kvirlo developers, MIT License"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\kvirlo.exe"
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE FolderLeave
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

; $0 is 1 when a file can be written into $INSTDIR (made if need be), else 0.
; The program writes the tuner's command file beside itself, so a folder the
; user cannot write to would fail later, not only now.
Function CheckFolderWritable
  StrCpy $0 0
  StrCpy $1 0
  ${IfNot} ${FileExists} "$INSTDIR\*.*"
    StrCpy $1 1
  ${EndIf}
  ClearErrors
  CreateDirectory "$INSTDIR"
  FileOpen $2 "$INSTDIR\kvirlo-setup.tmp" w
  ${IfNot} ${Errors}
    FileClose $2
    Delete "$INSTDIR\kvirlo-setup.tmp"
    StrCpy $0 1
  ${EndIf}
  ; A folder made only to be tried goes again; the install makes it for good.
  ${If} $1 = 1
    RMDir "$INSTDIR"
  ${EndIf}
FunctionEnd

; Before any of this script runs, NSIS puts its default folder in place of a
; /D= folder whose path runs through a file, where no folder can be made: an
; install would go quietly elsewhere. The folder asked for is read from the
; command line as NSIS reads it (" /D=" and the rest of the line), and an
; install that cannot go there fails with nothing installed.
Function .onInit
  System::Call 'kernel32::GetCommandLine() t .r0'
  StrCpy $1 ""
  StrLen $2 $0
  ${Do}
    IntOp $2 $2 - 1
    ${IfThen} $2 < 0 ${|} ${Break} ${|}
    StrCpy $3 $0 4 $2
    ${If} $3 S== " /D="
      IntOp $2 $2 + 4
      StrCpy $1 $0 "" $2
      ${Break}
    ${EndIf}
  ${Loop}
  ${IfThen} $1 == "" ${|} Return ${|}
  StrCpy $2 $1 "" -1
  ${IfThen} $2 == "\" ${|} StrCpy $1 $1 -1 ${|}
  StrCpy $2 $INSTDIR "" -1
  StrCpy $3 $INSTDIR
  ${IfThen} $2 == "\" ${|} StrCpy $3 $3 -1 ${|}
  ${If} $1 != $3
    MessageBox MB_OK|MB_ICONSTOP "В папку «$1» нельзя записать файлы." /SD IDOK
    SetErrorLevel 2
    Quit
  ${EndIf}
FunctionEnd

Function FolderLeave
  Call CheckFolderWritable
  ${If} $0 = 0
    MessageBox MB_OK|MB_ICONEXCLAMATION "В папку «$INSTDIR» нельзя записать файлы.$\r$\n\
      Выберите папку, которая принадлежит вам."
    Abort
  ${EndIf}
FunctionEnd

; Removes every Run value a version of the program installed here left: its
; name is the program's title with the version ("Квирло 3.01"), its data this
; folder's kvirlo.exe. A copy kept elsewhere keeps its own.
Function un.RemoveAutostartValues
  StrCpy $0 0
  ${Do}
    EnumRegValue $1 HKCU "${RUN_KEY}" $0
    ${IfThen} $1 == "" ${|} ${Break} ${|}
    StrCpy $2 $1 7
    ReadRegStr $3 HKCU "${RUN_KEY}" $1
    Push $3
    Push "$INSTDIR\kvirlo.exe"
    Call un.Contains
    Pop $4
    ${If} $2 == "${PRODUCT} "
    ${AndIf} $4 = 1
      DeleteRegValue HKCU "${RUN_KEY}" $1
    ${Else}
      IntOp $0 $0 + 1
    ${EndIf}
  ${Loop}
FunctionEnd

; Pushes 1 when the text contains the part (letters of either case), else 0.
;   Push text; Push part; Call un.Contains; Pop result
Function un.Contains
  Exch $R1  ; part
  Exch
  Exch $R0  ; text
  Push $R2
  Push $R3
  Push $R4
  Push $R5
  StrLen $R2 $R1
  StrCpy $R3 0
  StrCpy $R4 0
  ${Do}
    StrCpy $R5 $R0 $R2 $R3
    ${IfThen} $R5 == "" ${|} ${Break} ${|}
    ${If} $R5 == $R1
      StrCpy $R4 1
      ${Break}
    ${EndIf}
    IntOp $R3 $R3 + 1
  ${Loop}
  StrCpy $R0 $R4
  Pop $R5
  Pop $R4
  Pop $R3
  Pop $R2
  Pop $R1
  Exch $R0
FunctionEnd

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
  ; The folder page has refused such a folder already; a silent install
  ; (/D=...) learns it here and fails with nothing installed.
  Call CheckFolderWritable
  ${If} $0 = 0
    MessageBox MB_OK|MB_ICONSTOP "В папку «$INSTDIR» нельзя записать файлы." /SD IDOK
    SetErrorLevel 2
    Quit
  ${EndIf}
  SetOutPath "$INSTDIR"
  File "/oname=kvirlo.exe" "${EXE}"
  File "/oname=LICENSE.txt" "${LICENSE}"
  File "/oname=THIRD-PARTY-NOTICES.txt" "${NOTICES}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\kvirlo.exe" "" "$INSTDIR\kvirlo.exe" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "URLInfoAbout" "${HOMEPAGE}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "HelpLink" "${HOMEPAGE}"
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
  ; A reminder left waiting by a copy that did not end in order, this
  ; version or an older one, would start a program that is gone at the next
  ; logon.
  Call un.RemoveAutostartValues
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
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\THIRD-PARTY-NOTICES.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
