// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// tessaly-bitrate-calc check: an encoded file against the size it was made for, its container's
// own bytes against the container model's, and the video rate for a second try.
#include <string>
#include <vector>

#include "cli/encoding.h"
#include "cli/films.h"
#include "cli/inputs.h"
#include "cli/json.h"
#include "cli/wording.h"
#include "core/container.h"
#include "core/data_size.h"
#include "core/fit_check.h"

namespace tessaly::cli {

namespace {

// The container model's bytes for the file, or why it has none.
struct Modelled {
    std::optional<double> bytes;
    std::string words;  // "mkv, 25 frames a second, mp3", or why the model does not know the file
};

Modelled ModelOf(const media::Film& film) {
    static constexpr std::pair<std::string_view, Container> kContainers[] = {
        {"avi", Container::Avi},
        {"matroska,webm", Container::Mkv},
        {"mov,mp4,m4a,3gp,3g2,mj2", Container::Mp4}};
    std::optional<Container> container;
    for (const auto& [name, known] : kContainers)
        if (film.container == name)
            container = known;
    if (!container)
        return {std::nullopt, "the model knows AVI, Matroska and MP4, not " + film.containerLongName};
    std::vector<const media::Stream*> video, audio, other;
    for (const media::Stream& s : film.streams)
        (s.kind == media::StreamKind::Video   ? video
         : s.kind == media::StreamKind::Audio ? audio
                                              : other)
            .push_back(&s);
    if (video.size() != 1 || audio.size() > 1 || !other.empty() || !film.frameRate)
        return {std::nullopt, "the model knows one video stream with one audio stream or none, and no other"};
    Encoding encoding{container, *film.frameRate, kDefaultAudioCodec};
    AudioFrames frames = AudioFrames::None;
    std::string words =
        std::string(CostOf(*container).name) + ", " + Rounded(*film.frameRate, 3) + " frames a second, ";
    if (!audio.empty()) {
        const media::Stream& sound = *audio.front();
        const std::optional<AudioCodec> codec = AudioCodecNamed(sound.codec);
        if (*container == Container::Avi && sound.codec == "pcm_s16le")
            frames = AudioFrames::WavChunks;
        else if (codec && sound.sampleRate == kAudioSampleRate)
            frames = AudioFrames::Codec;
        else
            return {std::nullopt, "the model knows MP3, AAC and AC-3 audio at 48000 Hz (WAV in AVI), not " +
                                      sound.codec + " at " + std::to_string(sound.sampleRate.value_or(0)) +
                                      " Hz"};
        encoding.audioCodec = codec.value_or(kDefaultAudioCodec);
        words += frames == AudioFrames::WavChunks ? "WAV" : sound.codec;
    } else {
        words += "no audio";
    }
    Arithmetic s;
    return {ContainerBytes(s, encoding, film.seconds, frames), words};
}

Result Line(std::string text) { return {"", std::move(text), "", "", std::nullopt}; }

// A difference with its sign, "+134" or "-7622".
std::string Signed(double x, int places) {
    std::string text = Rounded(x, places);
    if (x > 0)
        text.insert(text.begin(), '+');
    return text;
}

double Mb(double bytes) { return bytes / 1048576; }

Report Run(const Arguments& args) {
    if (args.positionals.size() != 1)
        throw UsageError(args.positionals.empty()
                             ? "missing FILE"
                             : "unexpected argument \"" + std::string(args.positionals[1]) +
                                   "\": check takes one file");
    const std::string typed(args.require("size"));
    SizeText("--size", typed);  // an unknown unit is a usage error
    const DataSize size = ReadDataSize(typed, kSeparators);
    if (size.failure)
        throw ValueError(
            StopWords(size.failure == CalcFailure::Overflow ? StopReason::TooLarge : StopReason::NotANumber,
                      "--size", typed));
    if (!(size.bytes > 0))
        throw ValueError("--size: must be above 0: \"" + typed + "\"");
    const std::vector<std::string> paths{std::string(args.positionals.front())};
    const media::Film film = ReadFilmOf(paths, true);

    EncodedFile file{film.seconds, film.fileBytes, 0, 0};
    bool mainVideo = true;
    for (const media::Stream& s : film.streams) {
        const bool video = mainVideo && s.kind == media::StreamKind::Video;
        (video ? file.videoBytes : file.otherBytes) += s.payloadBytes.value_or(0);
        mainVideo = mainVideo && !video;
    }
    const FileFit fit = CheckFit(file, size.bytes);
    const Modelled model = ModelOf(film);
    const auto bytes = static_cast<double>(film.fileBytes);

    Report report;
    report.results = {
        {"file", paths.front(), "", "file", std::nullopt, false, JsonString(paths.front())},
        {"", "", "", "seconds", film.seconds, true},
        {"size", std::to_string(film.fileBytes) + " bytes, " + Rounded(Mb(bytes), 4), "MB", "file_bytes",
         bytes},
        {"", "", "", "file_mb", Mb(bytes), true},
        {"desired size", Rounded(size.bytes, 0) + " bytes, " + Rounded(Mb(size.bytes), 4), "MB",
         "desired_bytes", size.bytes},
        {"", "", "", "desired_mb", Mb(size.bytes), true},
        {"difference",
         Signed(fit.overBytes, 0) + " bytes, " + Signed(fit.overPercent, 3) +
             " %: " + (fit.fits ? "it fits" : "it is over"),
         "", "over_bytes", fit.overBytes},
        {"", "", "", "over_percent", fit.overPercent, true},
        {"", "", "", "fits", std::nullopt, true, fit.fits ? "true" : "false"},
        {"container's own bytes",
         Rounded(fit.containerBytes, 0) +
             (model.bytes ? "; the model's " + Rounded(*model.bytes, 0) + " (" + model.words + "), " +
                                Signed(fit.containerBytes - *model.bytes, 0) + " bytes"
                          : "; " + model.words),
         "", "container_bytes", fit.containerBytes},
        {"", "", "", "model_container_bytes", model.bytes, true},
        {"", "", "", "model", std::nullopt, true, JsonString(model.words)},
        {"", "", "", "streams", std::nullopt, true, StreamsJson(film.streams)},
    };
    for (std::size_t i = 0; i < film.streams.size(); ++i)
        report.results.push_back(Line("stream " + std::to_string(i) + ": " + StreamWords(film.streams[i])));
    report.results.push_back(
        {"video rate", Rounded(fit.videoBits, 0), "bit/s", "video_bit_s", fit.videoBits});
    report.results.push_back({"", "", "", "allowed_video_bytes", fit.allowedVideoBytes, true});
    report.results.push_back({"second try",
                              fit.secondTryBits ? Rounded(*fit.secondTryBits, 0) + " bit/s, for " +
                                                      Rounded(fit.allowedVideoBytes, 0) + " bytes of video"
                                                : "none: no video, or no room left for it",
                              "", "second_try_bit_s", fit.secondTryBits});
    if (!fit.fits)
        report.verdict =
            paths.front() + " is " + Rounded(fit.overBytes, 0) + " bytes (" + Rounded(fit.overPercent, 3) +
            " %) over the desired size" +
            (fit.secondTryBits ? "; encode the video again at " + Rounded(*fit.secondTryBits, 0) + " bit/s"
                               : "");
    report.warnings = FilmWarnings(film);
    return report;
}

constexpr HelpEntry kEntries[] = {
    {"", "FILE", "the encoded file; every packet is counted"},
    {"size", "SIZE", "the size it was made for (below)"},
    {"json", "",
     "print one JSON object: file, seconds, file_bytes, file_mb,\n"
     "desired_bytes, desired_mb, over_bytes (negative when under),\n"
     "over_percent, fits, container_bytes, model_container_bytes (null\n"
     "where the model does not know the file), model, streams (as probe's,\n"
     "with payload_bytes and packets), video_bit_s, allowed_video_bytes,\n"
     "second_try_bit_s, and verdict when it is over"},
};

const bool kRegistered = Register({
    6,
    "check",
    "FILE --size SIZE [--json]",
    "An encoded file against the size it was made for: its real size in bytes, MB and per cent\n"
    "of the desired one, its container's own bytes (the file less its packets) against the\n"
    "container model's, each stream's payload, and the video rate that makes a second encode\n"
    "land just under: the real rate scaled by what the video may take over what it took.\n"
    "The status is 0 when it fits and 1 when it is over.",
    "whether an encoded file fits the size it was made for",
    kEntries,
    false,
    Run,
});

}  // namespace

}  // namespace tessaly::cli
