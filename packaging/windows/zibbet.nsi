# SPDX-FileCopyrightText: 2026 The Zibbet developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows installer, made by makensis from scripts/windows-package.sh,
# which defines OUTFILE, SIZE_KB (what the game's folder takes) and FILES, a
# folder holding identity.nsh (VERSION, VENDOR and ICON, as the build wrote
# them) and install.nsh and uninstall.nsh, the lines that put each file of
# the game's folder in place and take each away again.
#
# For one user, without administrator rights: into the user's own programs
# folder, with a Start-menu entry and an entry among the installed programs
# of that user alone. Silent with /S; /D=<folder> (the last argument) says
# where. The uninstaller, Uninstall.exe in that folder, removes exactly what
# was installed, the folder itself if it is left empty, the entry and the
# Start-menu link; the game writes nothing of its own anywhere.

Unicode true
!include "${FILES}/identity.nsh"
# A 64-bit installer for a 64-bit game: it runs wherever the game does.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!define NAME "Zibbet"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${NAME}"

Name "${NAME}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${NAME}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
Icon "${ICON}"
UninstallIcon "${ICON}"
BrandingText "${NAME} ${VERSION}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "${NAME}"
VIAddVersionKey /LANG=0 "FileDescription" "${NAME} ${VERSION}: installazione"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "CompanyName" "${VENDOR}"
VIAddVersionKey /LANG=0 "LegalCopyright" "${VENDOR}"

!include "MUI2.nsh"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\zibbet.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
# The game speaks Italian; so does its installer.
!insertmacro MUI_LANGUAGE "Italian"

Section
    SetShellVarContext current
    !include "${FILES}/install.nsh"
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    CreateShortcut "$SMPROGRAMS\${NAME}.lnk" "$INSTDIR\zibbet.exe" "" "$INSTDIR\zibbet.exe" 0
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${VENDOR}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\zibbet.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
SectionEnd

Section "Uninstall"
    SetShellVarContext current
    Delete "$SMPROGRAMS\${NAME}.lnk"
    !include "${FILES}/uninstall.nsh"
    Delete "$INSTDIR\Uninstall.exe"
    # Only if empty: a folder the player chose may hold other things.
    RMDir "$INSTDIR"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
