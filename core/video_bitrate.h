// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The video bitrate that makes a film of a given length and audio bitrate fill a file of a
// desired size, with the audio and video shares of that file: the window's calculation, and its
// exact twin for a real encoder and container.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <array>

#include "core/calculation.h"
#include "core/container.h"
#include "core/units.h"

namespace tessaly {

// The three texts shown after a completed run.
struct VideoBitrateTexts {
    std::string videoBitrate;  // kbit/s, whole
    std::string audioData;     // MB, whole
    std::string videoData;     // MB, as computed
};

// The fields, in the order the calculation reads them.
enum class VideoBitrateField { Length, AudioBitrate, Size, Count };

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

// What each step of an exact video run used and gave; a step that did not run leaves 0.
struct FittedVideoWorking {
    double length = 0;  // min
    double seconds = 0;
    double audioBitrate = 0;  // as given, in the run's unit
    double audioBits = 0;     // bit/s
    double audioBytes = 0;    // audio bits / 8 x seconds
    double size = 0;          // MB
    double sizeBytes = 0;
    double containerBytes = 0;  // 0 without a container
    double videoBytes = 0;      // size - audio - container
    double videoBitsExact = 0;  // video bytes x 8 / seconds
};

// A negative figure is blamed on the first field typed negative, or else on audio and
// container bytes that need more than the desired size.
struct FittedVideoOutcome : Verdict<VideoBitrateField> {
    // Rounded down, so that the file stays under; a negative answer is rounded down as well.
    double videoBitrate = 0;  // in the run's unit
    double videoBits = 0;     // bit/s
    double videoKbit = 0;     // the window's kbit/s
    double audioMB = 0;       // exact, as the steps computed them
    double containerMB = 0;
    double videoMB = 0;
    FittedVideoWorking working;
};

// The video rate that makes a film fill the desired size, worked exactly: the audio is not
// rounded to whole MB, the container's bytes are taken from the size, and only the answer is
// rounded. Length in minutes, audio rate in `unit`, size in MB, as typed. 100 minutes, MP3 at
// 128000 bit/s, 700 MB (734003200 bytes), 25 frames a second:
//   no container: (734003200 - 96000000) x 8 / 6000 = 850670.93 -> 850670 bit/s
//   Mkv: 734003200 - 96000000 - 2847732 = 635155468 bytes -> 846873 bit/s
//   Avi: 734003200 - 96000000 - 9734511 = 628268689 bytes -> 837691 bit/s, or 818 kbit/s
FittedVideoOutcome CalcFittedVideoBitrate(std::string_view length, std::string_view audioBitrate,
                                          std::string_view size, RateUnit unit, const Encoding& encoding,
                                          const Separators& separators);

// The video rates, in an encoder's kbit/s of 1000 bits and rounded down, that make the film
// fit in an AVI, a Matroska and an MP4 file, for the window's figures (length in minutes, the
// audio's kbit/s handed to the encoder as that many thousand bits, size in MB), at
// `encoding`'s frame rate and audio codec; none when they give no answer (a zero length):
//   (100, 128, 700) -> AVI 837, MKV 846, MP4 842
std::optional<std::array<double, 3>> EncoderRates(double length, double audioBitrate, double size,
                                                  const Encoding& encoding);

}  // namespace tessaly
