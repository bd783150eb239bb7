; The Windows setup, made by scripts/package-windows (make_windows_setup in scripts/lib/windows.sh)
; from the same program folder as the zip. Given on makensis's command line:
;   VERSION   the program's version, 1.01
;   FOLDER    the program folder to install
;   FILES     a generated list of File lines for that folder, UNFILES its Delete/RMDir lines
;   SIZE_KB   the folder's size, for Settings > Apps
;   ICON      the program's icon
;   WIZARD    the picture beside the first and last pages
;   OUTFILE   the setup to write
; Per user: nothing here needs an administrator, and everything lands under HKCU and the user's
; own folders.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include MUI2.nsh
!include LogicLib.nsh

!define PRODUCT Dorvane
!define PUBLISHER Vesk
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
; The program's own places: its settings and progress, its lock, its login entry.
!define SETTINGS_KEY "Software\Vesk"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define RUN_VALUE French

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
; An installed copy is upgraded where it is.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" InstallLocation
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0.0"
VIFileVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1033 ProductName "${PRODUCT}"
VIAddVersionKey /LANG=1033 ProductVersion "${VERSION}"
VIAddVersionKey /LANG=1033 FileVersion "${VERSION}"
VIAddVersionKey /LANG=1033 CompanyName "${PUBLISHER}"
VIAddVersionKey /LANG=1033 FileDescription "${PRODUCT} ${VERSION} setup"
VIAddVersionKey /LANG=1033 LegalCopyright "${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${WIZARD}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\dorvane.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start ${PRODUCT}"
; The finish page's second box, unticked: a shortcut on the desktop too.
!define MUI_FINISHPAGE_SHOWREADME
!define MUI_FINISHPAGE_SHOWREADME_TEXT "Put a shortcut on the desktop"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!define MUI_FINISHPAGE_SHOWREADME_FUNCTION DesktopShortcut

!define WELCOME_1 "Setup will install ${PRODUCT} ${VERSION} for you alone: no administrator is needed."
!define WELCOME_2 "If ${PRODUCT} is running, Setup asks it to exit first. Your settings and progress are kept."
!define MUI_WELCOMEPAGE_TEXT "${WELCOME_1}$\r$\n$\r$\n${WELCOME_2}$\r$\n$\r$\nClick Next to continue."
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!define MUI_COMPONENTSPAGE_TEXT_TOP "${PRODUCT} will be removed from your computer."
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_PAGE_CUSTOMFUNCTION_SHOW un.HideSpaceRequired
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE English

; A running copy is asked to end as its Exit entry ends it (saving its settings), then given
; up to ten seconds to let go of its files. One that will not is left to the learner.
!macro EndRunningCopy un
Function ${un}EndRunningCopy
  ${IfNot} ${FileExists} "$INSTDIR\dorvane.exe"
    Return
  ${EndIf}
  ExecWait '"$INSTDIR\dorvane.exe" --exit' $0
  StrCpy $1 0
  ${Do}
    ClearErrors
    FileOpen $2 "$INSTDIR\dorvane.exe" a
    ${IfNot} ${Errors}
      FileClose $2
      Return
    ${EndIf}
    IntOp $1 $1 + 1
    ${If} $1 >= 40
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
        "${PRODUCT} is still running. Close it, then choose Retry." /SD IDCANCEL IDRETRY +2
      Abort "${PRODUCT} is still running."
      StrCpy $1 0
    ${EndIf}
    Sleep 250
  ${Loop}
FunctionEnd
!macroend
!insertmacro EndRunningCopy ""
!insertmacro EndRunningCopy "un."

; Removing needs no space: the page's "Space required: 0.0 KB" would only puzzle.
Function un.HideSpaceRequired
  ShowWindow $mui.ComponentsPage.SpaceRequired ${SW_HIDE}
FunctionEnd

Function DesktopShortcut
  CreateShortcut "$DESKTOP\${PRODUCT}.lnk" "$INSTDIR\dorvane.exe"
FunctionEnd

Section
  SetShellVarContext current
  Call EndRunningCopy
  !include "${FILES}"
  ; The shortcuts start the program in its own folder.
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\dorvane.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" DisplayName "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" DisplayVersion "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" Publisher "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" DisplayIcon "$INSTDIR\dorvane.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" InstallLocation "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" UninstallString '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" QuietUninstallString '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" EstimatedSize ${SIZE_KB}
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" NoModify 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" NoRepair 1
SectionEnd

Section "un.${PRODUCT}" UninstallProgram
  SectionIn RO
  SetShellVarContext current
  Call un.EndRunningCopy
  !include "${UNFILES}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  Delete "$DESKTOP\${PRODUCT}.lnk"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  ; "Start with windows start" would point at a program that is gone.
  DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
  ; The single-copy lock's folder, when the copy that ended left it empty.
  RMDir "$LOCALAPPDATA\${PRODUCT}"
SectionEnd

Section /o "un.Also remove my settings and progress" UninstallSettings
  DeleteRegKey HKCU "${SETTINGS_KEY}"
  RMDir /r "$LOCALAPPDATA\${PRODUCT}"
SectionEnd
