// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The audio bitrate still affordable once the encoded AVI exists and its real size is known,
// and the largest standard bitrate step that does not exceed it.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/calculation.h"

namespace tessaly {

// The WAV audio inside the AVI: its sampling rate, or None when the AVI holds no WAV audio.
enum class WavAudio { None, Rate48kHz, Rate44kHz };

// The fields, in the order the calculation reads them.
enum class AudioBitrateField { Length, AviSize, DesiredSize };

// What each step of a run used and gave, in the order the steps ran; a step that did not run
// leaves its values 0. Sizes in MB.
struct AudioBitrateWorking {
    WavAudio wav = WavAudio::None;  // the WAV audio the run assumed
    double length = 0;              // min
    double seconds = 0;             // length x 60
    double wavRate = 0;             // kB/s, 0 without WAV audio
    double wavSize = 0;             // seconds x WAV rate / 1024
    double aviSize = 0;
    double videoSize = 0;  // AVI size - WAV size
    double desiredSize = 0;
    double room = 0;          // desired size - video size
    double bitrateExact = 0;  // kbit/s: room x 8 x 1024 / seconds
    double bitrate = 0;       // rounded to whole kbit/s
};

// The message comes for a zero length with room not zero. A negative figure is blamed on the
// first field typed negative, else on an AVI smaller than its WAV audio (a negative video
// share, which makes the room and the bitrate too large), else on video that needs more than
// the desired size.
struct AudioBitrateOutcome : Verdict<AudioBitrateField> {
    std::optional<std::string> bitrateText;     // kbit/s, whole; only when the run completed
    std::optional<std::string> suggestionText;  // a standard bitrate such as "128", or "too low"
    std::optional<int> suggestion;              // kbit/s; none when too low
    AudioBitrateWorking working;
};

// The standard audio bitrates a suggestion is one of, in kbit/s, lowest first.
inline constexpr std::array<int, 10> kStandardBitrates{64, 96, 112, 128, 160, 192, 224, 256, 320, 384};

// The suggestion for a bitrate: the largest standard bitrate that does not exceed it, or none
// (shown as "too low") below the lowest:
//   63 -> none, 64 -> 64, 95 -> 64, 127 -> 112, 383 -> 320, 1500 -> 384
std::optional<int> SuggestedBitrate(double bitrate);

// The suggestion as the window shows it: "128", or "too low".
std::string SuggestionText(std::optional<int> suggestion);

// Length in minutes, AVI size and desired size in MB, as typed. The WAV audio that leaves the
// AVI gives its rate back to the budget:
//   ("100", "1700", "700", Rate48kHz) -> "135", "128"
//   ("100", "700.1", "700", None)     -> "0" (a negative zero), "too low"
AudioBitrateOutcome CalcAudioBitrate(std::string_view length, std::string_view aviSize,
                                     std::string_view desiredSize, WavAudio wav,
                                     const Separators& separators);

}  // namespace tessaly
