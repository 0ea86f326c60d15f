// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The units the calculators count in and write after a figure. Here 1 MB = 1024 kB = 8192 kbit,
// and 1 kbit = 1024 bits; an encoder's k is 1000.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace tessaly {

inline constexpr std::string_view kKbitPerSecond = "kbit/s";
inline constexpr std::string_view kBitPerSecond = "bit/s";
inline constexpr std::string_view kKilobytesPerSecond = "kB/s";
inline constexpr std::string_view kMegabytes = "MB";

inline constexpr double kBytesPerMB = 1048576;

// The standard audio bitrates in kbit/s, lowest first: the steps an audio bitrate is suggested
// from, and the window's list of other bitrates.
inline constexpr std::array<int, 10> kStandardBitrates{64, 96, 112, 128, 160, 192, 224, 256, 320, 384};

// How a rate is given and answered: the window's kbit/s of 1024 bits, an encoder's kbit/s
// of 1000 bits ("-b:v 827k"), or bits a second.
enum class RateUnit { Kbit1024, Kbit1000, Bit };

// 1024, 1000, 1.
constexpr double BitsIn(RateUnit unit) {
    switch (unit) {
    case RateUnit::Kbit1024:
        return 1024;
    case RateUnit::Kbit1000:
        return 1000;
    case RateUnit::Bit:
        break;
    }
    return 1;
}

// A rate in the window's kbit/s, in bits a second: 827 -> 846848.
constexpr double KbitToBits(double kbit) { return kbit * BitsIn(RateUnit::Kbit1024); }

// The figure a rate given in `unit` more likely stands for, in that same unit, where it only
// makes sense in the other: in bits a second, a rate under 1000 reads as kbit/s ("128" is
// most likely 128000); in the window's kbit/s, one over 100000 reads as bits a second
// ("128000" is most likely 125). None where the rate is plausible as it stands, or not positive.
constexpr std::optional<double> LikelyMeant(double rate, RateUnit unit) {
    if (unit == RateUnit::Bit && rate > 0 && rate < 1000)
        return rate * 1000;
    if (unit != RateUnit::Bit && rate > 100000)
        return rate / BitsIn(unit);
    return std::nullopt;
}

// How much smaller, in per cent, a file comes out when an encoder that reads k as 1000 is given
// the window's kbit/s: 100 x (1 - 1000 / 1024) = 2.34375.
constexpr double EncoderKiloShortfallPercent() {
    return 100 * (1 - BitsIn(RateUnit::Kbit1000) / BitsIn(RateUnit::Kbit1024));
}

}  // namespace tessaly
