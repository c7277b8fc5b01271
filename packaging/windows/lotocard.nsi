; The Windows installer: for the user who installs it, without administrator rights. The program goes
; under the user's own programs folder. Its Start menu shortcut starts it in the program's own folder,
; which is there as long as the program is, and asks it for the working folder in the user's Documents,
; which the program finds anew at every start, makes when it is missing and fills with its data files.
; Uninstalling removes the program and keeps the working folder, the user's print files and settings.
; makensis -DVERSION=x.y.z -DSTAGE=folder -DFILES=files.nsh -DOUTFILE=setup.exe lotocard.nsi
; FILES names the files this installer writes (those of STAGE and the uninstaller) and the folders it
; makes, deepest first: the macros FOR_EACH_INSTALLED_FILE and FOR_EACH_INSTALLED_FOLDER insert the
; macro they are given once for each.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include "MUI2.nsh"
!include "${FILES}"

!define PRODUCT "ロト・ナンバーズ マークカード印刷"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\lotocard"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\lotocard"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"

; A file of the installer's own names that is in the folder before anything is written: it is not
; from an earlier installation, whose own uninstaller has taken those away.
!macro REFUSE_FOREIGN_FILE NAME
    IfFileExists "$INSTDIR\${NAME}" foreign
!macroend
!macro REMOVE_FILE NAME
    Delete "$INSTDIR\${NAME}"
!macroend
; Only when empty: a folder the user chose keeps whatever else it held.
!macro REMOVE_FOLDER NAME
    RMDir "$INSTDIR\${NAME}"
!macroend

Function .onInit
    SetShellVarContext current
FunctionEnd

Function un.onInit
    SetShellVarContext current
FunctionEnd

Section "" program
    ; An earlier installation in this folder is removed by its own uninstaller, which alone knows what
    ; that version installed, so that nothing the new version no longer ships stays behind. It is run in
    ; place (_?=), to be waited for; it refuses while the program runs, before it removes anything, and
    ; then nothing of either version is touched.
    ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    StrCmp $0 "$INSTDIR" 0 removed
    IfFileExists "$INSTDIR\uninstall.exe" 0 removed
    ClearErrors
    ExecWait '"$INSTDIR\uninstall.exe" /S _?=$INSTDIR' $0
    IfErrors not_removed
    StrCmp $0 0 0 running
    ; Run in place, the uninstaller cannot remove itself.
    Delete "$INSTDIR\uninstall.exe"
    removed:
    ; Nothing is overwritten that this installer did not install, so nothing is later deleted that it
    ; did not install either.
    !insertmacro FOR_EACH_INSTALLED_FILE REFUSE_FOREIGN_FILE

    SetOutPath "$INSTDIR"
    File /r "${STAGE}\*"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    ; The shortcut starts the program in the folder last set as the output path.
    CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\lotocard.exe" "--documents"
    SectionGetSize ${program} $0
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\lotocard.exe"
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    Return

    running:
    MessageBox MB_OK|MB_ICONEXCLAMATION "${PRODUCT} が実行中です。終了してから、もう一度インストールしてください。" /SD IDOK
    Abort
    not_removed:
    MessageBox MB_OK|MB_ICONEXCLAMATION "インストールされている ${PRODUCT} をアンインストールできませんでした。$\r$\n$INSTDIR\uninstall.exe" /SD IDOK
    Abort
    foreign:
    MessageBox MB_OK|MB_ICONEXCLAMATION "次のフォルダーには、このインストーラーが入れるものと同じ名前のファイルがすでにあります。上書きしないように、インストールを中止しました。別のフォルダーを選んでください。$\r$\n$INSTDIR" /SD IDOK
    Abort
SectionEnd

Section "Uninstall"
    ; A program that is running cannot be deleted: stop before anything is removed, rather than leave
    ; half an installation.
    ClearErrors
    Delete "$INSTDIR\lotocard.exe"
    IfErrors 0 +3
        MessageBox MB_OK|MB_ICONEXCLAMATION "${PRODUCT} が実行中です。終了してから、もう一度アンインストールしてください。" /SD IDOK
        Abort
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    !insertmacro FOR_EACH_INSTALLED_FILE REMOVE_FILE
    !insertmacro FOR_EACH_INSTALLED_FOLDER REMOVE_FOLDER
    RMDir "$INSTDIR"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    MessageBox MB_OK|MB_ICONINFORMATION "プログラムを削除しました。$\r$\n印刷ファイルと印字位置の設定は次のフォルダに残してあります。$\r$\n$DOCUMENTS\lotocard" /SD IDOK
SectionEnd
