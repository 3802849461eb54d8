; Quorvel's installer and its uninstaller. tools/package.sh builds it and
; passes what changes from one build to the next:
;   VERSION   the version users see ("2.1")
;   VERSION4  the same in the four numbers of a version resource ("2.1.0.0")
;   SRC       the staged program folder: Quorvel.exe, skincheck.exe, ReadMe.txt and Skins\
;   FILES     the generated list of the skin files, for both directions
;   OUTFILE   where the installer goes

!macro Require NAME
  !ifndef ${NAME}
    !error "${NAME} is not defined: build the installer with tools/package.sh"
  !endif
!macroend
!insertmacro Require VERSION
!insertmacro Require VERSION4
!insertmacro Require SRC
!insertmacro Require FILES
!insertmacro Require OUTFILE

; The 95 family runs no Unicode program: an ANSI installer runs everywhere.
Unicode false

!include FileFunc.nsh
!include LogicLib.nsh
!include MUI2.nsh
!include nsDialogs.nsh
!include WinMessages.nsh
!include WinVer.nsh
!include Win\WinNT.nsh

!define PUBLISHER "Pavel Orlik"
!define COPYRIGHT "Pavel Orlik, 2005"
!define HOMEPAGE "http://bryndale.example/"
!define UNINST_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvel"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define TH32CS_SNAPMODULE 8
!define MODULEENTRY32_SIZE 548

Name "Quorvel"
Caption "Quorvel ${VERSION} Setup"
UninstallCaption "Quorvel ${VERSION} Uninstall"
BrandingText "Quorvel ${VERSION}"
OutFile "${OUTFILE}"
; No InstallDir: the folder follows the kind of installation chosen (see
; SetInstallKind), and an empty one at .onInit tells that no /D= was given.
; An administrator is asked to elevate, as before; a standard user runs it
; as is and installs just for themselves.
RequestExecutionLevel highest
XPStyle on
ShowInstDetails show
ShowUninstDetails show
SetCompressor /SOLID lzma
; A few hundred kilobytes need no more: a small dictionary keeps unpacking
; within reach of a 95-era machine's memory.
SetCompressorDictSize 1
; A file that cannot be written (a running Quorvel.exe) stops the
; installation with Retry and Cancel instead of being skipped in silence.
AllowSkipFiles off

; The last page offers to start Quorvel, except where it would run with this
; installer's administrator rights (see the end of the section).
!define MUI_FINISHPAGE_RUN "$INSTDIR\Quorvel.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start Quorvel"
Page custom InstallKindPage InstallKindPageLeave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_PAGE_CUSTOMFUNCTION_SHOW OfferToStart
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

VIProductVersion ${VERSION4}
VIFileVersion ${VERSION4}
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "Quorvel"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "Quorvel ${VERSION} Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION4}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "${COPYRIGHT}"

Var AppWnd      ; the hidden TApplication window of the Quorvel being replaced
Var WasRunning  ; 1 once this run has closed a running Quorvel
Var ForAllUsers ; 1: Program Files and the machine's entries; 0: just this user's
Var IsAdmin     ; 1 where the machine's folders and keys may be written
Var AllUsersRadio
Var JustMeRadio

; Program Files, the All Users Start menu and HKLM need an administrator on
; NT; on the 95 family everyone is one. Without the rights every write would
; fail one by one, and a silent run would still end as if it had worked.
!macro FindRights
  UserInfo::GetAccountType
  Pop $0
  StrCpy $IsAdmin 0
  ${IfThen} $0 == "Admin" ${|} StrCpy $IsAdmin 1 ${|}
!macroend
!macro NeedAdmin
  ${If} $IsAdmin != 1
    MessageBox MB_OK|MB_ICONSTOP "Quorvel is installed for all users: please run this as an administrator." /SD IDOK
    SetErrorLevel 740 ; ERROR_ELEVATION_REQUIRED
    Quit
  ${EndIf}
