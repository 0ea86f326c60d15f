// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/numbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace tessaly {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool StartsWith(std::string_view text, std::size_t pos, std::string_view what) {
    return !what.empty() && text.substr(pos, what.size()) == what;
}

// Whether a number that std::from_chars found out of range is too large rather than too small:
// the decimal exponent of its first significant digit, exponent part included, is above 0.
// `number` is in from_chars form. Rare, so plain rather than fast.
bool TooLarge(std::string_view number) {
    const auto e = number.find_first_of("eE");
    const std::string_view mantissa = number.substr(0, e);
    const auto first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos)
        return false;  // all zeros: never out of range, but certainly not too large
    const auto point = std::min(mantissa.find('.'), mantissa.size());
    const auto digitsBefore = [&](std::size_t from, std::size_t to) {
        long n = 0;
        for (std::size_t i = from; i < to; ++i)
            n += IsDigit(mantissa[i]) ? 1 : 0;
        return n;
    };
    const long leading = first < point ? digitsBefore(first, point) : -digitsBefore(point, first);
    long exponent = 0;
    if (e != std::string_view::npos) {
        std::size_t pos = e + 1;
        const bool negative = pos < number.size() && number[pos] == '-';
        if (pos < number.size() && (number[pos] == '-' || number[pos] == '+'))
            ++pos;
        constexpr long kClamp = 1'000'000'000;
        for (; pos < number.size(); ++pos)
            exponent = std::min(kClamp, exponent * 10 + (number[pos] - '0'));
        if (negative)
            exponent = -exponent;
    }
    return leading + exponent > 0;
}

}  // namespace

NumberResult FieldToNumber(std::string_view text, const Separators& separators) {
    const NumberResult notANumber{0, CalcFailure::NotANumber};

    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (text.empty())
        return notANumber;

    // The grammar is checked first, noting where the parts lie; most texts a user types are
    // then already in the form std::from_chars reads and need no copy.
    std::size_t pos = 0;
    const bool plus = text[pos] == '+';
    const bool negative = text[pos] == '-';
    if (plus || negative)
        ++pos;

    // Integer part: any run of digits, or groups of three after a first group of one to three.
    std::size_t digits = 0;
    std::size_t groupLength = 0;
    bool grouped = false;
    while (pos < text.size()) {
        if (IsDigit(text[pos])) {
            ++pos;
            ++digits;
            ++groupLength;
        } else if (StartsWith(text, pos, separators.thousands) && groupLength > 0 &&
                   (grouped ? groupLength == 3 : groupLength <= 3)) {
            pos += separators.thousands.size();
            grouped = true;
            groupLength = 0;
            if (pos >= text.size() || !IsDigit(text[pos]))
                return notANumber;
        } else {
            break;
        }
    }
    if (grouped && groupLength != 3)
        return notANumber;
    const std::size_t integerEnd = pos;

    std::size_t fractionStart = std::string_view::npos;
    if (StartsWith(text, pos, separators.decimal)) {
        pos += separators.decimal.size();
        fractionStart = pos;
        while (pos < text.size() && IsDigit(text[pos])) {
            ++pos;
            ++digits;
        }
    }
    if (digits == 0)
        return notANumber;

    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
            ++pos;
        const std::size_t exponentStart = pos;
        while (pos < text.size() && IsDigit(text[pos]))
            ++pos;
        if (pos == exponentStart)
            return notANumber;
    }
    if (pos != text.size())
        return notANumber;

    // Rewritten only when needed: no leading '+', no grouping, '.' as the decimal point.
    // The rewritten text is never longer than the typed one, so a field of ordinary length
    // fits the buffer on the stack.
    std::array<char, 64> buffer;
    std::string large;
    std::string_view number = text;
    const bool otherPoint = fractionStart != std::string_view::npos && separators.decimal != ".";
    if (plus || grouped || otherPoint) {
        char* out = buffer.data();
        if (text.size() > buffer.size()) {
            large.resize(text.size());
            out = large.data();
        }
        char* const begin = out;
        if (negative)
            *out++ = '-';
        for (std::size_t i = plus || negative ? 1 : 0; i < integerEnd; ++i) {
            if (IsDigit(text[i]))
                *out++ = text[i];
        }
        std::string_view rest = text.substr(integerEnd);
        if (fractionStart != std::string_view::npos) {
            *out++ = '.';
            rest = text.substr(fractionStart);
        }
        out = std::copy(rest.begin(), rest.end(), out);
        number = std::string_view(begin, static_cast<std::size_t>(out - begin));
    }

    double value = 0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone; decide by magnitude between too large and too small.
        if (TooLarge(number))
            return {0, CalcFailure::Overflow};
        return {negative ? -0.0 : 0.0, std::nullopt, true};
    }
    if (ec != std::errc() || end != number.data() + number.size())
        return notANumber;
    return {value, std::nullopt};
}

