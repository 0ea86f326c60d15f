// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/video_bitrate.h"

namespace tessaly {

VideoBitrateOutcome CalcVideoBitrate(std::string_view length, std::string_view audioBitrate,
                                     std::string_view size, const Separators& separators) {
    VideoBitrateOutcome outcome;
    VideoBitrateWorking& w = outcome.working;
    Calculation<VideoBitrateField> s(separators);
    w.length = s.number(length, VideoBitrateField::Length);
    w.seconds = s.mul(w.length, 60);
    w.audioBitrate = s.number(audioBitrate, VideoBitrateField::AudioBitrate);
    w.audioDataExact = s.div(s.mul(s.div(w.audioBitrate, 8), w.seconds), 1024);
    w.audioData = s.round(w.audioDataExact, 0);
    w.size = s.number(size, VideoBitrateField::Size);
    w.videoData = s.sub(w.size, w.audioData);
    w.videoBitrateExact =
        s.divideBy(s.mul(s.mul(w.videoData, 1024), 8), w.seconds, VideoBitrateField::Length);
    w.videoBitrate = s.round(w.videoBitrateExact, 0);

    s.finish(outcome);
    s.blameNegative(outcome, {{NegativeCause::AudioExceedsSize, w.videoData}});
    if (!s.failed()) {
        outcome.texts = VideoBitrateTexts{NumberToText(w.videoBitrate, separators.decimal),
                                          NumberToText(w.audioData, separators.decimal),
                                          NumberToText(w.videoData, separators.decimal)};
    }
    return outcome;
}

}  // namespace tessaly
