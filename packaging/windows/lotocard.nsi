; The Windows installer: for the user who installs it, without administrator rights. The program goes
; under the user's own programs folder; its Start menu shortcut starts it in a working folder of the
; user's own, which the program fills with its data files on first start. Uninstalling removes the
; program and keeps the working folder, the user's print files and settings.
; makensis -DVERSION=x.y.z -DSTAGE=folder -DREMOVAL=files.nsh -DOUTFILE=setup.exe lotocard.nsi
; REMOVAL lists the uninstaller's Delete and RMDir lines for the files of STAGE.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include "MUI2.nsh"

!define PRODUCT "ロト・ナンバーズ マークカード印刷"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\lotocard"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\lotocard"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

Var WorkFolder

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"

Function .onInit
    SetShellVarContext current
FunctionEnd

Function un.onInit
    SetShellVarContext current
FunctionEnd

Section
    StrCpy $WorkFolder "$DOCUMENTS\lotocard"
    SetOutPath "$INSTDIR"
    File /r "${STAGE}\*"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateDirectory "$WorkFolder"
    ; The shortcut starts the program in the folder last set as the output path.
    SetOutPath "$WorkFolder"
    CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\lotocard.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "WorkFolder" "$WorkFolder"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    ; A program that is running cannot be deleted: stop before anything is removed, rather than leave
    ; half an installation.
    ClearErrors
    Delete "$INSTDIR\lotocard.exe"
    IfErrors 0 +3
        MessageBox MB_OK|MB_ICONEXCLAMATION "${PRODUCT} が実行中です。終了してから、もう一度アンインストールしてください。" /SD IDOK
        Abort
    ReadRegStr $WorkFolder HKCU "${UNINSTALL_KEY}" "WorkFolder"
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    !include "${REMOVAL}"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    MessageBox MB_OK|MB_ICONINFORMATION "プログラムを削除しました。$\r$\n印刷ファイルと印字位置の設定は次のフォルダに残してあります。$\r$\n$WorkFolder" /SD IDOK
SectionEnd
