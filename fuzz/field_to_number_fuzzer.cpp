// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reads arbitrary bytes as a field's text under each separator setting and holds the reading
// to the number grammar, written here a second time in a different way, and to std::from_chars.
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "core/numbers.h"
#include "fuzz/check.h"

namespace {

using tessaly::CalcFailure;
using tessaly::Separators;

bool AllDigits(std::string_view text) {
    return text.find_first_not_of("0123456789") == std::string_view::npos;
}

// The grammar by splitting instead of scanning: blanks, sign, mantissa, "e" exponent; the
// mantissa splits at the decimal separator and its integer part at the thousands separator.
// Gives the text std::from_chars reads (no '+', no grouping, '.' as the point), or nothing.
std::optional<std::string> Normalise(std::string_view text, const Separators& separators) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return std::nullopt;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);

    std::string out;
    if (text.front() == '-' || text.front() == '+') {
        if (text.front() == '-')
            out.push_back('-');
        text.remove_prefix(1);
    }

    std::string_view exponent;
    char exponentSign = '+';
    const auto e = text.find_first_of("eE");
    const bool hasExponent = e != std::string_view::npos;
    if (hasExponent) {
        exponent = text.substr(e + 1);
        text = text.substr(0, e);
        if (!exponent.empty() && (exponent.front() == '-' || exponent.front() == '+')) {
            exponentSign = exponent.front();
            exponent.remove_prefix(1);
        }
        if (exponent.empty() || !AllDigits(exponent))
            return std::nullopt;
    }

    std::string_view integer = text;
    std::string_view fraction;
    const auto point = text.find(separators.decimal);
    if (point != std::string_view::npos) {
        integer = text.substr(0, point);
        fraction = text.substr(point + separators.decimal.size());
        if (!AllDigits(fraction))
            return std::nullopt;
    }

    std::string integerDigits;
    std::size_t group = 0;
    for (std::size_t start = 0;; ++group) {
        const auto sep = integer.find(separators.thousands, start);
        const auto piece = integer.substr(start, sep == std::string_view::npos ? sep : sep - start);
        if (!AllDigits(piece))
            return std::nullopt;
        const bool grouped = group > 0 || sep != std::string_view::npos;
        if (grouped && (group == 0 ? piece.empty() || piece.size() > 3 : piece.size() != 3))
            return std::nullopt;
        integerDigits.append(piece);
        if (sep == std::string_view::npos)
            break;
        start = sep + separators.thousands.size();
    }
    if (integerDigits.empty() && fraction.empty())
        return std::nullopt;

    out.append(integerDigits);
    if (point != std::string_view::npos)
        out.append(".").append(fraction);
    if (hasExponent) {
        out.push_back('e');
        out.push_back(exponentSign);
        out.append(exponent);
    }
    return out;
}

std::string Describe(const tessaly::NumberResult& result) {
    if (result.ok())
        return "value " + std::to_string(result.value);
    return "failure " + std::to_string(static_cast<int>(*result.failure));
}

void CheckOne(std::string_view text, const Separators& separators) {
    const auto result = tessaly::FieldToNumber(text, separators);
    const auto normalised = Normalise(text, separators);
    const std::string detail = Describe(result) + " with decimal '" + separators.decimal + "'";

    TESSALY_CHECK(
        result.ok() || result.failure == CalcFailure::NotANumber || result.failure == CalcFailure::Overflow,
        text, detail);
    TESSALY_CHECK(normalised.has_value() == (result.failure != CalcFailure::NotANumber), text, detail);
    if (!normalised)
        return;

    const std::string& n = *normalised;
    double expected = 0;
    const auto [end, ec] = std::from_chars(n.data(), n.data() + n.size(), expected);
    TESSALY_CHECK(end == n.data() + n.size() || ec == std::errc::result_out_of_range, text,
                  detail + ", read as " + n);
    if (ec == std::errc()) {
        TESSALY_CHECK(result.ok(), text, detail);
        TESSALY_CHECK(std::memcmp(&expected, &result.value, sizeof expected) == 0, text,
                      detail + ", from_chars gives " + std::to_string(expected));
        return;
    }
    // Out of range: strtod tells a number too large from one too small for a double.
    errno = 0;
    const double saturated = std::strtod(n.c_str(), nullptr);
    if (std::isinf(saturated)) {
        TESSALY_CHECK(result.failure == CalcFailure::Overflow, text, detail);
    } else {
        TESSALY_CHECK(result.ok() && result.value == 0 && std::signbit(result.value) == (n.front() == '-'),
                      text, detail);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const Separators& separators : tessaly::fuzz::SeparatorSettings())
        CheckOne(text, separators);
    return 0;
}
