; The Windows setup program of KELVOR, made by scripts/windows-installer.sh with Debian's
; makensis. The script passes:
;   WERSJA     the program's version (2.4.0)
;   ZRODLA     the folder holding everything to install (an install of the Windows build with
;              the Qt files beside the programs)
;   WYNIK      the setup program to write
;   PLIKI      an include file with one File line per installed file (SetOutPath per folder)
;   USUWANIE   an include file with one Delete line per installed file and one RMDir per folder,
;              deepest first
; The uninstaller removes exactly what was installed: files the user made in the folder stay.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "x64.nsh"

!define KLUCZ_ODINSTALOWANIA "Software\Microsoft\Windows\CurrentVersion\Uninstall\KELVOR"

Name "KELVOR ${WERSJA}"
OutFile "${WYNIK}"
InstallDir "$PROGRAMFILES64\KELVOR"
InstallDirRegKey HKLM "Software\KELVOR" "Katalog"
RequestExecutionLevel admin
BrandingText "KELVOR ${WERSJA}"
VIProductVersion "${WERSJA}.0"
VIAddVersionKey /LANG=1045 "ProductName" "KELVOR"
VIAddVersionKey /LANG=1045 "FileDescription" "Instalator programu KELVOR"
VIAddVersionKey /LANG=1045 "FileVersion" "${WERSJA}"
VIAddVersionKey /LANG=1045 "ProductVersion" "${WERSJA}"
VIAddVersionKey /LANG=1045 "LegalCopyright" "KELVOR"

!define MUI_ICON "${ZRODLA}/kelvor.ico"
!define MUI_UNICON "${ZRODLA}/kelvor.ico"
!define MUI_FINISHPAGE_RUN "$INSTDIR\kelvor.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Uruchom program KELVOR"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Polish"

Function .onInit
  ${IfNot} ${RunningX64}
    MessageBox MB_ICONSTOP "KELVOR wymaga 64-bitowego systemu Windows." /SD IDOK
    Abort
  ${EndIf}
  SetRegView 64
  ; The Start-menu entries are every user's, as the program in Program Files is.
  SetShellVarContext all
FunctionEnd

Function un.onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Section "KELVOR" SekcjaProgram
  SectionIn RO
  !include "${PLIKI}"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\odinstaluj.exe"

  CreateDirectory "$SMPROGRAMS\KELVOR"
  CreateShortcut "$SMPROGRAMS\KELVOR\KELVOR.lnk" "$INSTDIR\kelvor.exe" "" "$INSTDIR\kelvor.exe" 0
  CreateShortcut "$SMPROGRAMS\KELVOR\Podręcznik programu KELVOR.lnk" "$INSTDIR\kelvor.html"
  CreateShortcut "$SMPROGRAMS\KELVOR\Odinstaluj program KELVOR.lnk" "$INSTDIR\odinstaluj.exe"

  WriteRegStr HKLM "Software\KELVOR" "Katalog" "$INSTDIR"
  WriteRegStr HKLM "${KLUCZ_ODINSTALOWANIA}" "DisplayName" "KELVOR"
  WriteRegStr HKLM "${KLUCZ_ODINSTALOWANIA}" "DisplayVersion" "${WERSJA}"
  WriteRegStr HKLM "${KLUCZ_ODINSTALOWANIA}" "Publisher" "KELVOR"
  WriteRegStr HKLM "${KLUCZ_ODINSTALOWANIA}" "DisplayIcon" "$INSTDIR\kelvor.exe"
  WriteRegStr HKLM "${KLUCZ_ODINSTALOWANIA}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${KLUCZ_ODINSTALOWANIA}" "UninstallString" '"$INSTDIR\odinstaluj.exe"'
  WriteRegStr HKLM "${KLUCZ_ODINSTALOWANIA}" "QuietUninstallString" '"$INSTDIR\odinstaluj.exe" /S'
  WriteRegDWORD HKLM "${KLUCZ_ODINSTALOWANIA}" "NoModify" 1
  WriteRegDWORD HKLM "${KLUCZ_ODINSTALOWANIA}" "NoRepair" 1
  WriteRegDWORD HKLM "${KLUCZ_ODINSTALOWANIA}" "EstimatedSize" ${ROZMIAR_KB}
SectionEnd

Section "Uninstall"
  Delete "$SMPROGRAMS\KELVOR\KELVOR.lnk"
  Delete "$SMPROGRAMS\KELVOR\Podręcznik programu KELVOR.lnk"
  Delete "$SMPROGRAMS\KELVOR\Odinstaluj program KELVOR.lnk"
  RMDir "$SMPROGRAMS\KELVOR"
  !include "${USUWANIE}"
  Delete "$INSTDIR\odinstaluj.exe"
  ; Only an empty folder goes: whatever the user put there stays.
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${KLUCZ_ODINSTALOWANIA}"
  DeleteRegKey HKLM "Software\KELVOR"
SectionEnd
