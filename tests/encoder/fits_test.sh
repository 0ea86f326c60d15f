#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Tessaly developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The answer tried as a user tries it: for each clip and container, asks tessaly-bitrate-calc
# for the video rate in bits a second, encodes a generated noisy clip at that rate with ffmpeg
# (libx264 two-pass at preset veryfast, audio at the rate given) and checks that the file
# lands within -1.0 % to +0.25 % of the desired size (1 MB = 1048576 bytes). One clip is stored
# in Matroska with PCM audio first, as many DVD rips are, and encoded from there into MP4 only:
# its audio's time stamps are whole milliseconds, so MP4 stores a duration for every audio
# frame. Then tessaly-bitrate-calc check must say whether each file of the first clip fits, and
# a second encode at the rate it gives for a size 5 % smaller must land within the same bounds of
# that. Last, --ffmpeg's passes, run as printed by sh on two PCM tracks into a folder named with
# a blank and a quote, x264 and x265, must land so of the size they aim at. About 70 s on two cores.
#   fits_test.sh PROGRAM
# Without ffmpeg, or without its libx264 and libmp3lame encoders, the test is skipped (77),
# unless TESSALY_REQUIRE_ENCODER=1, where that is a failure.
set -uo pipefail
program=$1
low=-1.0 high=0.25
# minutes, MB, frame rate as ffmpeg takes it and as the command takes it, audio codec, bit/s
# and, for a clip stored in Matroska first, "matroska". TESSALY_FITS_CLIPS replaces them (";"
# between clips) to try others by hand.
clips=("1 6 25 25 mp3 128000" "2 25 30000/1001 29.97 mp3 128000" "0.5 2 25 25 mp3 128000 matroska")
[[ -z ${TESSALY_FITS_CLIPS:-} ]] || IFS=';' read -r -a clips <<<"$TESSALY_FITS_CLIPS"
# The passes: the film's minutes, the video's frame rate as ffmpeg takes it and as the command
# does, the output's name, then after "|" the command's options but for --length, --fps and
# --ffmpeg, a margin among them, and after another "|" the encoder's. TESSALY_FITS_PASSES
# replaces them (";" between runs); its clips have two tracks.
passes=("0.5 25 25 film.mkv | --audio 128000 --audio 192000:ac3 --size 3 --margin 0 --container mkv | --preset veryfast"
    "0.5 25 25 film.mp4 | --audio 128000:aac --audio 128000 --size 3 --margin 1% --container mp4 | --encoder x265 --preset ultrafast")
[[ -z ${TESSALY_FITS_PASSES:-} ]] || IFS=';' read -r -a passes <<<"$TESSALY_FITS_PASSES"
declare -A encoder_of=([mp3]=libmp3lame [aac]=aac [ac3]=ac3)

missing() {
    if [[ ${TESSALY_REQUIRE_ENCODER:-} == 1 ]]; then
        echo "FAIL: $1, and TESSALY_REQUIRE_ENCODER=1"
        exit 1
    fi
    echo "SKIP: $1"
    exit 77
}
command -v ffmpeg >/dev/null || missing "no ffmpeg"
encoders=$(ffmpeg -hide_banner -encoders 2>/dev/null)
for encoder in libx264 libx265 libmp3lame; do
    grep -qw "$encoder" <<<"$encoders" || missing "ffmpeg has no $encoder encoder"
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ff=(nice -n 5 ffmpeg -nostdin -hide_banner -loglevel error -y)
x264=(-c:v libx264 -preset veryfast -passlogfile "$work/x264")
passed=0 failed=0

fail() {
    echo "$1: FAIL: $2"
    failed=$((failed + 1))
}

# check on the file just made: it fits exactly when the file is not larger than the desired
# size. Asked about 5 % less, it is over, and a second pass at the rate it gives must land
# within the same bounds of that size (the first clip's containers only: about 30 s of CPU).
second_try() {
    local name=$1 out=$2 bytes=$3 desired=$4 smaller json status want rate again
    "$program" check "$out" --size "$size_mb" >/dev/null 2>&1
    status=$? want=$((bytes > desired))
    ((status == want)) || { fail "$name" "check exited with $status for $bytes bytes, want $want"; return; }
    smaller=$((desired * 95 / 100))
    json=$("$program" check "$out" --size "${smaller}B" --json 2>/dev/null)
    status=$?
    rate=$(grep -o '"second_try_bit_s":[0-9]*' <<<"$json" | cut -d: -f2)
    if ((status != 1)) || [[ -z $rate || $json != *'"fits":false'* ]]; then
        fail "$name" "check for $smaller bytes: status $status, $json"
        return
    fi
    "${ff[@]}" "${inputs[@]}" "${x264[@]}" -b:v "$rate" -pass 2 -c:a "${encoder_of[$codec]}" -b:a "$audio" \
        -ac 2 "$out" || { fail "$name" "ffmpeg could not encode the second try at $rate bit/s"; return; }
    again=$(stat -c %s "$out")
    verdict=$(awk -v b="$again" -v d="$smaller" -v lo="$low" -v hi="$high" 'BEGIN {
        p = 100 * (b - d) / d; printf "%+.3f %% %s", p, (p >= lo && p <= hi) ? "ok" : "FAIL" }')
    echo "$name, second try for $smaller bytes: video $rate bit/s, file $again bytes: $verdict"
    if [[ $verdict == *ok ]]; then passed=$((passed + 1)); else failed=$((failed + 1)); fi
}

