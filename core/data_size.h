// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading a desired file size as people write it: the window's MB, a number with a unit, or a
// disc by its name, for the calculators, which take MB of 1048576 bytes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/data_units.h"
#include "core/discs.h"
#include "core/numbers.h"

namespace tessaly {

// Why a size is none. The caller words it, showing the units and discs taken.
enum class SizeError {
    // A number followed by a word that is none of the converter's unit names, however
    // written: "700 mb", "700 XB", "4.7 G", "1e".
    UnknownUnit,
};

struct DataSize {
    double megabytes = 0;
    // Exact, as every unit is a power of two bits: "10000000B" -> 10000000 (9.5367431640625 MB).
    double bytes = 0;
    std::optional<DataUnit> unit;  // none for a bare number or a disc
    std::optional<Disc> disc;
    std::optional<SizeError> error;
    // Why the number of a size in MB, or before its unit, cannot be read, as FieldToNumber says.
    std::optional<CalcFailure> failure;
    // What to hand a calculator: a bare number as typed, so that it reads and words it as ever;
    // any other size as its MB written by RoundTripText; a text that is no size as typed.
    std::string fieldText;

    bool ok() const { return !error && !failure; }
};

// Reads a size; blanks around it are ignored. With '.' and ',':
//   a bare number, in MB: "700" -> 700 MB (734003200 bytes), "1,024", "-5"
//   a number and any of the converter's unit names (DataUnitNamed; case matters) as one word
//     or with blanks between: "10000000B", "700 MB", "4.7 GB", "4.7 GiB", "8 kbit" -> 1024 bytes,
//     "700 megabytes", "1 bits" -> 0.125 bytes
//   a disc, alone and in any case (DiscNamed): "dvd" -> 4699011072 bytes, "CD" -> cd700
//   "abc", "MB", "", "1,5 MB" -> NotANumber (as typed); "1e308 GB" -> Overflow
//   "700 mb", "4.7 G", "2 dvd" -> UnknownUnit
DataSize ReadDataSize(std::string_view text, const Separators& separators);

}  // namespace tessaly
