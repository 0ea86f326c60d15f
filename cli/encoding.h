// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The options that say how the film is encoded and how rates are given: --container, --fps,
// --audio-codec and --bps, and the WAV audio of --wav.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "cli/arguments.h"
#include "core/container.h"
#include "core/units.h"
#include "core/wav.h"

namespace tessaly::cli {

// Scripts get the same answer in every locale.
inline const Separators kSeparators{".", ","};

// With --container or --bps a command works exactly, in the unit --bps chooses; without either
// it is the window's calculation.
struct Exact {
    bool on = false;
    RateUnit unit = RateUnit::Kbit1024;
    std::string_view unitName = kKbitPerSecond;
    Encoding encoding;

    bool bits() const { return unit == RateUnit::Bit; }
    // The two JSON keys of a rate, the printed unit's first.
    std::string key(std::string_view kbitKey, std::string_view bitKey, bool first) const {
        return std::string(bits() == first ? bitKey : kbitKey);
    }
};

// `aviOnly`: the command's file is an AVI, so --container takes avi alone.
Exact ReadExact(const Arguments& args, bool aviOnly);

// A warning for a rate that only makes sense in the other unit, naming what was likely meant,
// or empty: "--audio: 128: did you mean 128000? With --bps rates are in bits a second".
std::string UnitMixWarning(const Exact& exact, std::string_view option, std::string_view text);

// --wav 48 or --wav 44.1; 48 kHz when the option is absent.
WavRate ReadWav(const Arguments& args);

// The defaults the help names, as the core has them: "25" and "mp3".
std::string DefaultFrameRateText();
std::string DefaultAudioCodecText();

}  // namespace tessaly::cli
