// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/commands.h"

#include <algorithm>
#include <array>
#include <utility>

#include "core/audio_bitrate.h"
#include "core/container.h"
#include "core/data_units.h"
#include "core/hd_space.h"
#include "core/numbers.h"
#include "core/units.h"
#include "core/video_bitrate.h"

namespace tessaly::cli {

namespace {

// Scripts get the same answer in every locale.
const Separators kSeparators{".", ","};

// A numeric input as given, with the field of the calculation it fills and the name its
// messages call it by.
template <typename Field>
struct Input {
    Field field;
    std::string name;  // "--length", or "value" for the converter's amount
    std::string_view text;
};

template <typename Field>
Input<Field> Option(const Arguments& args, Field field, std::string_view name) {
    return {field, "--" + std::string(name), args.require(name)};
}

template <typename Field>
const Input<Field>& InputFor(std::span<const Input<Field>> inputs, Field field) {
    return *std::find_if(inputs.begin(), inputs.end(),
                         [field](const auto& input) { return input.field == field; });
}

// Words the core's verdict on a run that gave no result.
template <typename Field>
ValueError Explain(const Verdict<Field>& verdict, std::span<const Input<Field>> inputs) {
    const Input<Field>& input = InputFor(inputs, verdict.stop->field);
    const std::string quoted = "\"" + std::string(input.text) + "\"";
    switch (verdict.stop->reason) {
    case StopReason::Empty:
        return {input.name + ": empty"};
    case StopReason::NotANumber:
        return {input.name + ": not a number: " + quoted};
    case StopReason::TooLarge:
        return {input.name + ": too large: " + quoted};
    case StopReason::TooSmall:
        return {input.name + ": too small: " + quoted};
    case StopReason::Zero:
    case StopReason::ZeroByZero:
        break;
    }
    return {input.name + ": must not be zero"};
}

// Words the core's verdict on why a completed run shows a negative figure; empty for none.
// `container` says that the container's own bytes were taken from the size too.
template <typename Field>
std::string Warning(const Verdict<Field>& verdict, std::span<const Input<Field>> inputs,
                    bool container = false) {
    if (!verdict.negative)
        return {};
    switch (verdict.negative->cause) {
    case NegativeCause::Typed:
        return "warning: " + InputFor(inputs, *verdict.negative->field).name +
               " is negative, so the results are not those of a real film";
    case NegativeCause::AudioExceedsSize:
        return container
                   ? "warning: the audio and the container's own bytes need more than the desired size, "
                     "so the video's share is negative"
                   : "warning: the audio alone needs more than the desired size, so the video's share is "
                     "negative";
    case NegativeCause::AviSmallerThanWav:
        return "warning: the AVI is smaller than the WAV audio it is said to hold, so its video share is "
               "negative and the audio bitrate too high";
    case NegativeCause::VideoExceedsSize:
        break;
    }
    return container
               ? "warning: the video in the AVI and the container's own bytes need more than the desired "
                 "size, so no audio fits"
               : "warning: the video in the AVI alone needs more than the desired size, so no audio fits";
}

template <typename Outcome, typename Field>
void Check(const Outcome& outcome, std::span<const Input<Field>> inputs) {
    if (!outcome.completed())
        throw Explain<Field>(outcome, inputs);
}

// --wav 48 or --wav 44.1; 48 kHz when the option is absent.
bool Is44kHz(const Arguments& args) {
    if (!args.has("wav") || args.get("wav") == "48")
        return false;
    if (args.get("wav") == "44.1")
        return true;
    throw UsageError{"--wav takes 48 or 44.1, not \"" + std::string(args.get("wav")) + "\""};
}

// --container, --fps, --audio-codec and --bps: with --container or --bps a command works
// exactly, in the unit --bps chooses; without either it is the window's calculation.
struct Exact {
    bool on = false;
    RateUnit unit = RateUnit::Kbit1024;
    std::string_view unitName = kKbitPerSecond;
    Encoding encoding;

