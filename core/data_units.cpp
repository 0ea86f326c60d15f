// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/data_units.h"

namespace tessaly {

namespace {

constexpr Message kMessage{"Pleast enter a number in the input field.", ""};

// The step from each unit to the next larger one.
constexpr std::array<double, kDataUnitCount - 1> kLadder{8, 128, 8, 128, 8, 128, 8};

}  // namespace

std::optional<DataUnit> DataUnitAt(int index) {
    if (index < 0 || index >= static_cast<int>(kDataUnitCount))
        return std::nullopt;
    return static_cast<DataUnit>(index);
}

double BitsPerUnit(DataUnit unit) {
    double bits = 1;
    for (std::size_t i = 0; i < static_cast<std::size_t>(unit); ++i)
        bits *= kLadder[i];
    return bits;
}

Conversion ConvertData(std::string_view input, std::optional<DataUnit> unit,
                       const Separators& separators) {
    Conversion conversion;
    conversion.unit = unit;
    if (!unit)
        return conversion;

    const auto selected = static_cast<std::size_t>(*unit);
    Steps s(separators);
    bool haveNumber = false;
    double number = 0;
    double smaller = 0;  // the value in the previous larger unit, divided down step by step
    for (std::size_t box = 0; box < kDataUnitCount; ++box) {
        if (box == selected) {
            conversion.texts[box] = std::string(input);
        } else {
            if (!haveNumber) {
                number = s.number(input);
                haveNumber = true;
            }
            ConversionStep& step = conversion.steps[box];
            if (box < selected) {
                step.from = number;
                step.factor = BitsPerUnit(*unit) / BitsPerUnit(static_cast<DataUnit>(box));
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

    conversion.number = number;
    if (!s.failed())
        conversion.values[selected] = number;
    conversion.failure = s.failure();
    conversion.message = MessageFor(s.failure(), CalcFailure::NotANumber, kMessage);
    // A number too large to show in bits has no conversion either; leaving the previous
    // results standing would show numbers for an input that is no longer there.
    conversion.clearAll = s.failed();
    return conversion;
}

}  // namespace tessaly
