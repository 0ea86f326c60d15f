// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// tessaly-bitrate-calc video: the video bitrate that makes a film fill a file of the desired size.
#include <array>

#include "cli/encoding.h"
#include "cli/wording.h"
#include "core/video_bitrate.h"

namespace tessaly::cli {

namespace {

using F = VideoBitrateField;

Report RunFitted(const Exact& exact, std::span<const Input<F>> inputs) {
    const FittedVideoOutcome outcome = CalcFittedVideoBitrate(inputs[0].text, inputs[1].text, inputs[2].text,
                                                              exact.unit, exact.encoding, kSeparators);
    Check<F>(outcome, inputs);

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
    report.verdict = Verdict<F>(outcome, inputs);
    return report;
}

Report RunWindowRule(std::span<const Input<F>> inputs) {
    const VideoBitrateOutcome outcome =
        CalcVideoBitrate(inputs[0].text, inputs[1].text, inputs[2].text, kSeparators);
    Check<F>(outcome, inputs);

    const VideoBitrateWorking& w = outcome.working;
    Report report;
    report.results = {
        {"video bitrate", outcome.texts->videoBitrate, kKbitPerSecond, "video_bitrate_kbit_s",
         w.videoBitrate},
        {"", "", "", "video_bitrate_bit_s", KbitToBits(w.videoBitrate), true},
        {"total audio data", outcome.texts->audioData, kMegabytes, "audio_data_mb", w.audioData},
        {"total video data", outcome.texts->videoData, kMegabytes, "video_data_mb", w.videoData},
    };
    report.verdict = Verdict<F>(outcome, inputs);
    return report;
}

Report Run(const Arguments& args) {
    const Exact exact = ReadExact(args, false);
    const std::array inputs{LengthOption(args, F::Length, "length"), Option(args, F::AudioBitrate, "audio"),
                            SizeOption(args, F::Size, "size")};
    const std::string mixed = UnitMixWarning(exact, inputs[1].name, inputs[1].typed);
    Report report = exact.on ? RunFitted(exact, inputs) : RunWindowRule(inputs);
    if (!mixed.empty())
        report.warnings.push_back(mixed);
    return report;
}

constexpr HelpEntry kEntries[] = {
    {"length", "MIN", "the film's length in minutes"},
    {"audio", "RATE", "the audio bitrate in kbit/s (1 kbit = 1024 bits), or in bit/s with --bps"},
    {"size", "MB", "the desired file size in MB (1 MB = 1048576 bytes)"},
    {"container", "avi|mkv|mp4",
     "leave room for the file's own bytes: headers, index and a cost\n"
     "for every video and audio frame; mp4 also leaves 8 bytes of\n"
     "timing for every audio frame, which audio from a source with\n"
     "time stamps in whole milliseconds (PCM in Matroska) takes"},
    {"fps", "RATE", "video frames a second with --container (25, 23.976, 29.97, ...)", DefaultFrameRateText},
    {"audio-codec", "mp3|aac|ac3", "audio frames of this codec at 48 kHz with --container",
     DefaultAudioCodecText},
    {"bps", "", "rates in bits a second, as encoders read them (ffmpeg -b:v, -b:a)"},
    {"value", "", "print only the video bitrate"},
    {"json", "", "print the results as one JSON object"},
};

const bool kRegistered = Register({
    1,
    "video",
    "--length MIN --audio RATE --size MB [ENCODING] [--value | --json]",
    "The average video bitrate that makes a film fill a file of the desired size.\n"
    "With --container or --bps the audio is not rounded to whole MB, and the answer is\n"
    "rounded down, so that the file stays under the desired size.",
    "the video bitrate that makes a film fill a file of the desired size",
    kEntries,
    false,
    Run,
});

}  // namespace

}  // namespace tessaly::cli
