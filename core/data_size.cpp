// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/data_size.h"

#include <cmath>

namespace tessaly {

namespace {

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

DataSize Failed(std::string_view text, std::optional<SizeError> error, std::optional<CalcFailure> failure) {
    DataSize size;
    size.error = error;
    size.failure = failure;
    size.fieldText = std::string(text);
    return size;
}

DataSize Megabytes(double megabytes, double bytes, const Separators& separators, std::string_view text) {
    if (!std::isfinite(megabytes) || !std::isfinite(bytes))
        return Failed(text, std::nullopt, CalcFailure::Overflow);
    DataSize size;
    size.megabytes = megabytes;
    size.bytes = bytes;
    size.fieldText = RoundTripText(megabytes, separators.decimal);
    return size;
}

}  // namespace

DataSize ReadDataSize(std::string_view text, const Separators& separators) {
    const std::string_view trimmed = Trimmed(text);

    if (const std::optional<Disc> disc = DiscNamed(trimmed)) {
        const DiscPreset& preset = PresetOf(*disc);
        DataSize size =
            Megabytes(preset.fileMegabytes(), static_cast<double>(preset.fileBytes()), separators, text);
        size.disc = disc;
        return size;
    }

    std::size_t unitStart = trimmed.size();
    while (unitStart > 0 && IsLetter(trimmed[unitStart - 1]))
        --unitStart;
    const std::string_view unitName = trimmed.substr(unitStart);
    const std::string_view number = trimmed.substr(0, unitStart);
    // Without a number before it, a word is no size at all rather than a size in an unknown unit.
    if (unitName.empty() || number.find_first_not_of(' ') == std::string_view::npos) {
        const NumberResult bare = FieldToNumber(text, separators);
        DataSize size = Failed(text, std::nullopt, bare.failure);
        size.megabytes = bare.value;
        size.bytes = bare.value * BitsPerUnit(DataUnit::Megabytes) / 8;
        return size;
    }

    const NumberResult value = FieldToNumber(number, separators);
    if (!value.ok())
        return Failed(text, std::nullopt, value.failure);
    const std::optional<DataUnit> unit = DataUnitNamed(unitName);
    if (!unit)
        return Failed(text, SizeError::UnknownUnit, std::nullopt);
    // Both factors are powers of two, so neither product rounds.
    const double bits = BitsPerUnit(*unit);
    DataSize size = Megabytes(value.value * (bits / BitsPerUnit(DataUnit::Megabytes)),
                              value.value * (bits / 8), separators, text);
    size.unit = unit;
    return size;
}

}  // namespace tessaly
