// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The affordable audio bitrate and its suggested step, row by row of the worked examples.
#include "core/audio_bitrate.h"

#include <gtest/gtest.h>

namespace tessaly {
namespace {

struct Row {
    const char* length;
    const char* avi;
    const char* desired;
    std::optional<WavRate> wav;
    const char* bitrate;
    const char* suggestion;
};

TEST(CalcAudioBitrate, WorkedExamples) {
    const Row rows[] = {
        {"100", "1700", "700", WavRate::Rate48kHz, "135", "128"},  // the start-up result
        {"100", "1600", "700", WavRate::Rate44kHz, "149", "128"},
        {"90", "1500", "700", WavRate::Rate48kHz, "286", "256"},
        {"100", "600", "700", std::nullopt, "137", "128"},
        {"100", "1700", "700", WavRate::Rate44kHz, "13", "too low"},
        {"100", "1700", "700", std::nullopt, "-1365", "too low"},
        {"100", "1800", "700", WavRate::Rate48kHz, "-2", "too low"},
        {"100", "700.1", "700", std::nullopt, "0", "too low"},  // a negative zero
        {"100", "700", "700", std::nullopt, "0", "too low"},
        {"100", "1700", "1700", WavRate::Rate48kHz, "1500", "384"},
        {"-100", "1700", "700", WavRate::Rate48kHz, "2865", "384"},
        // Exact halves and the bounds of the steps, one minute long with no WAV audio.
        {"1", "700", "700.457763671875", std::nullopt, "62", "too low"},  // 62.5
        {"1", "700", "700.465087890625", std::nullopt, "64", "64"},       // 63.5
        {"1", "700", "700.93017578125", std::nullopt, "127", "112"},
        {"1", "700", "700.9375", std::nullopt, "128", "128"},
        {"1", "700", "702.80517578125", std::nullopt, "383", "320"},
        {"1", "700", "702.8125", std::nullopt, "384", "384"},
    };
    for (const auto& r : rows) {
        const auto outcome = CalcAudioBitrate(r.length, r.avi, r.desired, r.wav, {});
        ASSERT_TRUE(outcome.bitrateText) << r.length << ' ' << r.avi << ' ' << r.desired;
        EXPECT_EQ(*outcome.bitrateText, r.bitrate) << r.length << ' ' << r.avi << ' ' << r.desired;
        ASSERT_TRUE(outcome.suggestionText);
        EXPECT_EQ(*outcome.suggestionText, r.suggestion) << r.length << ' ' << r.avi << ' ' << r.desired;
        EXPECT_FALSE(outcome.failure);
        EXPECT_FALSE(outcome.message);
    }
}

TEST(SuggestedBitrate, LargestStepNotAbove) {
    const std::pair<double, const char*> rows[] = {
        // the bitrate and its suggestion as shown
        {-1365, "too low"}, {-0.0, "too low"}, {0, "too low"}, {63, "too low"}, {64, "64"},   {79, "64"},
        {80, "64"},         {95, "64"},        {96, "96"},     {111, "96"},     {112, "112"}, {127, "112"},
        {128, "128"},       {159, "128"},      {160, "160"},   {191, "160"},    {192, "192"}, {223, "192"},
        {224, "224"},       {255, "224"},      {256, "256"},   {319, "256"},    {320, "320"}, {383, "320"},
        {384, "384"},       {385, "384"},      {512, "384"},   {1e300, "384"},
    };
    for (const auto& [bitrate, want] : rows)
        EXPECT_EQ(SuggestionText(SuggestedBitrate(bitrate)), want) << bitrate;
}

TEST(CalcAudioBitrate, Failures) {
    struct Failing {
        const char* length;
        const char* avi;
        const char* desired;
        CalcFailure failure;
        bool reported;
    };
    const Failing rows[] = {
        {"0", "1700", "700", CalcFailure::DivisionByZero, true},
        {"0", "700", "700", CalcFailure::Overflow, false},  // no room over no time
        {"", "1700", "700", CalcFailure::NotANumber, false},
        {"100", "abc", "700", CalcFailure::NotANumber, false},
        {"100", "", "", CalcFailure::NotANumber, false},  // the start-up's first runs
        {"100", "1700", "", CalcFailure::NotANumber, false},
        {"0", "1700", "x", CalcFailure::NotANumber, false},  // the desired size fails before the division
        {"1e306", "1700", "700", CalcFailure::Overflow, false},
        {"100", "1700", "1e308", CalcFailure::Overflow, false},
    };
    for (const auto& r : rows) {
        const auto outcome = CalcAudioBitrate(r.length, r.avi, r.desired, WavRate::Rate48kHz, {});
        EXPECT_FALSE(outcome.bitrateText) << r.length << ' ' << r.avi << ' ' << r.desired;
        EXPECT_FALSE(outcome.suggestionText) << r.length << ' ' << r.avi << ' ' << r.desired;
        EXPECT_EQ(outcome.failure, r.failure) << r.length << ' ' << r.avi << ' ' << r.desired;
        EXPECT_EQ(outcome.message.has_value(), r.reported) << r.length << ' ' << r.avi << ' ' << r.desired;
    }
    const auto zero = CalcAudioBitrate("0", "1700", "700", std::nullopt, {});
    ASSERT_TRUE(zero.message);
    EXPECT_EQ(zero.message->prompt, "Pleast enter a positive number.");
    EXPECT_EQ(zero.message->title, "You must enter a number.");
}

TEST(CalcAudioBitrate, ReadsTheLocalesSeparator) {
    const auto outcome = CalcAudioBitrate("1", "700", "700,9375", std::nullopt, {",", "."});
    ASSERT_TRUE(outcome.bitrateText);
    EXPECT_EQ(*outcome.bitrateText, "128");
}

}  // namespace
}  // namespace tessaly
