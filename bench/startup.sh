#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Tessaly developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up time (process start to the first paint of the window) and peak resident memory of
# the program against two floors: a bare window of the same size, and a window with the same
# number and kinds of plain widgets. Each is started RUNS times, interleaved, on a private
# Xvfb server; the medians and the ratios are printed.
# With a third argument, the window program of another build (the one before a change) takes
# its turn in every round too, and the two are set side by side.
#   bench/startup.sh [BUILD_DIR] [RUNS] [BEFORE_PROGRAM]     (defaults: build, 11)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-11}
before=${3:-}
bench=$build/bench
for tool in "$bench/first_paint" "$bench/widget_census" "$bench/window_floor" "$build/app/tessaly-bitrate"; do
    [[ -x $tool ]] || { echo "startup.sh: $tool is missing; build $build first" >&2; exit 2; }
done

display=90
while [[ -e /tmp/.X11-unix/X$display || -e /tmp/.X$display-lock ]]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
work=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do [[ -e /tmp/.X11-unix/X$display ]] && break; sleep 0.05; done
export DISPLAY=":$display" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work
chmod 700 "$work"
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS

read -r -a census < <(QT_QPA_PLATFORM=offscreen "$bench/widget_census" 2>/dev/null)
names=(program widgets bare)
declare -A commands=(
    [program]="$build/app/tessaly-bitrate"
    [widgets]="$bench/window_floor ${census[*]}"
    [bare]="$bench/window_floor ${census[0]} ${census[1]}"
)
if [[ -n $before ]]; then
    names+=(before)
    commands[before]=$before
fi

# One unmeasured start each, so that every one finds the font and library caches warm.
for name in "${names[@]}"; do "$bench/first_paint" ${commands[$name]} >/dev/null; done
for _ in $(seq "$runs"); do
    for name in "${names[@]}"; do "$bench/first_paint" ${commands[$name]} >>"$work/$name"; done
done

source bench/median.sh
declare -A ms kb
column_medians ms kb "$work" "${names[@]}"

echo "census: ${census[*]}"
echo "medians of $runs starts each"
printf '%-34s %14s %16s\n' "" "first paint ms" "peak memory kB"
printf '%-34s %14s %16s\n' "program (tessaly-bitrate)" "${ms[program]}" "${kb[program]}"
printf '%-34s %14s %16s\n' "floor: same plain widgets" "${ms[widgets]}" "${kb[widgets]}"
printf '%-34s %14s %16s\n' "floor: bare window, same size" "${ms[bare]}" "${kb[bare]}"
[[ -n $before ]] && printf '%-34s %14s %16s\n' "before: $before" "${ms[before]}" "${kb[before]}"
ratio() { awk -v a="$1" -v b="$2" -v t="$3" 'BEGIN { r = a / b; if (t > 0) printf "%6.2fx (target %.2fx)%s\n", r, t, (r > t) ? "  MISSED" : ""; else printf "%6.2fx\n", r }'; }
echo
printf '%-44s %s\n' "start-up, program / same-widgets floor:" "$(ratio "${ms[program]}" "${ms[widgets]}" 1.15)"
printf '%-44s %s\n' "memory,   program / same-widgets floor:" "$(ratio "${kb[program]}" "${kb[widgets]}" 1.10)"
printf '%-44s %s\n' "start-up, program / bare window:" "$(ratio "${ms[program]}" "${ms[bare]}" 0)"
printf '%-44s %s\n' "memory,   program / bare window:" "$(ratio "${kb[program]}" "${kb[bare]}" 0)"
if [[ -n $before ]]; then
    printf '%-44s %s\n' "start-up, program / before:" "$(ratio "${ms[program]}" "${ms[before]}" 1.05)"
    printf '%-44s %s\n' "memory,   program / before:" "$(ratio "${kb[program]}" "${kb[before]}" 0)"
fi