!macroend

; Installer and uninstaller each need their own copy of a function.
!macro ProgramFunctions UN
  ; Quorvel's start-button window (TForm1) among the children of $4 (0: the
  ; top-level windows) that belong to process $0; in $2, or 0. On Windows
  ; the button is a child of the taskbar, on Wine or without a taskbar a
  ; top-level window; and other programs have TForm1 windows of their own.
  Function ${UN}FindButtonIn
    StrCpy $2 0
    ${Do}
      FindWindow $2 "TForm1" "" $4 $2
      ${IfThen} $2 = 0 ${|} ${ExitDo} ${|}
      System::Call "user32::GetWindowThreadProcessId(p r2, *i .r3)"
      ${IfThen} $3 = $0 ${|} ${ExitDo} ${|}
    ${Loop}
  FunctionEnd

  ; The exe that process $0 runs, in $R0; "" where the system cannot tell.
  ; The first module of a Toolhelp snapshot is the exe, on the 95 family and
  ; on NT from 2000 on; NT 4 has no Toolhelp.
  Function ${UN}ImageOf
    StrCpy $R0 ""
    System::Call "kernel32::CreateToolhelp32Snapshot(i ${TH32CS_SNAPMODULE}, i r0) i .R1"
    ${IfThen} $R1 == "error" ${|} Return ${|}
    ${IfThen} $R1 = -1 ${|} Return ${|}
    System::Call "*(i ${MODULEENTRY32_SIZE}, i, i, i, i, i, i, i, &t256, &t260) p .R2"
    System::Call "kernel32::Module32First(i R1, p R2) i .R3"
    ${If} $R3 <> 0
      System::Call "*$R2(i, i, i, i, i, i, i, i, &t256, &t260 .R0)"
    ${EndIf}
    System::Free $R2
    System::Call "kernel32::CloseHandle(i R1)"
  FunctionEnd

  ; The TApplication window of a Quorvel started from the exe this run
  ; replaces or removes, in $AppWnd (0: none), its process in $0. A copy
  ; running from elsewhere (a zip unpacked in another folder) is left alone.
  ; Where the system cannot tell which exe a process runs, every Quorvel is
  ; taken for this one, as its exe may be locked.
  Function ${UN}FindOurQuorvel
    GetFullPathName /SHORT $R5 "$INSTDIR\Quorvel.exe"
    StrCpy $AppWnd 0
    ${Do}
      FindWindow $AppWnd "TApplication" "Quorvel" 0 $AppWnd
      ${IfThen} $AppWnd = 0 ${|} Return ${|}
      System::Call "user32::GetWindowThreadProcessId(p $AppWnd, *i .r0)"
      Call ${UN}ImageOf
      ${IfThen} $R0 == "" ${|} Return ${|}
      ${IfThen} $R0 == "$INSTDIR\Quorvel.exe" ${|} Return ${|}
      ; The 95 family may name a program by its short path.
      GetFullPathName /SHORT $R4 $R0
      ${If} $R4 != ""
      ${AndIf} $R4 == $R5
        Return
      ${EndIf}
    ${Loop}
  FunctionEnd

  ; A running Quorvel locks its exe. It is asked to close as its own Exit
  ; would: it gives the system Start button back and saves the user's
  ; settings and lists. Killing it would leave the Start button hidden.
  ; Ends the installation or uninstallation if the program stays.
  Function ${UN}CloseQuorvel
    ${Do}
      Call ${UN}FindOurQuorvel
      ${IfThen} $AppWnd = 0 ${|} Return ${|}
      StrCpy $WasRunning 1
      DetailPrint "Closing the running Quorvel"
      System::Call "user32::GetWindowThreadProcessId(p $AppWnd, *i .r0)"
      System::Call "kernel32::OpenProcess(i ${SYNCHRONIZE}, i 0, i r0) p .r1"
      StrCpy $4 0
      Call ${UN}FindButtonIn
      ${If} $2 = 0
        FindWindow $4 "Shell_TrayWnd"
        ${IfThen} $4 <> 0 ${|} Call ${UN}FindButtonIn ${|}
      ${EndIf}
      ${If} $2 <> 0
        ; It may stop at an error box if its settings cannot be saved: the
        ; wait then ends and the user is asked below.
        SendMessage $2 ${WM_CLOSE} 0 0 /TIMEOUT=5000
        ; The exe is free once the process has ended, which is a little
        ; after its windows have gone.
        ${If} $1 P<> 0
          System::Call "kernel32::WaitForSingleObject(p r1, i 10000)"
        ${Else}
          StrCpy $3 0
          ${Do}
            Sleep 250
            IntOp $3 $3 + 1
            System::Call "user32::IsWindow(p $AppWnd) i .r5"
            ${IfThen} $5 = 0 ${|} ${ExitDo} ${|}
          ${LoopUntil} $3 >= 40
          Sleep 1000
        ${EndIf}
      ${EndIf}
      ${IfThen} $1 P<> 0 ${|} System::Call "kernel32::CloseHandle(p r1)" ${|}
      Call ${UN}FindOurQuorvel
      ${IfThen} $AppWnd = 0 ${|} Return ${|}
      DetailPrint "Quorvel is still running"
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Quorvel is still running and its files cannot be replaced or removed.$\n$\nPlease exit Quorvel from its menu, then choose Retry." /SD IDCANCEL IDRETRY retry
      Abort "Quorvel is still running."
      retry:
    ${Loop}
  FunctionEnd
