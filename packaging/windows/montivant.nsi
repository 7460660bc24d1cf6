; The Windows installer: one program folder, a Start-menu shortcut and an entry
; in Apps & features. For the current user without administrator rights by
; default (%LOCALAPPDATA%\Programs\montivant); for every user of the machine,
; into Program Files, with /AllUsers from an administrator's session. /S makes
; either silent. The uninstaller never touches the child's settings
; (HKCU\Software\montivant).
;
; Built by make-packages.sh, which passes:
;   VERSION   the program's version, three numbers ("5.0.0")
;   STAGE     the program folder to install
;   FILES     a generated include with the macros InstallFiles and RemoveFiles
;   OUTFILE   where to write the installer

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true

!define APP "montivant"
!define APP_TITLE "Montivant"
!define PUBLISHER "L'équipe montivant"
!define UNINST_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${APP}"

Name "${APP_TITLE}"
OutFile "${OUTFILE}"
BrandingText "${APP_TITLE} ${VERSION}"

; MultiUser: per-user by default; /AllUsers and /CurrentUser on the command
; line. "Standard" asks Windows for no elevation: an IT deployment runs the
; installer from an elevated session, where /AllUsers is allowed.
!define MULTIUSER_EXECUTIONLEVEL Standard
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${APP}"
; An upgrade goes where the previous version of the same mode went.
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINST_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INIT_TEXT_ALLUSERSNOTPOSSIBLE \
  "Pour installer ${APP_TITLE} pour tous les utilisateurs, lancez l'installation depuis une session d'administrateur."
!include MultiUser.nsh
!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include x64.nsh

!include "${FILES}"

!define MUI_ICON "${STAGE}\montivant.ico"
!define MUI_UNICON "${STAGE}\montivant.ico"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\${APP}.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Lancer ${APP_TITLE}"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "French"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_FRENCH} "ProductName" "${APP_TITLE}"
VIAddVersionKey /LANG=${LANG_FRENCH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_FRENCH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_FRENCH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_FRENCH} "FileDescription" "Installation de ${APP_TITLE}"
VIAddVersionKey /LANG=${LANG_FRENCH} "LegalCopyright" "GPL-3.0-or-later"

; Windows refuses to open a running program for writing: while Montivant runs,
; its files can be neither replaced nor removed. Asks to close it; silent, or
; on "Annuler", gives up with an error status.
!macro WaitUntilClosed UN
Function ${UN}WaitUntilClosed
  IfFileExists "$INSTDIR\${APP}.exe" 0 done
  retry:
    ClearErrors
    FileOpen $0 "$INSTDIR\${APP}.exe" a
    IfErrors busy
    FileClose $0
    Goto done
  busy:
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
      "${APP_TITLE} est ouvert. Fermez-le, puis choisissez « Réessayer »." /SD IDCANCEL IDRETRY retry
    SetErrorLevel 2
    Quit
  done:
FunctionEnd
!macroend
!insertmacro WaitUntilClosed ""
!insertmacro WaitUntilClosed "un."

Function .onInit
  ${IfNot} ${RunningX64}
    MessageBox MB_OK|MB_ICONSTOP "${APP_TITLE} demande une version 64 bits de Windows." /SD IDOK
    Abort
  ${EndIf}
  !insertmacro MULTIUSER_INIT
FunctionEnd

; The uninstaller serves the mode its entry was written in: an entry of the
; machine names this folder in HKLM.
Function un.onInit
  !insertmacro MULTIUSER_UNINIT
  ReadRegStr $0 HKLM "${UNINST_KEY}" "InstallLocation"
  ${If} $0 == $INSTDIR
    ${If} $MultiUser.Privileges == "Admin"
    ${OrIf} $MultiUser.Privileges == "Power"
      Call un.MultiUser.InstallMode.AllUsers
    ${Else}
      MessageBox MB_OK|MB_ICONSTOP \
        "${APP_TITLE} a été installé pour tous les utilisateurs : seul un administrateur peut le désinstaller." /SD IDOK
      Abort
    ${EndIf}
  ${EndIf}
FunctionEnd

; SHCTX is HKCU or HKLM as the mode says.
Section "Installer"
  ; Upgrade in place: the previous version's own uninstaller removes its files
  ; (a file the new version no longer has goes too), its shortcut and its entry.
  ; "_?=" runs it from where it lies and waits for it.
  Call WaitUntilClosed
  ReadRegStr $0 SHCTX "${UNINST_KEY}" "InstallLocation"
  ${If} $0 != ""
  ${AndIf} ${FileExists} "$0\Uninstall.exe"
    ExecWait '"$0\Uninstall.exe" /S _?=$0'
    Delete "$0\Uninstall.exe"
  ${EndIf}

  !insertmacro InstallFiles
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${APP_TITLE}.lnk" "$INSTDIR\${APP}.exe" "" "$INSTDIR\${APP}.exe" 0

  WriteRegStr SHCTX "${UNINST_KEY}" "DisplayName" "${APP_TITLE}"
  WriteRegStr SHCTX "${UNINST_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINST_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINST_KEY}" "DisplayIcon" "$INSTDIR\${APP}.exe,0"
  WriteRegStr SHCTX "${UNINST_KEY}" "InstallLocation" "$INSTDIR"
  ${If} $MultiUser.InstallMode == "AllUsers"
    StrCpy $1 "/AllUsers"
  ${Else}
    StrCpy $1 "/CurrentUser"
  ${EndIf}
  WriteRegStr SHCTX "${UNINST_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe" $1'
  WriteRegStr SHCTX "${UNINST_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" $1 /S'
  WriteRegDWORD SHCTX "${UNINST_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINST_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $2 $3 $4
  WriteRegDWORD SHCTX "${UNINST_KEY}" "EstimatedSize" $2
SectionEnd

Section "Uninstall"
  Call un.WaitUntilClosed
  !insertmacro RemoveFiles
  Delete "$INSTDIR\Uninstall.exe"
  ; Only if empty: a folder the user shares with other files stays.
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${APP_TITLE}.lnk"
  DeleteRegKey SHCTX "${UNINST_KEY}"
SectionEnd
