; Scoreboard's installer: for the user who runs it, without administrator
; rights, into %LOCALAPPDATA%\Programs\Scoreboard, with a Start-menu entry and
; an uninstaller listed under Settings > Apps. "/S" installs and uninstalls
; without questions. deploy.sh passes VERSION, OUTFILE, ICON, SIZE_KB and the
; lists of files to put in (FILES) and take out (UNFILES).
; 64-bit like the program, which also lets it run where Windows (or Wine)
; has no 32-bit layer.
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Scoreboard"
; Where the program keeps its settings (QSettings "scoreboard", "scoreboard").
!define SETTINGS_KEY "Software\scoreboard"

Name "Scoreboard"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Scoreboard"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Scoreboard ${VERSION}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "Scoreboard"
VIAddVersionKey "FileDescription" "Scoreboard ${VERSION} setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Copyright (c) 2026 Scoreboard maintainers, MIT License"

; The program's languages, asked first (the system's preselected); the
; installer speaks the one chosen, and so does the program after it. Words
; from translations/glossary.md.
!include "MUI2.nsh"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_LANGDLL_REGISTRY_ROOT HKCU
!define MUI_LANGDLL_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MUI_LANGDLL_REGISTRY_VALUENAME "InstallerLanguage"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "Spanish"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "Dutch"
!insertmacro MUI_RESERVEFILE_LANGDLL

; The program's setting "language" takes these codes.
LangString LANGUAGE_CODE ${LANG_ENGLISH} "en"
LangString LANGUAGE_CODE ${LANG_GERMAN} "de"
LangString LANGUAGE_CODE ${LANG_SPANISH} "es"
LangString LANGUAGE_CODE ${LANG_FRENCH} "fr"
LangString LANGUAGE_CODE ${LANG_DUTCH} "nl"
LangString RUNNING ${LANG_ENGLISH} "Scoreboard is running. Close it, then choose Retry."
LangString RUNNING ${LANG_GERMAN} "Scoreboard läuft. Schließen Sie das Programm und wählen Sie dann „Wiederholen“."
LangString RUNNING ${LANG_SPANISH} "Scoreboard se está ejecutando. Ciérrelo y elija Reintentar."
LangString RUNNING ${LANG_FRENCH} "Scoreboard est en cours d'exécution. Fermez-le, puis choisissez Réessayer."
LangString RUNNING ${LANG_DUTCH} "Scoreboard is actief. Sluit het en kies dan Opnieuw."

; A running Scoreboard holds its files, which Windows would then refuse to
; replace or remove half-way. The program's hidden window, which hears device
; changes, tells that it runs. Asked to close it first; in silent mode the
; installer and the uninstaller stop at once, change nothing, and exit with
; EXIT_RUNNING.
!define RUNNING_WINDOW_CLASS "ScoreboardDeviceNotices"
!define EXIT_RUNNING 3
!macro StopWhileRunning
    check:
        FindWindow $0 "${RUNNING_WINDOW_CLASS}"
        StrCmp $0 0 closed
        IfSilent 0 ask
        SetErrorLevel ${EXIT_RUNNING}
        Quit
    ask:
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(RUNNING)" IDRETRY check
        SetErrorLevel 1
        Quit
    closed:
!macroend

Function .onInit
    !insertmacro MUI_LANGDLL_DISPLAY
    !insertmacro StopWhileRunning
FunctionEnd

Function un.onInit
    !insertmacro MUI_UNGETLANGUAGE
    !insertmacro StopWhileRunning
FunctionEnd

Section
    !include "${FILES}"
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Scoreboard.lnk" "$INSTDIR\scoreboard.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Scoreboard"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Scoreboard maintainers"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\scoreboard.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ; A language chosen in the dialog is the program's too; a silent
    ; install leaves the program to follow Windows' display language.
    IfSilent +2
    WriteRegStr HKCU "${SETTINGS_KEY}\scoreboard" "language" "$(LANGUAGE_CODE)"
SectionEnd

Section "Uninstall"
    !include "${UNFILES}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    ; Made for this program when the user had no per-user programs yet.
    RMDir "$LOCALAPPDATA\Programs"
    Delete "$SMPROGRAMS\Scoreboard.lnk"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    DeleteRegKey HKCU "${SETTINGS_KEY}"
    ; The status log, written when the program was started without a console.
    Delete "$LOCALAPPDATA\scoreboard\status.log"
    Delete "$LOCALAPPDATA\scoreboard\status.previous.log"
    RMDir "$LOCALAPPDATA\scoreboard"
SectionEnd
