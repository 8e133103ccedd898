; The Vantor installer: one installation for every user of the machine under
; Program Files, two Start menu entries and an uninstaller that Windows lists.
;
;   vantor-VERSION-setup.exe [/S] [/WORKROOT=FOLDER] [/D=INSTALL-FOLDER]
;
; /S installs without a question, for a room of PCs. /WORKROOT makes both
; Start menu entries start the program with that work root, created when
; missing, in which every user of the machine may make a folder of their own,
; so that a lab keeps all pictures in one place. A reinstall or an update
; without /WORKROOT keeps the work root given before. A work root that cannot
; be made stops the installation with exit code 2.
;
;   uninstall.exe [/S] _?=INSTALL-FOLDER
;
; as Windows lists it, removes the program in place and ends with its
; outcome: 0 when everything is gone, 2 when Vantor runs (nothing is
; removed then), 3 when a file cannot be removed. Without _?= the
; uninstaller runs a copy of itself and ends at once with 0, as every NSIS
; uninstaller does.
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
        ; one, the installer does, with the rights of a shared drop folder.
        ; Without it the lab would lose its pictures, so nothing is installed
        ; then.
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
        ; The Users group (S-1-5-32-545) may list the root and make folders
        ; and files in it, in the root itself only; what anyone makes there
        ; belongs to its maker alone (CREATOR OWNER, S-1-3-0), so no
        ; contestant can read, change or delete another's folder. The
        ; administrators (S-1-5-32-544) and the system (S-1-5-18) keep full
        ; control, so the jury reads every folder as an administrator.
        ; Nothing is inherited from the drive, whose rights often let every
        ; user change everything; an earlier grant to the Users group is
        ; replaced.
        nsExec::Exec '"$SYSDIR\icacls.exe" "$WorkRootArgument" /inheritance:r /grant:r *S-1-5-18:(OI)(CI)F *S-1-5-32-544:(OI)(CI)F *S-1-3-0:(OI)(CI)(IO)F *S-1-5-32-545:(RD,RA,REA,X,RC,S,AD,WD)'
        Pop $0
        ${If} $0 != 0
            MessageBox MB_ICONSTOP "A munkamappára nem adható írási jog a gép felhasználóinak: $WorkRoot$\nA Vantor nem települt." /SD IDOK
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
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" _?=$INSTDIR'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S _?=$INSTDIR'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; $R0 as a line in UTF-8 on the standard error of whoever started the
; uninstaller: a silent uninstall has no other way to say why it failed.
Function un.SayLine
    System::Call 'kernel32::GetStdHandle(i -12) p .r9'
    ${If} $9 == 0
    ${OrIf} $9 == -1
        Return
    ${EndIf}
    StrCpy $R0 "$R0$\r$\n"
    System::Call 'kernel32::WideCharToMultiByte(i 65001, i 0, w R0, i -1, p 0, i 0, p 0, p 0) i .r7'
    System::Alloc $7
    Pop $6
    System::Call 'kernel32::WideCharToMultiByte(i 65001, i 0, w R0, i -1, p r6, i r7, p 0, p 0) i .r7'
    IntOp $7 $7 - 1
    System::Call 'kernel32::WriteFile(p r9, p r6, i r7, *i .r8, p 0)'
    System::Free $6
FunctionEnd

; $0: the name of a running Vantor program (of any user, from any folder), or
; empty. PROCESSENTRY32W of 64-bit Windows is 568 bytes, its file name at 44.
Function un.RunningVantor
    StrCpy $0 ""
    System::Call 'kernel32::CreateToolhelp32Snapshot(i 2, i 0) p .r1'
    ${If} $1 == -1
        Return
    ${EndIf}
    System::Alloc 568
    Pop $2
    System::Call '*$2(i 568)'
    System::Call 'kernel32::Process32FirstW(p r1, p r2) i .r3'
    ${DoWhile} $3 != 0
        IntPtrOp $4 $2 + 44
        System::Call '*$4(&w260 .r5)'
        ${If} $5 == "vantor.exe"
        ${OrIf} $5 == "vantor-cli.exe"
            StrCpy $0 $5
            ${Break}
        ${EndIf}
        System::Call 'kernel32::Process32NextW(p r1, p r2) i .r3'
    ${Loop}
    System::Free $2
    System::Call 'kernel32::CloseHandle(p r1)'
