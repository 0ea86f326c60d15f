// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The hard-disk space calculation, row by row of its worked examples.
#include "core/hd_space.h"

#include <gtest/gtest.h>

namespace tessaly {
namespace {

struct Row {
    const char* length;
    const char* videoBitrate;
    std::optional<WavRate> audio;
    const char* combo;
    const char* want;
};

TEST(CalcHDSpace, WorkedExamples) {
    const Row rows[] = {
        {"100", "827", WavRate::Rate48kHz, "224", "1704"},   // 605.7 + 1098.6
        {"100", "827", WavRate::Rate44kHz, "224", "1615"},   // 605.7 + 1009.4
        {"100", "827", std::nullopt, "224", "770"},          // 605.7 + 164.1
        {"100", "827", std::nullopt, "128", "700"},          // 699.5 goes to the even 700
        {"100", "827", std::nullopt, "512", "981"},          // 605.7 + 375.0
        {"2", "168", WavRate::Rate48kHz, "224", "24"},       // 24.5 goes to the even 24, not 25
        {"119", "1500", WavRate::Rate44kHz, "224", "2509"},  // 172.265625 would give 2508
        {"0", "827", WavRate::Rate48kHz, "224", "0"},
        {"-100", "827", WavRate::Rate48kHz, "224", "-1704"},
        {"100", "827", WavRate::Rate48kHz, "abc", "1704"},  // the combo is read only for its own option
        {"100", "827", WavRate::Rate44kHz, "", "1615"},
    };
    for (const auto& r : rows) {
        const auto outcome = CalcHDSpace(r.length, r.videoBitrate, r.audio, r.combo, {});
        ASSERT_TRUE(outcome.text) << r.length << ' ' << r.videoBitrate << ' ' << r.combo;
        EXPECT_EQ(*outcome.text, r.want) << r.length << ' ' << r.videoBitrate << ' ' << r.combo;
        EXPECT_FALSE(outcome.failure);
        EXPECT_FALSE(outcome.message);
    }
}

TEST(CalcHDSpace, FailuresAreSilent) {
    struct Failing {
        const char* length;
        const char* videoBitrate;
        std::optional<WavRate> audio;
        const char* combo;
        CalcFailure failure;
    };
    const Failing rows[] = {
        {"100", "", WavRate::Rate48kHz, "224", CalcFailure::NotANumber},  // the start-up's first run
        {"", "827", WavRate::Rate48kHz, "224", CalcFailure::NotANumber},
        {"100", "827", std::nullopt, "", CalcFailure::NotANumber},
        {"100", "827", std::nullopt, "12a", CalcFailure::NotANumber},
        {"1e307", "827", WavRate::Rate48kHz, "224", CalcFailure::Overflow},
        {"100", "1e308", WavRate::Rate48kHz, "224", CalcFailure::Overflow},
        {"100", "827", std::nullopt, "1e999", CalcFailure::Overflow},
    };
    for (const auto& r : rows) {
        const auto outcome = CalcHDSpace(r.length, r.videoBitrate, r.audio, r.combo, {});
        EXPECT_FALSE(outcome.text) << r.length << ' ' << r.videoBitrate << ' ' << r.combo;
        EXPECT_EQ(outcome.failure, r.failure) << r.length << ' ' << r.videoBitrate << ' ' << r.combo;
        EXPECT_FALSE(outcome.message) << r.length << ' ' << r.videoBitrate << ' ' << r.combo;
    }
}

TEST(CalcHDSpace, ReadsTheLocalesSeparatorInEveryField) {
    const Separators comma{",", "."};
    const auto outcome = CalcHDSpace("100,0", "827", std::nullopt, "1.024", comma);
    ASSERT_TRUE(outcome.text);
    EXPECT_EQ(*outcome.text, "1356");  // 605.7 + 750.0: the combo's "1.024" is grouped 1024 kbit/s
    // A point that cannot be grouping is no decimal point either.
    EXPECT_FALSE(CalcHDSpace("100", "827", std::nullopt, "1.5", comma).text);
}

}  // namespace
}  // namespace tessaly
