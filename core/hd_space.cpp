// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/hd_space.h"

namespace tessaly {

HdSpaceOutcome CalcHDSpace(std::string_view length, std::string_view videoBitrate, HdAudio audio,
                           std::string_view otherBitrate, const Separators& separators) {
    HdSpaceOutcome outcome;
    HdSpaceWorking& w = outcome.working;
    Calculation<HdSpaceField> s(separators);
    w.audio = audio;
    w.length = s.number(length, HdSpaceField::Length);
    w.seconds = s.mul(w.length, 60);
    // no option selected: no audio
    if (audio == HdAudio::Wav48kHz)
        w.audioRate = kWav48kHzRate;
    if (audio == HdAudio::Wav44kHz)
        w.audioRate = kWav44kHzRate;
    if (audio == HdAudio::OtherBitrate) {
        w.otherBitrate = s.number(otherBitrate, HdSpaceField::OtherBitrate);
        w.audioRate = s.div(w.otherBitrate, 8);
    }
    w.videoBitrate = s.number(videoBitrate, HdSpaceField::VideoBitrate);
    w.videoSizeExact = s.div(s.div(s.mul(w.seconds, w.videoBitrate), 8), 1024);
    w.videoSize = s.round(w.videoSizeExact, 1);
    w.audioSizeExact = s.div(s.mul(w.seconds, w.audioRate), 1024);
    w.audioSize = s.round(w.audioSizeExact, 1);
    w.total = s.add(w.videoSize, w.audioSize);
    w.spaceRequired = s.round(w.total, 0);

    s.finish(outcome);
    s.blameNegative(outcome, {});
    if (!s.failed())
        outcome.text = NumberToText(w.spaceRequired, separators.decimal);
    return outcome;
}

}  // namespace tessaly
