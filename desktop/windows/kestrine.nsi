; The Windows installer: puts the program's folder under Program Files, adds
; a Start-menu entry with the program's icon, and registers an uninstaller
; that removes what was installed, and nothing else.
; makensis -DVERSION=2.0.0.1 -DWRITTEN=2.00.0001 -DICON=file -DLISTS=dir -DOUTFILE=file kestrine.nsi
; LISTS holds install.nsh and uninstall.nsh, the folder's files one by one.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!define KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Kestrine"

Name "Orbeck Kestrine"
Caption "Orbeck Kestrine ${WRITTEN} Setup"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Kestrine"
Icon "${ICON}"
UninstallIcon "${ICON}"
VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=1033 "CompanyName" "Orbeck Software"
VIAddVersionKey /LANG=1033 "FileDescription" "Orbeck Kestrine Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${WRITTEN}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "© 1998-1999 Orbeck Software"
VIAddVersionKey /LANG=1033 "ProductName" "Orbeck Kestrine"
VIAddVersionKey /LANG=1033 "ProductVersion" "${WRITTEN}"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section
    SetShellVarContext all
    !include "${LISTS}\install.nsh"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Kestrine.lnk" "$INSTDIR\kestrine.exe" "" "$INSTDIR\kestrine.exe" 0
    WriteRegStr HKLM "${KEY}" "DisplayName" "Orbeck Kestrine"
    WriteRegStr HKLM "${KEY}" "DisplayVersion" "${WRITTEN}"
    WriteRegStr HKLM "${KEY}" "Publisher" "Orbeck Software"
    WriteRegStr HKLM "${KEY}" "DisplayIcon" "$INSTDIR\kestrine.exe"
    WriteRegStr HKLM "${KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    SetShellVarContext all
    Delete "$SMPROGRAMS\Kestrine.lnk"
    DeleteRegKey HKLM "${KEY}"
    !include "${LISTS}\uninstall.nsh"
    Delete "$INSTDIR\uninstall.exe"
    ; Only when empty: files the user put there stay.
    RMDir "$INSTDIR"
SectionEnd
