// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The hard-disk space that encoding a film's VOB files into an AVI with uncompressed WAV audio,
// or audio of a chosen bitrate, takes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/calculation.h"

namespace tessaly {

// Which of the section's three audio options is selected; None when none is.
enum class HdAudio { None, Wav48kHz, Wav44kHz, OtherBitrate };

// Data rates of 16-bit stereo WAV audio in kB/s. The 44.1 kHz rate is 172.266 as the program
// has always counted it, not the exact 44100 * 4 / 1024 = 172.265625.
inline constexpr double kWav48kHzRate = 187.5;
inline constexpr double kWav44kHzRate = 172.266;

// The fields; the other bitrate is read only with HdAudio::OtherBitrate.
enum class HdSpaceField { Length, VideoBitrate, OtherBitrate };

// What each step of a run used and gave, in the order the steps ran; a step that did not run
// leaves its values 0. Sizes in MB.
struct HdSpaceWorking {
    HdAudio audio = HdAudio::None;  // the option the run used
    double length = 0;              // min
    double seconds = 0;             // length x 60
    double otherBitrate = 0;        // kbit/s, the combo's number; only for HdAudio::OtherBitrate
    double audioRate = 0;           // kB/s: a WAV rate, the other bitrate / 8, or 0 for no audio
    double videoBitrate = 0;        // kbit/s
    double videoSizeExact = 0;      // seconds x video bitrate / 8 / 1024
    double videoSize = 0;           // rounded to one decimal
    double audioSizeExact = 0;      // seconds x audio rate / 1024
    double audioSize = 0;           // rounded to one decimal
    double total = 0;               // video size + audio size
    double spaceRequired = 0;       // rounded to whole MB
};

// Its message is armed like the other calculators', though it divides by constants only and so
// never shows. Only a field typed negative makes a figure negative.
struct HdSpaceOutcome : Verdict<HdSpaceField> {
    std::optional<std::string> text;  // the space required in MB, only when the run completed
    HdSpaceWorking working;
};

// Length in minutes and video bitrate in kbit/s as typed; `otherBitrate` is the combo's text
// and is read only for HdAudio::OtherBitrate. The video and audio sizes are each rounded to
// one decimal, and only their sum to whole MB:
//   ("100", "827", Wav48kHz) -> 605.7 + 1098.6 -> "1704"
//   ("2", "168", Wav48kHz)   -> 2.5 + 22.0 = 24.5 -> "24"
HdSpaceOutcome CalcHDSpace(std::string_view length, std::string_view videoBitrate, HdAudio audio,
                           std::string_view otherBitrate, const Separators& separators);

}  // namespace tessaly
