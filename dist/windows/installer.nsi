; The Vantor installer: one installation for every user of the machine under
; Program Files, two Start menu entries and an uninstaller that Windows lists.
;
;   vantor-VERSION-setup.exe [/S] [/WORKROOT=FOLDER] [/D=INSTALL-FOLDER]
;
; /S installs without a question, for a room of PCs. /WORKROOT makes both
; Start menu entries start the program with that work root, created when
; missing and made writable for the machine's users, so that a lab keeps all
; pictures in one place. A reinstall or an update without /WORKROOT keeps the
; work root given before. A work root that cannot be made stops the
; installation with exit code 2.
;
; makensis defines: VERSION, SOURCE (the portable folder), ICON, OUTFILE.

; A 64-bit installer for a 64-bit program: it also runs where only 64-bit
; programs do (Wine without its 32-bit half).
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include WordFunc.nsh
!include x64.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vantor"
!define SETTINGS_KEY "Software\Vantor"

Name "Vantor ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Vantor"
BrandingText "Vantor ${VERSION}"

VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=1038 "ProductName" "Vantor"
VIAddVersionKey /LANG=1038 "FileDescription" "A Vantor telepítője"
VIAddVersionKey /LANG=1038 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1038 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1038 "CompanyName" "Vantor fejlesztői"
VIAddVersionKey /LANG=1038 "LegalCopyright" "Vantor fejlesztői"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Hungarian"

Var WorkRoot
Var WorkRootArgument
Var StartArguments

; The work root without trailing backslashes, but a drive's root as "D:\".
; On the shortcut's command line a backslash before the closing quote would
; escape it, so there the drive's root is written "D:\\".
Function TidyWorkRoot
    ${Do}
        StrCpy $0 $WorkRoot 1 -1
        ${If} $0 != "\"
            ${Break}
        ${EndIf}
        StrCpy $WorkRoot $WorkRoot -1
    ${Loop}
    StrCpy $WorkRootArgument $WorkRoot
    StrLen $0 $WorkRoot
    ${If} $0 == 2
        StrCpy $WorkRoot "$WorkRoot\"
        StrCpy $WorkRootArgument "$WorkRoot\"
    ${EndIf}
FunctionEnd

Function .onInit
    ${IfNot} ${RunningX64}
        MessageBox MB_ICONSTOP "A Vantor 64 bites Windowst igényel." /SD IDOK
        Abort
    ${EndIf}
    SetRegView 64
    ${GetParameters} $0
    ; Deployment tools quote the whole option of a path with blanks:
    ; "/WORKROOT=C:\A B" reads as /WORKROOT="C:\A B".
    ${WordReplace} $0 '"/WORKROOT=' '/WORKROOT="' "+" $0
    ClearErrors
    ${GetOptions} $0 "/WORKROOT=" $WorkRoot
    ${If} ${Errors}
        ReadRegStr $WorkRoot HKLM "${SETTINGS_KEY}" "WorkRoot"
    ${ElseIf} $WorkRoot == ""
        ; An empty /WORKROOT= gives up the one given before.
        DeleteRegValue HKLM "${SETTINGS_KEY}" "WorkRoot"
    ${EndIf}
    Call TidyWorkRoot
FunctionEnd

Section "Vantor"
    SetShellVarContext all
    StrCpy $StartArguments ""
    ${If} $WorkRoot != ""
        ; The program never creates a named work root; for a lab's shared
        ; one, the installer does, with modify rights for the Users group
        ; (S-1-5-32-545), so that every contestant can save there. Without
        ; it the lab would lose its pictures, so nothing is installed then.
        CreateDirectory "$WorkRoot"
        ; A folder's attributes, as an empty drive's root lists no entries.
        System::Call 'kernel32::GetFileAttributesW(w "$WorkRoot") i .r0'
        IntOp $1 $0 & 0x10
        ${If} $0 == -1
        ${OrIf} $1 == 0
            MessageBox MB_ICONSTOP "A munkamappa nem hozható létre: $WorkRoot$\nA Vantor nem települt." /SD IDOK
            SetErrorLevel 2
            Abort
        ${EndIf}
        nsExec::Exec '"$SYSDIR\icacls.exe" "$WorkRootArgument" /grant *S-1-5-32-545:(OI)(CI)M'
        Pop $0
        ${If} $0 != 0
            MessageBox MB_ICONSTOP "A munkamappa nem tehető írhatóvá a gép felhasználóinak: $WorkRoot$\nA Vantor nem települt." /SD IDOK
            SetErrorLevel 2
            Abort
        ${EndIf}
        StrCpy $StartArguments '--work-root "$WorkRootArgument" '
    ${EndIf}

    SetOutPath "$INSTDIR"
    File /r "${SOURCE}\*.*"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortCut "$SMPROGRAMS\Vantor.lnk" "$INSTDIR\vantor.exe" "$StartArguments" "$INSTDIR\vantor.exe" 0
    CreateShortCut "$SMPROGRAMS\Vantor – tanári mód.lnk" "$INSTDIR\vantor.exe" "$StartArguments--teacher" \
        "$INSTDIR\vantor.exe" 0

    ${If} $WorkRoot != ""
        WriteRegStr HKLM "${SETTINGS_KEY}" "WorkRoot" "$WorkRoot"
    ${EndIf}
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Vantor"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Vantor fejlesztői"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vantor.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Function un.onInit
    SetRegView 64
FunctionEnd

; The work root and the pictures in it are the contest's evidence: they stay.
Section "Uninstall"
    SetShellVarContext all
    Delete "$SMPROGRAMS\Vantor.lnk"
    Delete "$SMPROGRAMS\Vantor – tanári mód.lnk"
    RMDir /r "$INSTDIR\platforms"
    RMDir /r "$INSTDIR\styles"
    RMDir /r "$INSTDIR\imageformats"
    RMDir /r "$INSTDIR\translations"
    RMDir /r "$INSTDIR\sources"
    Delete "$INSTDIR\*.exe"
    Delete "$INSTDIR\*.dll"
    Delete "$INSTDIR\qt.conf"
    Delete "$INSTDIR\OLVASSEL.txt"
    Delete "$INSTDIR\SZERVEZOKNEK.txt"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    DeleteRegKey HKLM "${SETTINGS_KEY}"
SectionEnd
