// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The two ffmpeg passes that encode a film into a file of the answer's size: the video at the
// answer's rate with libx264 or libx265 in two-pass mode, each audio track with its codec's
// encoder and rate, the container named, and the paths quoted for the shell that runs them.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/container.h"

namespace tessaly::cli {

// The shell the passes are written for: POSIX sh, or Windows' cmd.exe.
enum class Shell { Posix, Cmd };

#ifdef _WIN32
inline constexpr Shell kShell = Shell::Cmd;
#else
inline constexpr Shell kShell = Shell::Posix;
#endif

enum class VideoEncoder { X264, X265 };

// "x264", "x265"; anything else gives none.
std::optional<VideoEncoder> VideoEncoderNamed(std::string_view name);

// The encoder the passes use unless told otherwise, for the help: "x264".
std::string DefaultEncoderText();

// The speed presets x264 and x265 share, fastest first: "ultrafast" ... "placebo".
std::span<const std::string_view> EncoderPresets();

struct RecipeTrack {
    double bits;  // a second
    AudioCodec codec;
};

struct Recipe {
    std::string_view input;
    std::string_view output;
    Container container = Container::Mkv;
    VideoEncoder encoder = VideoEncoder::X264;
    std::string_view preset;  // empty: the encoder's own default
    double videoBits = 0;
    std::vector<RecipeTrack> tracks;  // track N from the input's audio stream N
};

// `text` as one word for the shell: in single quotes for sh, a quote as '\'' ("it's" ->
// 'it'\''s'); in double quotes for cmd.exe, the backslashes before the closing quote doubled
// ("C:\films\" -> "C:\films\\"). None where cmd.exe cannot take the text as it is: a double
// quote (no Windows file name has one) or a per cent sign, which it expands even in quotes.
std::optional<std::string> ShellWord(std::string_view text, Shell shell);

// The two passes, one a line without a final newline, for `shell`: the first writes only the
// encoder's statistics, to OUTPUT.passlog (beside the output) and the platform's null device,
// the second the file. For x264 at 846873 bit/s, MP3 at 128000, in Matroska, for sh:
//   ffmpeg -nostdin -i 'film.vob' -map 0:v:0 -c:v libx264 -b:v 846873 -pass 1
//     -passlogfile 'film.mkv.passlog' -an -f null /dev/null
//   ffmpeg -nostdin -i 'film.vob' -map 0:v:0 -map 0:a:0 -c:v libx264 -b:v 846873 -pass 2
//     -passlogfile 'film.mkv.passlog' -c:a:0 libmp3lame -b:a:0 128000 -ar 48000 -f matroska 'film.mkv'
// x265 takes its pass as -x265-params 'pass=1:stats=film.mkv.passlog', the path escaped as
// ffmpeg's option lists need (a "\" before each of \ ' : = and blanks). A path that ffmpeg
// would read as an option or a protocol ("-a.mkv", "part:1.mkv") is written as file:PATH.
// None where the shell cannot take a path (ShellWord).
std::optional<std::string> FfmpegPasses(const Recipe& recipe, Shell shell);

}  // namespace tessaly::cli
