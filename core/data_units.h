// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Converting an amount of data between bits, bytes and their kilo, mega and giga multiples,
// all prefixes being powers of 1024.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/calculation.h"

namespace tessaly {

// The eight units, numbered as the converter lists them.
enum class DataUnit { Bits, Bytes, Kilobits, Kilobytes, Megabits, Megabytes, Gigabits, Gigabytes };

inline constexpr std::size_t kDataUnitCount = 8;

// Every unit in the converter's order, for walking through them.
inline constexpr std::array<DataUnit, kDataUnitCount> kDataUnits{
    DataUnit::Bits,     DataUnit::Bytes,     DataUnit::Kilobits, DataUnit::Kilobytes,
    DataUnit::Megabits, DataUnit::Megabytes, DataUnit::Gigabits, DataUnit::Gigabytes};

// The unit's position in the converter's list and boxes, bits at 0.
constexpr std::size_t PositionOf(DataUnit unit) { return static_cast<std::size_t>(unit); }

// The unit at a list position, or none for a position outside 0..7 (-1 is "nothing selected").
std::optional<DataUnit> DataUnitAt(int index);

// Size of each unit in bits: 1, 8, 1024, 8192, 2^20, 2^23, 2^30, 2^33.
double BitsPerUnit(DataUnit unit);

// How a unit is named. The list item and the caption are the converter's own texts; every
// word in them that is not a bracket names the unit too ("megabyte (MB)": "megabyte", "MB").
struct DataUnitNames {
    std::string_view symbol;    // written after a figure: "bits", "kbit", "MB"
    std::string_view word;      // in full: "kilobits"
    std::string_view listItem;  // the converter's list: "megabyte (MB)"
    std::string_view caption;   // beside the converter's box: "megabytes (MB)"
    std::string_view others;    // further names the window never shows: "MiB"
};

const DataUnitNames& NamesOf(DataUnit unit);

// Every name of the unit, each once: its symbol, its word, the words of its list item and
// caption, and its other names. Megabytes: "MB", "megabytes", "megabyte", "MiB".
std::vector<std::string_view> AllNamesOf(DataUnit unit);

// The unit a name given by its user stands for: any of AllNamesOf, case mattering ("kb" is kilobits, "kB"
// kilobytes).
std::optional<DataUnit> DataUnitNamed(std::string_view name);

// The converter has one field, the amount.
enum class ConversionField { Amount, Count };

// How one box's value was reached: `from` (the input's number, or the next smaller unit's value
// for a larger unit) times or divided by `factor`.
struct BoxWorking {
    double from = 0;
    double factor = 0;
    bool divides = false;
    double result = 0;
};

// The message comes when the input is not a number.
struct Conversion : Verdict<ConversionField> {
    // The texts for the eight boxes, bits first; only the first `written` were written
    // before the conversion ended.
    std::array<std::string, kDataUnitCount> texts;
    std::size_t written = 0;
    // The numbers behind the texts, for a conversion that completed; the selected unit's is
    // the input's number.
    std::array<double, kDataUnitCount> values{};
    // After the message (if any), every box shows "-": the input has no conversion to show.
    bool clearAll = false;
    // The unit converted from, and each box's working, for the boxes written; the selected
    // unit's box, which shows the input as typed, has none.
    std::optional<DataUnit> unit;
    std::array<BoxWorking, kDataUnitCount> working{};
};

// Converts `input` in `unit` to all eight units. The selected unit's box gets the input text
// exactly as typed; smaller units get the number times the ratio of sizes, larger units the
// number divided by the ladder steps (8 and 128 in turn) one after another:
//   ("700", Megabytes) -> 5872025600, 734003200, 5734400, 716800, 5600, "700", 5.46875, 0.68359375
//   (anything, none)   -> nothing written, no message
//   ("abc", Bits)      -> "abc" written, then the message, then "-" in all eight
//   ("1E300", Gigabytes) -> too large for bits: "-" in all eight without a message
Conversion ConvertData(std::string_view input, std::optional<DataUnit> unit, const Separators& separators);

}  // namespace tessaly