for clip in "${clips[@]}"; do
    read -r minutes size_mb rate fps codec audio source <<<"$clip"
    seconds=$(awk -v m="$minutes" 'BEGIN {print m * 60}')
    video=(-f lavfi -i "testsrc2=s=480x270:r=$rate:d=$seconds,noise=alls=20:allf=t+u")
    sound=(-f lavfi -i "anoisesrc=d=$seconds:c=pink:r=48000:a=0.2")
    containers=(avi mkv mp4) inputs=("${video[@]}" "${sound[@]}" -map 0:v -map 1:a)
    if [[ ${source:-} == matroska ]]; then
        stored="$work/stored.mkv"
        if ! "${ff[@]}" "${video[@]}" "${sound[@]}" -c:v ffv1 -c:a pcm_s16le -ac 2 "$stored"; then
            fail "$minutes min" "ffmpeg could not store the clip in Matroska"
            continue
        fi
        containers=(mp4) video=(-i "$stored") inputs=(-i "$stored")
    fi
    desired=$((size_mb * 1048576))
    answer() {
        "$program" video --length "$minutes" --audio "$audio" --size "$size_mb" --container "$1" --fps "$fps" \
            --audio-codec "$codec" --bps --value
    }
    # One first pass serves every container: it records the clip's complexity, and each second
    # pass aims at its own rate.
    if ! first=$(answer mkv) || ! "${ff[@]}" "${video[@]}" "${x264[@]}" -b:v "$first" -pass 1 -an -f null -; then
        fail "$minutes min" "the first pass did not run"
        continue
    fi
    for container in "${containers[@]}"; do
        name="$minutes min, $size_mb MB, $fps fps, $codec, ${source:+PCM in Matroska, }$container"
        if ! bit_s=$(answer "$container"); then
            fail "$name" "tessaly-bitrate-calc exited with status $?"
            continue
        fi
        out="$work/clip.$container"
        if ! "${ff[@]}" "${inputs[@]}" "${x264[@]}" -b:v "$bit_s" -pass 2 \
            -c:a "${encoder_of[$codec]}" -b:a "$audio" -ac 2 "$out"; then
            fail "$name" "ffmpeg could not encode at $bit_s bit/s"
            continue
        fi
        bytes=$(stat -c %s "$out")
        verdict=$(awk -v b="$bytes" -v d="$desired" -v lo="$low" -v hi="$high" 'BEGIN {
            p = 100 * (b - d) / d; printf "%+.3f %% %s", p, (p >= lo && p <= hi) ? "ok" : "FAIL" }')
        echo "$name: video $bit_s bit/s, audio $audio bit/s, file $bytes bytes for $desired: $verdict"
        if [[ $verdict == *ok ]]; then passed=$((passed + 1)); else failed=$((failed + 1)); fi
        [[ $clip == "${clips[0]}" ]] && second_try "$name" "$out" "$bytes" "$desired"
        rm -f "$out"
    done
    rm -f "$work/stored.mkv"
done
# Each line of --ffmpeg's passes as a user's shell runs it, then the file against the size that
# the same options without --ffmpeg aim at.
folder="$work/it's a clip"
mkdir -p "$folder"
for run in "${passes[@]}"; do
    IFS='|' read -r clip figures encoder <<<"$run"
    read -r minutes rate fps name <<<"$clip"
    read -r -a figures <<<"$figures"
    read -r -a encoder <<<"$encoder"
    seconds=$(awk -v m="$minutes" 'BEGIN {print m * 60}')
    label="passes: $minutes min, ${figures[*]} ${encoder[*]}"
    source="$folder/source ${rate//\//_} $minutes.mkv" out="$folder/$name"
    if [[ ! -s $source ]] && ! "${ff[@]}" -f lavfi -i "testsrc2=s=480x270:r=$rate:d=$seconds,noise=alls=20:allf=t+u" \
        -f lavfi -i "anoisesrc=d=$seconds:c=pink:r=48000:a=0.2" -f lavfi -i "anoisesrc=d=$seconds:c=brown:r=48000:a=0.2" \
        -map 0:v -map 1:a -map 2:a -c:v ffv1 -c:a pcm_s16le -ac 2 "$source"; then
        fail "$label" "ffmpeg could not make the source"
        continue
    fi
    options=(video --length "$minutes" --fps "$fps" "${figures[@]}")
    if ! recipe=$("$program" "${options[@]}" "${encoder[@]}" --ffmpeg "$source" "$out") ||
        ! aimed=$("$program" "${options[@]}" --bps --json | sed -n -E 's/.*"aimed_size_mb":([0-9.e+-]+).*/\1/p'); then
        fail "$label" "tessaly-bitrate-calc gave no passes"
        continue
    fi
    if ! (cd "$work" && while IFS= read -r line; do
        nice -n 5 sh -c "$line" </dev/null 2>passes.log || exit 1
    done <<<"$recipe") || [[ ! -s $out ]]; then
        fail "$label" "the passes did not run: $(tail -n 3 "$work/passes.log")"
        continue
    fi
    bytes=$(stat -c %s "$out")
    verdict=$(awk -v b="$bytes" -v a="$aimed" -v lo="$low" -v hi="$high" 'BEGIN {
        d = a * 1048576; p = 100 * (b - d) / d; printf "%+.3f %% of %.0f %s", p, d, (p >= lo && p <= hi) ? "ok" : "FAIL" }')
    echo "$label: file $bytes bytes, $verdict"
    if [[ $verdict == *ok ]]; then passed=$((passed + 1)); else failed=$((failed + 1)); fi
    rm -f "$out" "$out".passlog*
done
echo "$passed passed, $failed failed"
((failed == 0))
