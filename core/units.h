// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The units the calculators' results are in, as the window and the command line write them
// after a figure. Here 1 MB = 1024 kB = 8192 kbit, and 1 kbit = 1024 bits.
#pragma once

#include <string_view>

namespace tessaly {

inline constexpr std::string_view kKbitPerSecond = "kbit/s";
inline constexpr std::string_view kBitPerSecond = "bit/s";
inline constexpr std::string_view kMegabytes = "MB";

}  // namespace tessaly
