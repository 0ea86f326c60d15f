// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/video_bitrate.h"

namespace tessaly {

namespace {
constexpr Message kMessage{"Pleast enter a positive number.", "You must enter a number."};
}

VideoBitrateOutcome CalcVideoBitrate(std::string_view length, std::string_view audioBitrate,
                                     std::string_view size, const Separators& separators) {
    VideoBitrateOutcome outcome;
    VideoBitrateSteps& w = outcome.steps;
    Steps s(separators);
    w.length = s.number(length, static_cast<int>(VideoBitrateField::Length));
    w.seconds = s.mul(w.length, 60);
    w.audioBitrate = s.number(audioBitrate, static_cast<int>(VideoBitrateField::AudioBitrate));
    w.audioDataExact = s.div(s.mul(s.div(w.audioBitrate, 8), w.seconds), 1024);
    w.audioData = s.round(w.audioDataExact, 0);
    w.size = s.number(size, static_cast<int>(VideoBitrateField::Size));
    w.videoData = s.sub(w.size, w.audioData);
    w.videoBitrateExact = s.div(s.mul(s.mul(w.videoData, 1024), 8), w.seconds);
    w.videoBitrate = s.round(w.videoBitrateExact, 0);

    outcome.failure = s.failure();
    outcome.message = MessageFor(s.failure(), CalcFailure::DivisionByZero, kMessage);
    if (s.failedField() >= 0)
        outcome.failedField = static_cast<VideoBitrateField>(s.failedField());
    if (!s.failed()) {
        outcome.videoBitrate = w.videoBitrate;
        outcome.texts = VideoBitrateTexts{NumberToText(w.videoBitrate, separators.decimal),
                                          NumberToText(w.audioData, separators.decimal),
                                          NumberToText(w.videoData, separators.decimal)};
    }
    return outcome;
}

}  // namespace tessaly
