// The video bitrate that makes a film of a given length and audio bitrate fill a file of a
// desired size, with the audio and video shares of that file.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/numbers.h"

namespace tessaly {

// The three texts shown after a completed run.
struct VideoBitrateTexts {
    std::string videoBitrate;  // kbit/s, whole
    std::string audioData;     // MB, whole
    std::string videoData;     // MB, as computed
};

struct VideoBitrateOutcome {
    std::optional<VideoBitrateTexts> texts;  // only when the run completed
    double videoBitrate = 0;                 // the routine's result, when it completed
    double audioData = 0;                    // the numbers behind the two shares' texts
    double videoData = 0;
    std::optional<CalcFailure> failure;
    std::optional<Message> message;          // set for a zero length with a non-zero size
};

// Length in minutes, audio bitrate in kbit/s, desired size in MB, all as typed.
// The audio share is rounded to whole MB before the video share is taken from the size:
//   ("100", "128", "700") -> 827 kbit/s, 94 MB audio, 606 MB video
//   ("120", "128", "700") -> 669, 112, 588   (112.5 MB of audio rounds to the even 112)
//   ("0", "128", "700")   -> DivisionByZero, reported; ("0", "128", "0") -> Overflow, silent
VideoBitrateOutcome CalcVideoBitrate(std::string_view length, std::string_view audioBitrate,
                                     std::string_view size, const Separators& separators);

}  // namespace tessaly
