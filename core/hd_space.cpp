// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/hd_space.h"

namespace tessaly {

namespace {
constexpr Message kMessage{"Pleast enter a positive number.", "You must enter a number."};
}

HdSpaceOutcome CalcHDSpace(std::string_view length, std::string_view videoBitrate, HdAudio audio,
                           std::string_view otherBitrate, const Separators& separators) {
    HdSpaceOutcome outcome;
    HdSpaceSteps& w = outcome.steps;
    Steps s(separators);
    w.audio = audio;
    w.length = s.number(length, static_cast<int>(HdSpaceField::Length));
    w.seconds = s.mul(w.length, 60);
    // no option selected: no audio
    if (audio == HdAudio::Wav48kHz)
        w.audioRate = kWav48kHzRate;
    if (audio == HdAudio::Wav44kHz)
        w.audioRate = kWav44kHzRate;
    if (audio == HdAudio::OtherBitrate) {
        w.otherBitrate = s.number(otherBitrate, static_cast<int>(HdSpaceField::OtherBitrate));
        w.audioRate = s.div(w.otherBitrate, 8);
    }
    w.videoBitrate = s.number(videoBitrate, static_cast<int>(HdSpaceField::VideoBitrate));
    w.videoSizeExact = s.div(s.div(s.mul(w.seconds, w.videoBitrate), 8), 1024);
    w.videoSize = s.round(w.videoSizeExact, 1);
    w.audioSizeExact = s.div(s.mul(w.seconds, w.audioRate), 1024);
    w.audioSize = s.round(w.audioSizeExact, 1);
    w.total = s.add(w.videoSize, w.audioSize);
    w.spaceRequired = s.round(w.total, 0);

    outcome.failure = s.failure();
    outcome.message = MessageFor(s.failure(), CalcFailure::DivisionByZero, kMessage);
    if (s.failedField() >= 0)
        outcome.failedField = static_cast<HdSpaceField>(s.failedField());
    if (!s.failed()) {
        outcome.spaceRequired = w.spaceRequired;
        outcome.text = NumberToText(w.spaceRequired, separators.decimal);
    }
    return outcome;
}

}  // namespace tessaly
