; The Windows installer: puts the program's folder under Program Files, or
; into the folder of the version already installed, which it first removes
; whole; adds a Start-menu entry with the program's icon; and registers an
; uninstaller that removes what was installed, and nothing else. It speaks
; the system's language (languages.nsh) and changes nothing while Kestrine
; runs.
; makensis -INPUTCHARSET UTF8 -DVERSION=2.0.0.1 -DWRITTEN=2.00.0001
;     -DMAKER="Orbeck Software" -DPRODUCT="Orbeck Kestrine" -DICON=file
;     -DFOLDER=dir -DLISTS=dir -DOUTFILE=file [-DCOMPRESSOR=zlib] kestrine.nsi
; FOLDER is the program's folder; LISTS holds install.nsh and uninstall.nsh,
; its files one by one.
Unicode true
Target amd64-unicode
!ifdef COMPRESSOR
    SetCompressor ${COMPRESSOR}
!else
    SetCompressor /SOLID lzma
!endif
RequestExecutionLevel admin
ManifestDPIAware true
; A file in use is never skipped: the install stops instead.
AllowSkipFiles off

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!define KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Kestrine"

Name "${PRODUCT} ${WRITTEN}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Kestrine"
InstallDirRegKey HKLM "${KEY}" "InstallLocation"
VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=1033 "CompanyName" "${MAKER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${WRITTEN}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "© 1998-1999 ${MAKER}"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${WRITTEN}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\kestrine.exe"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${FOLDER}\LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!include /CHARSET=UTF8 "languages.nsh"

; Asks, while Kestrine runs from the folder, that the user close it, until it
; is closed or the user cancels; silent, it cancels. A cancelled install or
; uninstall changes nothing and ends with status 2. An executable that runs
; cannot be opened for writing.
!macro KESTRINE_WAIT_CLOSED FOLDER
    ${Do}
        ClearErrors
        ${IfNot} ${FileExists} "${FOLDER}\kestrine.exe"
            ${Break}
        ${EndIf}
        FileOpen $R0 "${FOLDER}\kestrine.exe" a
        ${IfNot} ${Errors}
            FileClose $R0
            ${Break}
        ${EndIf}
        ${If} ${Cmd} `MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(running)" /SD IDCANCEL IDCANCEL`
            DetailPrint "$(running)"
            SetErrorLevel 2
            Abort
        ${EndIf}
    ${Loop}
!macroend

Function .onInit
    SetShellVarContext all
FunctionEnd

Function un.onInit
    SetShellVarContext all
FunctionEnd

Section
    ReadRegStr $R1 HKLM "${KEY}" "InstallLocation"
    !insertmacro KESTRINE_WAIT_CLOSED "$INSTDIR"
    ${If} $R1 != ""
        !insertmacro KESTRINE_WAIT_CLOSED "$R1"
    ${EndIf}
    ; The version installed goes first, by its own uninstaller, run where it
    ; is: what it installed and this one lacks is gone, and one entry stays.
    ${If} ${FileExists} "$R1\uninstall.exe"
        ClearErrors
        ExecWait '"$R1\uninstall.exe" /S _?=$R1' $R2
        ${If} ${Errors}
        ${OrIf} $R2 <> 0
            SetErrorLevel 2
            Abort
        ${EndIf}
        Delete "$R1\uninstall.exe"
        RMDir "$R1"
    ${EndIf}

    !include "${LISTS}\install.nsh"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    ; The shortcut starts the program in its own folder.
    SetOutPath "$INSTDIR"
    CreateShortcut "$SMPROGRAMS\Kestrine.lnk" "$INSTDIR\kestrine.exe" "" "$INSTDIR\kestrine.exe" 0
    WriteRegStr HKLM "${KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${KEY}" "DisplayVersion" "${WRITTEN}"
    WriteRegStr HKLM "${KEY}" "Publisher" "${MAKER}"
    WriteRegStr HKLM "${KEY}" "DisplayIcon" "$INSTDIR\kestrine.exe"
    WriteRegStr HKLM "${KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $R3 $R4 $R5
    WriteRegDWORD HKLM "${KEY}" "EstimatedSize" $R3
SectionEnd

Section "Uninstall"
    !insertmacro KESTRINE_WAIT_CLOSED "$INSTDIR"
    Delete "$SMPROGRAMS\Kestrine.lnk"
    DeleteRegKey HKLM "${KEY}"
    !include "${LISTS}\uninstall.nsh"
    Delete "$INSTDIR\uninstall.exe"
    ; Only when empty: files the user put there stay.
    RMDir "$INSTDIR"
SectionEnd
