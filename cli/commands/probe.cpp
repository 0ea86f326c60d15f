// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// tessaly-bitrate-calc probe: what a video or sound file holds, as the film reader reads it.
#include <string>
#include <vector>

#include "cli/films.h"
#include "cli/json.h"

namespace tessaly::cli {

namespace {

std::string_view TimingKey(media::FrameTiming timing) {
    switch (timing) {
    case media::FrameTiming::Constant:
        return "constant";
    case media::FrameTiming::Variable:
        return "variable";
    case media::FrameTiming::Unknown:
        break;
    }
    return "unknown";
}

std::string RateWords(const media::Film& film) {
    if (!film.frameRate || !film.frameTiming)
        return "none: no video";
    const std::string rate = Rounded(*film.frameRate, 3) + " frames a second";
    switch (*film.frameTiming) {
    case media::FrameTiming::Constant:
        return rate + ", constant";
    case media::FrameTiming::Variable:
        return rate + " on average; it varies";
    case media::FrameTiming::Unknown:
        break;
    }
    return rate + ", as the stream states it; its first frames do not vary";
}

Report Run(const Arguments& args) {
    if (args.positionals.empty())
        throw UsageError("missing FILE");
    const std::vector<std::string> paths(args.positionals.begin(), args.positionals.end());
    const media::Film film = ReadFilmOf(paths, false);

    const std::string timing = film.frameTiming ? JsonString(TimingKey(*film.frameTiming)) : "null";
    Report report;
    report.results = {
        {"files", FilesText(film), "", "files", std::nullopt, false, JsonStrings(film.parts)},
        {"length",
         Rounded(film.seconds, 3) + " s, " + Rounded(film.seconds / 60, 4) + " min, " +
             std::string(LengthWords(film.lengthSource)),
         "", "seconds", film.seconds},
        {"", "", "", "minutes", film.seconds / 60, true},
        {"", "", "", "length_source", std::nullopt, true, JsonString(LengthKey(film.lengthSource))},
        {"frame rate", RateWords(film), "", "frame_rate", film.frameRate},
        {"", "", "", "frame_timing", std::nullopt, true, timing},
        {"container", film.containerLongName + " [" + film.container + "]", "", "container", std::nullopt,
         false, JsonString(film.container)},
        {"", "", "", "container_name", std::nullopt, true, JsonString(film.containerLongName)},
        {"size", std::to_string(film.fileBytes), "bytes", "file_bytes", static_cast<double>(film.fileBytes)},
        {"", "", "", "streams", std::nullopt, true, StreamsJson(film.streams)},
    };
    for (std::size_t i = 0; i < film.streams.size(); ++i)
        report.results.push_back(
            {"", "stream " + std::to_string(i) + ": " + StreamWords(film.streams[i]), "", "", std::nullopt});
    report.warnings = FilmWarnings(film);
    return report;
}

constexpr HelpEntry kEntries[] = {
    {"", "FILE...",
     "a video or sound file, or the parts of one title in order\n(VTS_01_1.VOB VTS_01_2.VOB ...)"},
    {"json", "",
     "print one JSON object: files, seconds, minutes, length_source\n"
     "(stored_duration, timestamps or bit_rate), frame_rate, frame_timing\n"
     "(constant, variable or unknown; null without video), container,\n"
     "container_name, file_bytes, and streams, a list of objects with kind,\n"
     "codec, width, height, frame_rate, sample_rate, channels and bit_rate"},
};

const bool kRegistered = Register({
    5,
    "probe",
    "FILE... [--json]",
    "What a video or sound file holds: its length and how it was found, the frame rate and\n"
    "whether it varies, the container, the size in bytes and each stream. Several files are\n"
    "read end to end as one title, as a DVD splits one (MPEG program and transport streams).",
    "what a video or sound file holds",
    kEntries,
    false,
    Run,
});

}  // namespace

}  // namespace tessaly::cli
