#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Tessaly developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds static libavformat, libavcodec and libavutil for 64-bit Windows from Debian 12's
# ffmpeg source, once per machine, into $TESSALY_FFMPEG_WINDOWS (default
# ~/.cache/tessaly/ffmpeg-mingw-5.1), with their pkg-config files in lib/pkgconfig. The source
# comes from the machine's own Debian archives (debian-source.sh), as for the static Qt. Only
# what reading a film needs is built: the demuxers of the containers films and their streams
# come in, the parsers and the few decoders that find their frame rates and durations, and the
# file protocol. An interrupted build carries on where it stopped when run again.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

FFMPEG_SERIES=5.1
prefix=${TESSALY_FFMPEG_WINDOWS:-${XDG_CACHE_HOME:-$HOME/.cache}/tessaly/ffmpeg-mingw-$FFMPEG_SERIES}
work=$prefix-work
jobs=${TESSALY_JOBS:-$(nproc)}

# Containers: AVI (DV in AVI too), Matroska and WebM, MP4 and QuickTime, MPEG program streams
# (VOB, .mpg), transport streams (.ts, .m2ts), ASF (WMV), Flash video, Ogg, RealMedia, DV; the
# audio files and the elementary streams that encoders and disc demuxers write.
demuxers=(
    avi matroska mov mpegps mpegts asf flv ogg rm dv
    mp3 aac ac3 eac3 dts dtshd truehd mlp flac wav w64 aiff wv
    h264 hevc mpegvideo m4v vc1 ivf
)
# The parsers of every codec those containers carry whose packets libavformat splits or joins,
# or whose frame rate, sample rate or frame duration only the stream itself tells: with the same
# parsers as Debian's own libavformat, the packets counted are the same as on Linux.
parsers=(
    h264 hevc mpeg4video mpegvideo h263 vc1 vp3 vp8 vp9 av1 mjpeg rv30 rv40
    mpegaudio aac aac_latm ac3 dca mlp flac opus vorbis cook sipr dvaudio
    dvdsub dvbsub dvd_nav
)
# The decoders avformat_find_stream_info needs for what the parsers do not tell: H.264's picture
# size in transport and elementary streams and the decoding delay that its timestamps are worked
# from, HEVC's size in transport streams, AAC's sample rate and channels outside MP4 and
# Matroska, MPEG audio's frame size (without it every film with MP3 or MP2 audio is read up to
# the probing limit), DVD LPCM's sample rate, DTS's bit rate, DV's and Sorenson Spark's picture
# size. With them every stream reads as with Debian's own libavformat.
decoders=(h264 hevc aac aac_latm mp1 mp2 mp3 pcm_dvd dca dvvideo flv)
join() { local IFS=,; echo "$*"; }

# No external library but zlib, which Matroska's compressed tracks (mkvmerge's default for some
# subtitle types) and QuickTime's compressed movie headers need; Windows' own threads, so that
# libavformat's one-time initialisations are safe from any thread; no assembly, so no nasm: the
# parsers' speed does not matter beside the disc's. Nothing is detected from the machine, so the
# build is the same everywhere.
options=(
    --target-os=mingw32 --arch=x86_64 --enable-cross-compile
    --cross-prefix=x86_64-w64-mingw32- --cc=x86_64-w64-mingw32-gcc-posix
    --enable-static --disable-shared --disable-debug --disable-x86asm
    --disable-autodetect --enable-w32threads --enable-zlib
    --disable-programs --disable-doc --disable-network
    --disable-avdevice --disable-avfilter --disable-swscale --disable-swresample --disable-postproc
    --disable-everything --enable-protocol=file
    --enable-demuxer="$(join "${demuxers[@]}")" --enable-parser="$(join "${parsers[@]}")"
    --enable-decoder="$(join "${decoders[@]}")"
)
# Debian's security updates of ffmpeg 5.1 change the source's version: a new one the machine's
# apt offers is built anew, as the demuxers read files that come from anywhere.
debian_version=$(apt-cache policy ffmpeg | sed -n 's/^ *Candidate: //p')
key="${options[*]} (Debian ffmpeg ${debian_version:-unknown})"

fetch_source() {
    rm -rf "$work"
    "$here/debian-source.sh" ffmpeg "$work"
}

configure_ffmpeg() {
    local src
    src=$(find "$work" -maxdepth 1 -type d -name "ffmpeg-$FFMPEG_SERIES*" | head -n 1)
    [[ -d $src ]] || { echo "ffmpeg source did not unpack" >&2; exit 1; }
    mkdir -p "$work/build"
    (cd "$work/build" && "$src/configure" --prefix="$prefix" "${options[@]}")
}

# An FFmpeg built with other options, or from an older source, is built again.
if [[ -f $prefix/.complete && $(<"$prefix/.complete") == "$key" ]]; then
    echo "Static FFmpeg for Windows: $prefix"
    exit 0
fi
if [[ -f $prefix/.complete ]]; then
    rm -rf "$prefix"
fi
started=$SECONDS
if [[ ! -f $work/build/ffbuild/config.mak || $(cat "$work/options" 2>/dev/null) != "$key" ]]; then
    fetch_source
    configure_ffmpeg
    echo "$key" >"$work/options"
fi
make -C "$work/build" -j"$jobs"
# The libraries, their headers and pkg-config files; not the API examples `install` adds.
make -C "$work/build" install-libs install-headers
echo "$key" >"$prefix/.complete"
rm -rf "$work"
took=$((SECONDS - started))
echo "Static FFmpeg for Windows: $prefix (built in $((took / 60)) min $((took % 60)) s)"
