// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The values each calculation records for its working: what every step used and gave, which
// field stopped a run, and nothing recorded past the step that failed.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <vector>

#include "core/audio_bitrate.h"
#include "core/data_units.h"
#include "core/hd_space.h"
#include "core/video_bitrate.h"

namespace tessaly {
namespace {

void ExpectSteps(const std::vector<double>& got, const std::vector<double>& want, const char* row) {
    ASSERT_EQ(got.size(), want.size()) << row;
    for (std::size_t i = 0; i < want.size(); ++i)
        EXPECT_NEAR(got[i], want[i], 1e-9 * (1 + std::abs(want[i]))) << row << ", step value " << i;
}

TEST(RecordedWorking, VideoBitrate) {
    // length, seconds, audio, audio exact, audio, size, video, bitrate exact, bitrate
    const struct {
        const char *length, *audio, *size;
        std::optional<VideoBitrateField> field;
        std::vector<double> steps;
    } rows[] = {
        {"100", "128", "700", {}, {100, 6000, 128, 93.75, 94, 700, 606, 827.392, 827}},
        {"120", "128", "700", {}, {120, 7200, 128, 112.5, 112, 700, 588, 669.0133333333, 669}},
        {"100", "128", "50", {}, {100, 6000, 128, 93.75, 94, 50, -44, -60.0746666667, -60}},  // negative
        {"100", "128", "7x", VideoBitrateField::Size, {100, 6000, 128, 93.75, 94, 0, 0, 0, 0}},
    };
    for (const auto& r : rows) {
        const VideoBitrateOutcome o = CalcVideoBitrate(r.length, r.audio, r.size, {});
        const VideoBitrateWorking& w = o.working;
        EXPECT_EQ(o.stop ? std::optional(o.stop->field) : std::nullopt, r.field) << r.size;
        ExpectSteps({w.length, w.seconds, w.audioBitrate, w.audioDataExact, w.audioData, w.size, w.videoData,
                     w.videoBitrateExact, w.videoBitrate},
                    r.steps, r.size);
    }
}

TEST(RecordedWorking, HdSpace) {
    // length, seconds, other, rate, video bitrate, video exact, video, audio exact, audio, total, space
    const struct {
        std::optional<WavRate> audio;
        const char *video, *other;
        std::optional<HdSpaceField> field;
        std::vector<double> steps;
    } rows[] = {
        {WavRate::Rate48kHz,
         "827",
         "x",
         {},
         {100, 6000, 0, 187.5, 827, 605.712890625, 605.7, 1098.6328125, 1098.6, 1704.3, 1704}},
        {std::nullopt,
         "827",
         "224",
         {},
         {100, 6000, 224, 28, 827, 605.712890625, 605.7, 164.0625, 164.1, 769.8, 770}},
        {std::nullopt, "827", "", HdSpaceField::OtherBitrate, {100, 6000, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {WavRate::Rate44kHz,
         "",
         "",
         HdSpaceField::VideoBitrate,
         {100, 6000, 0, 172.266, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const auto& r : rows) {
        const HdSpaceOutcome o = CalcHDSpace("100", r.video, r.audio, r.other, {});
        const HdSpaceWorking& w = o.working;
        EXPECT_EQ(o.stop ? std::optional(o.stop->field) : std::nullopt, r.field) << r.other;
        ExpectSteps({w.length, w.seconds, w.otherBitrate, w.audioRate, w.videoBitrate, w.videoSizeExact,
                     w.videoSize, w.audioSizeExact, w.audioSize, w.total, w.spaceRequired},
                    r.steps, r.other);
    }
}

TEST(RecordedWorking, AudioBitrate) {
    // length, seconds, WAV rate, WAV size, AVI, video, desired, room, bitrate exact, bitrate
    const struct {
        const char *avi, *desired;
        std::optional<WavRate> wav;
        std::optional<AudioBitrateField> field;
        std::vector<double> steps;
    } rows[] = {
        {"1700",
         "700",
         WavRate::Rate48kHz,
         {},
         {100, 6000, 187.5, 1098.6328125, 1700, 601.3671875, 700, 98.6328125, 134.6666666667, 135}},
        {"700.1",
         "700",
         std::nullopt,
         {},  // the video alone outgrows the desired size
         {100, 6000, 0, 0, 700.1, 700.1, 700, -0.1, -0.1365333333, -0.0}},
        {"1700",
         "",
         WavRate::Rate44kHz,
         AudioBitrateField::DesiredSize,
         {100, 6000, 172.266, 1009.37109375, 1700, 690.62890625, 0, 0, 0, 0}},
    };
    for (const auto& r : rows) {
        const AudioBitrateOutcome o = CalcAudioBitrate("100", r.avi, r.desired, r.wav, {});
        const AudioBitrateWorking& w = o.working;
        EXPECT_EQ(o.stop ? std::optional(o.stop->field) : std::nullopt, r.field) << r.avi;
        ExpectSteps({w.length, w.seconds, w.wavRate, w.wavSize, w.aviSize, w.videoSize, w.desiredSize, w.room,
                     w.bitrateExact, w.bitrate},
                    r.steps, r.avi);
    }
}

TEST(RecordedWorking, ConversionFactors) {
    const struct {
        std::size_t box;
        BoxWorking step;
    } rows[] = {
        // 700 MB
        {0, {700, 8388608, false, 5872025600}},
        {6, {700, 128, true, 5.46875}},
        {7, {5.46875, 8, true, 0.68359375}},  // from the gigabits, not from the input
    };
    for (const auto& r : rows) {
        const BoxWorking got = ConvertData("700", DataUnit::Megabytes, {}).working[r.box];
        ExpectSteps({got.from, got.factor, got.result}, {r.step.from, r.step.factor, r.step.result}, "MB");
        EXPECT_EQ(got.divides, r.step.divides) << r.box;
    }
}

}  // namespace
}  // namespace tessaly
