#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Tessaly developers
# SPDX-License-Identifier: GPL-3.0-or-later

# probe and --length-of on media made here with ffmpeg, each of a known length: its length within
# a frame, --length-of answering as --length and --fps of the same figures; every broken file
# failing with status 1 and one line that names it, in under 5 s. A few seconds in all.
#   films_test.sh PROGRAM     (skipped, 77, without ffmpeg unless TESSALY_REQUIRE_ENCODER=1)
set -uo pipefail
program=("$(realpath "$1")")
if ! command -v ffmpeg >/dev/null || ! grep -q libx264 <<<"$(ffmpeg -hide_banner -encoders 2>/dev/null)"; then
    [[ ${TESSALY_REQUIRE_ENCODER:-} == 1 ]] && { echo "FAIL: no ffmpeg with libx264"; exit 1; }
    echo "SKIP: no ffmpeg with libx264"
    exit 77
fi
work=$(mktemp -d)
trap 'chmod -R u+rwX "$work"; rm -rf "$work"' EXIT
cd "$work" || exit 1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

ff="nice -n 5 ffmpeg -nostdin -hide_banner -loglevel error -y"  # the reader's test's media
film() { echo "$ff -f lavfi -i testsrc2=s=160x120:r=$1:d=$2 -f lavfi -i sine=r=48000:d=$2"; }
x264="-c:v libx264 -preset ultrafast"
steps=(
    "$(film 25 4) $x264 -c:a libmp3lame clip.mkv"
    "$(film 30000/1001 4.004) $x264 -c:a aac clip.mp4"
    "$(film 25 4) -c:v mpeg4 -c:a libmp3lame clip.avi"
    "$(film 25 12) -c:v mpeg2video -c:a ac3 -f dvd title.vob"
    "$(film 25 4) -vn -c:a libmp3lame sound.mp3 -vn -c:a libmp3lame -write_xing 0 bare.mp3"
    "$(film 30 10) -vf \"select='lt(n,60)+not(mod(n,3))'\" -fps_mode vfr $x264 -an vfr.mp4"
)
for step in "${steps[@]}"; do eval "$step" || { echo "FAIL: ffmpeg could not make the media: $step"; exit 1; }; done
split -b $(($(stat -c %s title.vob) / 3 / 2048 * 2048 + 2048)) -d -a 1 title.vob VTS_01_
cp clip.mkv 'Füße und Öl – été.mkv'
head -c $(($(stat -c %s clip.mp4) / 3)) clip.mp4 >cut.mp4
: >empty.mkv && echo 'not a film' >text.mkv && head -c 65536 /dev/urandom >random.mkv
mkdir folder && mkfifo fifo.mkv && cp clip.mkv noperm.mkv && chmod 000 noperm.mkv

# Reads a key of probe's one-line JSON object.
key() { grep -o -E "\"$1\":(\"[^\"]*\"|[^,}]*)" <<<"$2" | head -n 1 | cut -d: -f2- | tr -d '"'; }