!macroend
!insertmacro ProgramFunctions ""
!insertmacro ProgramFunctions "un."

; The skin files, from the generated list: in, and out again. Only the files
; put there are removed, so a skin the user added keeps its folder.
!macro InstallSkinFile DIR NAME
  SetOutPath "$INSTDIR\${DIR}"
  File "${SRC}\${DIR}\${NAME}"
!macroend
!macro RemoveSkinFile DIR NAME
  Delete "$INSTDIR\${DIR}\${NAME}"
!macroend
!macro RemoveSkinDir DIR
  RMDir "$INSTDIR\${DIR}"
!macroend
!macro KeepSkinDir DIR
!macroend

; "Just for me": the user's own programs folder, Start menu and Add/Remove
; Programs entry, no administrator. Windows 7 and later name the folder
; (FOLDERID_UserProgramFiles, Local\Programs); earlier NT has no such folder,
; and the same place under the user's local, non-roaming application data is
; theirs alone and is not copied to a server at each logoff. The 95 family
; without a local one keeps the roaming folder, which is all it has.
Function SetInstallKind
  ${If} $ForAllUsers = 1
    SetShellVarContext all
    StrCpy $INSTDIR "$PROGRAMFILES\Quorvel"
    ReadRegStr $0 HKLM "${UNINST_KEY}" "InstallLocation"
  ${Else}
    SetShellVarContext current
    ${If} $LOCALAPPDATA != ""
      StrCpy $INSTDIR "$LOCALAPPDATA\Programs\Quorvel"
    ${Else}
      StrCpy $INSTDIR "$APPDATA\Programs\Quorvel"
    ${EndIf}
    ReadRegStr $0 HKCU "${UNINST_KEY}" "InstallLocation"
  ${EndIf}
  ; An update goes where the last installation of that kind went.
  ${IfThen} $0 != "" ${|} StrCpy $INSTDIR $0 ${|}
FunctionEnd

