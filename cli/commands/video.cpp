// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// tessaly-bitrate-calc video: the video bitrate that makes a film fill a file of the desired size.
#include <array>

#include "cli/encoding.h"
#include "cli/ffmpeg_recipe.h"
#include "cli/film_answer.h"
#include "cli/films.h"
#include "cli/wording.h"
#include "core/video_bitrate.h"

namespace tessaly::cli {

namespace {

using F = VideoBitrateField;

Report Run(const Arguments& args) {
    const Exact exact = ReadExact(args, false);
    if (exact.on || AsksForFilm(args))
        return FilmReport(args, exact);
    const std::array inputs{LengthOption(args, F::Length, "length"), Option(args, F::AudioBitrate, "audio"),
                            SizeOption(args, F::Size, "size")};
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
    if (const std::string mixed = UnitMixWarning(exact, inputs[1].name, inputs[1].typed); !mixed.empty())
        report.warnings.push_back(mixed);
    return report;
}

constexpr HelpEntry kEntries[] = {
    {"length", "LENGTH", "the film's length (below)"},
    kLengthOfEntry,
    {"audio", "RATE[:CODEC]",
     "an audio track's bitrate in kbit/s (1 kbit = 1024 bits), or in bit/s\n"
     "with --bps, and with --container its codec, mp3, aac or ac3; once\n"
     "for each track",
     nullptr, true},
    {"size", "SIZE", "the desired file size (below; 1 MB = 1048576 bytes)"},
    {"extra", "SIZE",
     "data muxed in beside the tracks (subtitles, chapters), taken from\n"
     "the size as it is; once for each",
     nullptr, true},
    {"margin", "MARGIN",
     "aim this much under the desired size, as per cent of it (2, 2%)\n"
     "or an amount with its unit (200KiB): an encoder lands near its\n"
     "target, not on it"},
    {"container", "avi|mkv|mp4",
     "leave room for the file's own bytes: headers, index and a cost\n"
     "for every video and audio frame of every stream; mp4 also leaves\n"
     "8 bytes of timing for every audio frame, which audio from a source\n"
     "with time stamps in whole milliseconds (PCM in Matroska) takes"},
    {"fps", "RATE", "video frames a second with --container (25, 23.976, 30000/1001, ...)",
     DefaultFrameRateText},
    {"audio-codec", "mp3|aac|ac3", "the codec of a track that names none, at 48 kHz with --container",
     DefaultAudioCodecText},
    {"bps", "", "rates in bits a second, as encoders read them (ffmpeg -b:v, -b:a)"},
    {"ffmpeg", "INPUT OUTPUT",
     "print the two ffmpeg passes that encode INPUT into OUTPUT at the\n"
     "answer, instead of the figures; needs --container, and every rate\n"
     "is in bits a second; track N comes from INPUT's audio stream N,\n"
     "resampled to 48 kHz; the pass log goes beside OUTPUT; the paths\n"
#ifdef _WIN32
     "are quoted for cmd.exe"},
#else
     "are quoted for sh"},
#endif
    {"encoder", "x264|x265", "the video encoder of --ffmpeg, two-pass", DefaultEncoderText},
    {"preset", "PRESET",
     "the encoder's speed preset for --ffmpeg: ultrafast, superfast,\n"
     "veryfast, faster, fast, medium, slow, slower, veryslow or\n"
     "placebo; the encoder's own (medium) unless given"},
    {"value", "", "print only the video bitrate"},
    {"json", "", "print the results as one JSON object"},
};

const bool kRegistered = Register({
    1,
    "video",
    "(--length LENGTH | --length-of FILE...) --audio RATE[:CODEC]... --size SIZE [--extra SIZE]... "
    "[--margin MARGIN] [ENCODING] [--ffmpeg INPUT OUTPUT [--encoder x264|x265] [--preset PRESET] | --value | "
    "--json]",
    "The average video bitrate that makes a film fill a file of the desired size.\n"
    "With --container, --bps, several tracks, extras, a margin or --ffmpeg the audio is not\n"
    "rounded to whole MB, and the answer is rounded down, so that the file stays under the\n"
    "desired size (or the size a margin aims at).",
    "the video bitrate that makes a film fill a file of the desired size",
    kEntries,
    false,
    WithLengthOf<Run>,
});

}  // namespace

}  // namespace tessaly::cli
