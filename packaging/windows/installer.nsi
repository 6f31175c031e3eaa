; The Windows installer: the game's folder under Program Files, a Start-menu entry with its
; icon, and an uninstaller listed among the installed programs. "/S" installs silently.
; package.sh defines VERSION, GAMEDIR (the files to place), ICON, UNINSTALLFILES and OUTFILE.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma

!define UNINSTALLKEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmora"

Name "Velmora"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
InstallDir "$PROGRAMFILES64\Velmora"
InstallDirRegKey HKLM "${UNINSTALLKEY}" "InstallLocation"
RequestExecutionLevel admin
VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "Velmora"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "Velmora ${VERSION} setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "The Velmora developers"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Velmora"
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File /r "${GAMEDIR}\*.*"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Velmora.lnk" "$INSTDIR\velmora.exe" "" "$INSTDIR\velmora.exe" 0
  WriteRegStr HKLM "${UNINSTALLKEY}" "DisplayName" "Velmora"
  WriteRegStr HKLM "${UNINSTALLKEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALLKEY}" "Publisher" "Velmora"
  WriteRegStr HKLM "${UNINSTALLKEY}" "DisplayIcon" "$INSTDIR\velmora.exe"
  WriteRegStr HKLM "${UNINSTALLKEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALLKEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALLKEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALLKEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALLKEY}" "NoRepair" 1
SectionEnd

; The player's settings, saved game and screenshots in %APPDATA%\Velmora stay.
Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\Velmora.lnk"
  !include "${UNINSTALLFILES}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALLKEY}"
SectionEnd
