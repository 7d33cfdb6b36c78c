; KorvelTarvo installer: the program, its tools and the readme into
; Program Files, .apk "Open with" registration (and, when the user agrees,
; the .apk default), the split bundles .apks, .xapk and .apkm (opened by us
; where nothing else opens them), a Start-menu link, an uninstaller and its
; Add/Remove Programs entry.
;
; makensis -DVERSION=x.y.z -DVERSION_QUAD=x.y.z.w -DBIN_DIR=<folder with both
;          programs> -DREADME=<readme file> -DOUTFILE=<setup.exe>
;          -DICON=<program icon> KorvelTarvo.nsi
;
; Silent install: setup.exe /S [/DEFAULT] [/D=<folder>]. /DEFAULT makes
; KorvelTarvo the default handler of .apk files, which is off unless asked.
; Silent uninstall: uninstall.exe /S.

Unicode true
Target amd64-unicode

!macro REQUIRE NAME
    !ifndef ${NAME}
        !error "define ${NAME} on the command line (-D${NAME}=...)"
    !endif
!macroend
!insertmacro REQUIRE VERSION
!insertmacro REQUIRE VERSION_QUAD
!insertmacro REQUIRE BIN_DIR
!insertmacro REQUIRE README
!insertmacro REQUIRE OUTFILE
!insertmacro REQUIRE ICON

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!define PRODUCT     "KorvelTarvo"
!define PUBLISHER   "Korvel"
!define EXE         "KorvelTarvo.exe"
!define HELPER      "korvel_helper.exe"
!define BADGING     "aapt.exe"
!define CLI         "tarvo-cli.exe"
!define README_NAME "README-zh.txt"
!define PROGID      "KorvelTarvo.apk"
!define CLASSES     "Software\Classes"
!define UNINST_KEY  "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
; Kept in our ProgId: the .apk default we replaced, given back on uninstall.
!define PREVIOUS_VALUE "PreviousApkHandler"
; SHCNE_ASSOCCHANGED, SHCNF_IDLIST
!define NOTIFY_ASSOCIATIONS "System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'"

; A bundle extension: in the "Open with" lists, and ours by default when no
; other program opens it; only what is still ours goes on uninstall.
!macro ASSOCIATE_BUNDLE EXT
    WriteRegNone HKLM "${CLASSES}\${EXT}\OpenWithProgids" "${PROGID}"
    WriteRegStr HKLM "${CLASSES}\Applications\${EXE}\SupportedTypes" "${EXT}" ""
    ReadRegStr $0 HKLM "${CLASSES}\${EXT}" ""
    ${If} $0 == ""
        WriteRegStr HKLM "${CLASSES}\${EXT}" "" "${PROGID}"
    ${EndIf}
!macroend
!macro UNASSOCIATE_BUNDLE EXT
    ReadRegStr $0 HKLM "${CLASSES}\${EXT}" ""
    ${If} $0 == "${PROGID}"
        DeleteRegValue HKLM "${CLASSES}\${EXT}" ""
    ${EndIf}
    DeleteRegValue HKLM "${CLASSES}\${EXT}\OpenWithProgids" "${PROGID}"
    DeleteRegKey /ifempty HKLM "${CLASSES}\${EXT}\OpenWithProgids"
    DeleteRegKey /ifempty HKLM "${CLASSES}\${EXT}"
!macroend

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
ManifestDPIAware true
ShowInstDetails show
ShowUninstDetails show
BrandingText "${PRODUCT} ${VERSION}"

!define MUI_ABORTWARNING
!define MUI_ICON   "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\${EXE}"
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\${README_NAME}"
!define MUI_COMPONENTSPAGE_NODESC

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"

LangString SecProgramName ${LANG_SIMPCHINESE} "KorvelTarvo 主程序"
LangString SecDefaultName ${LANG_SIMPCHINESE} "设为 .apk 文件的默认打开程序"
LangString ProgIdName     ${LANG_SIMPCHINESE} "安卓应用安装包"
LangString ShortcutName   ${LANG_SIMPCHINESE} "双击或拖入 .apk 文件，安装到安卓手机"

VIProductVersion "${VERSION_QUAD}"
VIFileVersion "${VERSION_QUAD}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "FileDescription" "KorvelTarvo 安装程序"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "LegalCopyright" "Copyright (C) 2026 ${PUBLISHER}"

