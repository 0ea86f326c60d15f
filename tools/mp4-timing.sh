#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Tessaly developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Measures what MP4's timing tables take when the audio's frames do not all last the same, and
# where the command's answer lands for it: each clip is generated once straight from ffmpeg's
# generators and once stored in Matroska with PCM audio (as DVD rips often are: its time
# stamps are whole milliseconds), and both are encoded into MP4 as tests/encoder/fits_test.sh
# encodes, libx264 two-pass at preset veryfast at the command's answer, audio at the rate.
# Prints one CSV line a track of every file, with tools/mp4-boxes.py's figures.
#   tools/mp4-timing.sh PROGRAM [WORKDIR] > timing.csv
# CLIPS and AUDIOS, when set, replace the clips and audio below (";" between entries).
set -euo pipefail
program=$1
work=${2:-$(mktemp -d)}
mkdir -p "$work"
boxes=$(cd "$(dirname "$0")" && pwd)/mp4-boxes.py
cd "$work"
ff=(nice -n 10 ffmpeg -nostdin -hide_banner -loglevel error -y)

# fps as ffmpeg takes it and as the command takes it, seconds, MB
clips=(
    "25 25 30 2"
    "30000/1001 29.97 30 3"
    "24000/1001 23.976 30 3"
    "50 50 30 4"
    "60000/1001 59.94 30 4"
    "24 24 30 3"
)
# encoder:bit/s:name
audios=("libmp3lame:128000:mp3" "aac:128000:aac" "ac3:192000:ac3")
[[ -z ${CLIPS:-} ]] || IFS=';' read -r -a clips <<<"$CLIPS"
[[ -z ${AUDIOS:-} ]] || IFS=';' read -r -a audios <<<"$AUDIOS"

echo "source,fps,codec,audio_bit_s,seconds,mb,video_bit_s,landing_percent,track,samples,stts_entries,stts_bytes,ctts_entries,ctts_bytes,stsc_entries,stsc_bytes,stsz_bytes,chunk_offset_bytes,file_bytes,payload_bytes"
for clip in "${clips[@]}"; do
    read -r rate fps seconds mb <<<"$clip"
    minutes=$(awk -v s="$seconds" 'BEGIN {printf "%.6g", s / 60}')
    gen_video="testsrc2=s=480x270:r=$rate:d=$seconds,noise=alls=20:allf=t+u"
    gen_audio="anoisesrc=d=$seconds:c=pink:r=48000:a=0.2"
    stored="src_${fps}_$seconds.mkv"
    [[ -s $stored ]] || "${ff[@]}" -f lavfi -i "$gen_video" -f lavfi -i "$gen_audio" -c:v ffv1 -c:a pcm_s16le -ac 2 \
        "$stored"
    first=$("$program" video --length "$minutes" --audio 128000 --size "$mb" --container mkv --fps "$fps" --bps --value)
    for source in generated matroska; do
        # Each source has its own first pass: from Matroska, ffmpeg may take the frame rate
        # from the time stamps (19001/317 for 59.94), and libx264 wants the same in both passes.
        if [[ $source == generated ]]; then
            video=(-f lavfi -i "$gen_video") inputs=(-f lavfi -i "$gen_video" -f lavfi -i "$gen_audio" -map 0:v -map 1:a)
        else
            video=(-i "$stored") inputs=(-i "$stored" -map 0:v -map 0:a)
        fi
        x264=(-c:v libx264 -preset veryfast -passlogfile "$work/x264")
        "${ff[@]}" "${video[@]}" "${x264[@]}" -b:v "$first" -pass 1 -an -f null -
        for audio in "${audios[@]}"; do
            IFS=: read -r encoder bit_s codec <<<"$audio"
            bit_v=$("$program" video --length "$minutes" --audio "$bit_s" --size "$mb" --container mp4 --fps "$fps" \
                --audio-codec "$codec" --bps --value)
            out="$source.mp4"
            "${ff[@]}" "${inputs[@]}" "${x264[@]}" -b:v "$bit_v" -pass 2 -c:a "$encoder" -b:a "$bit_s" -ac 2 "$out"
            landing=$(awk -v b="$(stat -c %s "$out")" -v d="$((mb * 1048576))" 'BEGIN {printf "%+.3f", 100 * (b - d) / d}')
            python3 "$boxes" "$out" --csv "$source,$fps,$codec,$bit_s,$seconds,$mb,$bit_v,$landing"
        done
    done
done
