#!/usr/bin/env bash
# Takes a screenshot of each of the window's four tabs from the real program under Xvfb and
# writes them to docs/, for the README. Needs xvfb, xdotool and imagemagick (for import).
#   tools/screenshots.sh [path/to/tessaly-bitrate]
set -euo pipefail
cd "$(dirname "$0")/.."

program=$(realpath "${1:-build/app/tessaly-bitrate}")
[[ -x $program ]] || { echo "no program at $program; build it first (./dev test)" >&2; exit 1; }
mkdir -p docs

export TESSALY_PROGRAM=$program
xvfb-run -a -s "-screen 0 800x600x24" bash -c '
    set -euo pipefail
    LC_ALL=C.UTF-8 "$TESSALY_PROGRAM" & pid=$!
    trap "kill $pid 2>/dev/null || true" EXIT
    window=$(xdotool search --sync --name "^Tessaly Video Bitrate Calculator$" | head -1)
    sleep 1
    eval "$(xdotool getwindowgeometry --shell "$window")"
    names=(bitrate-calculator audio-and-hd-space data-conversion info)
    for tab in 0 1 2 3; do
        # The four tabs share the strip evenly; click the middle of each caption.
        xdotool mousemove --window "$window" $(( (2 * tab + 1) * WIDTH / 8 )) 10 click 1
        sleep 0.5
        import -window "$window" "docs/${names[$tab]}.png"
        echo "docs/${names[$tab]}.png"
    done
    # The working behind the video bitrate: rest the mouse on it until its tooltip shows,
    # and take the screen beneath the window and the tooltip, which may reach past its edge.
    xdotool mousemove --window "$window" $(( WIDTH / 8 )) 10 click 1
    xdotool mousemove --window "$window" 194 162  # the middle of txtVidBit, 15 twips a pixel
    sleep 1.5
    right=$(( X + WIDTH ))
    for shown in $(xdotool search --onlyvisible --pid "$pid"); do
        eval "$(xdotool getwindowgeometry --shell "$shown" | sed "s/^/TIP_/")"
        (( TIP_X + TIP_WIDTH > right )) && right=$(( TIP_X + TIP_WIDTH ))
    done
    import -window root -crop "$(( right - X ))x${HEIGHT}+${X}+${Y}" +repage docs/working-tooltip.png
    echo docs/working-tooltip.png'
