// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Films for the commands: reading one with the film reader, what was read in words and in
// JSON, and --length-of, which gives a command that takes --length the length of a film.
#pragma once

#include <chrono>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command.h"
#include "media/film.h"

namespace tessaly::cli {

// What a read may take: a film's header, and a count of every packet of an encoded file.
inline constexpr std::chrono::seconds kHeaderLimit{5};
inline constexpr std::chrono::minutes kCountLimit{10};

// The film in `paths` (one file, or the parts of one title); one that cannot be read is a
// ValueError that names the file: "film.mkv: the file is empty". Where the reader is a module
// (Debian's shared libavformat), it is loaded on the first read.
media::Film ReadFilmOf(std::span<const std::string> paths, bool countPayload);

// How the length was found, in words and as JSON names it:
//   StreamDuration -> "from the film's stored duration", "stored_duration"
//   Timestamps -> "from the packets' timestamps", "timestamps"
//   BitRate -> "estimated from the file's size and bit rate", "bit_rate"
std::string_view LengthWords(media::LengthSource source);
std::string_view LengthKey(media::LengthSource source);

// The files read, as given: "film.mkv", "VTS_01_1.VOB, VTS_01_2.VOB".
std::string FilesText(const media::Film& film);

// A number for words: rounded to `places` decimals, as NumberToText writes it:
//   (5530.5 / 60, 4) -> "92.175", (30000.0 / 1001, 3) -> "29.97"
std::string Rounded(double x, int places);

// A stream in words, and its payload where it was counted:
//   "video, h264, 640x360, 25 frames a second", "audio, mp3, 48000 Hz, 2 channels, 128000 bit/s",
//   "audio, ac3, 48000 Hz, 6 channels, 448000 bit/s: 2688000 bytes in 1875 packets"
std::string StreamWords(const media::Stream& stream);
// Every stream as a JSON list of objects with the keys kind, codec, width, height,
// frame_rate, sample_rate, channels and bit_rate (null where the file states none), and,
// where it was counted, payload_bytes and packets.
std::string StreamsJson(std::span<const media::Stream> streams);

// The advisory lines a film calls for: a length only estimated, a frame rate that varies.
std::vector<std::string> FilmWarnings(const media::Film& film);

// The help of --length-of, for each command that takes --length.
inline constexpr HelpEntry kLengthOfEntry{
    "length-of", "FILE...",
    "the length of a video file, or of a title's parts read as one,\n"
    "instead of --length; with --container its frame rate is the --fps"};

// Runs a command with --length-of FILE... read as --length, and with --container the film's own
// frame rate as --fps unless --fps is given; the report then says where the length came from:
//   length: 92.175 min, from the film's stored duration (film.mkv)
// and --json has length_min, length_s, length_source and length_files, and film_fps where the
// frame rate was taken. Without --length-of the command runs as it is.
Report RunWithLengthOf(const Arguments& args, Report (*run)(const Arguments&));

template <Report (*Run)(const Arguments&)>
Report WithLengthOf(const Arguments& args) {
    return RunWithLengthOf(args, Run);
}

}  // namespace tessaly::cli
