// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Lengths, sizes, discs and frame rates as people write them, each against the same value
// written as the calculators have always read it: minutes, MB, a plain rate.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "core/container.h"
#include "core/data_size.h"
#include "core/film_length.h"
#include "core/video_bitrate.h"

namespace tessaly {
namespace {

constexpr int kOk = -1, kBadTime = int(LengthError::MalformedTime),
              kOver59 = int(LengthError::TimePartTooLarge), kBadUnit = int(SizeError::UnknownUnit);
constexpr std::optional<CalcFailure> kNaN = CalcFailure::NotANumber, kHuge = CalcFailure::Overflow;

TEST(WrittenForms, ReadAsTheirMinutesMegabytesAndRates) {
    // A length ('l'), a size ('s'; a disc by its name in any case, or its alias) or a frame rate
    // ('r'), and the same in minutes, MB or as a plain rate; ',' is the decimal separator where
    // `same` has one. "0:03.905" has its seconds read with their decimals as one number, as
    // 3 + 0.905 rounds apart.
    struct Row {
        char kind;
        const char* text;
        const char* same;
    };
    const Row manyDigits[] = {
        {'l', "92:10", "92.16666666666667"},      {'l', " 5530 s ", "92.16666666666667"},
        {'l', "0:03.905", "0.06508333333333333"}, {'s', "1 bits", "1.1920928955078125e-07"},
        {'r', "30000/1001", "29.97002997002997"}, {'r', " 24000 / 1001 ", "23.976023976023978"},
    };
    const Row binaryFractions[] = {
        {'s', "10000000B", "9.5367431640625"}, {'s', "DVD", "4481.326171875"}, {'s', "cd", "701.76171875"},
        {'s', "bd50", "47728.0625"},           {'s', "bd", "23863.51953125"},
    };
    const Row plain[] = {
        {'l', "1:40:00", "100"},      {'l', "1:32:10.5", "92.175"}, {'l', "5530.5s", "92.175"},
        {'l', "1:32:10,5", "92,175"}, {'l', "1.5h", "90"},          {'l', "100 min", "100"},
        {'s', " 700MB ", "700"},      {'s', "4.7 GB", "4812.8"},    {'s', "4,7 GiB", "4812,8"},
        {'s', "8192 kbit", "1"},      {'s', "1024 KiB", "1"},       {'s', "700 MiB", "700"},
    };
    std::vector<Row> rows(std::begin(manyDigits), std::end(manyDigits));
    rows.insert(rows.end(), std::begin(binaryFractions), std::end(binaryFractions));
    rows.insert(rows.end(), std::begin(plain), std::end(plain));
    for (const auto& r : rows) {
        SCOPED_TRACE(r.text);
        const std::string same = r.same;
        const Separators separators =
            same.find(',') != std::string::npos ? Separators{",", "."} : Separators{};
        const double value = FieldToNumber(same, separators).value;
        const FilmLength length = ReadFilmLength(r.text, separators);
        const DataSize size = ReadDataSize(r.text, separators);
        const std::string& field = r.kind == 'l' ? length.fieldText : size.fieldText;
        if (r.kind == 'r') {
            EXPECT_EQ(FrameRateFromText(r.text, separators), value);
            continue;
        }
        EXPECT_TRUE(r.kind == 'l' ? length.ok() : size.ok());
        EXPECT_EQ(r.kind == 'l' ? length.minutes : size.bytes / 1048576, value);
        EXPECT_EQ(FieldToNumber(field, separators).value, value);
        // A calculator's answer for the field text and for the value as it was always typed.
        const auto bits = [&](const std::string& text) {
            return CalcFittedVideoBitrate(r.kind == 'l' ? text : "100", "128000",
                                          r.kind == 's' ? text : "700", RateUnit::Bit, {Container::Mkv},
                                          separators)
                .videoBits;
        };
        EXPECT_EQ(bits(field), bits(same));
    }

    // No value: the reason, and the text handed on as typed for a calculator to word as ever.
    const struct {
        char kind;
        const char* text;
        int error;
        std::optional<CalcFailure> failure;
    } none[] = {
        {'l', "1:60:00", kOver59, {}},  {'l', "92:60", kOver59, {}},   {'l', "1::00", kBadTime, {}},
        {'l', ":30", kBadTime, {}},     {'l', "1:5", kBadTime, {}},    {'l', "1:2:03:04", kBadTime, {}},
        {'l', "-1:00", kBadTime, {}},   {'l', "1:00s", kBadTime, {}},  {'l', "1:00:00.", kBadTime, {}},
        {'l', "1.5:00", kBadTime, {}},  {'l', "xs", kOk, kNaN},        {'l', "1e999s", kOk, kHuge},
        {'l', "1e307h", kOk, kHuge},    {'s', "700 mb", kBadUnit, {}}, {'s', "4.7 G", kBadUnit, {}},
        {'s', "2 dvd", kBadUnit, {}},   {'s', "MB", kOk, kNaN},        {'s', "1,5 MB", kOk, kNaN},
        {'s', "1e308 GB", kOk, kHuge},  {'r', "30000/0", kOk, {}},     {'r', "0/1001", kOk, {}},
        {'r', "-30000/-1001", kOk, {}}, {'r', "1/2/3", kOk, {}},       {'r', "1e300/1e-300", kOk, {}},
    };
    for (const auto& r : none) {
        const auto expectNone = [&](const auto& reading) {
            EXPECT_EQ(reading.error ? int(*reading.error) : kOk, r.error) << r.text;
            EXPECT_EQ(reading.failure, r.failure) << r.text;
            EXPECT_EQ(reading.fieldText, r.text);
        };
        if (r.kind == 'r')
            EXPECT_FALSE(FrameRateFromText(r.text, {})) << r.text;
        else if (r.kind == 'l')
            expectNone(ReadFilmLength(r.text, {}));
        else
            expectNone(ReadDataSize(r.text, {}));
    }
}

// Every name the window and the command take for a unit, the binary symbols among them,
// names exactly one unit and no disc.
TEST(WrittenForms, EveryUnitNameNamesOneUnit) {
    std::set<std::string_view> seen;
    for (int i = 0; i < static_cast<int>(kDataUnitCount); ++i) {
        for (const std::string_view name : AllNamesOf(*DataUnitAt(i))) {
            EXPECT_TRUE(seen.insert(name).second) << name << " names two units";
            EXPECT_EQ(DataUnitNamed(name), DataUnitAt(i)) << name;
            EXPECT_FALSE(DiscNamed(name)) << name;
        }
    }
    EXPECT_EQ(seen.count("B") + seen.count("KiB") + seen.count("MiB") + seen.count("GiB"), 4u);
}

}  // namespace
}  // namespace tessaly
