// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/video_bitrate.h"

#include <cmath>

namespace tessaly {

namespace {

using F = VideoBitrateField;

// The video's share and its rate, from the steps' seconds, audio and size onwards.
void FitVideo(Calculation<F>& s, FittedVideoWorking& w, const Encoding& encoding) {
    w.audioBytes = s.mul(s.div(w.audioBits, 8), w.seconds);
    w.sizeBytes = s.mul(w.size, kBytesPerMB);
    w.containerBytes = ContainerBytes(s, encoding, w.seconds, AudioFrames::Codec);
    w.videoBytes = s.sub(s.sub(w.sizeBytes, w.audioBytes), w.containerBytes);
    w.videoBitsExact = s.divideBy<F::Length>(s.mul(w.videoBytes, 8), w.seconds);
}

}  // namespace

VideoBitrateOutcome CalcVideoBitrate(std::string_view length, std::string_view audioBitrate,
                                     std::string_view size, const Separators& separators) {
    VideoBitrateOutcome outcome;
    VideoBitrateWorking& w = outcome.working;
    Calculation<F> s(separators);
    w.length = s.number<F::Length>(length);
    w.seconds = s.mul(w.length, 60);
    w.audioBitrate = s.number<F::AudioBitrate>(audioBitrate);
    w.audioDataExact = s.div(s.mul(s.div(w.audioBitrate, 8), w.seconds), 1024);
    w.audioData = s.round(w.audioDataExact, 0);
    w.size = s.number<F::Size>(size);
    w.videoData = s.sub(w.size, w.audioData);
    w.videoBitrateExact = s.divideBy<F::Length>(s.mul(s.mul(w.videoData, 1024), 8), w.seconds);
    w.videoBitrate = s.round(w.videoBitrateExact, 0);

    s.finish(outcome);
    s.blameNegative(outcome, {{NegativeCause::AudioExceedsSize, w.videoData, w.audioData, w.size}});
    if (!s.failed()) {
        outcome.texts = VideoBitrateTexts{NumberToText(w.videoBitrate, separators.decimal),
                                          NumberToText(w.audioData, separators.decimal),
                                          NumberToText(w.videoData, separators.decimal)};
    }
    return outcome;
}

FittedVideoOutcome CalcFittedVideoBitrate(std::string_view length, std::string_view audioBitrate,
                                          std::string_view size, RateUnit unit, const Encoding& encoding,
                                          const Separators& separators) {
    FittedVideoOutcome outcome;
    FittedVideoWorking& w = outcome.working;
    Calculation<F> s(separators);
    w.length = s.number<F::Length>(length);
    w.seconds = s.mul(w.length, 60);
    w.audioBitrate = s.number<F::AudioBitrate>(audioBitrate);
    w.audioBits = s.mul(w.audioBitrate, BitsIn(unit));
    w.size = s.number<F::Size>(size);
    FitVideo(s, w, encoding);

    s.finish(outcome);
    s.blameNegative(
        outcome, {{NegativeCause::AudioExceedsSize, w.videoBytes,
                   (w.audioBytes + w.containerBytes) / kBytesPerMB, w.size, encoding.container.has_value()}});
    if (!s.failed()) {
        outcome.videoBitrate = std::floor(w.videoBitsExact / BitsIn(unit));
        outcome.videoBits = std::floor(w.videoBitsExact);
        outcome.videoKbit = std::floor(w.videoBitsExact / BitsIn(RateUnit::Kbit1024));
        outcome.audioMB = w.audioBytes / kBytesPerMB;
        outcome.containerMB = w.containerBytes / kBytesPerMB;
        outcome.videoMB = w.videoBytes / kBytesPerMB;
    }
    return outcome;
}

std::optional<std::array<double, 3>> EncoderRates(double length, double audioBitrate, double size,
                                                  const Encoding& encoding) {
    std::array<double, 3> rates{};
    for (const ContainerCost& cost : kContainerCosts) {
        const Separators separators;
        Calculation<F> s(separators);
        FittedVideoWorking w;
        w.seconds = s.mul(length, 60);
        w.audioBits = s.mul(audioBitrate, BitsIn(RateUnit::Kbit1000));
        w.size = size;
        FitVideo(s, w, {cost.container, encoding.frameRate, encoding.audioCodec});
        if (s.failed())
            return std::nullopt;
        rates[static_cast<std::size_t>(cost.container)] =
            std::floor(w.videoBitsExact / BitsIn(RateUnit::Kbit1000));
    }
    return rates;
}

}  // namespace tessaly