; /ALLUSERS or /CURRENTUSER chooses; without either an administrator
; installs for all users and anyone else just for themselves. A "/D=" on the
; command line has set $INSTDIR already and wins.
Function .onInit
  !insertmacro FindRights
  StrCpy $WasRunning 0
  StrCpy $ForAllUsers $IsAdmin
  ${GetParameters} $1
  ClearErrors
  ${GetOptions} $1 "/CURRENTUSER" $2
  ${IfNot} ${Errors}
    StrCpy $ForAllUsers 0
  ${EndIf}
  ClearErrors
  ${GetOptions} $1 "/ALLUSERS" $2
  ${IfNot} ${Errors}
    StrCpy $ForAllUsers 1
  ${EndIf}
  ${If} $ForAllUsers = 1
    !insertmacro NeedAdmin
  ${EndIf}
  StrCpy $3 $INSTDIR
  Call SetInstallKind
  ${IfThen} $3 != "" ${|} StrCpy $INSTDIR $3 ${|}
FunctionEnd

Function InstallKindPage
  !insertmacro MUI_HEADER_TEXT "Installation" "Install Quorvel for all users of this computer, or just for you."
  nsDialogs::Create 1018
  Pop $0
  ${NSD_CreateRadioButton} 0 0 100% 12u "For &all users (needs administrator rights)"
  Pop $AllUsersRadio
  ${NSD_CreateLabel} 12u 13u -12u 20u "Into $PROGRAMFILES\Quorvel, with Start menu and Add/Remove Programs entries for everyone."
  Pop $0
  ${NSD_CreateRadioButton} 0 40u 100% 12u "&Just for me"
  Pop $JustMeRadio
  ${NSD_CreateLabel} 12u 53u -12u 20u "Into your own programs folder, with Start menu and Add/Remove Programs entries for you only. No administrator rights needed."
  Pop $0
  ${If} $IsAdmin != 1
    EnableWindow $AllUsersRadio 0
  ${EndIf}
  ${If} $ForAllUsers = 1
    ${NSD_Check} $AllUsersRadio
  ${Else}
    ${NSD_Check} $JustMeRadio
  ${EndIf}
  nsDialogs::Show
FunctionEnd

Function InstallKindPageLeave
  ${NSD_GetState} $AllUsersRadio $0
  StrCpy $1 $ForAllUsers
  StrCpy $ForAllUsers 0
  ${IfThen} $0 = ${BST_CHECKED} ${|} StrCpy $ForAllUsers 1 ${|}
  ${If} $1 != $ForAllUsers
    Call SetInstallKind
  ${EndIf}
FunctionEnd

; This installer is ANSI: a user folder whose name has letters the code page
; cannot spell (a Greek user name on a Cyrillic system) loses those letters
; from its path, and "just for me" would land outside the user's profile.
; Asked in Unicode, the names show a question mark for each such letter,
; which no Windows path holds. (The 95 family has no Unicode call here.)
Function CheckUsersFolders
  ; Local application data, application data, the Start menu's programs.
  StrCpy $2 ""
  StrCpy $3 ""
  StrCpy $4 ""
  System::Call 'shell32::SHGetFolderPathW(p 0, i 0x1C, p 0, i 0, w .r2)'
  System::Call 'shell32::SHGetFolderPathW(p 0, i 0x1A, p 0, i 0, w .r3)'
  System::Call 'shell32::SHGetFolderPathW(p 0, i 0x02, p 0, i 0, w .r4)'
  StrCpy $0 "$2|$3|$4"
  StrCpy $1 0
  ${Do}
    StrCpy $2 $0 1 $1
    ${If} $2 == "?"
      MessageBox MB_OK|MB_ICONSTOP "Quorvel cannot be installed just for you: the name of your user folder has letters this system's code page lacks. Install it for all users, or unpack the zip into a folder of your own." /SD IDOK
      SetErrorLevel 2
      Quit
    ${EndIf}
    IntOp $1 $1 + 1
  ${LoopUntil} $2 == ""
FunctionEnd

