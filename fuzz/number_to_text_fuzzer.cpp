// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes arbitrary doubles as output text and checks the text's form and that reading it back
// gives the double rounded to 15 significant digits.
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "core/numbers.h"
#include "fuzz/check.h"

namespace {

using tessaly::Separators;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Plain: "-"? digits, optionally the separator and digits that do not end in 0, with no
// leading zero before other integer digits. Exponent: one non-zero digit, optionally the
// separator and digits not ending in 0, then "E", a sign and at least two digits.
// Gives the decimal exponent the text shows, or nothing when the form is wrong.
std::optional<int> ShownExponent(std::string_view text, std::string_view decimal) {
    if (!text.empty() && text.front() == '-')
        text.remove_prefix(1);
    const auto e = text.find('E');
    std::string_view mantissa = text.substr(0, e);
    std::string_view integer = mantissa;
    std::string_view fraction;
    const auto point = mantissa.find(decimal);
    if (point != std::string_view::npos) {
        integer = mantissa.substr(0, point);
        fraction = mantissa.substr(point + decimal.size());
        if (fraction.empty() || fraction.back() == '0')
            return std::nullopt;
    }
    for (const std::string_view digits : {integer, fraction}) {
        for (const char c : digits) {
            if (!IsDigit(c))
                return std::nullopt;
        }
    }
    if (integer.empty() || (integer.size() > 1 && integer.front() == '0'))
        return std::nullopt;

    if (e == std::string_view::npos) {
        if (integer != "0")
            return static_cast<int>(integer.size()) - 1;
        const auto firstSignificant = fraction.find_first_not_of('0');
        if (firstSignificant == std::string_view::npos)
            return std::nullopt;  // "0.000" is never written
        return -static_cast<int>(firstSignificant) - 1;
    }
    const std::string_view exponent = text.substr(e + 1);
    if (integer.size() != 1 || integer == "0" || exponent.size() < 3 ||
        (exponent.front() != '+' && exponent.front() != '-'))
        return std::nullopt;
    int value = 0;
    for (const char c : exponent.substr(1)) {
        if (!IsDigit(c))
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return exponent.front() == '-' ? -value : value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < sizeof(double))
        return 0;
    double x = 0;
    std::memcpy(&x, data, sizeof x);
    if (!std::isfinite(x))
        return 0;  // the calculations end with an overflow before they write such a value
    const Separators& separators =
        tessaly::fuzz::SeparatorSettings()[size > sizeof x ? data[sizeof x] % 3 : 0];

    const std::string text = tessaly::NumberToText(x, separators.decimal);
    const std::string_view input(reinterpret_cast<const char*>(data), sizeof x);
    char rounded[64];
    std::snprintf(rounded, sizeof rounded, "%.14e", x);
    const std::string detail = "text \"" + text + "\" for " + rounded;

    if (x == 0) {
        TESSALY_CHECK(text == "0", input, detail);
        return 0;
    }
    TESSALY_CHECK(text.front() == '-' ? x < 0 : x > 0, input, detail);
    const auto shown = ShownExponent(text, separators.decimal);
    TESSALY_CHECK(shown.has_value(), input, detail);
    const bool exponentForm = text.find('E') != std::string::npos;
    TESSALY_CHECK(exponentForm == (*shown < -4 || *shown >= 15), input, detail);
    TESSALY_CHECK(*shown == std::atoi(std::strchr(rounded, 'e') + 1), input, detail);

    errno = 0;
    const double expected = std::strtod(rounded, nullptr);
    const auto back = tessaly::FieldToNumber(text, separators);
    if (std::isinf(expected)) {
        // Near the largest double, 15 digits round up past it; such a text reads as too large.
        TESSALY_CHECK(back.failure == tessaly::CalcFailure::Overflow, input, detail);
        return 0;
    }
    TESSALY_CHECK(back.ok() && back.value == expected, input, detail);
    return 0;
}
