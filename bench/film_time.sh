#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Tessaly developers
# SPDX-License-Identifier: GPL-3.0-or-later

# tessaly-bitrate-calc's probe and check against ffprobe on the same films, each a process of
# its own as a script starts it, side by side: `probe FILM` against
# `ffprobe -v error -show_format -show_streams FILM`, and `check FILM --size 700` (which counts
# every packet) against `ffprobe -v error -show_entries packet=size FILM`, output thrown away.
# ROUNDS rounds, the four taking turns in each; the medians of wall and CPU time (user and
# system, from bash's `times`) and the ratios to ffprobe are printed. Without films it makes
# the three of bench/media_read_time.cpp: 3 minutes of 640x360 H.264 and AAC in Matroska and
# MP4, and a PAL DVD's MPEG-2 and AC-3 in a program stream.
#   bench/film_time.sh [BUILD_DIR] [ROUNDS] [FILM...]     (defaults: build, 11)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
rounds=${2:-11}
shift $(($# < 2 ? $# : 2))
calc=$build/cli/tessaly-bitrate-calc
[[ -x $calc ]] || { echo "film_time.sh: $calc is missing; build $build first" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
films=("$@")
if ((${#films[@]} == 0)); then
    echo "making three films of 3 minutes with ffmpeg in $work ..." >&2
    ff=(nice -n 5 ffmpeg -nostdin -hide_banner -loglevel error -y)
    source=(-f lavfi -i testsrc2=s=640x360:r=25:d=180 -f lavfi -i sine=r=48000:d=180:frequency=440)
    "${ff[@]}" "${source[@]}" -c:v libx264 -preset ultrafast -crf 28 -c:a aac -b:a 128k "$work/film.mkv"
    "${ff[@]}" -i "$work/film.mkv" -c copy "$work/film.mp4"
    "${ff[@]}" "${source[@]}" -target pal-dvd -s 720x576 "$work/film.vob"
    films=("$work/film.mkv" "$work/film.mp4" "$work/film.vob")
fi

# Sets cpu to the CPU milliseconds (user + system) this shell's children have used so far,
# with builtins only, so that working it out is no child's time: "1m2.345s" -> 62345.
children_cpu() {
    local user system part total=0
    times >"$work/times"
    { read -r _; read -r user system; } <"$work/times"
    for part in "$user" "$system"; do
        local minutes=${part%%m*} seconds=${part#*m}
        seconds=${seconds%s}
        total=$((total + (minutes * 60 + ${seconds%.*}) * 1000 + 10#${seconds#*.}))
    done
    cpu=$total
}

names=(probe ffprobe_streams check ffprobe_packets)
source bench/median.sh
printf '%-22s %-16s %12s %12s %8s %8s\n' "film" "" "wall ms" "CPU ms" "wall" "CPU"
for film in "${films[@]}"; do
    declare -A commands=(
        [probe]="$calc probe $film"
        [ffprobe_streams]="ffprobe -v error -show_format -show_streams $film"
        [check]="$calc check $film --size 700"
        [ffprobe_packets]="ffprobe -v error -show_entries packet=size $film"
    )
    rm -f "$work"/probe "$work"/ffprobe_* "$work"/check
    for _ in $(seq "$rounds"); do
        for name in "${names[@]}"; do
            read -r -a command <<<"${commands[$name]}"
            children_cpu
            cpu_start=$cpu start=$EPOCHREALTIME
            "${command[@]}" >/dev/null 2>&1 || true  # check is 1 for a file over 700 MB
            end=$EPOCHREALTIME
            children_cpu
            awk -v w="$((${end/./} - ${start/./}))" -v a="$cpu_start" -v b="$cpu" \
                'BEGIN { printf "%.1f %d\n", w / 1000, b - a }' >>"$work/$name"
        done
    done
    declare -A wall cpus
    column_medians wall cpus "$work" "${names[@]}"
    ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2fx", a / b }'; }
    for pair in "probe ffprobe_streams" "check ffprobe_packets"; do
        read -r ours theirs <<<"$pair"
        printf '%-22s %-16s %12s %12s %8s %8s\n' "$(basename "$film")" "$ours" "${wall[$ours]}" "${cpus[$ours]}" \
            "$(ratio "${wall[$ours]}" "${wall[$theirs]}")" "$(ratio "${cpus[$ours]}" "${cpus[$theirs]}")"
        printf '%-22s %-16s %12s %12s\n' "" "$theirs" "${wall[$theirs]}" "${cpus[$theirs]}"
    done
done
echo "medians of $rounds rounds; ratios are ours / ffprobe's"
