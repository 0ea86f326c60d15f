// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The data unit converter: its worked examples, the order of its writes and how it ends on
// an input it cannot convert.
#include "core/data_units.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace tessaly {
namespace {

using Texts = std::array<std::string, kDataUnitCount>;

constexpr std::optional<DataUnit> kNone = std::nullopt;

// The window's tests type every worked example; these pin the arithmetic and the verbatim copy.
TEST(ConvertData, WorkedExamples) {
    const struct {
        const char* input;
        DataUnit unit;
        Texts want;
    } rows[] = {
        {"1",
         DataUnit::Gigabytes,
         {"8589934592", "1073741824", "8388608", "1048576", "8192", "1024", "8", "1"}},
        {"1",
         DataUnit::Bits,
         {"1", "0.125", "0.0009765625", "0.0001220703125", "9.5367431640625E-07", "1.19209289550781E-07",
          "9.31322574615479E-10", "1.16415321826935E-10"}},
        {"700",
         DataUnit::Megabytes,
         {"5872025600", "734003200", "5734400", "716800", "5600", "700", "5.46875", "0.68359375"}},
        {"007",
         DataUnit::Kilobytes,
         {"57344", "7168", "56", "007", "0.0546875", "0.0068359375", "5.340576171875E-05",
          "6.67572021484375E-06"}},
        // The selected unit's box repeats the input as typed, blank and all.
        {" 1",
         DataUnit::Megabits,
         {"1048576", "131072", "1024", "128", " 1", "0.125", "0.0009765625", "0.0001220703125"}},
        {"1,024",
         DataUnit::Kilobits,
         {"1048576", "131072", "1,024", "128", "1", "0.125", "0.0009765625", "0.0001220703125"}},
        {"-0", DataUnit::Bytes, {"0", "-0", "0", "0", "0", "0", "0", "0"}},
    };
    for (const auto& r : rows) {
        const Conversion c = ConvertData(r.input, r.unit, {});
        EXPECT_EQ(c.texts, r.want) << '"' << r.input << "\" as unit " << static_cast<int>(r.unit);
        EXPECT_EQ(c.written, kDataUnitCount) << r.input;
        EXPECT_FALSE(c.failure) << r.input;
        EXPECT_FALSE(c.message) << r.input;
        EXPECT_FALSE(c.clearAll) << r.input;
    }
}

TEST(ConvertData, WritesTheLocalesDecimalSeparator) {
    const Conversion c = ConvertData("1.024,5", DataUnit::Kilobytes, {",", "."});
    EXPECT_EQ(c.texts[3], "1.024,5");
    EXPECT_EQ(c.texts[2], "8196");
    EXPECT_EQ(c.texts[4], "8,00390625");
}

TEST(ConvertData, NoUnitSelectedDoesNothingWhateverTheInput) {
    for (const char* input : {"", "abc", "1", "1E300"}) {
        const Conversion c = ConvertData(input, kNone, {});
        EXPECT_EQ(c.written, 0u) << input;
        EXPECT_FALSE(c.failure) << input;
        EXPECT_FALSE(c.message) << input;
        EXPECT_FALSE(c.clearAll) << input;
    }
}

TEST(DataUnitAt, OnlyTheEightListPositionsAreUnits) {
    EXPECT_EQ(DataUnitAt(-1), kNone);
    EXPECT_EQ(DataUnitAt(8), kNone);
    EXPECT_EQ(DataUnitAt(0), DataUnit::Bits);
    EXPECT_EQ(DataUnitAt(7), DataUnit::Gigabytes);
    const double bits[] = {1, 8, 1024, 8192, 1048576, 8388608, 1073741824, 8589934592};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(BitsPerUnit(*DataUnitAt(i)), bits[i]) << i;
}

// Not a number: the message, after whatever was written before the failure, and then "-" in all
// eight boxes. Only with bits selected does a write (the input itself) come before the failure.
TEST(ConvertData, NotANumberIsReportedThenEveryBoxCleared) {
    const struct {
        const char* input;
        DataUnit unit;
        std::size_t written;
    } rows[] = {
        {"abc", DataUnit::Bits, 1},     {"abc", DataUnit::Bytes, 0},  {"abc", DataUnit::Gigabytes, 0},
        {"", DataUnit::Megabytes, 0},   {"-", DataUnit::Kilobits, 0}, {"1e", DataUnit::Bits, 1},
        {"12a", DataUnit::Gigabits, 0}, {"1,5", DataUnit::Bytes, 0},
    };
    for (const auto& r : rows) {
        const Conversion c = ConvertData(r.input, r.unit, {});
        EXPECT_EQ(c.written, r.written) << r.input;
        if (r.written == 1) {
            EXPECT_EQ(c.texts[0], r.input);
        }
        EXPECT_EQ(c.failure, CalcFailure::NotANumber) << r.input;
        ASSERT_TRUE(c.message) << r.input;
        EXPECT_EQ(c.message->prompt, "Pleast enter a number in the input field.");
        EXPECT_EQ(c.message->title, "");  // the application's title
        EXPECT_TRUE(c.clearAll) << r.input;
    }
}

// Too large to show in bits: no message, and no stale results from an earlier input either.
TEST(ConvertData, OverflowClearsEveryBoxWithoutAMessage) {
    const struct {
        const char* input;
        DataUnit unit;
        std::size_t written;
    } rows[] = {
        {"1E300", DataUnit::Gigabytes, 0}, {"2.1E+298", DataUnit::Gigabytes, 0},
        {"2.25E+307", DataUnit::Bytes, 0}, {"-1E302", DataUnit::Megabytes, 0},
        {"1e999", DataUnit::Bits, 1},  // the input itself is copied before it is read
        {"1e999", DataUnit::Kilobytes, 0},
    };
    for (const auto& r : rows) {
        const Conversion c = ConvertData(r.input, r.unit, {});
        EXPECT_EQ(c.written, r.written) << r.input;
        EXPECT_EQ(c.failure, CalcFailure::Overflow) << r.input;
        EXPECT_FALSE(c.message) << r.input;
        EXPECT_TRUE(c.clearAll) << r.input;
    }
    // Just below the limits the conversion still completes.
    EXPECT_FALSE(ConvertData("2.09E+298", DataUnit::Gigabytes, {}).failure);
    EXPECT_FALSE(ConvertData("2.24E+307", DataUnit::Bytes, {}).failure);
    EXPECT_FALSE(ConvertData("1.7E+308", DataUnit::Bits, {}).failure);  // bits only ever divide
}

// Every box shows the input's number scaled by an exact power of two, whichever way the
// converter gets there (multiplication by a ratio, or division step by step).
TEST(ConvertData, EveryBoxIsTheInputScaledByTheRatioOfUnitSizes) {
    std::mt19937_64 random(20011101);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::uniform_int_distribution<int> exponent(-200, 200);
    std::uniform_int_distribution<int> unitIndex(0, 7);
    const int log2Bits[] = {0, 3, 10, 13, 20, 23, 30, 33};
    for (int i = 0; i < 2000; ++i) {
        const double x = mantissa(random) * std::pow(10.0, exponent(random));
        const int u = unitIndex(random);
        const std::string input = NumberToText(x);
        const double read = FieldToNumber(input, {}).value;
        const Conversion c = ConvertData(input, DataUnitAt(u), {});
        ASSERT_EQ(c.written, kDataUnitCount) << input;
        for (int j = 0; j < 8; ++j) {
            const std::string want =
                j == u ? input : NumberToText(std::ldexp(read, log2Bits[u] - log2Bits[j]));
            EXPECT_EQ(c.texts[static_cast<std::size_t>(j)], want)
                << input << " from unit " << u << " to " << j;
        }
    }
}

}  // namespace
}  // namespace tessaly
