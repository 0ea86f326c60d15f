// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading, rounding and writing numbers, and the checked arithmetic of the calculation frame.
#include "core/calculation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace tessaly {
namespace {

const Separators kPoint{".", ","};
const Separators kComma{",", "."};

struct ReadCase {
    const char* text;
    std::optional<double> value;  // none: NotANumber
};

void ExpectReads(const Separators& separators, std::initializer_list<ReadCase> cases) {
    for (const auto& c : cases) {
        const NumberResult result = FieldToNumber(c.text, separators);
        if (c.value) {
            ASSERT_TRUE(result.ok()) << '"' << c.text << '"';
            EXPECT_EQ(result.value, *c.value) << '"' << c.text << '"';
        } else {
            EXPECT_EQ(result.failure, CalcFailure::NotANumber) << '"' << c.text << '"';
        }
    }
}

TEST(FieldToNumber, ReadsThePointLocale) {
    ExpectReads(kPoint, {
                            {" 12 ", 12},
                            {"1e3", 1000},
                            {"-5", -5},
                            {".5", 0.5},
                            {"+7", 7},
                            {"5.", 5},
                            {"0.1", 0.1},
                            {"1E-2", 0.01},
                            {"2.5e+1", 25},
                            {"007", 7},
                            {"1,024", 1024},
                            {"12,345,678.25", 12345678.25},
                            {"700.465087890625", 700.465087890625},
                            {"", std::nullopt},
                            {"   ", std::nullopt},
                            {"12a", std::nullopt},
                            {"abc", std::nullopt},
                            {"1e", std::nullopt},
                            {"-", std::nullopt},
                            {".", std::nullopt},
                            {"+", std::nullopt},
                            {"e5", std::nullopt},
                            {"1e+", std::nullopt},
                            {"--1", std::nullopt},
                            {"1 2", std::nullopt},
                            {"inf", std::nullopt},
                            {"nan", std::nullopt},
                            {"0x10", std::nullopt},
                            {"1,5", std::nullopt},
                            {"1,0000", std::nullopt},
                            {",100", std::nullopt},
                            {"100,", std::nullopt},
                            {"1,,000", std::nullopt},
                            {"1.000,5", std::nullopt},
                            {"1e3.5", std::nullopt},
                            {"\t1", std::nullopt},
                            {"5-", std::nullopt},
                            {"1.2.3", std::nullopt},
                            {"１", std::nullopt},
                        });
}

TEST(FieldToNumber, ReadsTheCommaLocale) {
    ExpectReads(kComma, {
                            {"0,5", 0.5},
                            {",25", 0.25},
                            {"1.024", 1024},
                            {"1.234.567,5", 1234567.5},
                            {"-3,75E2", -375},
                            {" 700,5 ", 700.5},
                            {"0.5", std::nullopt},
                            {"1,5,0", std::nullopt},
                            {"1.5", std::nullopt},
                            {"1,024.5", std::nullopt},
                        });
}

TEST(FieldToNumber, GroupedThousandsAreNotADecimalPoint) {  // with ',' grouping, "1,024" is 1024
    EXPECT_EQ(FieldToNumber("1,024", kPoint).value, 1024);
    EXPECT_EQ(FieldToNumber("1.024", kComma).value, 1024);
}

TEST(FieldToNumber, MultiByteSeparatorsOfALocale) {
    const Separators french{",", "\u202f"};
    EXPECT_EQ(FieldToNumber("1\u202f024,5", french).value, 1024.5);
    EXPECT_EQ(FieldToNumber("1\u00a0024", french).failure, CalcFailure::NotANumber);
}

TEST(FieldToNumber, NumbersBeyondTheDoubleRange) {
    EXPECT_EQ(FieldToNumber("1e999", kPoint).failure, CalcFailure::Overflow);
    EXPECT_EQ(FieldToNumber("-1.8e308", kPoint).failure, CalcFailure::Overflow);
    EXPECT_EQ(FieldToNumber(std::string(400, '9'), kPoint).failure, CalcFailure::Overflow);
    EXPECT_EQ(FieldToNumber("1e99999999999999999999", kPoint).failure, CalcFailure::Overflow);

    // Too small for a double: the nearest double is zero, which is no failure.
    for (const char* tiny : {"1e-999", "0.0000001e-400", "-2e-324", "1e-99999999999999999999"}) {
        const NumberResult result = FieldToNumber(tiny, kPoint);
        ASSERT_TRUE(result.ok()) << tiny;
        EXPECT_EQ(result.value, 0) << tiny;
    }
    EXPECT_EQ(FieldToNumber("4e-324", kPoint).value, std::numeric_limits<double>::denorm_min());
    EXPECT_EQ(FieldToNumber("1.7976931348623157e308", kPoint).value, std::numeric_limits<double>::max());
    EXPECT_EQ(FieldToNumber("0e999999", kPoint).value, 0);
}

// Texts with a '+', grouping or another decimal point are rewritten before they are read;
// the too-large or too-small decision must see the rewritten number, not the typed one.
TEST(FieldToNumber, RewrittenTextsBeyondTheRange) {
    struct Case {
        const char* text;
        const Separators* separators;
        std::optional<double> value;  // none: Overflow
    };
    const Case cases[] = {
        {"+1e999", &kPoint, std::nullopt},
        {"1,000e306", &kPoint, std::nullopt},
        {"+1,000.5e305", &kPoint, 1000.5e305},
        {"0,001e-322", &kComma, 0},
        {"1.000,5e306", &kComma, std::nullopt},
        {"-0,0001E-400", &kComma, -0.0},
        {"+0.5e-330", &kPoint, 0},
        {"+999,999e302", &kPoint, 999999e302},
    };
    for (const Case& c : cases) {
        const NumberResult result = FieldToNumber(c.text, *c.separators);
        if (c.value) {
            ASSERT_TRUE(result.ok()) << c.text;
            EXPECT_EQ(result.value, *c.value) << c.text;
            EXPECT_EQ(std::signbit(result.value), std::signbit(*c.value)) << c.text;
        } else {
            EXPECT_EQ(result.failure, CalcFailure::Overflow) << c.text;
        }
    }
}

TEST(FieldToNumber, LongRewrittenTexts) {  // longer than any buffer kept for ordinary fields
    std::string grouped = "+1";
    std::string plain = "1";
    for (int group = 0; group < 40; ++group) {
        grouped += ",234";
        plain += "234";
    }
    EXPECT_EQ(FieldToNumber(grouped + ".5", kPoint).value, std::stod(plain + ".5"));
    EXPECT_EQ(FieldToNumber(grouped + std::string(300, '0') + "e1", kPoint).failure, CalcFailure::NotANumber);
    const std::string comma = "0," + std::string(100, '0') + "25";
    EXPECT_EQ(FieldToNumber(comma, kComma).value, std::stod("0." + std::string(100, '0') + "25"));
}

TEST(FieldToNumber, LongTexts) {
    const std::string digits(32767, '1');
    EXPECT_EQ(FieldToNumber(digits, kPoint).failure, CalcFailure::Overflow);
    const std::string fraction = "0." + std::string(32000, '0') + "5";
    EXPECT_EQ(FieldToNumber(fraction, kPoint).value, 0);
    const std::string zeros = std::string(32000, '0') + "42";
    EXPECT_EQ(FieldToNumber(zeros, kPoint).value, 42);
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    struct Case {
        double x;
        int places;
        double want;
    };
    const Case cases[] = {
        {2.5, 0, 2},
        {3.5, 0, 4},
        {-2.5, 0, -2},
        {0.25, 1, 0.2},
        {0.35, 1, 0.4},
        {682.5, 0, 682},
        {683.5, 0, 684},
        {112.5, 0, 112},
        {93.75, 0, 94},
        {1704.3, 0, 1704},
        {24.5, 0, 24},
        {605.6872, 1, 605.7},
        {1098.6328125, 1, 1098.6},
        {-1.8666, 0, -2},
        {1e300, 1, 1e300},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RoundHalfEven(c.x, c.places), c.want) << c.x << " at " << c.places << " places";
}

TEST(RoundHalfEven, SmallNegativesRoundToNegativeZeroWrittenAsZero) {
    const double rounded = RoundHalfEven(-0.4, 0);
    EXPECT_EQ(rounded, 0);
    EXPECT_TRUE(std::signbit(rounded));
    EXPECT_EQ(NumberToText(rounded), "0");
}

TEST(NumberToText, WritesFifteenSignificantDigits) {
    struct Case {
        double x;
        const char* want;
    };
    const Case cases[] = {
        {827, "827"},
        {683.5, "683.5"},
        {0.0001, "0.0001"},
        {0.00001, "1E-05"},
        {1e15, "1E+15"},
        {9007199254740992.0, "9.00719925474099E+15"},
        {1.0 / 3.0, "0.333333333333333"},
        {999999999999999.0, "999999999999999"},
        {8589934592.0, "8589934592"},
        {1.0 / 1073741824.0, "9.31322574615479E-10"},
        {-40, "-40"},
        {-3.814697265625E-05, "-3.814697265625E-05"},
        {40372692582.4, "40372692582.4"},
        {1e300, "1E+300"},
        {1.25e299, "1.25E+299"},
        {0.1 + 0.2, "0.3"},
        {9999999999999995.0, "1E+16"},
        {999999999999999.9, "1E+15"},
        {0.000099999999999999999, "0.0001"},
        {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
        {std::numeric_limits<double>::max(), "1.79769313486232E+308"},
        {-0.0, "0"},
        {0.0, "0"},
        {123456789012345678.0, "1.23456789012346E+17"},
        {1e-5 * 1.5, "1.5E-05"},
        {1e100, "1E+100"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NumberToText(c.x), c.want) << c.x;
}

TEST(NumberToText, UsesTheLocalesDecimalSeparator) {
    EXPECT_EQ(NumberToText(606.5, ","), "606,5");
    EXPECT_EQ(NumberToText(0.125, ","), "0,125");
    EXPECT_EQ(NumberToText(1.25e299, ","), "1,25E+299");
    EXPECT_EQ(NumberToText(1234567.5, ","), "1234567,5");  // never grouped
}

enum class Field { First, Second, Count };

TEST(Calculation, DivisionByZero) {
    Calculation<Field> s(kPoint);
    EXPECT_EQ(s.div(5, 0), 0);
    EXPECT_EQ(s.failure(), CalcFailure::DivisionByZero);

    Calculation<Field> zero(kPoint);
    zero.div(0, 0);
    EXPECT_EQ(zero.failure(), CalcFailure::Overflow);
}

TEST(Calculation, TheFirstFailureStopsEveryLaterStep) {
    Calculation<Field> s(kPoint);
    EXPECT_EQ(s.mul(s.number<Field::First>("12"), 2), 24);
    EXPECT_FALSE(s.failed());
    s.number<Field::Second>("");
    EXPECT_EQ(s.failure(), CalcFailure::NotANumber);
    // Later steps neither compute nor replace the failure.
    EXPECT_EQ(s.add(1, 2), 0);
    s.div(1, 0);
    EXPECT_EQ(s.failure(), CalcFailure::NotANumber);
}

TEST(Calculation, ResultsBeyondTheRangeOverflow) {
    const double big = std::numeric_limits<double>::max();
    Calculation<Field> mul(kPoint), add(kPoint), sub(kPoint), div(kPoint);
    mul.mul(big, 2);
    add.add(big, big);
    sub.sub(-big, big);
    div.div(big, 0.5);
    for (Calculation<Field>* s : {&mul, &add, &sub, &div})
        EXPECT_EQ(s->failure(), CalcFailure::Overflow);
}

TEST(Calculation, OnlyTheReportedFailureShowsTheMessage) {
    const Message message{"prompt", "title"};
    const auto shows = [&](std::string_view second, double divisor) {
        Calculation<Field> s(kPoint);
        s.div(s.number<Field::Second>(second), divisor);
        Verdict<Field> verdict;
        s.finish(verdict, CalcFailure::DivisionByZero, message);
        return verdict.message.has_value();
    };
    EXPECT_TRUE(shows("1", 0));
    EXPECT_FALSE(shows("0", 0));  // Overflow
    EXPECT_FALSE(shows("x", 0));  // NotANumber
    EXPECT_FALSE(shows("1", 2));  // completed
}

}  // namespace
}  // namespace tessaly
