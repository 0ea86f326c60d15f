#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Tessaly developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Completes command lines with tessaly-bitrate-calc's bash completion, loaded the way
# bash-completion loads it, and compares the offered words with each row's.
# The completion asks the program itself for its commands and options, so the one built here
# comes first on the PATH.
#   completion_test.sh COMPLETION_SCRIPT PROGRAM
PATH=$(dirname "$2"):$PATH
source /usr/share/bash-completion/bash_completion || exit 1
source "$1" || exit 1
failures=0

# row "COMMAND LINE, the cursor at its end" "OFFERED WORDS"
row() {
    local line=$1 want=$2
    COMP_LINE=$line COMP_POINT=${#line}
    read -r -a COMP_WORDS <<<"$line"
    [[ $line == *" " ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _tessaly_bitrate_calc tessaly-bitrate-calc "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    if [[ "${COMPREPLY[*]}" != "$want" ]]; then
        printf 'FAIL: [%s]\n  offered: %s\n  want:    %s\n' "$line" "${COMPREPLY[*]}" "$want"
        failures=$((failures + 1))
    fi
}

row "tessaly-bitrate-calc " "video hd-space audio convert probe check --help --version"
row "tessaly-bitrate-calc video --length 100 --" \
    "--length-of --audio --size --extra --margin --container --fps --audio-codec --bps --ffmpeg --encoder --preset --value --json --help"
row "tessaly-bitrate-calc video --size d" "dvd dvd-dl"
row "tessaly-bitrate-calc video --encoder " "x264 x265"
row "tessaly-bitrate-calc video --container " "avi mkv mp4"
row "tessaly-bitrate-calc hd-space --container " "avi"
row "tessaly-bitrate-calc audio --audio-codec a" "aac ac3"
row "tessaly-bitrate-calc audio --length=100 --no" "--no-wav"
row "tessaly-bitrate-calc hd-space --wav " "48 44.1"
row "tessaly-bitrate-calc video --size " "cd650 cd700 cd dvd dvd-dl bd25 bd bd50"
row "tessaly-bitrate-calc convert " ""
row "tessaly-bitrate-calc convert 700 M" "Mbit MB MiB"
row "tessaly-bitrate-calc convert --to kB 700 gi" "gigabits gigabit gigabytes gigabyte"
row "tessaly-bitrate-calc convert 700 MB --to k" "kbit kilobits kb kB kilobytes"
row "tessaly-bitrate-calc audio --length 100 --wav " "48 44.1"
row "tessaly-bitrate-calc convert 700 MB " ""

# Files where a command reads one, and after --length-of as many as it takes.
films=$(mktemp -d)
trap 'rm -rf "$films"' EXIT
touch "$films/title.VOB" "$films/cover.jpg"
row "tessaly-bitrate-calc probe $films/t" "$films/title.VOB"
row "tessaly-bitrate-calc video --length-of $films/title.VOB $films/c" "$films/cover.jpg"
row "tessaly-bitrate-calc check --size 700 $films/t" "$films/title.VOB"
row "tessaly-bitrate-calc hd-space --length-of $films/title.VOB --vi" "--video"

((failures == 0)) || { echo "$failures rows failed"; exit 1; }
echo "all rows passed"