double RoundHalfEven(double x, int places) {
    const double scale = std::pow(10.0, places);
    const double scaled = x * scale;
    if (!std::isfinite(scaled))
        return x;  // so large that it has no decimals to round
    // nearbyint rounds in the current mode, which is to nearest with ties to even.
    return std::nearbyint(scaled) / scale;
}

std::string NumberToText(double x, std::string_view decimal) {
    if (x == 0)
        return "0";  // negative zero included
    if (!std::isfinite(x))
        return std::isnan(x) ? "NaN" : (x < 0 ? "-Infinity" : "Infinity");

    // 15 significant digits of the exact value, rounded to nearest with ties to even:
    // "-d.ddddddddddddddde-XX". The text is then laid out once into a string of its exact
    // length, with no intermediate strings.
    std::array<char, 32> buffer;
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), x, std::chars_format::scientific, 14);
    const char* p = buffer.data();
    const bool negative = *p == '-';
    if (negative)
        ++p;
    const char* const e = std::find(p, static_cast<const char*>(result.ptr), 'e');

    std::array<char, 15> digits;
    std::size_t count = 0;
    digits[count++] = p[0];
    for (const char* d = p + 2; d < e; ++d)
        digits[count++] = *d;
    while (count > 1 && digits[count - 1] == '0')
        --count;

    int exponent = 0;
    for (const char* d = e + 2; d < result.ptr; ++d)
        exponent = exponent * 10 + (*d - '0');
    if (e[1] == '-')
        exponent = -exponent;

    const std::string_view significant(digits.data(), count);
    const std::size_t sign = negative ? 1 : 0;
    std::string text;
    char* out = nullptr;
    const auto layout = [&](std::size_t length) {
        text.resize(length);
        out = text.data();
        if (negative)
            *out++ = '-';
    };
    const auto put = [&](std::string_view part) { out = std::copy(part.begin(), part.end(), out); };

    if (exponent < -4 || exponent >= 15) {
        const int magnitude = std::abs(exponent);
        const std::size_t exponentDigits = magnitude >= 100 ? 3 : 2;
        const std::size_t fraction = count > 1 ? decimal.size() + count - 1 : 0;
        layout(sign + 1 + fraction + 2 + exponentDigits);
        *out++ = digits[0];
        if (count > 1) {
            put(decimal);
            put(significant.substr(1));
        }
        *out++ = 'E';
        *out++ = exponent < 0 ? '-' : '+';
        if (exponentDigits == 3)
            *out++ = static_cast<char>('0' + magnitude / 100);
        *out++ = static_cast<char>('0' + magnitude / 10 % 10);
        *out++ = static_cast<char>('0' + magnitude % 10);
    } else if (exponent < 0) {
        const auto zeros = static_cast<std::size_t>(-exponent - 1);
        layout(sign + 1 + decimal.size() + zeros + count);
        *out++ = '0';
        put(decimal);
        out = std::fill_n(out, zeros, '0');
        put(significant);
    } else {
        const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
        if (count <= integerDigits) {
            layout(sign + integerDigits);
            put(significant);
            std::fill_n(out, integerDigits - count, '0');
        } else {
            layout(sign + count + decimal.size());
            put(significant.substr(0, integerDigits));
            put(decimal);
            put(significant.substr(integerDigits));
        }
    }
    return text;
}

std::string RoundTripText(double x, std::string_view decimal) {
    std::array<char, 32> buffer;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x);
    std::string text(buffer.data(), result.ptr);
    if (const auto point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, decimal);
    return text;
}

std::string ApproximateText(double x, int places, std::string_view decimal) {
    std::string text = NumberToText(x, decimal);
    const auto point = text.find(decimal);
    if (point == std::string::npos || text.find('E') != std::string::npos ||
        text.size() - point - decimal.size() <= static_cast<std::size_t>(places))
        return text;
    return NumberToText(RoundHalfEven(x, places), decimal) + "\u2026";
}

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace tessaly
