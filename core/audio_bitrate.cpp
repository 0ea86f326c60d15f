// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/audio_bitrate.h"

#include <cmath>

namespace tessaly {

namespace {

using F = AudioBitrateField;

}  // namespace

std::optional<int> SuggestedBitrate(double bitrate) {
    for (auto standard = kStandardBitrates.rbegin(); standard != kStandardBitrates.rend(); ++standard) {
        if (bitrate >= *standard)
            return *standard;
    }
    return std::nullopt;
}

std::string SuggestionText(std::optional<int> suggestion) {
    return suggestion ? std::to_string(*suggestion) : "too low";
}

AudioBitrateOutcome CalcAudioBitrate(std::string_view length, std::string_view aviSize,
                                     std::string_view desiredSize, std::optional<WavRate> wav,
                                     const Separators& separators) {
    AudioBitrateOutcome outcome;
    AudioBitrateWorking& w = outcome.working;
    Calculation<F> s(separators);
    w.wav = wav;
    w.length = s.number<F::Length>(length);
    w.seconds = s.mul(w.length, 60);
    // no WAV audio in the AVI: rate 0
    if (wav)
        w.wavRate = DataRateOf(*wav).kilobytesPerSecond;
    w.wavSize = s.div(s.mul(w.seconds, w.wavRate), 1024);
    w.aviSize = s.number<F::AviSize>(aviSize);
    w.videoSize = s.sub(w.aviSize, w.wavSize);
    w.desiredSize = s.number<F::DesiredSize>(desiredSize);
    w.room = s.sub(w.desiredSize, w.videoSize);
    w.bitrateExact = s.divideBy<F::Length>(s.mul(s.mul(w.room, 8), 1024), w.seconds);
    w.bitrate = s.round(w.bitrateExact, 0);

    s.finish(outcome);
    s.blameNegative(outcome, {{NegativeCause::AviSmallerThanWav, w.videoSize, w.wavSize, w.aviSize},
                              {NegativeCause::VideoExceedsSize, w.room, w.videoSize, w.desiredSize}});
    if (!s.failed()) {
        outcome.bitrateText = NumberToText(w.bitrate, separators.decimal);
        outcome.suggestion = SuggestedBitrate(w.bitrate);
        outcome.suggestionText = SuggestionText(outcome.suggestion);
    }
    return outcome;
}

FittedAudioOutcome CalcFittedAudioBitrate(std::string_view length, std::string_view aviSize,
                                          std::string_view desiredSize, std::optional<WavRate> wav,
                                          RateUnit unit, const Encoding& encoding,
                                          const Separators& separators) {
    FittedAudioOutcome outcome;
    FittedAudioWorking& w = outcome.working;
    Calculation<F> s(separators);
    w.length = s.number<F::Length>(length);
    w.seconds = s.mul(w.length, 60);
    w.wavBytes = s.mul(w.seconds, wav ? DataRateOf(*wav).bytesPerSecond : 0);
    w.aviSize = s.number<F::AviSize>(aviSize);
    w.aviBytes = s.mul(w.aviSize, kBytesPerMB);
    if (encoding.container) {
        const Encoding avi{Container::Avi, encoding.frameRate, encoding.audioCodec};
        w.aviContainerBytes =
            ContainerBytes(s, avi, w.seconds, wav ? AudioFrames::WavChunks : AudioFrames::None);
    }
    w.videoBytes = s.sub(s.sub(w.aviBytes, w.wavBytes), w.aviContainerBytes);
    w.desiredSize = s.number<F::DesiredSize>(desiredSize);
    w.desiredBytes = s.mul(w.desiredSize, kBytesPerMB);
    w.containerBytes = ContainerBytes(s, encoding, w.seconds, AudioFrames::Codec);
    w.roomBytes = s.sub(s.sub(w.desiredBytes, w.videoBytes), w.containerBytes);
    w.audioBitsExact = s.divideBy<F::Length>(s.mul(w.roomBytes, 8), w.seconds);

    s.finish(outcome);
    const bool container = encoding.container.has_value();
    s.blameNegative(outcome, {{NegativeCause::AviSmallerThanWav, w.videoBytes,
                               (w.wavBytes + w.aviContainerBytes) / kBytesPerMB, w.aviSize, container},
                              {NegativeCause::VideoExceedsSize, w.roomBytes,
                               (w.videoBytes + w.containerBytes) / kBytesPerMB, w.desiredSize, container}});
    if (s.failed())
        return outcome;
    outcome.audioBitrate = std::floor(w.audioBitsExact / BitsIn(unit));
    outcome.audioBits = std::floor(w.audioBitsExact);
    outcome.audioKbit = std::floor(w.audioBitsExact / BitsIn(RateUnit::Kbit1024));
    // The standard steps are the same numbers in both units: kbit/s as the window counts them,
    // and thousands of bits a second as encoders do.
    const bool bits = unit == RateUnit::Bit;
    const std::optional<int> step =
        SuggestedBitrate(bits ? std::floor(w.audioBitsExact / 1000) : outcome.audioBitrate);
    outcome.suggestionText = SuggestionText(step);
    if (step) {
        outcome.suggestion = bits ? *step * 1000.0 : *step;
        outcome.suggestionText = NumberToText(*outcome.suggestion, separators.decimal);
    }
    return outcome;
}

}  // namespace tessaly