    bool bits() const { return unit == RateUnit::Bit; }
    // The two JSON keys of a rate, the printed unit's first.
    std::string_view key(std::string_view kbitKey, std::string_view bitKey, bool first) const {
        return bits() == first ? bitKey : kbitKey;
    }
};

Exact ReadExact(const Arguments& args, bool aviOnly) {
    Exact exact;
    exact.on = args.has("container") || args.has("bps");
    if (args.has("bps")) {
        exact.unit = RateUnit::Bit;
        exact.unitName = kBitPerSecond;
    }
    for (const std::string_view option : {"fps", "audio-codec"}) {
        if (args.has(option) && !args.has("container"))
            throw UsageError{"--" + std::string(option) + " counts frames only with --container"};
    }
    if (args.has("container")) {
        exact.encoding.container = ContainerNamed(args.get("container"));
        if (!exact.encoding.container || (aviOnly && exact.encoding.container != Container::Avi))
            throw UsageError{"--container takes " + std::string(aviOnly ? "avi" : "avi, mkv or mp4") +
                             ", not \"" + std::string(args.get("container")) + "\""};
    }
    if (args.has("audio-codec")) {
        const std::optional<AudioCodec> codec = AudioCodecNamed(args.get("audio-codec"));
        if (!codec)
            throw UsageError{"--audio-codec takes mp3, aac or ac3, not \"" +
                             std::string(args.get("audio-codec")) + "\""};
        exact.encoding.audioCodec = *codec;
    }
    if (args.has("fps")) {
        const std::optional<double> rate = FrameRateFromText(args.get("fps"), kSeparators);
        if (!rate)
            throw ValueError{"--fps: not a positive number: \"" + std::string(args.get("fps")) + "\""};
        exact.encoding.frameRate = *rate;
    }
    return exact;
}

Report RunFittedVideo(const Exact& exact, std::span<const Input<VideoBitrateField>> inputs) {
    using F = VideoBitrateField;
    const FittedVideoOutcome outcome = CalcFittedVideoBitrate(inputs[0].text, inputs[1].text, inputs[2].text,
                                                              exact.unit, exact.encoding, kSeparators);
    Check<FittedVideoOutcome, F>(outcome, inputs);

    Report report;
    report.results = {
        {"video bitrate", NumberToText(outcome.videoBitrate), exact.unitName,
         exact.key("video_bitrate_kbit_s", "video_bitrate_bit_s", true), outcome.videoBitrate},
        {"", "", "", exact.key("video_bitrate_kbit_s", "video_bitrate_bit_s", false),
         exact.bits() ? outcome.videoKbit : outcome.videoBits, true},
        {"total audio data", ApproximateText(outcome.audioMB, 2), kMegabytes, "audio_data_mb",
         outcome.audioMB},
    };
    if (exact.encoding.container)
        report.results.push_back({"container data", ApproximateText(outcome.containerMB, 2), kMegabytes,
                                  "container_data_mb", outcome.containerMB});
    report.results.push_back({"total video data", ApproximateText(outcome.videoMB, 2), kMegabytes,
                              "video_data_mb", outcome.videoMB});
    report.warning = Warning<F>(outcome, inputs, exact.encoding.container.has_value());
    return report;
}

Report RunVideo(const Arguments& args) {
    using F = VideoBitrateField;
    const Exact exact = ReadExact(args, false);
    const std::array inputs{Option(args, F::Length, "length"), Option(args, F::AudioBitrate, "audio"),
                            Option(args, F::Size, "size")};
    if (exact.on)
        return RunFittedVideo(exact, inputs);
    const VideoBitrateOutcome outcome =
        CalcVideoBitrate(inputs[0].text, inputs[1].text, inputs[2].text, kSeparators);
    Check<VideoBitrateOutcome, F>(outcome, inputs);

    const VideoBitrateWorking& w = outcome.working;
    Report report;
    report.results = {
        {"video bitrate", outcome.texts->videoBitrate, kKbitPerSecond, "video_bitrate_kbit_s",
         w.videoBitrate},
        {"", "", "", "video_bitrate_bit_s", KbitToBits(w.videoBitrate), true},
        {"total audio data", outcome.texts->audioData, kMegabytes, "audio_data_mb", w.audioData},
        {"total video data", outcome.texts->videoData, kMegabytes, "video_data_mb", w.videoData},
    };
    report.warning = Warning<F>(outcome, inputs);
    return report;
}

Report RunHdSpace(const Arguments& args) {
    using F = HdSpaceField;
    args.exclusive("wav", "audio");
    HdAudio audio = Is44kHz(args) ? HdAudio::Wav44kHz : HdAudio::Wav48kHz;
    std::vector inputs{Option(args, F::Length, "length"), Option(args, F::VideoBitrate, "video")};
    if (args.has("audio")) {
        audio = HdAudio::OtherBitrate;
        inputs.push_back(Option(args, F::OtherBitrate, "audio"));
    }
    const Exact exact = ReadExact(args, true);
    if (exact.on) {
        const FittedSpaceOutcome fitted =
            CalcFittedHdSpace(inputs[0].text, inputs[1].text, audio, args.get("audio"), exact.unit,
                              exact.encoding, kSeparators);
        Check<FittedSpaceOutcome, F>(fitted, inputs);
        Report report;
        report.results = {{"space required on hard drive", NumberToText(fitted.spaceRequired), kMegabytes,
                           "space_required_mb", fitted.spaceRequired}};
        report.warning = Warning<F>(fitted, inputs);
        return report;
    }
    const HdSpaceOutcome outcome =
        CalcHDSpace(inputs[0].text, inputs[1].text, audio, args.get("audio"), kSeparators);
    Check<HdSpaceOutcome, F>(outcome, inputs);

    Report report;
    report.results = {{"space required on hard drive", *outcome.text, kMegabytes, "space_required_mb",
                       outcome.working.spaceRequired}};
    report.warning = Warning<F>(outcome, inputs);
    return report;
}

Report RunFittedAudio(const Exact& exact, WavAudio wav, std::span<const Input<AudioBitrateField>> inputs) {
    using F = AudioBitrateField;
    const FittedAudioOutcome outcome = CalcFittedAudioBitrate(inputs[0].text, inputs[1].text, inputs[2].text,
                                                              wav, exact.unit, exact.encoding, kSeparators);
    Check<FittedAudioOutcome, F>(outcome, inputs);

    Report report;
    report.results = {
        {"calculated audio bitrate", NumberToText(outcome.audioBitrate), exact.unitName,
         exact.key("audio_bitrate_kbit_s", "audio_bitrate_bit_s", true), outcome.audioBitrate},
        {"", "", "", exact.key("audio_bitrate_kbit_s", "audio_bitrate_bit_s", false),
         exact.bits() ? outcome.audioKbit : outcome.audioBits, true},
        {"suggested bitrate", outcome.suggestionText, outcome.suggestion ? exact.unitName : "",
         exact.key("suggested_bitrate_kbit_s", "suggested_bitrate_bit_s", true), outcome.suggestion},
    };
    report.warning = Warning<F>(outcome, inputs, exact.encoding.container.has_value());
    return report;
}

Report RunAudio(const Arguments& args) {
    using F = AudioBitrateField;
    args.exclusive("wav", "no-wav");
    const WavAudio wav = args.has("no-wav") ? WavAudio::None
                         : Is44kHz(args)    ? WavAudio::Rate44kHz
                                            : WavAudio::Rate48kHz;
    const Exact exact = ReadExact(args, false);
    const std::array inputs{Option(args, F::Length, "length"), Option(args, F::AviSize, "avi-size"),
                            Option(args, F::DesiredSize, "size")};
    if (exact.on)
        return RunFittedAudio(exact, wav, inputs);
    const AudioBitrateOutcome outcome =
        CalcAudioBitrate(inputs[0].text, inputs[1].text, inputs[2].text, wav, kSeparators);
    Check<AudioBitrateOutcome, F>(outcome, inputs);

    const std::optional<double> suggestion = outcome.suggestion;  // none: "too low"
    Report report;
    report.results = {
        {"calculated audio bitrate", *outcome.bitrateText, kKbitPerSecond, "audio_bitrate_kbit_s",
         outcome.working.bitrate},
        {"", "", "", "audio_bitrate_bit_s", KbitToBits(outcome.working.bitrate), true},
        {"suggested bitrate", *outcome.suggestionText, suggestion ? kKbitPerSecond : "",
         "suggested_bitrate_kbit_s", suggestion},
    };
    report.warning = Warning<F>(outcome, inputs);
    return report;
}

// Every name of every unit, each once, in the converter's order.
std::string UnitNames() {
    std::string joined;
    for (int i = 0; i < static_cast<int>(kDataUnitCount); ++i) {
        for (const std::string_view name : AllNamesOf(*DataUnitAt(i)))
            joined.append(joined.empty() ? "" : " ").append(name);
    }
    return joined;
}

DataUnit UnitNamed(std::string_view name) {
    if (const auto unit = DataUnitNamed(name))
        return *unit;
    throw UsageError{"unknown unit \"" + std::string(name) +
                     "\" (see 'tessaly-bitrate-calc convert --help')"};
}

Report RunConvert(const Arguments& args) {
    using F = ConversionField;
    if (args.positionals.size() < 2)
        throw UsageError{args.positionals.empty() ? "missing VALUE and UNIT" : "missing UNIT"};
    if (args.positionals.size() > 2)
        throw UsageError{"unexpected argument \"" + std::string(args.positionals[2]) + "\""};
    const DataUnit from = UnitNamed(args.positionals[1]);
    const bool one = args.has("to");
    const DataUnit to = one ? UnitNamed(args.get("to")) : from;

    const std::array inputs{Input<F>{F::Amount, "value", args.positionals[0]}};
    const Conversion conversion = ConvertData(inputs[0].text, from, kSeparators);
    Check<Conversion, F>(conversion, inputs);

    // Every line is written as a number, the given unit's too: the window's box for it echoes
    // the typed text ("007", "1,024"), which a script could not read back the same everywhere.
    Report report;
    for (std::size_t box = 0; box < kDataUnitCount; ++box) {
        const DataUnit unit = *DataUnitAt(static_cast<int>(box));
        if (one && unit != to)
            continue;
        const double value = conversion.values[box];
        const std::string_view word = NamesOf(unit).word;
        report.results.push_back({"", NumberToText(value), word, word, value});
    }
    return report;  // a negative amount converts like any other: nothing to warn about
}

constexpr HelpEntry kVideoEntries[] = {
    {"length", "MIN", "the film's length in minutes"},
    {"audio", "RATE", "the audio bitrate in kbit/s (1 kbit = 1024 bits), or in bit/s with --bps"},
    {"size", "MB", "the desired file size in MB (1 MB = 1048576 bytes)"},
    {"container", "avi|mkv|mp4",
     "leave room for the file's own bytes: headers, index and a cost\n"
     "for every video and audio frame"},
    {"fps", "RATE", "video frames a second with --container (25, 23.976, 29.97, ...); 25"},
    {"audio-codec", "mp3|aac|ac3", "audio frames of this codec at 48 kHz with --container; mp3"},
    {"bps", "", "rates in bits a second, as encoders read them (ffmpeg -b:v, -b:a)"},
    {"value", "", "print only the video bitrate"},
    {"json", "", "print the results as one JSON object"},
};

constexpr HelpEntry kHdSpaceEntries[] = {
    {"length", "MIN", "the film's length in minutes"},
    {"video", "RATE", "the video bitrate in kbit/s, or in bit/s with --bps"},
    {"wav", "48", "WAV audio sampled at 48 kHz (the default)"},
    {"wav", "44.1", "WAV audio sampled at 44.1 kHz"},
    {"audio", "RATE", "audio of this bitrate in kbit/s (bit/s with --bps) instead of WAV"},
    {"container", "avi", "add the AVI's own bytes (one WAV chunk a video frame), rounding up"},
    {"fps", "RATE", "video frames a second with --container; 25"},
    {"audio-codec", "mp3|aac|ac3", "frames of the --audio at 48 kHz with --container; mp3"},
    {"bps", "", "--video and --audio in bits a second"},
    {"value", "", "print only the space required"},
    {"json", "", "print the result as one JSON object"},
};

constexpr HelpEntry kAudioEntries[] = {
    {"length", "MIN", "the film's length in minutes"},
    {"avi-size", "MB", "the real size of the encoded AVI in MB"},
    {"size", "MB", "the desired size of the finished file in MB"},
    {"wav", "48", "the AVI holds WAV audio sampled at 48 kHz (the default)"},
    {"wav", "44.1", "the AVI holds WAV audio sampled at 44.1 kHz"},
    {"no-wav", "", "the AVI holds no WAV audio"},
    {"container", "avi|mkv|mp4",
     "the finished file's container: leave room for its own bytes,\n"
     "and take the AVI's own bytes (one WAV chunk a video frame)\n"
     "from its size"},
    {"fps", "RATE", "video frames a second with --container; 25"},
    {"audio-codec", "mp3|aac|ac3", "the finished file's audio at 48 kHz, with --container; mp3"},
    {"bps", "", "the answer and the suggestion in bits a second, as encoders read them"},
    {"value", "", "print only the audio bitrate"},
    {"json", "", "print the results as one JSON object"},
};

constexpr HelpEntry kConvertEntries[] = {
    {"", "VALUE", "the amount of data"},
    {"", "UNIT", "its unit, named as below; case matters: kb is kilobits, kB kilobytes"},
    {"to", "UNIT", "print only the amount in this unit"},
    {"json", "", "print the amounts as one JSON object"},
};

constexpr Command kCommands[] = {
    {"video", "--length MIN --audio RATE --size MB [ENCODING] [--value | --json]",
     "The average video bitrate that makes a film fill a file of the desired size.\n"
     "With --container or --bps the audio is not rounded to whole MB, and the answer is\n"
     "rounded down, so that the file stays under the desired size.",
     kVideoEntries, false, RunVideo},
    {"hd-space",
     "--length MIN --video RATE [--wav 48 | --wav 44.1 | --audio RATE] [ENCODING] [--value | --json]",
     "The disk space that the intermediate AVI takes, with uncompressed WAV audio or audio of\n"
     "a given bitrate. With --container or --bps it is worked exactly and rounded up.",
     kHdSpaceEntries, false, RunHdSpace},
    {"audio",
     "--length MIN --avi-size MB --size MB [--wav 48 | --wav 44.1 | --no-wav] [ENCODING] [--value | --json]",
     "The audio bitrate still affordable once the encoded AVI exists, and the largest standard\n"
     "bitrate that does not exceed it. With --container or --bps the sizes are taken exactly\n"
     "and the answer is rounded down.",
     kAudioEntries, false, RunAudio},
    {"convert", "VALUE UNIT [--to UNIT] [--json]",
     "An amount of data in all eight units; every prefix is a power of 1024.", kConvertEntries, true,
     RunConvert},
};

}  // namespace

std::string Command::usage() const {
    return "usage: " + std::string(kProgram) + " " + std::string(name) + " " + std::string(synopsis) + "\n";
}

std::string Command::help() const {
    const auto term = [](const HelpEntry& entry) {
        if (entry.option.empty())
            return std::string(entry.value);
        return "--" + std::string(entry.option) + (entry.value.empty() ? "" : " ") + std::string(entry.value);
    };
    std::size_t width = 0;
    for (const HelpEntry& entry : entries)
        width = std::max(width, term(entry).size() + 2);
    // Each entry's text in a column of its own, its further lines below its first.
    std::string text = usage() + "\n" + std::string(summary) + "\n\n";
    for (const HelpEntry& entry : entries) {
        std::string line(2, ' ');
        line += term(entry);
        line.resize(width + 2, ' ');
        for (const char c : entry.text) {
            line += c;
            if (c == '\n')
                line.append(width + 2, ' ');
        }
        text += line + "\n";
    }
    if (takesUnits)
        text += "\nunits: " + UnitNames() + "\n";
    return text;
}

std::vector<OptionKind> Command::options() const {
    std::vector<OptionKind> kinds;
    for (const HelpEntry& entry : entries) {
        const bool known = std::any_of(kinds.begin(), kinds.end(),
                                       [&entry](const OptionKind& k) { return k.name == entry.option; });
        if (!entry.option.empty() && !known)
            kinds.push_back({entry.option, !entry.value.empty()});
    }
    return kinds;
}

std::span<const Command> Commands() { return kCommands; }

std::string GeneralUsage() {
    std::string text;
    for (const Command& command : kCommands)
        text += (text.empty() ? "usage: " : "       ") + command.usage().substr(7);
    return text + "       " + std::string(kProgram) + " --help | --version\n";
}

}  // namespace tessaly::cli
