// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/commands.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "core/audio_bitrate.h"
#include "core/data_units.h"
#include "core/hd_space.h"
#include "core/numbers.h"
#include "core/video_bitrate.h"

namespace tessaly::cli {

namespace {

// Scripts get the same answer in every locale.
const Separators kSeparators{".", ","};

// A numeric input as given, named the way its messages call it.
struct Input {
    std::string name;  // "--length", or "value" for the converter's amount
    std::string_view text;
};

Input Option(const Arguments& args, std::string_view name) {
    return {"--" + std::string(name), args.require(name)};
}

// Why a calculation ended without a result. The core only says which kind of failure ended
// it, so the inputs are read again, in the calculation's own order, to find the culprit:
// the first that is no number, then a zero divisor, then the input furthest from 1 in
// magnitude, which drove the arithmetic beyond the range of a double.
ValueError Diagnose(std::span<const Input> inputs, const Input* divisor) {
    const auto quoted = [](const Input& input) { return "\"" + std::string(input.text) + "\""; };
    for (const Input& input : inputs) {
        const NumberResult number = FieldToNumber(input.text, kSeparators);
        if (number.failure == CalcFailure::NotANumber)
            return {input.name + ": not a number: " + quoted(input)};
        if (number.failure)
            return {input.name + ": too large: " + quoted(input)};
    }
    if (divisor && FieldToNumber(divisor->text, kSeparators).value == 0)
        return {divisor->name + ": must not be zero"};

    const Input* extreme = nullptr;
    double furthest = -1;  // decimal orders of magnitude from 1
    double magnitude = 0;
    for (const Input& input : inputs) {
        const double m = std::fabs(FieldToNumber(input.text, kSeparators).value);
        if (m > 0 && std::fabs(std::log10(m)) > furthest) {
            furthest = std::fabs(std::log10(m));
            magnitude = m;
            extreme = &input;
        }
    }
    if (!extreme)
        return {"no result for these values"};
    return {extreme->name + (magnitude >= 1 ? ": too large: " : ": too small: ") + quoted(*extreme)};
}

// A negative result is shown, as the window shows it, with the reason on standard error.
std::string NegativeWarning(const std::vector<Result>& results, std::span<const Input> inputs,
                            std::string_view otherwise) {
    const bool negative = std::any_of(results.begin(), results.end(),
                                      [](const Result& r) { return r.value && *r.value < 0; });
    if (!negative)
        return {};
    for (const Input& input : inputs) {
        if (FieldToNumber(input.text, kSeparators).value < 0)
            return "warning: a result is negative because " + input.name + " is negative";
    }
    return "warning: " + std::string(otherwise);
}

std::optional<double> NumberOf(std::string_view text) {
    const NumberResult number = FieldToNumber(text, kSeparators);
    return number.ok() ? std::optional<double>(number.value) : std::nullopt;
}

// --wav 48 or --wav 44.1; 48 kHz when the option is absent.
bool Is44kHz(const Arguments& args) {
    if (!args.has("wav") || args.get("wav") == "48")
        return false;
    if (args.get("wav") == "44.1")
        return true;
    throw UsageError{"--wav takes 48 or 44.1, not \"" + std::string(args.get("wav")) + "\""};
}

constexpr OptionKind kVideoOptions[] = {
    {"length"}, {"audio"}, {"size"}, {"value", false}, {"json", false}};

Report RunVideo(const Arguments& args) {
    const std::array inputs{Option(args, "length"), Option(args, "audio"), Option(args, "size")};
    const VideoBitrateOutcome outcome =
        CalcVideoBitrate(inputs[0].text, inputs[1].text, inputs[2].text, kSeparators);
    if (!outcome.texts)
        throw Diagnose(inputs, &inputs[0]);

    Report report;
    report.results = {
        {"video bitrate", outcome.texts->videoBitrate, "kbit/s", "video_bitrate_kbit_s", outcome.videoBitrate},
        {"total audio data", outcome.texts->audioData, "MB", "audio_data_mb", outcome.steps.audioData},
        {"total video data", outcome.texts->videoData, "MB", "video_data_mb", outcome.steps.videoData},
    };
    report.warning = NegativeWarning(report.results, inputs,
                                     "the audio alone needs more than the desired size, "
                                     "so the video's share is negative");
    return report;
}

constexpr OptionKind kHdSpaceOptions[] = {
    {"length"}, {"video"}, {"wav"}, {"audio"}, {"value", false}, {"json", false}};

Report RunHdSpace(const Arguments& args) {
    args.exclusive("wav", "audio");
    HdAudio audio = Is44kHz(args) ? HdAudio::Wav44kHz : HdAudio::Wav48kHz;
    std::vector inputs{Option(args, "length")};
    if (args.has("audio")) {
        audio = HdAudio::OtherBitrate;
        inputs.push_back(Option(args, "audio"));  // read before the video bitrate, as the core does
    }
    inputs.push_back(Option(args, "video"));

    const HdSpaceOutcome outcome =
        CalcHDSpace(inputs.front().text, inputs.back().text, audio, args.get("audio"), kSeparators);
    if (!outcome.text)
        throw Diagnose(inputs, nullptr);

    Report report;
    report.results = {
        {"space required on hard drive", *outcome.text, "MB", "space_required_mb", outcome.spaceRequired}};
    report.warning = NegativeWarning(report.results, inputs, "the space required is negative");
    return report;
}

constexpr OptionKind kAudioOptions[] = {{"length"}, {"avi-size"},     {"size"},        {"wav"},
                                        {"no-wav", false}, {"value", false}, {"json", false}};

Report RunAudio(const Arguments& args) {
    args.exclusive("wav", "no-wav");
    const WavAudio wav = args.has("no-wav") ? WavAudio::None
                         : Is44kHz(args)    ? WavAudio::Rate44kHz
                                            : WavAudio::Rate48kHz;
    const std::array inputs{Option(args, "length"), Option(args, "avi-size"), Option(args, "size")};
    const AudioBitrateOutcome outcome =
        CalcAudioBitrate(inputs[0].text, inputs[1].text, inputs[2].text, wav, kSeparators);
    if (!outcome.bitrateText)
        throw Diagnose(inputs, &inputs[0]);

    const std::optional<double> suggestion = NumberOf(*outcome.suggestionText);  // none: "too low"
    Report report;
    report.results = {
        {"calculated audio bitrate", *outcome.bitrateText, "kbit/s", "audio_bitrate_kbit_s", outcome.bitrate},
        {"suggested bitrate", *outcome.suggestionText, suggestion ? "kbit/s" : "", "suggested_bitrate_kbit_s",
         suggestion},
    };
    report.warning = NegativeWarning(report.results, inputs,
                                     "the video in the AVI alone needs more than the desired size, "
                                     "so no audio fits");
    return report;
}

// Each unit's symbol, as the window's unit list shows it, and its word.
constexpr std::array<std::pair<std::string_view, std::string_view>, kDataUnitCount> kUnitNames{{
    {"bits", "bits"},
    {"bytes", "bytes"},
    {"kb", "kilobits"},
    {"kB", "kilobytes"},
    {"Mbit", "megabits"},
    {"MB", "megabytes"},
    {"Gbit", "gigabits"},
    {"GB", "gigabytes"},
}};

std::size_t UnitIndex(std::string_view name) {
    for (std::size_t i = 0; i < kUnitNames.size(); ++i) {
        if (name == kUnitNames[i].first || name == kUnitNames[i].second)
            return i;
    }
    throw UsageError{"unknown unit \"" + std::string(name) +
                     "\" (bits bytes kb kB Mbit MB Gbit GB, or kilobits ... gigabytes)"};
}

constexpr OptionKind kConvertOptions[] = {{"to"}, {"json", false}};

Report RunConvert(const Arguments& args) {
    if (args.positionals.size() < 2)
        throw UsageError{args.positionals.empty() ? "missing VALUE and UNIT" : "missing UNIT"};
    if (args.positionals.size() > 2)
        throw UsageError{"unexpected argument \"" + std::string(args.positionals[2]) + "\""};
    const std::size_t from = UnitIndex(args.positionals[1]);
    const std::size_t to = args.has("to") ? UnitIndex(args.get("to")) : kDataUnitCount;  // all

    const Input input{"value", args.positionals[0]};
    const Conversion conversion =
        ConvertData(input.text, DataUnitAt(static_cast<int>(from)), kSeparators);
    if (conversion.failure)
        throw Diagnose({&input, 1}, nullptr);

    // Every line is written as a number, the given unit's too: the window's box for it echoes
    // the typed text ("007", "1,024"), which a script could not read back the same everywhere.
    Report report;
    for (std::size_t unit = 0; unit < kDataUnitCount; ++unit) {
        if (to != kDataUnitCount && unit != to)
            continue;
        const double value = conversion.values[unit];
        report.results.push_back({"", NumberToText(value), kUnitNames[unit].second, kUnitNames[unit].second, value});
    }
    return report;  // a negative amount converts like any other: nothing to warn about
}

constexpr std::string_view kVideoHelp = R"(usage: tessaly-bitrate-calc video --length MIN --audio KBIT_S --size MB [--value | --json]

The average video bitrate that makes a film fill a file of the desired size.

