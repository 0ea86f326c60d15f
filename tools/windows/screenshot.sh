#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Tessaly developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Takes the README's picture of the Windows build: the window under Wine, on Wine's own desktop
# so that it wears a Windows title bar, on Xvfb; written to docs/windows-wine.png. Run it after
# `./dev windows`; it needs imagemagick (for import) besides that run's packages.
#   tools/windows/screenshot.sh [path/to/tessaly-bitrate.exe]
set -euo pipefail
cd "$(dirname "$0")/../.."
program=$(realpath "${1:-build-windows/app/tessaly-bitrate.exe}")
[[ -f $program ]] || { echo "no program at $program; run ./dev windows first" >&2; exit 1; }

export TESSALY_PROGRAM=$program
xvfb-run -a -s "-screen 0 800x600x24" bash -c '
    set -euo pipefail
    tools/windows/wine-run.sh explorer /desktop=Tessaly,640x520 "$TESSALY_PROGRAM" & pid=$!
    window=$(timeout 60 xdotool search --sync --name "^Tessaly Video Bitrate Calculator$" | head -n 1)
    sleep 2
    # On Wine'"'"'s desktop the window is drawn with its frame and title bar.
    import -window "$window" docs/windows-wine.png
    kill "$pid"
    /usr/lib/wine/wineserver64 -k
'
echo "docs/windows-wine.png"
