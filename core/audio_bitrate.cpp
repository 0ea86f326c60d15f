// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/audio_bitrate.h"

#include <array>

#include "core/hd_space.h"

namespace tessaly {

namespace {
constexpr Message kMessage{"Pleast enter a positive number.", "You must enter a number."};
constexpr std::array<int, 10> kSteps{kLowestSuggestion, 96, 112, 128, 160, 192, 224, 256, 320, kHighestSuggestion};
}  // namespace

std::string SuggestedBitrate(double bitrate) {
    for (auto step = kSteps.rbegin(); step != kSteps.rend(); ++step) {
        if (bitrate >= *step)
            return std::to_string(*step);
    }
    return "too low";
}

AudioBitrateOutcome CalcAudioBitrate(std::string_view length, std::string_view aviSize,
                                     std::string_view desiredSize, WavAudio wav,
                                     const Separators& separators) {
    AudioBitrateOutcome outcome;
    AudioBitrateSteps& w = outcome.steps;
    Steps s(separators);
    w.wav = wav;
    w.length = s.number(length, static_cast<int>(AudioBitrateField::Length));
    w.seconds = s.mul(w.length, 60);
    // no WAV audio in the AVI: rate 0
    if (wav == WavAudio::Rate48kHz)
        w.wavRate = kWav48kHzRate;
    if (wav == WavAudio::Rate44kHz)
        w.wavRate = kWav44kHzRate;
    w.wavSize = s.div(s.mul(w.seconds, w.wavRate), 1024);
    w.aviSize = s.number(aviSize, static_cast<int>(AudioBitrateField::AviSize));
    w.videoSize = s.sub(w.aviSize, w.wavSize);
    w.desiredSize = s.number(desiredSize, static_cast<int>(AudioBitrateField::DesiredSize));
    w.room = s.sub(w.desiredSize, w.videoSize);
    w.bitrateExact = s.div(s.mul(s.mul(w.room, 8), 1024), w.seconds);
    w.bitrate = s.round(w.bitrateExact, 0);

    outcome.failure = s.failure();
    outcome.message = MessageFor(s.failure(), CalcFailure::DivisionByZero, kMessage);
    if (s.failedField() >= 0)
        outcome.failedField = static_cast<AudioBitrateField>(s.failedField());
    if (!s.failed()) {
        outcome.bitrate = w.bitrate;
        outcome.bitrateText = NumberToText(w.bitrate, separators.decimal);
        outcome.suggestionText = SuggestedBitrate(w.bitrate);
    }
    return outcome;
}

}  // namespace tessaly
