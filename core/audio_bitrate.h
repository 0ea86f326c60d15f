// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The audio bitrate still affordable once the encoded AVI exists and its real size is known,
// and the largest standard bitrate step that does not exceed it: the window's calculation, and
// its exact twin for a real encoder and container.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/calculation.h"
#include "core/container.h"
#include "core/units.h"
#include "core/wav.h"

namespace tessaly {

// The fields, in the order the calculation reads them.
enum class AudioBitrateField { Length, AviSize, DesiredSize, Count };

// What each step of a run used and gave, in the order the steps ran; a step that did not run
// leaves its values 0. Sizes in MB.
struct AudioBitrateWorking {
    std::optional<WavRate> wav;  // the WAV audio the run assumed; none for none
    double length = 0;           // min
    double seconds = 0;          // length x 60
    double wavRate = 0;          // kB/s, 0 without WAV audio
    double wavSize = 0;          // seconds x WAV rate / 1024
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

// The suggestion for a bitrate: the largest standard bitrate that does not exceed it, or none
// (shown as "too low") below the lowest:
//   63 -> none, 64 -> 64, 95 -> 64, 127 -> 112, 383 -> 320, 1500 -> 384
std::optional<int> SuggestedBitrate(double bitrate);

// The suggestion as the window shows it: "128", or "too low".
std::string SuggestionText(std::optional<int> suggestion);

// Length in minutes, AVI size and desired size in MB, as typed; `wav` is the WAV audio the AVI
// holds, none when it holds none. The WAV audio that leaves the AVI gives its rate back to the
// budget:
//   ("100", "1700", "700", Rate48kHz) -> "135", "128"
//   ("100", "700.1", "700", none)     -> "0" (a negative zero), "too low"
AudioBitrateOutcome CalcAudioBitrate(std::string_view length, std::string_view aviSize,
                                     std::string_view desiredSize, std::optional<WavRate> wav,
                                     const Separators& separators);

// What each step of an exact audio run used and gave; a step that did not run leaves 0.
struct FittedAudioWorking {
    double length = 0;  // min
    double seconds = 0;
    double wavBytes = 0;  // seconds x 192000 (48 kHz) or 176400 (44.1 kHz)
    double aviSize = 0;   // MB
    double aviBytes = 0;
    double aviContainerBytes = 0;  // the AVI's own bytes: 0 without a container
    double videoBytes = 0;         // AVI - WAV - its own bytes
    double desiredSize = 0;        // MB
    double desiredBytes = 0;
    double containerBytes = 0;  // the finished file's own bytes
    double roomBytes = 0;       // desired - video - container
    double audioBitsExact = 0;  // room x 8 / seconds
};

// A negative figure is blamed on the first field typed negative, else on an AVI smaller than
// its WAV audio and own bytes, else on video that leaves no room for audio.
struct FittedAudioOutcome : Verdict<AudioBitrateField> {
    double audioBitrate = 0;  // in the run's unit, rounded down
    double audioBits = 0;     // bit/s, rounded down
    double audioKbit = 0;     // the window's kbit/s, rounded down
    // The largest standard step not above the answer, in the run's unit: in kbit/s the
    // window's "128" or "too low"; in bits a second the encoder's "128000" (64000 to 384000).
    std::string suggestionText;
    std::optional<double> suggestion;  // none for "too low"
    FittedAudioWorking working;
};

// The audio rate still affordable in the finished file once the AVI is encoded. The AVI holds
// the video, and WAV audio unless `wav` is none; the finished file holds the same video and
// audio of `encoding.audioCodec` in `encoding.container`. Its video payload is the AVI's size
// less the WAV and the AVI's own bytes (counting, as AVI editors interleave it, one WAV chunk
// per video frame); the audio may have what the desired size leaves after that video and the
// finished file's own bytes. Length in minutes, sizes in MB, as typed; the answer in `unit`.
// 100 minutes at 25 frames a second, an AVI of 600 MB without WAV, 700 MB desired:
//   no container: 104857600 bytes of room x 8 / 6000 -> 139810 bit/s, suggested 128000
//   Mkv, MP3: AVI 629145600 - 3640791 (its own bytes, one stream) = 625504809 of video; room
//     734003200 - 625504809 - 2847732 = 105650659 -> 140867 bit/s, or 137 kbit/s
FittedAudioOutcome CalcFittedAudioBitrate(std::string_view length, std::string_view aviSize,
                                          std::string_view desiredSize, std::optional<WavRate> wav,
                                          RateUnit unit, const Encoding& encoding,
                                          const Separators& separators);

}  // namespace tessaly
