// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The hard-disk space that encoding a film's VOB files into an AVI with uncompressed WAV audio,
// or audio of a chosen bitrate, takes: the window's calculation, and its exact twin.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/calculation.h"
#include "core/container.h"
#include "core/units.h"
#include "core/wav.h"

namespace tessaly {

// The fields; the other bitrate is read only for audio that is not WAV.
enum class HdSpaceField { Length, VideoBitrate, OtherBitrate, Count };

// What each step of a run used and gave, in the order the steps ran; a step that did not run
// leaves its values 0. Sizes in MB.
struct HdSpaceWorking {
    std::optional<WavRate> wav;  // the WAV audio the run used; none for the other bitrate
    double length = 0;           // min
    double seconds = 0;          // length x 60
    double otherBitrate = 0;     // kbit/s, the combo's number; only without WAV audio
    double audioRate = 0;        // kB/s: a WAV rate, or the other bitrate / 8
    double videoBitrate = 0;     // kbit/s
    double videoSizeExact = 0;   // seconds x video bitrate / 8 / 1024
    double videoSize = 0;        // rounded to one decimal
    double audioSizeExact = 0;   // seconds x audio rate / 1024
    double audioSize = 0;        // rounded to one decimal
    double total = 0;            // video size + audio size
    double spaceRequired = 0;    // rounded to whole MB
};

// Its message is armed like the other calculators', though it divides by constants only and so
// never shows. Only a field typed negative makes a figure negative.
struct HdSpaceOutcome : Verdict<HdSpaceField> {
    std::optional<std::string> text;  // the space required in MB, only when the run completed
    HdSpaceWorking working;
};

// Length in minutes and video bitrate in kbit/s as typed; `wav` is the WAV audio chosen, none
// for audio of `otherBitrate`, the combo's text, which is read only then. The video and audio
// sizes are each rounded to one decimal, and only their sum to whole MB:
//   ("100", "827", Rate48kHz) -> 605.7 + 1098.6 -> "1704"
//   ("2", "168", Rate48kHz)   -> 2.5 + 22.0 = 24.5 -> "24"
HdSpaceOutcome CalcHDSpace(std::string_view length, std::string_view videoBitrate, std::optional<WavRate> wav,
                           std::string_view otherBitrate, const Separators& separators);

// What each step of an exact disk space run used and gave; a step that did not run leaves 0.
struct FittedSpaceWorking {
    double length = 0;  // min
    double seconds = 0;
    double videoBits = 0;  // bit/s
    double videoBytes = 0;
    double audioBits = 0;       // bit/s of the other audio; 0 for WAV or none
    double audioBytes = 0;      // WAV or the other audio
    double containerBytes = 0;  // the AVI's own bytes: 0 without a container
    double totalBytes = 0;
};

// Only a field typed negative makes the space negative.
struct FittedSpaceOutcome : Verdict<HdSpaceField> {
    double spaceRequired = 0;  // MB, rounded up
    FittedSpaceWorking working;
};

// The disk space the intermediate AVI takes, worked exactly and rounded up to whole MB. With
// `encoding.container` (only an AVI makes sense here) its own bytes are added: WAV audio in
// one chunk per video frame, other audio in frames of `encoding.audioCodec`. Rates in `unit`:
//   ("100", "827", Rate48kHz, Kbit1024, no container) -> 635136000 + 1152000000 bytes -> 1705 MB
//   the same in an AVI at 25 frames a second: + 7298511 bytes -> 1712 MB
FittedSpaceOutcome CalcFittedHdSpace(std::string_view length, std::string_view videoBitrate,
                                     std::optional<WavRate> wav, std::string_view otherBitrate, RateUnit unit,
                                     const Encoding& encoding, const Separators& separators);

}  // namespace tessaly
