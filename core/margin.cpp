// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/margin.h"

#include "core/data_size.h"

namespace tessaly {

namespace {

Margin Refused(MarginError error) {
    Margin margin;
    margin.error = error;
    return margin;
}

}  // namespace

Margin ReadMargin(std::string_view text, const Separators& separators) {
    std::string_view trimmed = Trimmed(text);
    const bool sign = trimmed.ends_with('%');
    if (sign)
        trimmed.remove_suffix(1);

    const NumberResult share = FieldToNumber(trimmed, separators);
    if (sign || share.ok() || share.failure == CalcFailure::Overflow) {
        if (share.failure == CalcFailure::Overflow)
            return Refused(MarginError::WholeSize);
        if (!share.ok())
            return Refused(MarginError::NotAMargin);
        if (share.value < 0)
            return Refused(MarginError::Negative);
        if (share.value >= 100)
            return Refused(MarginError::WholeSize);
        Margin margin;
        margin.percent = share.value;
        return margin;
    }

    const DataSize amount = ReadDataSize(trimmed, separators);
    if (amount.error)
        return Refused(MarginError::UnknownUnit);
    if (amount.failure == CalcFailure::Overflow)
        return Refused(MarginError::WholeSize);
    if (!amount.ok() || amount.disc)
        return Refused(MarginError::NotAMargin);
    if (amount.bytes < 0)
        return Refused(MarginError::Negative);
    Margin margin;
    margin.bytes = amount.bytes;
    return margin;
}

double MarginBytes(const Margin& margin, double sizeBytes) {
    return margin.bytes + sizeBytes * (margin.percent / 100);
}

bool LeavesRoom(const Margin& margin, double sizeBytes) {
    return margin.bytes == 0 ? margin.percent < 100 : margin.bytes < sizeBytes;
}

}  // namespace tessaly
