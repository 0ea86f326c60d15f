// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// tessaly-bitrate-calc convert: an amount of data in all eight units.
#include <array>

#include "cli/encoding.h"
#include "cli/wording.h"
#include "core/data_units.h"

namespace tessaly::cli {

namespace {

using F = ConversionField;

DataUnit UnitNamed(std::string_view name) {
    if (const auto unit = DataUnitNamed(name))
        return *unit;
    throw UsageError("unknown unit \"" + std::string(name) +
                     "\" (see 'tessaly-bitrate-calc convert --help')");
}

// "4.7GB", an amount glued to a unit, is a usage error that shows the two words apart.
void GluedUnit(std::string_view word) {
    for (std::size_t cut = 1; cut < word.size(); ++cut) {
        const std::string_view unit = word.substr(cut);
        if (DataUnitNamed(unit) && FieldToNumber(word.substr(0, cut), kSeparators).ok())
            throw UsageError("missing UNIT: \"" + std::string(word) +
                             "\" is an amount and its unit in one word; give them apart: " +
                             std::string(word.substr(0, cut)) + " " + std::string(unit));
    }
}

Report Run(const Arguments& args) {
    if (args.positionals.size() == 1)
        GluedUnit(args.positionals[0]);
    if (args.positionals.size() < 2)
        throw UsageError(args.positionals.empty() ? "missing VALUE and UNIT" : "missing UNIT");
    if (args.positionals.size() > 2)
        throw UsageError("unexpected argument \"" + std::string(args.positionals[2]) + "\"");
    const DataUnit from = UnitNamed(args.positionals[1]);
    const bool one = args.has("to");
    const DataUnit to = one ? UnitNamed(args.get("to")) : from;

    const std::string amount(args.positionals[0]);
    const std::array inputs{Input<F>{F::Amount, "value", amount, amount}};
    const Conversion conversion = ConvertData(inputs[0].text, from, kSeparators);
    Check<F>(conversion, inputs);

    // Every line is written as a number, the given unit's too: the window's box for it echoes
    // the typed text ("007", "1,024"), which a script could not read back the same everywhere.
    Report report;
    for (const DataUnit unit : kDataUnits) {
        if (one && unit != to)
            continue;
        const double value = conversion.values[PositionOf(unit)];
        const std::string_view word = NamesOf(unit).word;
        report.results.push_back({"", NumberToText(value), word, std::string(word), value});
    }
    return report;  // a negative amount converts like any other: nothing to warn about
}

constexpr HelpEntry kEntries[] = {
    {"", "VALUE", "the amount of data"},
    {"", "UNIT", "its unit, named as below; case matters: kb is kilobits, kB kilobytes"},
    {"to", "UNIT", "print only the amount in this unit"},
    {"json", "", "print the amounts as one JSON object"},
};

const bool kRegistered = Register({
    4,
    "convert",
    "VALUE UNIT [--to UNIT] [--json]",
    "An amount of data in all eight units; every prefix is a power of 1024.",
    "an amount of data in bits, bytes and their 1024-based multiples",
    kEntries,
    true,
    Run,
});

}  // namespace

}  // namespace tessaly::cli