FunctionEnd

; The uninstaller's copy in the temporary folder removes the uninstaller,
; and the installation folder when nothing else is left in it, as soon as the
; uninstaller has ended; the copy itself goes at the next restart, as NSIS's
; own copies do.
Function un.Finish
    ${For} $0 1 300
        Delete "$INSTDIR\uninstall.exe"
        ${IfNot} ${FileExists} "$INSTDIR\uninstall.exe"
            ${Break}
        ${EndIf}
        Sleep 100
    ${Next}
    RMDir "$INSTDIR"
    Delete /REBOOTOK "$EXEPATH"
    Quit
FunctionEnd

; The uninstaller's copy only finishes. Otherwise: a running program's files
; cannot be removed, and an uninstaller that went on would leave them behind,
; no longer listed, so it asks to close Vantor, or, silently, stops before it
; removes anything.
Function un.onInit
    SetRegView 64
    ${un.GetParameters} $0
    ClearErrors
    ${un.GetOptions} $0 "/FINISH" $1
    ${IfNot} ${Errors}
        Call un.Finish
    ${EndIf}
    ${Do}
        Call un.RunningVantor
        ${If} $0 == ""
            ${Break}
        ${EndIf}
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
            "A Vantor fut ($0). Zárja be, majd kattintson az Újra gombra.$\nA Mégse gombbal az eltávolítás elmarad." \
            /SD IDCANCEL IDRETRY retry
        StrCpy $R0 "A Vantor fut ($0), ezért nem távolítható el; semmi sem törlődött. Zárja be, és indítsa újra az eltávolítást."
        Call un.SayLine
        SetErrorLevel 2
        Quit
        retry:
    ${Loop}
FunctionEnd

; $0: what is left in the installation folder but the uninstaller, a name
; a line.
Function un.LeftOver
    StrCpy $0 ""
    FindFirst $1 $2 "$INSTDIR\*.*"
    ${DoWhile} $2 != ""
        ${If} $2 != "."
        ${AndIf} $2 != ".."
        ${AndIf} $2 != "uninstall.exe"
            StrCpy $0 "$0$\r$\n$INSTDIR\$2"
        ${EndIf}
        FindNext $1 $2
    ${Loop}
    FindClose $1
FunctionEnd

; The work root and the pictures in it are the contest's evidence: they stay.
; When a file cannot be removed, the uninstaller, its entry among the
; installed programs and the Start menu stay, so that it can be run again.
Section "Uninstall"
    SetShellVarContext all
    ClearErrors
    RMDir /r "$INSTDIR\platforms"
    RMDir /r "$INSTDIR\styles"
    RMDir /r "$INSTDIR\imageformats"
    RMDir /r "$INSTDIR\translations"
    RMDir /r "$INSTDIR\sources"
    Delete "$INSTDIR\vantor.exe"
    Delete "$INSTDIR\vantor-cli.exe"
    Delete "$INSTDIR\*.dll"
    Delete "$INSTDIR\qt.conf"
    Delete "$INSTDIR\OLVASSEL.txt"
    Delete "$INSTDIR\SZERVEZOKNEK.txt"
    ${If} ${Errors}
        Call un.LeftOver
        StrCpy $R0 "A Vantor nem távolítható el teljesen, ezek a fájlok és mappák nem törölhetők:$0"
        MessageBox MB_ICONSTOP "$R0" /SD IDOK
        Call un.SayLine
        SetErrorLevel 3
        Abort
    ${EndIf}
    Delete "$SMPROGRAMS\Vantor.lnk"
    Delete "$SMPROGRAMS\Vantor – tanári mód.lnk"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    DeleteRegKey HKLM "${SETTINGS_KEY}"
    ; Run in place, the uninstaller cannot delete its own file while it
    ; runs: a copy of it in the temporary folder does, once this one ended.
    ${If} $EXEDIR == $INSTDIR
        GetTempFileName $1
        CopyFiles /SILENT "$INSTDIR\uninstall.exe" $1
        Exec '"$1" /S /FINISH _?=$INSTDIR'
    ${Else}
        Delete "$INSTDIR\uninstall.exe"
        RMDir "$INSTDIR"
    ${EndIf}
SectionEnd
