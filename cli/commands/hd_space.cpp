// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// tessaly-bitrate-calc hd-space: the disk space of the intermediate AVI.
#include <vector>

#include "cli/encoding.h"
#include "cli/films.h"
#include "cli/wording.h"
#include "core/hd_space.h"

namespace tessaly::cli {

namespace {

using F = HdSpaceField;

// The window's rule, or the exact one with --container or --bps.
Report RunWithRule(const Arguments& args, const Exact& exact, std::optional<WavRate> wav,
                   std::span<const Input<F>> inputs) {
    if (exact.on) {
        const FittedSpaceOutcome fitted = CalcFittedHdSpace(
            inputs[0].text, inputs[1].text, wav, args.get("audio"), exact.unit, exact.encoding, kSeparators);
        Check<F>(fitted, inputs);
        Report report;
        report.results = {{"space required on hard drive", NumberToText(fitted.spaceRequired), kMegabytes,
                           "space_required_mb", fitted.spaceRequired}};
        report.verdict = Verdict<F>(fitted, inputs);
        return report;
    }
    const HdSpaceOutcome outcome =
        CalcHDSpace(inputs[0].text, inputs[1].text, wav, args.get("audio"), kSeparators);
    Check<F>(outcome, inputs);

    Report report;
    report.results = {{"space required on hard drive", *outcome.text, kMegabytes, "space_required_mb",
                       outcome.working.spaceRequired}};
    report.verdict = Verdict<F>(outcome, inputs);
    return report;
}

Report Run(const Arguments& args) {
    args.exclusive("wav", "audio");
    std::optional<WavRate> wav = ReadWav(args);
    std::vector inputs{LengthOption(args, F::Length, "length"), Option(args, F::VideoBitrate, "video")};
    if (args.has("audio")) {
        wav.reset();
        inputs.push_back(Option(args, F::OtherBitrate, "audio"));
    }
    const Exact exact = ReadExact(args, true);
    Report report = RunWithRule(args, exact, wav, inputs);
    for (const Input<F>& rate : std::span(inputs).subspan(1)) {
        if (const std::string mixed = UnitMixWarning(exact, rate.name, rate.typed); !mixed.empty())
            report.warnings.push_back(mixed);
    }
    return report;
}

constexpr HelpEntry kEntries[] = {
    {"length", "LENGTH", "the film's length (below)"},
    kLengthOfEntry,
    {"video", "RATE", "the video bitrate in kbit/s, or in bit/s with --bps"},
    {"wav", "48", "WAV audio sampled at 48 kHz (the default)"},
    {"wav", "44.1", "WAV audio sampled at 44.1 kHz"},
    {"audio", "RATE", "audio of this bitrate in kbit/s (bit/s with --bps) instead of WAV"},
    {"container", "avi", "add the AVI's own bytes (one WAV chunk a video frame), rounding up"},
    {"fps", "RATE", "video frames a second with --container", DefaultFrameRateText},
    {"audio-codec", "mp3|aac|ac3", "frames of the --audio at 48 kHz with --container", DefaultAudioCodecText},
    {"bps", "", "--video and --audio in bits a second"},
    {"value", "", "print only the space required"},
    {"json", "", "print the result as one JSON object"},
};

const bool kRegistered = Register({
    2,
    "hd-space",
    "(--length LENGTH | --length-of FILE...) --video RATE [--wav 48 | --wav 44.1 | --audio RATE] [ENCODING] "
    "[--value | --json]",
    "The disk space that the intermediate AVI takes, with uncompressed WAV audio or audio of\n"
    "a given bitrate. With --container or --bps it is worked exactly and rounded up.",
    "the disk space of the intermediate AVI",
    kEntries,
    false,
    WithLengthOf<Run>,
});

}  // namespace

}  // namespace tessaly::cli