# good SECONDS FRAME_RATE LENGTH_SOURCE FRAME_TIMING FILE...: 0 for no video.
good() {
    local seconds=$1 rate=$2 source=$3 timing=$4 json got frame
    shift 4
    json=$("${program[@]}" probe --json "$@" 2>/dev/null) || { fail "probe $*: status $?"; return; }
    got=$(key seconds "$json")
    frame=$(awk -v r="$rate" 'BEGIN { print (r > 0 ? 1 / r : 0.05) }')  # sound: two MP3 frames
    awk -v a="$got" -v b="$seconds" -v f="$frame" 'BEGIN { d = a - b; f *= 1 + 1e-9; exit !(d <= f && -d <= f) }' ||
        fail "probe $*: $got s, want $seconds within $frame"
    [[ $(key length_source "$json") == "$source" ]] || fail "probe $*: length_source $(key length_source "$json")"
    [[ $(key frame_timing "$json") == "$timing" ]] || fail "probe $*: frame_timing $(key frame_timing "$json")"
    # --length-of answers as --length and --fps of what probe read; with --container the rate counts.
    local fps=(--fps "$(key frame_rate "$json")") of given
    [[ $rate == 0 ]] && fps=()
    of=$("${program[@]}" video --length-of "$@" --audio 128000 --size 700 --container mkv --bps --value 2>/dev/null)
    given=$("${program[@]}" video --length "${got}s" "${fps[@]}" --audio 128000 --size 700 --container mkv --bps --value)
    [[ $of == "$given" ]] || fail "video --length-of $*: $of, want $given"
}
good 4 25 stored_duration unknown clip.mkv
good 4 25 stored_duration unknown 'Füße und Öl – été.mkv'
good 4.004 29.97003 stored_duration constant clip.mp4
good 4 25 stored_duration constant clip.avi
good 12 25 timestamps constant title.vob
good 12 25 timestamps constant VTS_01_0 VTS_01_1 VTS_01_2
good 4 0 stored_duration null sound.mp3
good 4 0 bit_rate null bare.mp3
good 10 14.04 stored_duration variable vfr.mp4  # 139 frame spans in 9.9 s

# What --length-of says besides the answer: where the length came from, and what to doubt.
words() {
    local want_out=$1 want_err=$2 out err
    shift 2
    out=$("${program[@]}" "$@" 2>"$work/err") || fail "$*: status $?"
    err=$(<"$work/err")
    [[ $out == *"$want_out"* && $err == *"$want_err"* ]] || fail "$*: [$out] [$err], want [$want_out] [$want_err]"
}
words " min, from the packets' timestamps (VTS_01_0, VTS_01_1, VTS_01_2)" "" \
    hd-space --length-of VTS_01_0 VTS_01_1 VTS_01_2 --video 800
words '"length_source":"bit_rate","length_files":["bare.mp3"]' \
    "warning: bare.mp3: the length is only estimated from the file's size and bit rate" \
    audio --length-of bare.mp3 --avi-size 5 --size 10 --no-wav --json
words "frame rate: 14.04 frames a second, the film's own" "warning: vfr.mp4: the frame rate varies" \
    video --length-of vfr.mp4 --audio 128 --size 700 --container mp4

# bad FILE...: status 1, nothing on stdout, one line naming the last file, in under 5 s; the
# same from --length-of.
bad() {
    local start out err status
    for run in "probe" "video --audio 128 --size 700 --length-of"; do
        start=$EPOCHREALTIME
        out=$("${program[@]}" $run "$@" 2>"$work/err")
        status=$?
        err=$(<"$work/err")
        local ms=$(((${EPOCHREALTIME/./} - ${start/./}) / 1000))
        [[ $status == 1 && -z $out && $err == "tessaly-bitrate-calc: ${*: -1}: "* && $err != *$'\n'* ]] &&
            ((ms < 5000)) || fail "$run $*: status $status in $ms ms, stdout [$out], stderr [$err]"
    done
}
for files in missing.mkv folder empty.mkv text.mkv random.mkv cut.mp4 fifo.mkv /dev/zero "VTS_01_0 missing.vob"; do
    bad $files  # the last a missing part
done
if ((EUID != 0)); then
    bad noperm.mkv
else
    # As nobody, where nobody may run this build (not in a folder of root's own, such as /root).
    nobody=(setpriv --reuid=65534 --regid=65534 --clear-groups "${program[@]}")
    if chmod 755 "$work" && "${nobody[@]}" probe clip.mkv >/dev/null 2>&1; then
        program=("${nobody[@]}")
        bad noperm.mkv
    else
        echo "SKIP: the permission row: nobody cannot run this build's command here"
    fi
fi

((failures == 0)) || { echo "$failures rows failed"; exit 1; }
echo "all rows passed"
