#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Tessaly developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs tessaly-bitrate-calc on worked rows and on every kind of failure and usage error, and
# checks standard output, standard error and the exit status of each. The numbers themselves
# are the core tests' business; these rows pin what the command adds: option forms, the three
# output forms, the messages and the statuses.
#   cli_test.sh PROGRAM, or cli_test.sh RUNNER PROGRAM for a build run through an emulator.
# A Windows console program ends its lines with CR LF; the CRs are dropped before comparing.
set -uf  # no globbing: the rows' words are split on blanks and nothing else
program=("$@")
failures=0
nl=$'\n'

# row STATUS "ARGUMENTS" "STDOUT" "STDERR": an expected stdout ending in " ..." is a prefix;
# with status 2 only the message is given, and the usage must follow it: the command's own
# one line where a command was named.
row() {
    local status=$1 args=$2 want_out=$3 want_err=$4 out err got
    out=$("${program[@]}" $args 2>/tmp/cli_test_err.$$)
    got=$?
    err=$(</tmp/cli_test_err.$$)
    out=${out//$'\r'/} err=${err//$'\r'/}
    [[ $want_err ]] && want_err="tessaly-bitrate-calc: $want_err"
    # A usage error after a command shows that command's usage alone.
    local command=${args%% *} usage="usage: tessaly-bitrate-calc"
    [[ " video hd-space audio convert probe check " == *" $command "* ]] && usage+=" $command [^${nl}]*$"
    if ((status == 2)) && [[ $err =~ ^"$want_err${nl}"$usage ]]; then err=$want_err; fi
    if [[ $want_out == *" ..." ]]; then out=${out:0:${#want_out}-4}; want_out=${want_out% ...}; fi
    if [[ $got != "$status" || $out != "$want_out" || $err != "$want_err" ]]; then
        printf 'FAIL: %s\n  status %s, want %s\n  stdout: %s\n  want:   %s\n  stderr: %s\n  want:   %s\n' \
            "$args" "$got" "$status" "$out" "$want_out" "$err" "$want_err"
        failures=$((failures + 1))
    fi
}

# Worked rows, one for each command and output form.
row 0 "video --length 100 --audio 128 --size 700" \
    "video bitrate: 827 kbit/s${nl}total audio data: 94 MB${nl}total video data: 606 MB" ""
row 0 "video --size=700 --audio=128 --length=120 --json" \
    '{"video_bitrate_kbit_s":669,"video_bitrate_bit_s":685056,"audio_data_mb":112,"video_data_mb":588}' ""
row 0 "hd-space --length 119 --video 1500 --wav 44.1" "space required on hard drive: 2509 MB" ""
row 0 "hd-space --audio 128 --length 100 --video 827 --value" "700" ""
row 0 "audio --length 100 --avi-size 600 --size 700 --no-wav" \
    "calculated audio bitrate: 137 kbit/s${nl}suggested bitrate: 128 kbit/s" ""
row 0 "audio --length 100 --avi-size 1700 --size 700 --wav 44.1 --json" \
    '{"audio_bitrate_kbit_s":13,"audio_bitrate_bit_s":13312,"suggested_bitrate_kbit_s":null}' ""
row 1 "audio --length 100 --avi-size 700.1 --size 700 --no-wav --json" \
    '{"audio_bitrate_kbit_s":0,"audio_bitrate_bit_s":0,"suggested_bitrate_kbit_s":null,"verdict":"the video in the AVI alone needs more than the desired size, so no audio fits"}' \
    "warning: the video in the AVI alone needs more than the desired size, so no audio fits"
row 0 "convert 4.7 GB" "40372692582.4 bits${nl}5046586572.8 bytes${nl}39426457.6 kilobits${nl}4928307.2 kilobytes${nl}38502.4 megabits${nl}4812.8 megabytes${nl}37.6 gigabits${nl}4.7 gigabytes" ""
row 0 "convert 1 bits --json" '{"bits":1,"bytes":0.125,"kilobits":0.0009765625,"kilobytes":0.0001220703125,"megabits":9.5367431640625e-07,"megabytes":1.1920928955078125e-07,"gigabits":9.313225746154785e-10,"gigabytes":1.1641532182693481e-10}' ""
row 0 "convert 1,024 kilobits --to kb" "1024" ""
row 0 "convert --to bytes -5 kB" "-5120" ""
# Room for the container's own bytes, and rates in bits a second: exact, rounded down.
row 0 "video --length 100 --audio 128000 --size 700 --container mkv --bps --value" "846873" ""
row 0 "video --length 100 --audio 125 --size 700 --container avi" \
    "video bitrate: 818 kbit/s${nl}total audio data: 91.55… MB${nl}container data: 9.28… MB${nl}total video data: 599.16… MB" ""
row 0 "video --length 100 --audio 128000 --size 700 --bps --json" \
    '{"video_bitrate_bit_s":850670,"video_bitrate_kbit_s":830,"audio_data_mb":91.552734375,"video_data_mb":608.447265625}' ""
row 0 "video --length 2 --audio 128000 --size 25 --container mp4 --fps 29.97 --audio-codec aac --bps --value" "1607731" ""
row 0 "audio --length 100 --avi-size 600 --size 700 --no-wav --container mkv --bps --json" \
    '{"audio_bitrate_bit_s":140867,"audio_bitrate_kbit_s":137,"suggested_bitrate_bit_s":128000}' ""
row 0 "hd-space --length 100 --video 827 --container avi --value" "1712" ""
row 0 "video --help" "usage: tessaly-bitrate-calc video ..." ""
row 0 "--version" "tessaly-bitrate-calc ..." ""
row 0 "-h" "usage: tessaly-bitrate-calc video ..." ""

# Lengths, sizes, discs, tracks, extras and margins as people write them. Each row gives the
# same film twice, as written and in minutes and MB (a disc as its MB, an extra in MB, a margin
# as the size it aims at), and both must print the row's video bitrate.
#   same "AS WRITTEN" "IN MINUTES AND MB" ANSWER, each run as video ... --value
same() {
    local form out
    for form in "$1" "$2"; do
        out=$("${program[@]}" video $form --value 2>/dev/null)
        out=${out//$'\r'/}
        if [[ $out != "$3" ]]; then
            printf 'FAIL: video %s --value\n  printed: %s\n  want:    %s\n' "$form" "$out" "$3"
            failures=$((failures + 1))
        fi
    done
}
mkv="--container mkv --bps" mp4="--container mp4 --bps"
same "--length 1:40:00 --audio 128000 --size cd $mkv" "--length 100 --audio 128000 --size 701.76171875 $mkv" 849337
same "--length 5530s --audio 192:ac3 --size dvd --container mp4 --fps 30000/1001" \
    "--length 92.16666666666667 --audio 192 --audio-codec ac3 --size 4481.326171875 --container mp4 --fps 29.97002997002997" 6439
same "--length 92:10 --audio 128000 --audio 192000:ac3 --size bd $mkv" \
    "--length 92.16666666666667 --audio 128000 --audio 192000:ac3 --size 23863.51953125 $mkv" 35873672
same "--length 100min --audio 128000:aac --audio 128000:aac --audio 192000:ac3 --size dvd-dl $mp4" \
    "--length 100 --audio 128000:aac --audio 128000:aac --audio 192000:ac3 --size 8146.353515625 $mp4" 10923220
same "--length 0:45 --audio 96000:aac --size 10000000B --fps 24000/1001 $mp4" \
    "--length 0.75 --audio 96000:aac --size 9.5367431640625 --fps 23.976023976023978 $mp4" 1672998
same "--length 100 --audio 128000 --size 700MiB --extra 300KiB --extra 1000000B $mkv" \
    "--length 100 --audio 128000 --size 700 --extra 0.29296875 --extra 0.95367431640625 $mkv" 845131
same "--length 100 --audio 128000 --size 700 --margin 2% $mkv" "--length 100 --audio 128000 --size 686 $mkv" 827300
same "--length 1:40:00 --audio 128000 --size cd650 --margin 200KiB $mp4" \
    "--length 100 --audio 128000 --size 648.849609375 $mp4" 770885
same "--length 0.05h --audio 128000:aac --audio 96000:aac --size 10 --margin 1 $mp4" \
    "--length 3 --audio 128000:aac --audio 96000:aac --size 9.9 $mp4" 222089
same "--length 2:15:00 --audio 192000:ac3 --audio 128000 --size bd50 --extra 2MiB --margin 0.5% $mkv --fps 24000/1001" \
    "--length 135 --audio 192000:ac3 --audio 128000 --size 47489.4221875 --extra 2 $mkv --fps 23.976023976023978" 48853936

# Every share of a film of several tracks and extras, and the size a margin aims at.
row 0 "video --length 100 --audio 128000 --audio 192000:ac3 --size 700 --extra 1 --extra 300KiB --margin 2% $mkv" \
    "video bitrate: 631737 bit/s${nl}aimed size: 686 MB${nl}audio track 1 data: 91.55… MB${nl}audio track 2 data: 137.33… MB${nl}total audio data: 228.88… MB${nl}extra 1 data: 1 MB${nl}extra 2 data: 0.29… MB${nl}total extra data: 1.29… MB${nl}container data: 3.97… MB${nl}total video data: 451.85… MB" ""
row 1 "video --length 100 --audio 800 --audio 800 --size 700 --extra 10 --margin 5% --value" "" \
    "warning: the audio and the extras need more than the size aimed at, so the video's share is negative"
row 1 "video --length 100 --audio 128 --extra 1 --extra -3 --size 700 --value" "" \
    "warning: --extra is negative, so the results are not those of a real film"
row 1 "video --length 100 --audio 128 --audio x --size 700" "" '--audio: not a number: "x"'
row 1 "video --length 100 --audio 128 --size 700 --extra 1 --extra 5,5" "" '--extra: not a number: "5,5"'

# The two passes of ffmpeg, written for the platform's shell and null device.
passes="video --length 1 --audio 128000 --audio 192000:ac3 --size 10 --container mp4 --ffmpeg it's.vob -out.mp4"
if [[ ${program[-1]} == *.exe ]]; then
    row 0 "$passes" "ffmpeg -nostdin -i \"it's.vob\" -map 0:v:0 -c:v libx264 -b:v 1066990 -pass 1 -passlogfile \"-out.mp4.passlog\" -an -f null NUL${nl}ffmpeg -nostdin -i \"it's.vob\" -map 0:v:0 -map 0:a:0 -map 0:a:1 -c:v libx264 -b:v 1066990 -pass 2 -passlogfile \"-out.mp4.passlog\" -c:a:0 libmp3lame -b:a:0 128000 -c:a:1 ac3 -b:a:1 192000 -ar 48000 -f mp4 \"file:-out.mp4\"" ""
    row 2 "video --length 1 --audio 128000 --size 10 --container mkv --ffmpeg 100%.vob out.mkv" "" \
        '--ffmpeg: cmd.exe cannot take a path with " or % as it is; rename it'
else
    row 0 "$passes" "ffmpeg -nostdin -i 'it'\\''s.vob' -map 0:v:0 -c:v libx264 -b:v 1066990 -pass 1 -passlogfile '-out.mp4.passlog' -an -f null /dev/null${nl}ffmpeg -nostdin -i 'it'\\''s.vob' -map 0:v:0 -map 0:a:0 -map 0:a:1 -c:v libx264 -b:v 1066990 -pass 2 -passlogfile '-out.mp4.passlog' -c:a:0 libmp3lame -b:a:0 128000 -c:a:1 ac3 -b:a:1 192000 -ar 48000 -f mp4 'file:-out.mp4'" ""
    row 0 "video --length 1 --audio 96000:aac --size 10 --container mkv --ffmpeg in.mkv part:1.mkv --encoder x265 --preset veryfast" \
        "ffmpeg -nostdin -i 'in.mkv' -map 0:v:0 -c:v libx265 -preset veryfast -b:v 1297915 -x265-params 'pass=1:stats=part\\:1.mkv.passlog:info=0' -an -f null /dev/null${nl}ffmpeg -nostdin -i 'in.mkv' -map 0:v:0 -map 0:a:0 -c:v libx265 -preset veryfast -b:v 1297915 -x265-params 'pass=2:stats=part\\:1.mkv.passlog:info=0' -c:a:0 aac -b:a:0 96000 -ar 48000 -f matroska 'file:part:1.mkv'" ""
fi
row 1 "video --length 1 --audio 128000 --size 0.5 --container mkv --ffmpeg in.vob out.mkv" "" \
    "warning: the audio and the container's own bytes need more than the desired size, so the video's share is negative"

# Impossible answers, from a negative share or a value typed negative: never a rate for a
# script. --value prints nothing, the figures and --json carry the verdict, and the status is 1.
row 1 "video --length 100 --audio 128 --size 50 --value" "" \
    "warning: the audio alone needs more than the desired size, so the video's share is negative"
row 1 "video --length 100 --audio 128 --size 50" \
    "video bitrate: -60 kbit/s${nl}total audio data: 94 MB${nl}total video data: -44 MB" \
    "warning: the audio alone needs more than the desired size, so the video's share is negative"
row 1 "audio --length -100 --avi-size 1700 --size 2000 --no-wav --value" "" \
    "warning: --length is negative, so the results are not those of a real film"
# A negative share inside the calculation is explained even where the answer looks plausible.
row 1 "audio --length 100 --avi-size 100 --size 700 --value" "" \
    "warning: the AVI is smaller than the WAV audio it is said to hold, so its video share is negative and the audio bitrate too high"
row 1 "video --length 10 --audio 128000 --size 10 --container avi --bps --value" "" \
    "warning: the audio and the container's own bytes need more than the desired size, so the video's share is negative"
row 1 "hd-space --length 100 --video=-827 --json" '{"space_required_mb":493,"verdict":"--video is negative, so the results are not those of a real film"}' \
    "warning: --video is negative, so the results are not those of a real film"
row 1 "video --length 100 --audio 128 --size -50 --value" "" \
    "warning: --size is negative, so the results are not those of a real film"

# A rate that makes sense only in the other unit: the answer stands, with the likely meaning.
row 0 "video --length 100 --audio 128 --size 700 --bps --value" "978542" \
    "warning: --audio: 128: did you mean 128000? With --bps rates are in bits a second"
row 1 "video --length 100 --audio 128000 --size 700 --value" "" \
    "warning: --audio: 128000: did you mean 125? Without --bps rates are in kbit/s of 1024 bits; give --bps for bits a second${nl}tessaly-bitrate-calc: warning: the audio alone needs more than the desired size, so the video's share is negative"
row 0 "hd-space --length 100 --video 827000 --audio 128 --value" "605807" \
    "warning: --video: 827000: did you mean 807? Without --bps rates are in kbit/s of 1024 bits; give --bps for bits a second"

# Values without a result: one line naming the option, nothing on stdout, status 1.
row 1 "video --length 1O0 --audio 128 --size 700" "" '--length: not a number: "1O0"'
row 1 "video --length 100 --audio 128 --size 1e999" "" '--size: too large: "1e999"'
row 1 "video --length 0 --audio 128 --size 700" "" "--length: must not be zero"
row 1 "video --length 1e-310 --audio 128 --size 700" "" '--length: too small: "1e-310"'
row 1 "video --length 1e-400 --audio 128 --size 700" "" '--length: too small: "1e-400"'
row 1 "audio --length 100 --avi-size= --size 700" "" "--avi-size: empty"
row 1 "audio --length 0 --avi-size 700 --size 700 --no-wav" "" "--length: must not be zero"
row 1 "hd-space --length 1e307 --video 827" "" '--length: too large: "1e307"'
row 1 "hd-space --length 100 --video 827 --audio x" "" '--audio: not a number: "x"'
row 1 "convert 1E300 GB" "" 'value: too large: "1E300"'
row 1 "video --length 100 --audio 128000 --size 700 --container avi --fps 0" "" '--fps: not a positive number: "0"'
row 1 "video --length 100 --audio 128000 --size 700 --container avi --fps 1e400" "" '--fps: too large: "1e400"'
row 1 "video --length 100 --audio x --size 700 --container avi" "" '--audio: not a number: "x"'

# Usage errors: the message, then the usage, status 2.
row 2 "" "" "no command given"
row 2 "encode" "" 'unknown command "encode"'
row 2 "video --length 100 --audio 128 --size 700 --frob" "" "unknown option --frob"
row 2 "video --length 100 --audio 128" "" "missing option --size"
row 2 "video --length 1 --length 2 --audio 128 --size 700" "" "option --length given twice"
row 2 "video --audio 128 --size 700 --length" "" "--length needs a value"
row 2 "video --length --audio 128 --size 700" "" "--length needs a value"
row 2 "video --length 100 --audio 128 --size 700 --json=1" "" "option --json takes no value"
row 2 "video --length 100 --audio 128 --size 700 extra" "" 'unexpected argument "extra"'
row 2 "video --length 100 --audio 128 --size 700 --value --json" "" "--value and --json exclude each other"
row 2 "hd-space --length 100 --video 827 --wav 32" "" '--wav takes 48 or 44.1, not "32"'
row 2 "audio --length 100 --avi-size 1700 --size 700 --wav 48 --no-wav" "" "--wav and --no-wav exclude each other"
row 2 "video --length 100 --audio 128 --size 700 --container mov" "" '--container takes avi, mkv or mp4, not "mov"'
row 2 "video --length 100 --audio 128 --size 700 --container mkv --audio-codec opus" "" \
    '--audio-codec takes mp3, aac or ac3, not "opus"'
row 2 "video --length 100 --audio 128 --size 700 --fps 30" "" "--fps counts frames only with --container"
row 2 "hd-space --length 100 --video 827 --container mkv" "" '--container takes avi, not "mkv"'
row 2 "convert" "" "missing VALUE and UNIT"
row 2 "convert 4.7GB" "" 'missing UNIT: "4.7GB" is an amount and its unit in one word; give them apart: 4.7 GB'
row 2 "video --length 100 --audio 128 --size 700 -x" "" "unknown option -x"
row 2 "convert 1 mb" "" "unknown unit \"mb\" (see 'tessaly-bitrate-calc convert --help')"
row 2 "video --length 100 --audio 128 --size dvd9" "" \
    '--size: "dvd9": no disc of that name; the discs are cd650, cd700 or cd, dvd, dvd-dl, bd25 or bd, bd50'
row 2 "video --length 100 --audio 128 --size 700 --extra 5XB" "" \
    '--extra: "5XB": unknown unit; give MB (700), a number with a unit (10000000B, 700MiB, 4.7GiB) or a disc (cd, dvd, bd; see --help)'
row 2 "video --length 100 --audio 128 --audio 128:opus --size 700 --container mp4" "" \
    '--audio "128:opus": the codec after the rate is mp3, aac or ac3'
row 2 "video --length 100 --audio 128 --size 700 --margin 100%" "" '--margin "100%": 100 % or more leaves nothing to aim at'
row 2 "video --length 100 --audio 128 --size 700 --margin 700MB" "" \
    '--margin "700MB": as large as the desired size or larger, it leaves nothing to aim at'
row 2 "video --length 100 --audio 128 --size 700 --container mkv --ffmpeg in.vob" "" \
    "--ffmpeg takes two paths: INPUT, the film, and OUTPUT, the file to make"
row 2 "video --length 100 --audio 128 --size 10 --container mkv --ffmpeg in.vob out.mkv --encoder vp9" "" \
    '--encoder takes x264 or x265, not "vp9"'
row 0 "convert 1 megabyte --to kbit" "8192" ""

# Films: what needs no film made for it (tests/encoder/films_test.sh reads real ones).
row 1 "probe /nonexistent/film.mkv" "" "/nonexistent/film.mkv: no such file"
row 1 "hd-space --length-of /nonexistent.vob --video 827" "" "/nonexistent.vob: no such file"
row 1 "check /nonexistent.mkv --size 700" "" "/nonexistent.mkv: no such file"
row 1 "check film.mkv --size 0" "" '--size: must be above 0: "0"'
row 1 "check film.mkv --size 1O0" "" '--size: not a number: "1O0"'
row 2 "probe" "" "missing FILE"
row 2 "probe film.mkv --value" "" "unknown option --value"
row 2 "video --audio 128 --size 700" "" "missing option --length or --length-of"
row 2 "video --length 100 --length-of film.mkv --audio 128 --size 700" "" "--length and --length-of exclude each other"
row 2 "audio --length-of --avi-size 600 --size 700" "" "--length-of needs a value"
row 2 "check film.mkv" "" "missing option --size"
row 2 "check a.mkv b.mkv --size 700" "" 'unexpected argument "b.mkv": check takes one file'
row 2 "check film.mkv --size 700mb" "" \
    '--size: "700mb": unknown unit; give MB (700), a number with a unit (10000000B, 700MiB, 4.7GiB) or a disc (cd, dvd, bd; see --help)'

rm -f /tmp/cli_test_err.$$
((failures == 0)) || { echo "$failures rows failed"; exit 1; }
echo "all rows passed"