Section "Quorvel" SecMain
  SectionIn RO
  ${If} $ForAllUsers = 1
    SetShellVarContext all
  ${Else}
    SetShellVarContext current
    Call CheckUsersFolders
  ${EndIf}
  ; Only an earlier installation here can be locked by a running Quorvel.
  ${If} ${FileExists} "$INSTDIR\Quorvel.exe"
    Call CloseQuorvel
  ${EndIf}

  SetOutPath "$INSTDIR"
  File "${SRC}\Quorvel.exe"
  File "${SRC}\skincheck.exe"
  File "${SRC}\ReadMe.txt"
  !define QvFile "!insertmacro InstallSkinFile"
  !define QvDir "!insertmacro KeepSkinDir"
  !include "${FILES}"
  !undef QvFile
  !undef QvDir

  ClearErrors
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  ; The shortcuts start in the program's folder.
  SetOutPath "$INSTDIR"
  CreateDirectory "$SMPROGRAMS\Quorvel"
  CreateShortcut "$SMPROGRAMS\Quorvel\Quorvel.lnk" "$INSTDIR\Quorvel.exe" "" "$INSTDIR\Quorvel.exe" 0
  CreateShortcut "$SMPROGRAMS\Quorvel\Uninstall Quorvel.lnk" "$INSTDIR\Uninstall.exe" "" "$INSTDIR\Uninstall.exe" 0

  WriteRegStr SHCTX "${UNINST_KEY}" "DisplayName" "Quorvel"
  WriteRegStr SHCTX "${UNINST_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINST_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINST_KEY}" "URLInfoAbout" "${HOMEPAGE}"
  WriteRegStr SHCTX "${UNINST_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINST_KEY}" "DisplayIcon" "$INSTDIR\Quorvel.exe,0"
  WriteRegStr SHCTX "${UNINST_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr SHCTX "${UNINST_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD SHCTX "${UNINST_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINST_KEY}" "NoRepair" 1
  SectionGetSize ${SecMain} $0
  WriteRegDWORD SHCTX "${UNINST_KEY}" "EstimatedSize" $0
  ${If} ${Errors}
    DetailPrint "The uninstaller, the Start menu entries or the Add/Remove Programs entry could not be written"
    MessageBox MB_OK|MB_ICONSTOP "Quorvel was copied to $INSTDIR, but its uninstaller, Start menu entries or Add/Remove Programs entry could not be written." /SD IDOK
    Abort "Installation incomplete."
  ${EndIf}

  ; It was running before: it runs again, the new version; with the pages
  ; shown, the last one offers that. A later Windows would start it with
  ; this installer's administrator rights, which a program that lives in
  ; the user's taskbar should not have.
  ${If} $WasRunning = 1
  ${AndIf} ${Silent}
  ${AndIfNot} ${AtLeastWinVista}
    Exec '"$INSTDIR\Quorvel.exe"'
  ${EndIf}
SectionEnd

Function OfferToStart
  ${If} ${AtLeastWinVista}
    SendMessage $mui.FinishPage.Run ${BM_SETCHECK} ${BST_UNCHECKED} 0
    ShowWindow $mui.FinishPage.Run ${SW_HIDE}
  ${EndIf}
FunctionEnd

; What the program writes beside itself: settings, the favourite folders and
; programs, and what a save cut short leaves of them.
!macro ForUserFiles MACRO
  !insertmacro ${MACRO} "Settings.ini"
  !insertmacro ${MACRO} "Settings.ini.new"
  !insertmacro ${MACRO} "Settings.ini.old"
  !insertmacro ${MACRO} "Dirs.qvl"
  !insertmacro ${MACRO} "Dirs.qvl.new"
  !insertmacro ${MACRO} "Dirs.qvl.old"
  !insertmacro ${MACRO} "Apps.qvl"
  !insertmacro ${MACRO} "Apps.qvl.new"
  !insertmacro ${MACRO} "Apps.qvl.old"
!macroend
!macro CountUserFile NAME
  ${IfThen} ${FileExists} "$INSTDIR\${NAME}" ${|} IntOp $9 $9 + 1 ${|}
!macroend
!macro DeleteUserFile NAME
  Delete "$INSTDIR\${NAME}"
!macroend

; The autostart value the program writes (HKLM) and the one a user-level
; autostart would be (HKCU). It goes only when it no longer points at an
; existing program: another copy of Quorvel may own it.
!macro RemoveRunValue ROOT
  ClearErrors
  ReadRegStr $0 ${ROOT} "${RUN_KEY}" "Quorvel"
  ${IfNot} ${Errors}
    StrCpy $1 $0 1
    StrCpy $2 $0 1 -1
    ${If} $1 == '"'
    ${AndIf} $2 == '"'
      StrCpy $0 $0 -1 1
    ${EndIf}
    ${If} $0 == ""
    ${OrIfNot} ${FileExists} "$0"
      DeleteRegValue ${ROOT} "${RUN_KEY}" "Quorvel"
      DetailPrint "Removed the autostart entry ${ROOT}\${RUN_KEY}\Quorvel"
    ${EndIf}
  ${EndIf}
!macroend

; The kind of installation this uninstaller belongs to: the user's own where
; the user's Add/Remove Programs entry names its folder. It removes that
; kind's entries only, never the other's.
Function un.onInit
  !insertmacro FindRights
  StrCpy $ForAllUsers 1
  ReadRegStr $0 HKCU "${UNINST_KEY}" "InstallLocation"
  ${If} $0 != ""
  ${AndIf} $0 == $INSTDIR
    StrCpy $ForAllUsers 0
  ${EndIf}
  ${If} $ForAllUsers = 1
    !insertmacro NeedAdmin
  ${EndIf}
FunctionEnd

Section "Uninstall"
  ${If} $ForAllUsers = 1
    SetShellVarContext all
  ${Else}
    SetShellVarContext current
  ${EndIf}
  Call un.CloseQuorvel

  ; The program first: while it cannot go, everything else stays as it was.
  ${Do}
    ClearErrors
    Delete "$INSTDIR\Quorvel.exe"
    ${IfNot} ${Errors}
      ${ExitDo}
    ${EndIf}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$INSTDIR\Quorvel.exe cannot be removed.$\n$\nPlease close whatever is using it, then choose Retry." /SD IDCANCEL IDRETRY retry
    Abort "$INSTDIR\Quorvel.exe cannot be removed."
    retry:
  ${Loop}

  ; The user's own files go only if the user says so; a silent run keeps them.
  StrCpy $9 0
  !insertmacro ForUserFiles CountUserFile
  ${If} $9 > 0
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "Also remove your Quorvel settings and your lists of favourite folders and programs?$\n$\nChoose No to keep them in $INSTDIR for a later installation." /SD IDNO IDNO keep
    !insertmacro ForUserFiles DeleteUserFile
    keep:
  ${EndIf}

  Delete "$INSTDIR\skincheck.exe"
  Delete "$INSTDIR\ReadMe.txt"
  !define QvFile "!insertmacro RemoveSkinFile"
  !define QvDir "!insertmacro RemoveSkinDir"
  !include "${FILES}"
  !undef QvFile
  !undef QvDir

  Delete "$SMPROGRAMS\Quorvel\Quorvel.lnk"
  Delete "$SMPROGRAMS\Quorvel\Uninstall Quorvel.lnk"
  RMDir "$SMPROGRAMS\Quorvel"

  !insertmacro RemoveRunValue HKLM
  !insertmacro RemoveRunValue HKCU
  DeleteRegKey SHCTX "${UNINST_KEY}"

  Delete "$INSTDIR\Uninstall.exe"
  ; Never recursive: whatever is left there (kept settings, a skin of the
  ; user's) is the user's.
  RMDir "$INSTDIR"
  ${If} ${FileExists} "$INSTDIR\*.*"
    DetailPrint "Kept $INSTDIR with the files that are yours"
  ${EndIf}
SectionEnd
