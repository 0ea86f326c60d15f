// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// NumberToText against an independent oracle, over a seeded sweep of doubles of every
// magnitude and sign: glibc's printf("%.14e") gives the exact value rounded to 15
// significant digits, and the text read back gives the same double as that rounding.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "core/numbers.h"

namespace tessaly {
namespace {

// The text the rules ask for, built from printf's digits.
std::string Expected(double x) {
    if (x == 0)
        return "0";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", x);
    std::string s(buffer);
    std::string sign;
    if (s[0] == '-') {
        sign = "-";
        s.erase(0, 1);
    }
    const auto e = s.find('e');
    std::string digits = s.substr(0, 1) + s.substr(2, e - 2);
    const int exponent = std::atoi(s.c_str() + e + 1);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    if (exponent < -4 || exponent >= 15) {
        std::string text = sign + digits.substr(0, 1);
        if (digits.size() > 1)
            text += "." + digits.substr(1);
        char tail[16];
        std::snprintf(tail, sizeof tail, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        return text + tail;
    }
    if (exponent < 0)
        return sign + "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    const auto whole = static_cast<std::size_t>(exponent + 1);
    if (digits.size() <= whole)
        return sign + digits + std::string(whole - digits.size(), '0');
    return sign + digits.substr(0, whole) + "." + digits.substr(whole);
}

TEST(NumberToTextProperty, AgreesWithPrintfAndReadsBack) {
    std::mt19937_64 random(20011101);
    std::uniform_int_distribution<std::uint64_t> bits;
    std::uniform_real_distribution<double> unit(-1, 1);
    std::uniform_int_distribution<int> decade(-20, 20);
    const Separators separators;

    int checked = 0;
    for (int i = 0; i < 400000; ++i) {
        // Half the sample: any finite bit pattern; the other half: numbers of the sizes people type.
        double x =
            (i % 2) ? std::bit_cast<double>(bits(random)) : unit(random) * std::pow(10.0, decade(random));
        if (!std::isfinite(x))
            continue;
        const std::string text = NumberToText(x);
        ASSERT_EQ(text, Expected(x)) << std::hexfloat << x;

        char rounded[64];
        std::snprintf(rounded, sizeof rounded, "%.14e", x);
        const NumberResult back = FieldToNumber(text, separators);
        ASSERT_TRUE(back.ok()) << text;
        const double want = std::strtod(rounded, nullptr);
        if (want == 0 || std::isinf(want))
            continue;  // 15-digit rounding of the extremes can leave the double range
        ASSERT_EQ(back.value, want) << text;
        ++checked;
    }
    EXPECT_GT(checked, 390000);
}

}  // namespace
}  // namespace tessaly
