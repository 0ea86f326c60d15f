#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Tessaly developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes a screenshot of each of the window's four tabs from the real program under Xvfb and
# writes them to docs/, for the README: once in the default light palette and once in a dark
# one, KDE's Breeze Dark, which the program reads from a KDE colour scheme as on a KDE desktop;
# then the Audio and HD Space tab once more in a black high-contrast scheme. The schemes are the
# tests' own, in tests/ui/schemes. Needs xvfb, xdotool and imagemagick (for import).
#   tools/screenshots.sh [path/to/tessaly-bitrate]
set -euo pipefail
cd "$(dirname "$0")/.."

program=$(realpath "${1:-build/app/tessaly-bitrate}")
[[ -x $program ]] || { echo "no program at $program; build it first (./dev test)" >&2; exit 1; }
mkdir -p docs

export TESSALY_PROGRAM=$program TESSALY_SCHEMES=$PWD/tests/ui/schemes
xvfb-run -a -s "-screen 0 800x600x24" bash -c '
    set -euo pipefail
    # Starts the program with the environment given, clicks through the tabs given (0 to 3) and
    # takes each one, named with the suffix given; the light run also takes a tooltip.
    shoot() {
        local suffix=$1 tabs=$2; shift 2
        env LC_ALL=C.UTF-8 "$@" "$TESSALY_PROGRAM" & pid=$!
        window=$(xdotool search --sync --name "^Tessaly Video Bitrate Calculator$" | head -1)
        sleep 1
        eval "$(xdotool getwindowgeometry --shell "$window")"
        names=(bitrate-calculator audio-and-hd-space data-conversion info)
        for tab in $tabs; do
            # The four tabs share the strip evenly; click the middle of each caption.
            xdotool mousemove --window "$window" $(( (2 * tab + 1) * WIDTH / 8 )) 10 click 1
            sleep 0.5
            import -window "$window" "docs/${names[$tab]}$suffix.png"
            echo "docs/${names[$tab]}$suffix.png"
        done
        [[ -z $suffix ]] && tooltip
        kill $pid; wait $pid 2>/dev/null || true
    }
    # The working behind the video bitrate: rest the mouse on it until its tooltip shows,
    # and take the screen beneath the window and the tooltip, which may reach past its edge.
    tooltip() {
        xdotool mousemove --window "$window" $(( WIDTH / 8 )) 10 click 1
        xdotool mousemove --window "$window" 194 162  # the middle of txtVidBit, 15 twips a pixel
        sleep 1.5
        local right=$(( X + WIDTH )) shown
        for shown in $(xdotool search --onlyvisible --pid "$pid"); do
            eval "$(xdotool getwindowgeometry --shell "$shown" | sed "s/^/TIP_/")"
            (( TIP_X + TIP_WIDTH > right )) && right=$(( TIP_X + TIP_WIDTH ))
        done
        import -window root -crop "$(( right - X ))x${HEIGHT}+${X}+${Y}" +repage docs/working-tooltip.png
        echo docs/working-tooltip.png
    }
    kde=(XDG_CURRENT_DESKTOP=KDE KDE_SESSION_VERSION=5)
    shoot "" "0 1 2 3"
    shoot -dark "0 1 2 3" "${kde[@]}" XDG_CONFIG_HOME="$TESSALY_SCHEMES/breeze-dark"
    shoot -high-contrast 1 "${kde[@]}" XDG_CONFIG_HOME="$TESSALY_SCHEMES/high-contrast-black"'
