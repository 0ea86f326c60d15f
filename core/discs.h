// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The recordable discs a film may be sized for, and what one file may take on each once the
// disc's file system has what it needs.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tessaly {

enum class Disc { Cd650, Cd700, Dvd, DvdDl, Bd25, Bd50 };

inline constexpr std::size_t kDiscCount = 6;
inline constexpr std::int64_t kSectorBytes = 2048;

// A disc's figures, all in sectors of 2048 bytes: what the smaller of its formats holds, and
// what ISO 9660 and UDF each take of it besides one file of the film's size.
struct DiscPreset {
    Disc disc;
    std::string_view name;    // as typed, in any case: "dvd"
    std::string_view alias;   // another name, or none: "cd" for cd700
    std::string_view label;   // for a menu: "DVD±R"
    std::string_view format;  // the format whose sectors are counted: "DVD+R"
    std::int64_t sectors;
    std::int64_t isoSectors;
    std::int64_t udfSectors;

    // The file fits whichever of the two file systems the disc is burnt with.
    constexpr std::int64_t fileSystemSectors() const { return std::max(isoSectors, udfSectors); }
    constexpr std::int64_t fileSectors() const { return sectors - fileSystemSectors(); }
    constexpr std::int64_t fileBytes() const { return fileSectors() * kSectorBytes; }
    // Exact: a whole count of sectors is a multiple of 1/512 MB.
    constexpr double fileMegabytes() const { return static_cast<double>(fileSectors()) / 512; }
};

// In the order of their sizes, cd650 first.
extern const std::array<DiscPreset, kDiscCount> kDiscPresets;

const DiscPreset& PresetOf(Disc disc);

// The disc a name or alias stands for, in any case: "DVD", "dvd-dl", "Cd" -> cd700; else none.
std::optional<Disc> DiscNamed(std::string_view name);

// What one file may take on the disc in MB with at most four decimals, rounded down so that a
// file of that size still fits, for a field the window reads as MB; `decimal` separates them:
//   dvd -> "4481.3261" (of 4481.326171875), cd650 -> "649.0449", bd50 -> "47728.0625",
//   (cd, ",") -> "701,7617"
std::string DiscMegabytesText(const DiscPreset& preset, std::string_view decimal = ".");

// How the preset is worked out, for a help text:
//   dvd -> "2295104 sectors (DVD+R) - 665 for UDF = 2294439 x 2048 = 4699011072 bytes"
std::string DiscArithmetic(const DiscPreset& preset);

}  // namespace tessaly
