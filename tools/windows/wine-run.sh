#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Tessaly developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Runs a Windows program of the cross-build under Wine and passes on its exit status; CMake
# uses it to run the tests and the build's own tools: wine-run.sh <program.exe> [argument...]
# The Wine prefix is $WINEPREFIX, else ~/.cache/tessaly/wine, made on first use. Qt's offscreen
# platform reads its fonts from one folder: the design's font and the substitutes are linked there.
set -euo pipefail

export WINEPREFIX=${WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/tessaly/wine}
# Qt Test writes to the debugger's log when the program has no console, as under Wine with a
# pipe; that log is kept, and printed below as plain lines on standard error.
export WINEDEBUG=${WINEDEBUG:--all,+debugstr}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}  # no Mono or Gecko prompts
wine=/usr/lib/wine/wine64

mkdir -p "$WINEPREFIX"
(
    flock 9
    if [[ ! -f $WINEPREFIX/system.reg ]]; then
        "$wine" wineboot --init >/dev/null 2>&1 || true
        /usr/lib/wine/wineserver64 --wait
    fi
    # Debian's Wine does not load its own fonts; without Marlett, title bars show letters
    # where their buttons' symbols belong.
    system_fonts=$WINEPREFIX/drive_c/windows/Fonts
    if [[ -d $system_fonts && ! -e $system_fonts/marlett.ttf ]]; then
        ln -sf /usr/share/wine/fonts/*.ttf "$system_fonts/"
    fi
    fonts=$WINEPREFIX/tessaly-fonts
    if [[ ! -d $fonts ]]; then
        mkdir -p "$fonts.new"
        ln -sf /usr/share/wine/fonts/ms_sans_serif.ttf /usr/share/fonts/truetype/liberation2/*.ttf "$fonts.new/"
        mv "$fonts.new" "$fonts"
    fi
) 9>"$WINEPREFIX.lock"
export QT_QPA_FONTDIR=${QT_QPA_FONTDIR:-Z:$WINEPREFIX/tessaly-fonts}

# Wine keeps the host's QT_ variables from Windows programs; it passes WINEQT_x on as QT_x. A
# platform a Linux desktop names (xcb, wayland) is not one a Windows build has, so only those
# it has are passed on.
while IFS= read -r name; do
    [[ $name != QT_QPA_PLATFORM || ${!name} =~ ^(offscreen|minimal|windows)(:.*)?$ ]] || continue
    export "WINE$name=${!name}"
done < <(compgen -e | grep '^QT_' || true)

# The program's own standard error passes through unchanged; its exit status is passed on.
set +e
{ "$wine" "$@" 2>&1 1>&3 3>&- | sed -u -e '/:debugstr:OutputDebugString[AW] "/!b' \
    -e 's/^[^"]*"//; s/\\n"$//; s/"$//; s/\\n/\n/g; s/\\t/\t/g; s/\\"/"/g; s/\\\\/\\/g' >&2; } 3>&1
exit "${PIPESTATUS[0]}"