  --length MIN     the film's length in minutes
  --audio KBIT_S   the audio bitrate in kbit/s
  --size MB        the desired file size in MB (1 MB = 1048576 bytes)
  --value          print only the video bitrate
  --json           print the results as one JSON object
)";

constexpr std::string_view kHdSpaceHelp = R"(usage: tessaly-bitrate-calc hd-space --length MIN --video KBIT_S [--wav 48 | --wav 44.1 | --audio KBIT_S] [--value | --json]

The disk space that the intermediate AVI takes, with uncompressed WAV audio or audio of
a given bitrate.

  --length MIN     the film's length in minutes
  --video KBIT_S   the video bitrate in kbit/s
  --wav 48         WAV audio sampled at 48 kHz (the default)
  --wav 44.1       WAV audio sampled at 44.1 kHz
  --audio KBIT_S   audio of this bitrate in kbit/s instead of WAV
  --value          print only the space required
  --json           print the result as one JSON object
)";

constexpr std::string_view kAudioHelp = R"(usage: tessaly-bitrate-calc audio --length MIN --avi-size MB --size MB [--wav 48 | --wav 44.1 | --no-wav] [--value | --json]

The audio bitrate still affordable once the encoded AVI exists, and the largest standard
bitrate that does not exceed it.

  --length MIN     the film's length in minutes
  --avi-size MB    the real size of the encoded AVI in MB
  --size MB        the desired size of the finished file in MB
  --wav 48         the AVI holds WAV audio sampled at 48 kHz (the default)
  --wav 44.1       the AVI holds WAV audio sampled at 44.1 kHz
  --no-wav         the AVI holds no WAV audio
  --value          print only the audio bitrate
  --json           print the results as one JSON object
)";

constexpr std::string_view kConvertHelp = R"(usage: tessaly-bitrate-calc convert VALUE UNIT [--to UNIT] [--json]

An amount of data in all eight units; every prefix is a power of 1024.

  UNIT        bits bytes kb kB Mbit MB Gbit GB (case matters: kb is kilobits, kB
              kilobytes), or kilobits kilobytes megabits megabytes gigabits gigabytes
  --to UNIT   print only the amount in this unit
  --json      print the amounts as one JSON object
)";

constexpr Command kCommands[] = {
    {"video", kVideoOptions, false, kVideoHelp, RunVideo},
    {"hd-space", kHdSpaceOptions, false, kHdSpaceHelp, RunHdSpace},
    {"audio", kAudioOptions, false, kAudioHelp, RunAudio},
    {"convert", kConvertOptions, true, kConvertHelp, RunConvert},
};

}  // namespace

std::span<const Command> Commands() {
    return kCommands;
}

}  // namespace tessaly::cli
