// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The video bitrate calculation, row by row of its worked examples.
#include "core/video_bitrate.h"

#include <gtest/gtest.h>

namespace tessaly {
namespace {

struct Row {
    const char* length;
    const char* audio;
    const char* size;
    const char* videoBitrate;  // nullptr: the run fails and writes nothing
    const char* audioData;
    const char* videoData;
};

TEST(CalcVideoBitrate, WorkedExamples) {
    const Row rows[] = {
        {"100", "128", "700", "827", "94", "606"},     {"100", "128", "1400", "1783", "94", "1306"},
        {"120", "128", "700", "669", "112", "588"},  // 112.5 MB of audio rounds to the even 112
        {"90", "224", "700", "837", "148", "552"},     {"90", "128", "700", "934", "84", "616"},
        {"9", "128", "700", "10498", "8", "692"},      {"100", "0", "700", "956", "0", "700"},
        {"100", "128", "700.5", "828", "94", "606.5"}, {"100", "128", "50", "-60", "94", "-44"},
        {"-100", "128", "700", "-1084", "-94", "794"},
    };
    for (const auto& r : rows) {
        const auto outcome = CalcVideoBitrate(r.length, r.audio, r.size, {});
        ASSERT_TRUE(outcome.texts) << r.length << ' ' << r.audio << ' ' << r.size;
        EXPECT_EQ(outcome.texts->videoBitrate, r.videoBitrate) << r.length << ' ' << r.audio << ' ' << r.size;
        EXPECT_EQ(outcome.texts->audioData, r.audioData) << r.length << ' ' << r.audio << ' ' << r.size;
        EXPECT_EQ(outcome.texts->videoData, r.videoData) << r.length << ' ' << r.audio << ' ' << r.size;
        EXPECT_FALSE(outcome.failure);
        EXPECT_FALSE(outcome.message);
    }
}

TEST(CalcVideoBitrate, Failures) {
    struct Failing {
        const char* length;
        const char* audio;
        const char* size;
        CalcFailure failure;
        bool reported;
    };
    const Failing rows[] = {
        {"0", "128", "700", CalcFailure::DivisionByZero, true},
        {"0", "128", "0", CalcFailure::Overflow, false},  // zero divided by zero
        {"100", "", "700", CalcFailure::NotANumber, false},
        {"", "128", "700", CalcFailure::NotANumber, false},
        {"0", "x", "700", CalcFailure::NotANumber, false},  // the audio text fails before the division
        {"1e307", "128", "700", CalcFailure::Overflow, false},
        {"100", "128", "1e999", CalcFailure::Overflow, false},
    };
    for (const auto& r : rows) {
        const auto outcome = CalcVideoBitrate(r.length, r.audio, r.size, {});
        EXPECT_FALSE(outcome.texts) << r.length << ' ' << r.audio << ' ' << r.size;
        EXPECT_EQ(outcome.failure, r.failure) << r.length << ' ' << r.audio << ' ' << r.size;
        EXPECT_EQ(outcome.message.has_value(), r.reported) << r.length << ' ' << r.audio << ' ' << r.size;
    }
    const auto zero = CalcVideoBitrate("0", "128", "700", {});
    ASSERT_TRUE(zero.message);
    EXPECT_EQ(zero.message->prompt, "Pleast enter a positive number.");
    EXPECT_EQ(zero.message->title, "You must enter a number.");
}

TEST(CalcVideoBitrate, ReadsAndWritesTheLocalesSeparator) {
    const auto outcome = CalcVideoBitrate("100", "128", "700,5", {",", "."});
    ASSERT_TRUE(outcome.texts);
    EXPECT_EQ(outcome.texts->videoBitrate, "828");
    EXPECT_EQ(outcome.texts->videoData, "606,5");
}

}  // namespace
}  // namespace tessaly