Section "$(SecProgramName)" SecProgram
    SectionIn RO
    SetShellVarContext all
    SetOutPath "$INSTDIR"
    File "/oname=${EXE}" "${BIN_DIR}/${EXE}"
    File "/oname=${HELPER}" "${BIN_DIR}/${HELPER}"
    File "/oname=${BADGING}" "${BIN_DIR}/${BADGING}"
    File "/oname=${CLI}" "${BIN_DIR}/${CLI}"
    File "/oname=${README_NAME}" "${README}"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    ; The ProgId the shell opens .apk files with. The command line is the
    ; quoted package path; the program strips the quotes.
    WriteRegStr HKLM "${CLASSES}\${PROGID}" "" "$(ProgIdName)"
    WriteRegStr HKLM "${CLASSES}\${PROGID}\DefaultIcon" "" "$INSTDIR\${EXE},0"
    WriteRegStr HKLM "${CLASSES}\${PROGID}\shell\open\command" "" '"$INSTDIR\${EXE}" "%1"'
    WriteRegNone HKLM "${CLASSES}\.apk\OpenWithProgids" "${PROGID}"

    ; The "Open with" list entry of the program itself.
    WriteRegStr HKLM "${CLASSES}\Applications\${EXE}" "FriendlyAppName" "${PRODUCT}"
    WriteRegStr HKLM "${CLASSES}\Applications\${EXE}\shell\open\command" "" '"$INSTDIR\${EXE}" "%1"'
    WriteRegStr HKLM "${CLASSES}\Applications\${EXE}\SupportedTypes" ".apk" ""
    !insertmacro ASSOCIATE_BUNDLE ".apks"
    !insertmacro ASSOCIATE_BUNDLE ".xapk"
    !insertmacro ASSOCIATE_BUNDLE ".apkm"

    CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\${EXE}" "" "$INSTDIR\${EXE}" 0 \
        SW_SHOWNORMAL "" "$(ShortcutName)"

    WriteRegStr HKLM "${UNINST_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINST_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINST_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINST_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINST_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegStr HKLM "${UNINST_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINST_KEY}" "DisplayIcon" "$INSTDIR\${EXE},0"
    WriteRegDWORD HKLM "${UNINST_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINST_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${UNINST_KEY}" "EstimatedSize" $0

    ${NOTIFY_ASSOCIATIONS}
SectionEnd

Section /o "$(SecDefaultName)" SecDefault
    ReadRegStr $0 HKLM "${CLASSES}\.apk" ""
    ${If} $0 != ""
    ${AndIf} $0 != "${PROGID}"
        WriteRegStr HKLM "${CLASSES}\${PROGID}" "${PREVIOUS_VALUE}" $0
    ${EndIf}
    WriteRegStr HKLM "${CLASSES}\.apk" "" "${PROGID}"
    ${NOTIFY_ASSOCIATIONS}
SectionEnd

Function .onInit
    SetRegView 64
    ; Off unless the user ticks it, or passes /DEFAULT to a silent install.
    ${GetParameters} $R0
    ClearErrors
    ${GetOptions} $R0 "/DEFAULT" $R1
    ${IfNot} ${Errors}
        !insertmacro SelectSection ${SecDefault}
    ${EndIf}
FunctionEnd

Function un.onInit
    SetRegView 64
FunctionEnd

Section "Uninstall"
    SetShellVarContext all
    Delete "$INSTDIR\${EXE}"
    Delete "$INSTDIR\${HELPER}"
    Delete "$INSTDIR\${BADGING}"
    Delete "$INSTDIR\${CLI}"
    Delete "$INSTDIR\${README_NAME}"
    Delete "$INSTDIR\uninstall.exe"
    ; Files the user put there (adb.exe) keep the folder.
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"

    ; The .apk default only while it is still ours; then the one we replaced.
    ReadRegStr $0 HKLM "${CLASSES}\.apk" ""
    ${If} $0 == "${PROGID}"
        ReadRegStr $1 HKLM "${CLASSES}\${PROGID}" "${PREVIOUS_VALUE}"
        ${If} $1 != ""
            WriteRegStr HKLM "${CLASSES}\.apk" "" $1
        ${Else}
            DeleteRegValue HKLM "${CLASSES}\.apk" ""
        ${EndIf}
    ${EndIf}
    DeleteRegValue HKLM "${CLASSES}\.apk\OpenWithProgids" "${PROGID}"
    DeleteRegKey /ifempty HKLM "${CLASSES}\.apk\OpenWithProgids"
    DeleteRegKey /ifempty HKLM "${CLASSES}\.apk"
    !insertmacro UNASSOCIATE_BUNDLE ".apks"
    !insertmacro UNASSOCIATE_BUNDLE ".xapk"
    !insertmacro UNASSOCIATE_BUNDLE ".apkm"
    DeleteRegKey HKLM "${CLASSES}\${PROGID}"
    DeleteRegKey HKLM "${CLASSES}\Applications\${EXE}"
    DeleteRegKey HKLM "${UNINST_KEY}"

    ${NOTIFY_ASSOCIATIONS}
SectionEnd
