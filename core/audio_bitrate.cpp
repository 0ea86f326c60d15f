// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/audio_bitrate.h"

#include "core/hd_space.h"

namespace tessaly {

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
                                     std::string_view desiredSize, WavAudio wav,
                                     const Separators& separators) {
    AudioBitrateOutcome outcome;
    AudioBitrateWorking& w = outcome.working;
    Calculation<AudioBitrateField> s(separators);
    w.wav = wav;
    w.length = s.number(length, AudioBitrateField::Length);
    w.seconds = s.mul(w.length, 60);
    // no WAV audio in the AVI: rate 0
    if (wav == WavAudio::Rate48kHz)
        w.wavRate = kWav48kHzRate;
    if (wav == WavAudio::Rate44kHz)
        w.wavRate = kWav44kHzRate;
    w.wavSize = s.div(s.mul(w.seconds, w.wavRate), 1024);
    w.aviSize = s.number(aviSize, AudioBitrateField::AviSize);
    w.videoSize = s.sub(w.aviSize, w.wavSize);
    w.desiredSize = s.number(desiredSize, AudioBitrateField::DesiredSize);
    w.room = s.sub(w.desiredSize, w.videoSize);
    w.bitrateExact = s.divideBy(s.mul(s.mul(w.room, 8), 1024), w.seconds, AudioBitrateField::Length);
    w.bitrate = s.round(w.bitrateExact, 0);

    s.finish(outcome);
    s.blameNegative(outcome, {{NegativeCause::AviSmallerThanWav, w.videoSize},
                              {NegativeCause::VideoExceedsSize, w.room}});
    if (!s.failed()) {
        outcome.bitrateText = NumberToText(w.bitrate, separators.decimal);
        outcome.suggestion = SuggestedBitrate(w.bitrate);
        outcome.suggestionText = SuggestionText(outcome.suggestion);
    }
    return outcome;
}

}  // namespace tessaly
