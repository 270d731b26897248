; The setup program of Orvane for 64-bit Windows, made on Linux by scripts/build-windows.sh:
;   makensis -DVERSION=1.2.3 -DSTAGE=DIR -DICON=orvane.ico -DOUTFILE=setup.exe orvane.nsi
; STAGE holds what is installed: orvane.exe, orvane-cli.exe, Progr.ini, README.txt and
; LICENSE.txt. By default it installs for the current user, without administrator
; rights, under %LOCALAPPDATA%\Programs\Orvane; "/ALLUSERS" (or the choice on the first
; page, for an administrator) installs for everyone under Program Files. "/S" is silent.

Unicode true
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include LogicLib.nsh
!include FileFunc.nsh
!include MUI2.nsh
!include nsDialogs.nsh

!define APP_NAME "Orvane"
!define PUBLISHER "The Orvane developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Orvane"
; A verb of its own on .ini files: the default program of .ini stays as it was.
!define EDIT_VERB_KEY "Software\Classes\SystemFileAssociations\.ini\shell\Orvane.Edit"

Name "${APP_NAME} ${VERSION}"
OutFile "${OUTFILE}"
BrandingText "${APP_NAME} ${VERSION}"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${APP_NAME}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "${APP_NAME} ${VERSION} setup"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) 2026 ${PUBLISHER}"

Var AllUsers
Var AllUsersButton

Page custom InstallModePage InstallModeLeave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\orvane.exe"
!define MUI_FINISHPAGE_RUN_PARAMETERS "--ask"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Function IsAdmin
    UserInfo::GetAccountType
    Pop $0
FunctionEnd

Function SetInstallMode
    ${If} $AllUsers == 1
        SetShellVarContext all
        StrCpy $INSTDIR "$PROGRAMFILES64\${APP_NAME}"
    ${Else}
        SetShellVarContext current
        StrCpy $INSTDIR "$LOCALAPPDATA\Programs\${APP_NAME}"
    ${EndIf}
FunctionEnd

Function .onInit
    StrCpy $AllUsers 0
    ${GetParameters} $R0
    ClearErrors
    ${GetOptions} $R0 "/ALLUSERS" $R1
    ${IfNot} ${Errors}
        Call IsAdmin
        ${If} $0 != "Admin"
            MessageBox MB_ICONSTOP "Installing for all users needs administrator rights: run the setup program as administrator." /SD IDOK
            SetErrorLevel 740
            Quit
        ${EndIf}
        StrCpy $AllUsers 1
    ${EndIf}
    Call SetInstallMode
FunctionEnd

Function InstallModePage
    !insertmacro MUI_HEADER_TEXT "Install for" "Choose who can use ${APP_NAME} on this computer."
    nsDialogs::Create 1018
    Pop $0
    ${NSD_CreateRadioButton} 0 0 100% 12u "Only me (no administrator rights needed)"
    Pop $1
    ${NSD_CreateRadioButton} 0 16u 100% 12u "Everyone who uses this computer (needs administrator rights)"
    Pop $AllUsersButton
    ${If} $AllUsers == 1
        ${NSD_Check} $AllUsersButton
    ${Else}
        ${NSD_Check} $1
    ${EndIf}
    Call IsAdmin
    ${If} $0 != "Admin"
        EnableWindow $AllUsersButton 0
        ${NSD_CreateLabel} 0 36u 100% 24u "To install for everyone, run the setup program as administrator."
        Pop $0
    ${EndIf}
    nsDialogs::Show
FunctionEnd

Function InstallModeLeave
    ${NSD_GetState} $AllUsersButton $0
    ${If} $0 == ${BST_CHECKED}
        StrCpy $AllUsers 1
    ${Else}
        StrCpy $AllUsers 0
    ${EndIf}
    Call SetInstallMode
FunctionEnd

; The keys of the uninstall entry and the right-click verb live under HKLM for all
; users and under HKCU for one; SHCTX is whichever SetShellVarContext chose.
Section "Orvane"
    SetOutPath "$INSTDIR"
    File "${STAGE}/orvane.exe"
    File "${STAGE}/orvane-cli.exe"
    File "${STAGE}/Progr.ini"
    ; The starter catalogue's time tells the uninstaller whether the user saved over it.
    GetFileTime "$INSTDIR\Progr.ini" $R8 $R9
    File "${STAGE}/README.txt"
    File "${STAGE}/LICENSE.txt"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    ; As the Linux menu entry: the editor asks which catalogue to open. It starts in
    ; the user's documents, since the install folder may not be writable.
    SetOutPath "$DOCUMENTS"
    CreateShortcut "$SMPROGRAMS\${APP_NAME}.lnk" "$INSTDIR\orvane.exe" "--ask" "$INSTDIR\orvane.exe" 0 \
        SW_SHOWNORMAL "" "Edit the chip catalogue of a serial EEPROM programmer"
    SetOutPath "$INSTDIR"

    WriteRegStr SHCTX "${EDIT_VERB_KEY}" "" "Edit with ${APP_NAME}"
    WriteRegStr SHCTX "${EDIT_VERB_KEY}" "Icon" "$INSTDIR\orvane.exe,0"
    WriteRegStr SHCTX "${EDIT_VERB_KEY}\command" "" '"$INSTDIR\orvane.exe" "%1"'

    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${APP_NAME}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\orvane.exe,0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "StarterCatalogTime" "$R8 $R9"
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; The uninstaller takes the mode of the install it belongs to: all users when the
; machine's uninstall entry names its folder.
Function un.onInit
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 == $INSTDIR
        SetShellVarContext all
    ${Else}
        SetShellVarContext current
    ${EndIf}
FunctionEnd

Section "Uninstall"
    ; A catalogue the user saved over the starter one is theirs, and stays.
    ReadRegStr $R0 SHCTX "${UNINSTALL_KEY}" "StarterCatalogTime"
    GetFileTime "$INSTDIR\Progr.ini" $R8 $R9
    ${If} "$R8 $R9" == $R0
        Delete "$INSTDIR\Progr.ini"
    ${EndIf}
    Delete "$SMPROGRAMS\${APP_NAME}.lnk"
    DeleteRegKey SHCTX "${EDIT_VERB_KEY}"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
    Delete "$INSTDIR\orvane.exe"
    Delete "$INSTDIR\orvane-cli.exe"
    Delete "$INSTDIR\README.txt"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\uninstall.exe"
    ; Only when empty: what the user saved there stays.
    RMDir "$INSTDIR"
SectionEnd
