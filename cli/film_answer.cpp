// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/film_answer.h"

#include <algorithm>
#include <vector>

#include "cli/ffmpeg_recipe.h"
#include "cli/inputs.h"
#include "cli/wording.h"
#include "core/fitted_film.h"

namespace tessaly::cli {

namespace {

using F = FilmField;

// The codec of --audio RATE or RATE:CODEC, whose frames --container counts.
AudioCodec TrackCodec(std::string_view given, const Exact& exact) {
    const std::size_t colon = given.find(':');
    if (colon == std::string_view::npos)
        return exact.encoding.audioCodec;
    const std::optional<AudioCodec> codec = AudioCodecNamed(given.substr(colon + 1));
    if (!codec)
        throw UsageError("--audio " + Quoted(given) + ": the codec after the rate is mp3, aac or ac3");
    if (!exact.encoding.container)
        throw UsageError("--audio " + Quoted(given) + ": a codec counts frames only with --container");
    return *codec;
}

Margin ReadMarginOption(const Arguments& args) {
    if (!args.has("margin"))
        return {};
    const std::string_view typed = args.get("margin");
    const Margin margin = ReadMargin(typed, kSeparators);
    if (margin.ok())
        return margin;
    const std::string start = "--margin " + Quoted(typed) + ": ";
    switch (*margin.error) {
    case MarginError::Negative:
        throw UsageError(start + "a margin aims under the desired size, so it is not negative");
    case MarginError::WholeSize:
        throw UsageError(start + "100 % or more leaves nothing to aim at");
    case MarginError::UnknownUnit:
    case MarginError::NotAMargin:
        break;
    }
    throw UsageError(start + (*margin.error == MarginError::UnknownUnit ? "unknown unit" : "not a margin") +
                     "; give per cent (2, 2%) or an amount with a unit (200KiB, 1MB)");
}

// Why the video's share is negative, where the extras or a margin take part in it.
std::string ShareWords(const FilmRequest& request, const Exact& exact) {
    std::string parts = "the audio";
    if (!request.extras.empty())
        parts += exact.encoding.container ? ", the extras" : " and the extras";
    if (exact.encoding.container)
        parts += " and the container's own bytes";
    return parts + " need more than the " +
           (request.margin.percent > 0 || request.margin.bytes > 0 ? "size aimed at" : "desired size") +
           ", so the video's share is negative";
}

void AddShares(Report& report, const FilmOutcome& outcome, const Exact& exact) {
    const auto share = [&report](std::string caption, double mb, std::string key) {
        report.results.push_back(
            {std::move(caption), ApproximateText(mb, 2), kMegabytes, std::move(key), mb});
    };
    if (outcome.audioMB.size() > 1) {
        for (std::size_t k = 0; k < outcome.audioMB.size(); ++k) {
            const std::string n = std::to_string(k + 1);
            share("audio track " + n + " data", outcome.audioMB[k], "audio_track_" + n + "_data_mb");
        }
    }
    share("total audio data", outcome.totalAudioMB, "audio_data_mb");
    if (outcome.extraMB.size() > 1) {
        for (std::size_t k = 0; k < outcome.extraMB.size(); ++k) {
            const std::string n = std::to_string(k + 1);
            share("extra " + n + " data", outcome.extraMB[k], "extra_" + n + "_data_mb");
        }
    }
    if (!outcome.extraMB.empty())
        share("total extra data", outcome.totalExtraMB, "extra_data_mb");
    if (exact.encoding.container)
        share("container data", outcome.containerMB, "container_data_mb");
    share("total video data", outcome.videoMB, "video_data_mb");
}

// What --ffmpeg's passes are made of but the rates, read before the calculation, so that a
// mistake in them is told whatever the answer.
Recipe RecipeOptions(const Arguments& args, const Exact& exact) {
    Recipe recipe;
    recipe.input = args.values("ffmpeg")[0];
    recipe.output = args.values("ffmpeg")[1];
    recipe.container = *exact.encoding.container;
    if (args.has("encoder")) {
        const std::optional<VideoEncoder> encoder = VideoEncoderNamed(args.get("encoder"));
        if (!encoder)
            throw UsageError("--encoder takes x264 or x265, not " + Quoted(args.get("encoder")));
        recipe.encoder = *encoder;
    }
    if (args.has("preset")) {
        const auto presets = EncoderPresets();
        if (std::find(presets.begin(), presets.end(), args.get("preset")) == presets.end())
            throw UsageError(
                "--preset takes ultrafast, superfast, veryfast, faster, fast, medium, slow, "
                "slower, veryslow or placebo, not " +
                Quoted(args.get("preset")));
        recipe.preset = args.get("preset");
    }
    if (!FfmpegPasses(recipe, kShell))
        throw UsageError("--ffmpeg: cmd.exe cannot take a path with \" or % as it is; rename it");
    return recipe;
}

}  // namespace

bool AsksForFilm(const Arguments& args) {
    const auto audio = args.values("audio");
    return audio.size() > 1 || (audio.size() == 1 && audio[0].find(':') != std::string::npos) ||
           args.has("extra") || args.has("margin") || args.has("ffmpeg") || args.has("encoder") ||
           args.has("preset");
}

Report FilmReport(const Arguments& args, Exact exact) {
    const bool passes = args.has("ffmpeg");
    for (const std::string_view option : {"encoder", "preset"}) {
        if (args.has(option) && !passes)
            throw UsageError("--" + std::string(option) + " is for the passes of --ffmpeg");
    }
    Recipe recipe;
    if (passes) {
        args.exclusive("ffmpeg", "value");
        args.exclusive("ffmpeg", "json");
        if (args.values("ffmpeg").size() != 2)
            throw UsageError("--ffmpeg takes two paths: INPUT, the film, and OUTPUT, the file to make");
        if (!exact.encoding.container)
            throw UsageError("--ffmpeg needs --container: the passes make a file of that container");
        recipe = RecipeOptions(args, exact);
        exact.unit = RateUnit::Bit;
        exact.unitName = kBitPerSecond;
    }

    // The inputs in the order the calculation reads them, each track and extra its own.
    std::vector<Input<F>> inputs{LengthOption(args, F::Length, "length")};
    args.require("audio");
    std::vector<AudioCodec> codecs;
    for (const std::string& given : args.values("audio")) {
        codecs.push_back(TrackCodec(given, exact));
        inputs.push_back({F::AudioBitrate, "--audio", given.substr(0, given.find(':')), given});
    }
    inputs.push_back(SizeOption(args, F::Size, "size"));
    for (const std::string& given : args.values("extra"))
        inputs.push_back({F::Extra, "--extra", SizeText("--extra", given), given});

    FilmRequest request{inputs[0].text, {}, inputs[codecs.size() + 1].text, {}, ReadMarginOption(args)};
    for (std::size_t k = 0; k < codecs.size(); ++k)
        request.tracks.push_back({inputs[k + 1].text, codecs[k]});
    for (std::size_t k = codecs.size() + 2; k < inputs.size(); ++k)
        request.extras.push_back(inputs[k].text);

    const FilmOutcome outcome = CalcFittedFilm(request, exact.unit, exact.encoding, kSeparators);
    if (outcome.marginTakesAll)
        throw UsageError("--margin " + Quoted(args.get("margin")) +
                         ": as large as the desired size or larger, it leaves nothing to aim at");
    Check<F>(outcome, inputs);

    Report report;
    const bool shares = outcome.negative && outcome.negative->cause == NegativeCause::AudioExceedsSize;
    report.verdict = shares && (!request.extras.empty() || args.has("margin")) ? ShareWords(request, exact)
                                                                               : Verdict<F>(outcome, inputs);
    for (std::size_t k = 1; k <= codecs.size(); ++k) {
        if (const std::string mixed = UnitMixWarning(exact, "--audio", inputs[k].text); !mixed.empty())
            report.warnings.push_back(mixed);
    }
    if (passes) {
        recipe.videoBits = outcome.videoBits;
        for (std::size_t k = 0; k < codecs.size(); ++k)
            recipe.tracks.push_back({outcome.audioBits[k], codecs[k]});
        report.results.push_back(
            {"", report.verdict.empty() ? *FfmpegPasses(recipe, kShell) : "", "", "", std::nullopt});
        report.textOnly = true;
        return report;
    }
    report.results = {
        {"video bitrate", NumberToText(outcome.videoBitrate), exact.unitName,
         exact.key("video_bitrate_kbit_s", "video_bitrate_bit_s", true), outcome.videoBitrate},
        {"", "", "", exact.key("video_bitrate_kbit_s", "video_bitrate_bit_s", false),
         exact.bits() ? outcome.videoKbit : outcome.videoBits, true},
    };
    if (args.has("margin"))
        report.results.push_back({"aimed size", ApproximateText(outcome.aimedMB, 2), kMegabytes,
                                  "aimed_size_mb", outcome.aimedMB});
    AddShares(report, outcome, exact);
    return report;
}

}  // namespace tessaly::cli
