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
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}  # no Mono or Gecko prompts
wine=/usr/lib/wine/wine64

mkdir -p "$WINEPREFIX"
(
    flock 9
    if [[ ! -f $WINEPREFIX/system.reg ]]; then
        "$wine" wineboot --init >/dev/null 2>&1 || true
        /usr/lib/wine/wineserver64 --wait
    fi
    fonts=$WINEPREFIX/tessaly-fonts
    if [[ ! -d $fonts ]]; then
        mkdir -p "$fonts.new"
        ln -sf /usr/share/wine/fonts/ms_sans_serif.ttf /usr/share/fonts/truetype/liberation2/*.ttf "$fonts.new/"
        mv "$fonts.new" "$fonts"
    fi
) 9>"$WINEPREFIX.lock"
export QT_QPA_FONTDIR=${QT_QPA_FONTDIR:-$WINEPREFIX/tessaly-fonts}

exec "$wine" "$@"
