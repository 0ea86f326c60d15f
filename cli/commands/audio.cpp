// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// tessaly-bitrate-calc audio: the audio bitrate still affordable once the encoded AVI exists.
#include <array>

#include "cli/encoding.h"
#include "cli/films.h"
#include "cli/wording.h"
#include "core/audio_bitrate.h"

namespace tessaly::cli {

namespace {

using F = AudioBitrateField;

Report RunFitted(const Exact& exact, std::optional<WavRate> wav, std::span<const Input<F>> inputs) {
    const FittedAudioOutcome outcome = CalcFittedAudioBitrate(inputs[0].text, inputs[1].text, inputs[2].text,
                                                              wav, exact.unit, exact.encoding, kSeparators);
    Check<F>(outcome, inputs);

    Report report;
    report.results = {
        {"calculated audio bitrate", NumberToText(outcome.audioBitrate), exact.unitName,
         exact.key("audio_bitrate_kbit_s", "audio_bitrate_bit_s", true), outcome.audioBitrate},
        {"", "", "", exact.key("audio_bitrate_kbit_s", "audio_bitrate_bit_s", false),
         exact.bits() ? outcome.audioKbit : outcome.audioBits, true},
        {"suggested bitrate", outcome.suggestionText, outcome.suggestion ? exact.unitName : "",
         exact.key("suggested_bitrate_kbit_s", "suggested_bitrate_bit_s", true), outcome.suggestion},
    };
    report.verdict = Verdict<F>(outcome, inputs);
    return report;
}

Report Run(const Arguments& args) {
    args.exclusive("wav", "no-wav");
    const std::optional<WavRate> wav = args.has("no-wav") ? std::nullopt : std::optional(ReadWav(args));
    const Exact exact = ReadExact(args, false);
    const std::array inputs{LengthOption(args, F::Length, "length"), SizeOption(args, F::AviSize, "avi-size"),
                            SizeOption(args, F::DesiredSize, "size")};
    if (exact.on)
        return RunFitted(exact, wav, inputs);
    const AudioBitrateOutcome outcome =
        CalcAudioBitrate(inputs[0].text, inputs[1].text, inputs[2].text, wav, kSeparators);
    Check<F>(outcome, inputs);

    const std::optional<double> suggestion = outcome.suggestion;  // none: "too low"
    Report report;
    report.results = {
        {"calculated audio bitrate", *outcome.bitrateText, kKbitPerSecond, "audio_bitrate_kbit_s",
         outcome.working.bitrate},
        {"", "", "", "audio_bitrate_bit_s", KbitToBits(outcome.working.bitrate), true},
        {"suggested bitrate", *outcome.suggestionText, suggestion ? kKbitPerSecond : "",
         "suggested_bitrate_kbit_s", suggestion},
    };
    report.verdict = Verdict<F>(outcome, inputs);
    return report;
}

constexpr HelpEntry kEntries[] = {
    {"length", "LENGTH", "the film's length (below)"},
    kLengthOfEntry,
    {"avi-size", "SIZE", "the real size of the encoded AVI (below)"},
    {"size", "SIZE", "the desired size of the finished file (below)"},
    {"wav", "48", "the AVI holds WAV audio sampled at 48 kHz (the default)"},
    {"wav", "44.1", "the AVI holds WAV audio sampled at 44.1 kHz"},
    {"no-wav", "", "the AVI holds no WAV audio"},
    {"container", "avi|mkv|mp4",
     "the finished file's container: leave room for its own bytes,\n"
     "and take the AVI's own bytes (one WAV chunk a video frame)\n"
     "from its size"},
    {"fps", "RATE", "video frames a second with --container", DefaultFrameRateText},
    {"audio-codec", "mp3|aac|ac3", "the finished file's audio at 48 kHz, with --container",
     DefaultAudioCodecText},
    {"bps", "", "the answer and the suggestion in bits a second, as encoders read them"},
    {"value", "", "print only the audio bitrate"},
    {"json", "", "print the results as one JSON object"},
};

const bool kRegistered = Register({
    3,
    "audio",
    "(--length LENGTH | --length-of FILE...) --avi-size SIZE --size SIZE [--wav 48 | --wav 44.1 | --no-wav] "
    "[ENCODING] [--value | --json]",
    "The audio bitrate still affordable once the encoded AVI exists, and the largest standard\n"
    "bitrate that does not exceed it. With --container or --bps the sizes are taken exactly\n"
    "and the answer is rounded down.",
    "the audio bitrate still affordable once the AVI exists",
    kEntries,
    false,
    WithLengthOf<Run>,
});

}  // namespace

}  // namespace tessaly::cli
