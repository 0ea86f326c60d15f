// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/ffmpeg_recipe.h"

#include <array>
#include <cmath>

#include "core/numbers.h"

namespace tessaly::cli {

namespace {

constexpr std::array<std::string_view, 10> kPresets{"ultrafast", "superfast", "veryfast", "faster",
                                                    "fast",      "medium",    "slow",     "slower",
                                                    "veryslow",  "placebo"};

std::string_view EncoderOf(AudioCodec codec) {
    switch (codec) {
    case AudioCodec::Aac:
        return "aac";
    case AudioCodec::Ac3:
        return "ac3";
    case AudioCodec::Mp3:
        break;
    }
    return "libmp3lame";
}

std::string_view FormatOf(Container container) {
    switch (container) {
    case Container::Avi:
        return "avi";
    case Container::Mp4:
        return "mp4";
    case Container::Mkv:
        break;
    }
    return "matroska";
}

// A path ffmpeg opens as a URL: one that starts like an option, or whose first colon comes
// before any folder and is no Windows drive, would be an option or a protocol to it.
std::string Url(std::string_view path, Shell shell) {
    const std::size_t colon = path.find(':');
    const bool drive = shell == Shell::Cmd && colon == 1;
    const bool protocol =
        colon != std::string_view::npos && !drive && path.substr(0, colon).find_first_of("/\\") == path.npos;
    return (path.starts_with('-') || protocol ? "file:" : "") + std::string(path);
}

// A value in one of ffmpeg's key=value:key=value option lists.
std::string ListValue(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c == '\\' || c == '\'' || c == ':' || c == '=' || c == ' ' || c == '\t')
            out += '\\';
        out += c;
    }
    return out;
}

std::string Whole(double x) { return NumberToText(std::floor(x)); }

}  // namespace

std::optional<VideoEncoder> VideoEncoderNamed(std::string_view name) {
    if (name == "x264")
        return VideoEncoder::X264;
    if (name == "x265")
        return VideoEncoder::X265;
    return std::nullopt;
}

std::string DefaultEncoderText() { return "x264"; }

std::span<const std::string_view> EncoderPresets() { return kPresets; }

std::optional<std::string> ShellWord(std::string_view text, Shell shell) {
    if (shell == Shell::Posix) {
        std::string out = "'";
        for (const char c : text)
            out += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return out + "'";
    }
    if (text.find_first_of("\"%") != std::string_view::npos)
        return std::nullopt;
    const std::size_t kept = text.find_last_not_of('\\');
    const std::size_t trailing = kept == std::string_view::npos ? text.size() : text.size() - kept - 1;
    std::string quoted;  // appended: GCC 12 at -O3 takes "\"" + std::string(...) for an overlapping copy
    quoted.append(1, '"').append(text).append(trailing, '\\').append(1, '"');
    return quoted;
}

std::optional<std::string> FfmpegPasses(const Recipe& recipe, Shell shell) {
    const std::string log = std::string(recipe.output) + ".passlog";
    const auto input = ShellWord(Url(recipe.input, shell), shell);
    const auto output = ShellWord(Url(recipe.output, shell), shell);
    const auto logWord = ShellWord(log, shell);
    const auto params = [&](int pass) {
        return ShellWord("pass=" + std::to_string(pass) + ":stats=" + ListValue(log) + ":info=0", shell);
    };
    if (!input || !output || !logWord || !params(1))
        return std::nullopt;

    const bool x264 = recipe.encoder == VideoEncoder::X264;
    const auto video = [&](int pass) {
        std::string words = std::string(" -c:v ") + (x264 ? "libx264" : "libx265");
        if (!recipe.preset.empty())
            words += " -preset " + std::string(recipe.preset);
        words += " -b:v " + Whole(recipe.videoBits);
        if (x264)
            return words + " -pass " + std::to_string(pass) + " -passlogfile " + *logWord;
        return words + " -x265-params " + *params(pass);
    };
    const std::string start = "ffmpeg -nostdin -i " + *input + " -map 0:v:0";

    std::string first = start + video(1) + " -an -f null " + (shell == Shell::Cmd ? "NUL" : "/dev/null");
    std::string second = start;
    for (std::size_t k = 0; k < recipe.tracks.size(); ++k)
        second += " -map 0:a:" + std::to_string(k);
    second += video(2);
    for (std::size_t k = 0; k < recipe.tracks.size(); ++k) {
        const std::string n = std::to_string(k);
        second += " -c:a:" + n + " " + std::string(EncoderOf(recipe.tracks[k].codec)) + " -b:a:" + n + " " +
                  Whole(recipe.tracks[k].bits);
    }
    if (!recipe.tracks.empty())
        second += " -ar " + NumberToText(kAudioSampleRate);
    second += " -f " + std::string(FormatOf(recipe.container)) + " " + *output;
    return first + "\n" + second;
}

}  // namespace tessaly::cli
