#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Tessaly developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Tries the installer out under Wine, as a user would: a silent install for the current user,
# the files, the Start-menu entry and the uninstall entry in place, then the uninstaller,
# after which none of it may be left: try-installer.sh <setup.exe>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
setup=$1
export WINEPREFIX=${WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/tessaly/wine}
run() { "$here/wine-run.sh" "$@"; }
settle() { /usr/lib/wine/wineserver64 --wait; }

name="Tessaly Video Bitrate Calculator"
key="HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\TessalyBitrate"
profile=$WINEPREFIX/drive_c/users/$(id -un)/AppData
folder="$profile/Local/Programs/$name"
shortcut="$profile/Roaming/Microsoft/Windows/Start Menu/Programs/$name.lnk"
fail() { echo "installer: $*" >&2; exit 1; }

run "$setup" /S /CurrentUser
settle
[[ -f $folder/tessaly-bitrate.exe ]] || fail "tessaly-bitrate.exe not installed in $folder"
[[ -f $folder/uninstall.exe ]] || fail "no uninstaller in $folder"
[[ -f $shortcut ]] || fail "no Start-menu entry $shortcut"
run reg query "$key" /v DisplayVersion >/dev/null 2>&1 || fail "no uninstall entry $key"

run "$folder/uninstall.exe" /S /CurrentUser
settle
[[ ! -e $folder ]] || fail "the uninstaller left $folder: $(ls "$folder")"
[[ ! -e $shortcut ]] || fail "the uninstaller left the Start-menu entry"
! run reg query "$key" >/dev/null 2>&1 || fail "the uninstaller left $key"
echo "installer: installs for the current user and uninstalls cleanly"
