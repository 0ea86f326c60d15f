// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/data_units.h"

#include <algorithm>

namespace tessaly {

namespace {

constexpr Message kMessage{"Pleast enter a number in the input field.", ""};

// The step from each unit to the next larger one.
constexpr std::array<double, kDataUnitCount - 1> kLadder{8, 128, 8, 128, 8, 128, 8};

// The converter's list says "megabit" and its caption "megabits" on purpose. Its prefixes are
// powers of 1024, so the binary symbols name its byte units exactly.
constexpr std::array<DataUnitNames, kDataUnitCount> kNames{{
    {"bits", "bits", "bits", "bits", ""},
    {"bytes", "bytes", "bytes", "bytes", "B"},
    {"kbit", "kilobits", "kilobits (kb)", "kilobits (kb/kbit)", ""},
    {"kB", "kilobytes", "kilobytes (kB)", "kilobytes (kB)", "KiB"},
    {"Mbit", "megabits", "megabit (Mbit)", "megabits (Mbit)", ""},
    {"MB", "megabytes", "megabyte (MB)", "megabytes (MB)", "MiB"},
    {"Gbit", "gigabits", "gigabit (Gbit)", "gigabits (Gbit)", ""},
    {"GB", "gigabytes", "gigabyte (GB)", "gigabytes (GB)", "GiB"},
}};

}  // namespace

std::optional<DataUnit> DataUnitAt(int index) {
    if (index < 0 || index >= static_cast<int>(kDataUnitCount))
        return std::nullopt;
    return kDataUnits[static_cast<std::size_t>(index)];
}

double BitsPerUnit(DataUnit unit) {
    double bits = 1;
    for (std::size_t i = 0; i < PositionOf(unit); ++i)
        bits *= kLadder[i];
    return bits;
}

const DataUnitNames& NamesOf(DataUnit unit) { return kNames[PositionOf(unit)]; }

std::vector<std::string_view> AllNamesOf(DataUnit unit) {
    std::vector<std::string_view> names;
    const DataUnitNames& n = NamesOf(unit);
    for (const std::string_view text : {n.symbol, n.word, n.listItem, n.caption, n.others}) {
        // The words of the text, parted by blanks, brackets and "/".
        for (std::size_t start = 0; start < text.size();) {
            const std::size_t end = std::min(text.find_first_of(" ()/", start), text.size());
            const std::string_view word = text.substr(start, end - start);
            if (!word.empty() && std::find(names.begin(), names.end(), word) == names.end())
                names.push_back(word);
            start = end + 1;
        }
    }
    return names;
}

std::optional<DataUnit> DataUnitNamed(std::string_view name) {
    for (const DataUnit unit : kDataUnits) {
        const std::vector<std::string_view> names = AllNamesOf(unit);
        if (std::find(names.begin(), names.end(), name) != names.end())
            return unit;
    }
    return std::nullopt;
}

Conversion ConvertData(std::string_view input, std::optional<DataUnit> unit, const Separators& separators) {
    Conversion conversion;
    conversion.unit = unit;
    if (!unit)
        return conversion;

    const std::size_t selected = PositionOf(*unit);
    Calculation<ConversionField> s(separators);
    bool haveNumber = false;
    double number = 0;
    double smaller = 0;  // the value in the previous larger unit, divided down step by step
    for (std::size_t box = 0; box < kDataUnitCount; ++box) {
        if (box == selected) {
            conversion.texts[box] = std::string(input);
        } else {
            if (!haveNumber) {
                number = s.number<ConversionField::Amount>(input);
                haveNumber = true;
            }
            BoxWorking& step = conversion.working[box];
            if (box < selected) {
                step.from = number;
                step.factor = BitsPerUnit(*unit) / BitsPerUnit(kDataUnits[box]);
                step.result = s.mul(step.from, step.factor);
            } else {
                step.from = box == selected + 1 ? number : smaller;
                step.factor = kLadder[box - 1];
                step.divides = true;
                step.result = s.div(step.from, step.factor);
                smaller = step.result;
            }
            const double value = step.result;
            if (s.failed())
                break;
            conversion.texts[box] = NumberToText(value, separators.decimal);
            conversion.values[box] = value;
        }
        conversion.written = box + 1;
    }

    if (!s.failed())
        conversion.values[selected] = number;
    s.finish(conversion, CalcFailure::NotANumber, kMessage);
    // A number too large to show in bits has no conversion either; leaving the previous
    // results standing would show numbers for an input that is no longer there.
    conversion.clearAll = s.failed();
    return conversion;
}

}  // namespace tessaly
