// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The video bitrate that makes a film of a given length and audio bitrate fill a file of a
// desired size, with the audio and video shares of that file.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/calculation.h"

namespace tessaly {

// The three texts shown after a completed run.
struct VideoBitrateTexts {
    std::string videoBitrate;  // kbit/s, whole
    std::string audioData;     // MB, whole
    std::string videoData;     // MB, as computed
};

// The fields, in the order the calculation reads them.
enum class VideoBitrateField { Length, AudioBitrate, Size };

// What each step of a run used and gave, in the order the steps ran; a step that did not run
// leaves its values 0. Sizes in MB, bitrates in kbit/s.
struct VideoBitrateWorking {
    double length = 0;   // min
    double seconds = 0;  // length x 60
    double audioBitrate = 0;
    double audioDataExact = 0;  // audio bitrate / 8 x seconds / 1024
    double audioData = 0;       // rounded to whole MB
    double size = 0;
    double videoData = 0;          // size - audio data
    double videoBitrateExact = 0;  // video data x 1024 x 8 / seconds
    double videoBitrate = 0;       // rounded to whole kbit/s
};

// The message comes for a zero length with a non-zero size. A negative figure is blamed on the
// first field typed negative, or else on audio that needs more than the desired size.
struct VideoBitrateOutcome : Verdict<VideoBitrateField> {
    std::optional<VideoBitrateTexts> texts;  // only when the run completed
    VideoBitrateWorking working;
};

// Length in minutes, audio bitrate in kbit/s, desired size in MB, all as typed.
// The audio share is rounded to whole MB before the video share is taken from the size:
//   ("100", "128", "700") -> 827 kbit/s, 94 MB audio, 606 MB video
//   ("120", "128", "700") -> 669, 112, 588   (112.5 MB of audio rounds to the even 112)
//   ("0", "128", "700")   -> DivisionByZero, reported; ("0", "128", "0") -> Overflow, silent
VideoBitrateOutcome CalcVideoBitrate(std::string_view length, std::string_view audioBitrate,
                                     std::string_view size, const Separators& separators);

}  // namespace tessaly
