// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading the margin a film is to stay under its desired size by, as people write it: a share
// of the size in per cent, or an amount of data, for an encoder that lands near its target but
// not on it.
#pragma once

#include <optional>
#include <string_view>

#include "core/numbers.h"

namespace tessaly {

// Why a text is no margin. The caller words it, showing the forms taken.
enum class MarginError {
    // Neither per cent nor an amount: "abc", "%", "dvd" (a disc is a size, not a margin).
    NotAMargin,
    // A number with a word that is none of the converter's unit names: "2 XB".
    UnknownUnit,
    // Below zero: a margin makes the answer aim under the desired size, never over it.
    Negative,
    // 100 % or more: nothing would be left to aim at.
    WholeSize,
};

// A margin: either a share of the desired size or a fixed amount, the other 0.
struct Margin {
    double percent = 0;  // of the desired size
    double bytes = 0;
    std::optional<MarginError> error;

    bool ok() const { return !error; }
};

// Reads a margin; blanks around it are ignored. With '.' and ',':
//   per cent, with or without the sign: "2" -> 2 %, "2%", "0.5 %", "0" -> none at all
//   a number and one of the converter's unit names, as a size is read (ReadDataSize):
//     "200KiB" -> 204800 bytes, "1 MB" -> 1048576, "10000B"
//   "abc", "", "%", "dvd" -> NotAMargin; "2 XB" -> UnknownUnit; "-2", "-1 MB" -> Negative;
//   "100", "150%", "1e999" -> WholeSize
Margin ReadMargin(std::string_view text, const Separators& separators);

// The bytes a margin takes from a desired size: (2 %, 734003200) -> 14680064; (204800 bytes,
// any size) -> 204800.
double MarginBytes(const Margin& margin, double sizeBytes);

// Whether something is left to aim at: a share below 100 % always leaves some (of a size the
// calculation then judges itself, a negative one too); an amount must be smaller than the
// desired size: (1 MB, 700 MB) -> true, (700 MB, 700 MB) -> false, (1 MB, -5 MB) -> false.
bool LeavesRoom(const Margin& margin, double sizeBytes);

}  // namespace tessaly
