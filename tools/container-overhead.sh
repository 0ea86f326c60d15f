#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Tessaly developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Measures how many bytes AVI, Matroska and MP4 files written by ffmpeg hold beyond their
# streams' own payload, and fits overhead = bytes a file + bytes a packet x packets by least
# squares: the figures of core/container.cpp's table.
#   tools/container-overhead.sh [WORKDIR] > measured.csv
#   python3 tools/container-overhead-fit.py measured.csv
# CLIPS and AUDIOS, when set, replace the clips and audio below (";" between entries), for
# measuring files held out of the fit.
# Clips come from ffmpeg's own generators (testsrc2 with noise, anoisesrc); the video is
# encoded by libx264 two-pass at preset veryfast, the audio once per codec, and each pair is
# muxed into the three containers with -c copy. The video's second pass is written once into
# each container, and the audio is added to that file: copied from Matroska, whose time stamps
# are whole milliseconds, H.264 gets an empty frame after every frame in AVI, and MP4 then
# stores a duration for every frame at 29.97 and 23.976 frames a second; an encode straight
# into either never has those bytes. Prints one CSV line a file. SOURCE=matroska encodes the
# audio from PCM stored in Matroska instead, whose time stamps in whole milliseconds make the
# audio frames' durations alternate: what tools/mp4-timing.sh measures, and what MP4's table
# leaves room for (these files are the worst case, not for the fit). TRACKS, when set, muxes
# files with several audio tracks instead of one, each set the names of AUDIOS joined by "+"
# (";" between sets: TRACKS="mp3+ac3;aac+aac"); their codec, bit rate and packet columns then
# hold every track's, joined by "+" too. Those files check the table, they are not fitted.
set -euo pipefail
work=${1:-$(mktemp -d)}
mkdir -p "$work"
cd "$work"
ff=(nice -n 5 ffmpeg -nostdin -hide_banner -loglevel error -y)

# fps seconds size kbit/s: frame rates and lengths chosen to vary the share of video and
# audio packets.
clips=(
    "25 30 320x180 400k"
    "25 90 320x180 400k"
    "30000/1001 60 320x180 500k"
    "24000/1001 120 320x180 300k"
    "50 40 480x270 900k"
)
# codec:bitrate:name
audios=("libmp3lame:128000:mp3" "libmp3lame:192000:mp3" "aac:128000:aac" "ac3:192000:ac3")
[[ -z ${CLIPS:-} ]] || IFS=';' read -r -a clips <<<"$CLIPS"
[[ -z ${AUDIOS:-} ]] || IFS=';' read -r -a audios <<<"$AUDIOS"
tracks=()
[[ -z ${TRACKS:-} ]] || IFS=';' read -r -a tracks <<<"$TRACKS"

# packets payload: the number of packets and the sum of their sizes in stream $2 of file $1.
packets() {
    ffprobe -v error -select_streams "$2" -show_entries packet=size -of csv=p=0 "$1" |
        awk '{n++; s+=$1} END {printf "%d %d", n, s}'
}

joined() {
    local IFS=+
    echo "$*"
}
# index_of NAME: the first entry of AUDIOS of that name, or an index as it is.
index_of() {
    local i
    for ((i = 0; i < ${#audios[@]}; i++)); do
        [[ ${audios[i]##*:} != "$1" ]] || { echo "$i"; return; }
    done
    echo "$1"
}

echo "container,fps,codec,audio_bit_s,seconds,video_packets,audio_packets,file_bytes,payload_bytes,overhead_bytes"
for clip in "${clips[@]}"; do
    read -r fps seconds size rate <<<"$clip"
    video="v_${fps/\//_}_$seconds"
    if [[ ! -s $video.mp4 ]]; then
        src="testsrc2=s=$size:r=$fps:d=$seconds,noise=alls=20:allf=t+u"
        x264=(-f lavfi -i "$src" -c:v libx264 -preset veryfast -b:v "$rate" -passlogfile "$work/pass")
        "${ff[@]}" "${x264[@]}" -pass 1 -f null -
        for container in avi mkv mp4; do
            "${ff[@]}" "${x264[@]}" -pass 2 "$video.$container"
        done
    fi
    for container in avi mkv mp4; do  # the video alone: one stream fewer
        read -r vn vs <<<"$(packets "$video.$container" v:0)"
        bytes=$(stat -c %s "$video.$container")
        echo "$container,$fps,none,0,$seconds,$vn,0,$bytes,$vs,$((bytes - vs))"
    done
    sounds=()
    for audio in "${audios[@]}"; do
        IFS=: read -r encoder bit_s name <<<"$audio"
        noise="anoisesrc=d=$seconds:c=pink:r=48000:a=0.2"
        if [[ ${SOURCE:-} == matroska ]]; then
            pcm="pcm_$seconds.mkv"
            [[ -s $pcm ]] || "${ff[@]}" -f lavfi -i "$noise" -ac 2 -c:a pcm_s16le "$pcm"
            sound="m_${name}_${bit_s}_$seconds.mp4"
            [[ -s $sound ]] || "${ff[@]}" -i "$pcm" -c:a "$encoder" -b:a "$bit_s" "$sound"
        else
            sound="a_${name}_${bit_s}_$seconds.mp4"  # whole samples: exact frame times
            [[ -s $sound ]] || "${ff[@]}" -f lavfi -i "$noise" -ac 2 -c:a "$encoder" -b:a "$bit_s" "$sound"
        fi
        sounds+=("$sound")
    done
    # Each set as the indices of its tracks in AUDIOS; one track each without TRACKS.
    sets=()
    for ((i = 0; i < ${#audios[@]}; i++)); do sets+=("$i"); done
    ((${#tracks[@]} == 0)) || sets=("${tracks[@]}")
    for set in "${sets[@]}"; do
        IFS=+ read -r -a names <<<"$set"
        inputs=() maps=() rates=() codecs=()
        for ((k = 0; k < ${#names[@]}; k++)); do
            i=$(index_of "${names[k]}")
            IFS=: read -r _ bit_s name <<<"${audios[i]}"
            inputs+=(-i "${sounds[i]}") maps+=(-map "$((k + 1)):a") rates+=("$bit_s") codecs+=("$name")
        done
        for container in avi mkv mp4; do
            out="f.$container"
            "${ff[@]}" -i "$video.$container" "${inputs[@]}" -map 0:v "${maps[@]}" -c copy "$out"
            read -r vn vs <<<"$(packets "$out" v:0)"
            counts=() payload=$vs
            for ((k = 0; k < ${#names[@]}; k++)); do
                read -r an as <<<"$(packets "$out" "a:$k")"
                counts+=("$an") payload=$((payload + as))
            done
            bytes=$(stat -c %s "$out")
            echo "$container,$fps,$(joined "${codecs[@]}"),$(joined "${rates[@]}"),$seconds,$vn,$(joined "${counts[@]}"),$bytes,$payload,$((bytes - payload))"
        done
    done
done
