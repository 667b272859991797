; Zafrelo's installer for Windows, made by scripts/windows with NSIS. It installs for the current
; user alone, with no administrator rights, and answers /S for a silent install and uninstall.
; Given on makensis's command line: VERSION (1.00), VERSION4 (1.0.0.0), ORIGEN (the folder a pupil's
; machine gets), ICONO, BORRAR (the uninstaller's list of Delete and RMDir lines) and SALIDA.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include MUI2.nsh
!include x64.nsh
!include FileFunc.nsh

!define CLAVE "Software\Microsoft\Windows\CurrentVersion\Uninstall\Zafrelo"

Name "Zafrelo"
OutFile "${SALIDA}"
InstallDir "$LOCALAPPDATA\Programs\Zafrelo"
InstallDirRegKey HKCU "${CLAVE}" "InstallLocation"
BrandingText "Zafrelo ${VERSION}"

!define MUI_ICON "${ICONO}"
!define MUI_UNICON "${ICONO}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\zafrelo.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Spanish"

VIProductVersion "${VERSION4}"
VIAddVersionKey /LANG=${LANG_SPANISH} "ProductName" "Zafrelo"
VIAddVersionKey /LANG=${LANG_SPANISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SPANISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SPANISH} "FileDescription" "Instalador de Zafrelo"
VIAddVersionKey /LANG=${LANG_SPANISH} "CompanyName" "Equipo de Zafrelo"
VIAddVersionKey /LANG=${LANG_SPANISH} "LegalCopyright" "Copyright (c) Equipo de Zafrelo. Licencia MIT."

Function .onInit
  ${IfNot} ${RunningX64}
    MessageBox MB_ICONSTOP "Zafrelo necesita una versión de Windows de 64 bits." /SD IDOK
    Abort
  ${EndIf}
FunctionEnd

Section
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  File /r "${ORIGEN}/*"
  WriteUninstaller "$INSTDIR\desinstalar.exe"
  CreateShortcut "$SMPROGRAMS\Zafrelo.lnk" "$INSTDIR\zafrelo.exe" "" "$INSTDIR\zafrelo.exe" 0 \
      "" "" "Suma de fracciones con un modelo de área"

  ; Listed under the system's installed programs, for this user.
  WriteRegStr HKCU "${CLAVE}" "DisplayName" "Zafrelo"
  WriteRegStr HKCU "${CLAVE}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${CLAVE}" "Publisher" "Equipo de Zafrelo"
  ; Where a user writes about a problem: the project's issue tracker.
  WriteRegStr HKCU "${CLAVE}" "HelpLink" "https://github.com/zafrelo/zafrelo/issues"
  WriteRegStr HKCU "${CLAVE}" "URLInfoAbout" "https://github.com/zafrelo/zafrelo"
  WriteRegStr HKCU "${CLAVE}" "DisplayIcon" "$INSTDIR\zafrelo.exe,0"
  WriteRegStr HKCU "${CLAVE}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${CLAVE}" "UninstallString" '"$INSTDIR\desinstalar.exe"'
  WriteRegStr HKCU "${CLAVE}" "QuietUninstallString" '"$INSTDIR\desinstalar.exe" /S'
  WriteRegDWORD HKCU "${CLAVE}" "NoModify" 1
  WriteRegDWORD HKCU "${CLAVE}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${CLAVE}" "EstimatedSize" $0
SectionEnd

Section Uninstall
  SetShellVarContext current
  Delete "$SMPROGRAMS\Zafrelo.lnk"
  ; Only what the installer put there: a teacher's own files in the folder stay.
  !include "${BORRAR}"
  Delete "$INSTDIR\desinstalar.exe"
  RMDir "$INSTDIR"
  RMDir "$LOCALAPPDATA\Programs"  ; made by the install if it was not there; only while empty
  DeleteRegKey HKCU "${CLAVE}"
SectionEnd
