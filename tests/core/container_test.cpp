// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The container's bytes against files ffmpeg wrote, and the exact calculations that leave room
// for them.
#include "core/container.h"
#include "core/audio_bitrate.h"
#include "core/hd_space.h"
#include "core/video_bitrate.h"

#include <cmath>
#include <vector>

#include <gtest/gtest.h>

namespace tessaly {
namespace {

// Overheads measured with tools/container-overhead.sh (ffmpeg 5.1.9): the file's size less
// its packets' bytes. The 24, 60 and 25 frames-a-second rows come from files left out of the
// table's fit; the 29.97 and 23.976 rows are its hardest MP4 cases, where the audio runs
// between video frames change length most often. MP4 leaves room for the worst audio timing,
// so an MP4 row also holds the same clip with its audio encoded from PCM in Matroska
// (SOURCE=matroska), whose every frame takes a duration of its own: the prediction matches
// that file and stays above the clean one.
TEST(ContainerBytes, PredictsFilesFfmpegWrote) {
    struct Measured {
        Container container;
        double fps;
        AudioCodec codec;
        double seconds;
        double overhead;
        double fileBytes;
        double fromMatroska = 0;  // overhead; 0 where not measured
    };
    const Measured rows[] = {
        {Container::Avi, 24, AudioCodec::Mp3, 45, 81570, 4740192},
        {Container::Mkv, 24, AudioCodec::Aac, 45, 23541, 4503499},
        {Container::Mp4, 24, AudioCodec::Ac3, 45, 30595, 6130226, 41835},
        {Container::Avi, 60, AudioCodec::Ac3, 20, 54435, 3017008},
        {Container::Mkv, 60, AudioCodec::Mp3, 20, 15241, 2339418},
        {Container::Mp4, 60, AudioCodec::Aac, 20, 33399, 2277687, 40887},
        {Container::Avi, 25, AudioCodec::Aac, 150, 274252, 6767056},
        {Container::Mkv, 25, AudioCodec::Ac3, 150, 60878, 11948713},
        {Container::Mp4, 25, AudioCodec::Mp3, 150, 105988, 7193439, 155972},
        {Container::Mp4, 30000.0 / 1001, AudioCodec::Aac, 60, 67402, 4784274, 89890},
        {Container::Mp4, 30000.0 / 1001, AudioCodec::Ac3, 60, 39089, 5233712, 54081},
        {Container::Mp4, 24000.0 / 1001, AudioCodec::Ac3, 120, 79801, 7461749, 109793},
        {Container::Avi, 24000.0 / 1001, AudioCodec::Aac, 120, 218450, 6643990},
    };
    for (const Measured& m : rows) {
        const double predicted = ContainerBytes(m.container, m.seconds, m.fps, m.codec);
        const double worst = m.fromMatroska != 0 ? m.fromMatroska : m.overhead;
        EXPECT_LE(std::fabs(predicted - worst), 0.0004 * m.fileBytes)
            << CostOf(m.container).name << ' ' << m.fps << " fps, codec " << static_cast<int>(m.codec) << ", "
            << m.seconds << " s: predicted " << predicted << ", measured " << worst;
        EXPECT_GE(predicted, m.overhead - 0.0004 * m.fileBytes) << CostOf(m.container).name << ' ' << m.fps;
    }
}

// Files of two and three tracks from tools/container-overhead.sh's TRACKS, none of them fitted;
// MP4's room for the worst audio timing taken off, as these files' audio came from whole samples.
TEST(ContainerBytes, PredictsFilesOfSeveralTracks) {
    using enum AudioCodec;
    struct Measured {
        Container container;
        double fps;
        std::vector<AudioCodec> tracks;
        double seconds;
        double overhead;
        double fileBytes;
    };
    const Measured rows[] = {
        {Container::Mp4, 25, {Aac, Ac3}, 30, 34504, 2734608},
        {Container::Mp4, 50, {Mp3, Mp3}, 40, 53888, 5833620},
        {Container::Mp4, 50, {Ac3, Ac3}, 40, 52794, 6471502},
        {Container::Mp4, 30000.0 / 1001, {Ac3, Aac, Mp3}, 60, 71143, 7188277},
        {Container::Mkv, 25, {Ac3, Aac, Mp3}, 90, 93035, 9637305},
        {Container::Avi, 50, {Aac, Aac}, 40, 155274, 5936438},
        {Container::Avi, 50, {Mp3, Ac3}, 40, 133416, 6232754},
    };
    for (const Measured& m : rows) {
        Arithmetic s;
        double timing = 0;
        for (const AudioCodec codec : m.tracks)
            timing += CostOf(m.container).bytesPerAudioFrameTiming * m.seconds * 48000 /
                      SamplesPerAudioFrame(codec);
        const double predicted = ContainerBytes(s, {m.container, m.fps}, m.seconds, m.tracks) - timing;
        EXPECT_LE(std::fabs(predicted - m.overhead), 0.0005 * m.fileBytes)
            << CostOf(m.container).name << ' ' << m.fps << " fps, " << m.tracks.size() << " tracks, "
            << m.seconds << " s: predicted " << predicted << ", measured " << m.overhead;
    }
}

TEST(ContainerBytes, HundredMinutesCountRunsAndRunChanges) {  // 150000 video, 250000 MP3 frames
    EXPECT_NEAR(ContainerBytes(Container::Avi, 6000, 25, AudioCodec::Mp3), 9734511, 1);
    EXPECT_NEAR(ContainerBytes(Container::Mkv, 6000, 25, AudioCodec::Mp3), 2847732, 1);
    EXPECT_NEAR(ContainerBytes(Container::Mp4, 6000, 25, AudioCodec::Mp3), 6204306, 1);
    // AC-3 at 31.25 frames a second against 50 video frames: the audio is the slower stream.
    EXPECT_NEAR(ContainerBytes(Container::Mp4, 6000, 50, AudioCodec::Ac3),
                807 + 499 + 12.02 * 300000 + 8 * 187500 + 4 * 375000 + 12 * 150000, 1);
    // Several tracks: two of one codec share their time stamps, so every frame of theirs is a
    // run, and the video's runs fall between them as between one track's; an MP3 faster than
    // both the video and an AC-3 track has a run wherever either falls between its frames.
    const auto tracks = [](Container container, double fps, std::vector<AudioCodec> codecs) {
        Arithmetic s;
        return ContainerBytes(s, {container, fps}, 6000, codecs);
    };
    using enum AudioCodec;
    EXPECT_NEAR(tracks(Container::Mp4, 50, {Mp3, Mp3}),
                807 + 2 * 499 + 12.02 * 300000 + 8 * 500000 + 4 * (250000 + 500000) + 12 * 250000 * 0.4, 1);
    EXPECT_NEAR(tracks(Container::Mp4, 25, {Mp3, Ac3}),
                807 + 2 * 499 + 12.02 * 150000 + 8 * 437500 + 4 * (150000 + 187500 + 225000) + 12 * 50000, 1);
}

// The answer rounded down fits; one bit a second more would not, whatever the container.
TEST(CalcFittedVideoBitrate, AnswerIsTheLargestThatFits) {
    const Separators separators;
    for (const ContainerCost& cost : kContainerCosts) {
        for (const double fps : {23.976, 25.0, 59.94}) {
            for (const AudioCodec codec : {AudioCodec::Mp3, AudioCodec::Aac, AudioCodec::Ac3}) {
                const Encoding encoding{cost.container, fps, codec};
                const auto outcome =
                    CalcFittedVideoBitrate("3", "128000", "25", RateUnit::Bit, encoding, separators);
                ASSERT_TRUE(outcome.completed());
                const double others = 128000.0 / 8 * 180 + ContainerBytes(cost.container, 180, fps, codec);
                const double desired = 25 * kBytesPerMB;
                EXPECT_LE(outcome.videoBits / 8 * 180 + others, desired) << cost.name << ' ' << fps;
                EXPECT_GT((outcome.videoBits + 1) / 8 * 180 + others, desired) << cost.name << ' ' << fps;
                EXPECT_EQ(outcome.videoBitrate, outcome.videoBits);
                EXPECT_EQ(outcome.videoKbit, std::floor(outcome.videoBits / 1024));
            }
        }
    }
}

TEST(CalcFittedVideoBitrate, WorkedExamples) {
    struct Row {
        const char* audio;
        RateUnit unit;
        std::optional<Container> container;
        double answer;  // in the unit
        double bits;
    };
    const Row rows[] = {
        {"128000", RateUnit::Bit, std::nullopt, 850670, 850670},  // the audio not rounded to 94 MB
        {"125", RateUnit::Kbit1024, std::nullopt, 830, 850670},   // 125 x 1024 = 128000
        {"128000", RateUnit::Bit, Container::Mkv, 846873, 846873},
        {"128000", RateUnit::Bit, Container::Avi, 837691, 837691},
        {"125", RateUnit::Kbit1024, Container::Avi, 818, 837691},
        {"128", RateUnit::Kbit1000, Container::Avi, 837, 837691},
    };
    for (const Row& r : rows) {
        const auto outcome = CalcFittedVideoBitrate("100", r.audio, "700", r.unit, {r.container}, {});
        ASSERT_TRUE(outcome.completed()) << r.audio;
        EXPECT_EQ(outcome.videoBitrate, r.answer) << r.audio << ' ' << static_cast<int>(r.unit);
        EXPECT_EQ(outcome.videoBits, r.bits) << r.audio << ' ' << static_cast<int>(r.unit);
    }
}

TEST(CalcFittedVideoBitrate, FailuresAndNegativeShares) {
    const Encoding avi{Container::Avi};
    EXPECT_EQ(CalcFittedVideoBitrate("0", "128000", "700", RateUnit::Bit, avi, {}).failure,
              CalcFailure::DivisionByZero);
    const auto text = CalcFittedVideoBitrate("100", "x", "700", RateUnit::Bit, avi, {});
    EXPECT_EQ(text.stop->field, VideoBitrateField::AudioBitrate);
    EXPECT_FALSE(text.completed());
    EXPECT_EQ(CalcFittedVideoBitrate("1e306", "1", "1", RateUnit::Bit, avi, {}).failure,
              CalcFailure::Overflow);
    EXPECT_EQ(CalcFittedVideoBitrate("1/6", "0", "1", RateUnit::Bit, avi, {}).stop->field,
              VideoBitrateField::Length);
    // 6 s of AVI take 6291 + 3720 + 150 x 24.23 + 250 x 24.36 bytes: more than 0.01 MB without any audio.
    const auto tight = CalcFittedVideoBitrate("0.1", "0", "0.01", RateUnit::Bit, avi, {});
    ASSERT_TRUE(tight.completed());
    EXPECT_LT(tight.videoBits, 0);
    EXPECT_EQ(tight.videoBits, std::floor(tight.working.videoBitsExact));  // rounded down, away from zero
}

TEST(CalcFittedAudioBitrate, WorkedExamples) {
    struct Row {
        std::optional<WavRate> wav;
        const char* aviSize;
        RateUnit unit;
        Encoding encoding;
        double answer;
        const char* suggestion;
    };
    const Row rows[] = {
        {std::nullopt, "600", RateUnit::Bit, {}, 139810, "128000"},
        {std::nullopt, "600", RateUnit::Kbit1024, {Container::Mkv}, 137, "128"},
        {std::nullopt, "600", RateUnit::Bit, {Container::Mkv}, 140867, "128000"},
        // 48 kHz WAV leaves 1098.6 MB; the AVI's chunks for it come back too.
        {WavRate::Rate48kHz, "1700", RateUnit::Bit, {Container::Mp4, 25, AudioCodec::Aac}, 138524, "128000"},
        {std::nullopt, "699", RateUnit::Bit, {Container::Avi}, -6727, "too low"},  // 5045144 bytes short
    };
    for (const Row& r : rows) {
        const auto outcome = CalcFittedAudioBitrate("100", r.aviSize, "700", r.wav, r.unit, r.encoding, {});
        ASSERT_TRUE(outcome.completed()) << r.aviSize;
        EXPECT_EQ(outcome.audioBitrate, r.answer) << r.aviSize << ' ' << static_cast<int>(r.unit);
        EXPECT_EQ(outcome.suggestionText, r.suggestion) << r.aviSize << ' ' << static_cast<int>(r.unit);
    }
    EXPECT_EQ(CalcFittedAudioBitrate("100", "700", "7e", std::nullopt, RateUnit::Bit, {}, {}).stop->field,
              AudioBitrateField::DesiredSize);
}

TEST(CalcFittedHdSpace, RoundsUpAndAddsTheAvisBytes) {
    const auto plain = CalcFittedHdSpace("100", "827", WavRate::Rate48kHz, "", RateUnit::Kbit1024, {}, {});
    EXPECT_EQ(plain.spaceRequired, 1705);  // 1704.3 MB
    const auto avi =
        CalcFittedHdSpace("100", "827", WavRate::Rate48kHz, "", RateUnit::Kbit1024, {Container::Avi}, {});
    EXPECT_EQ(avi.spaceRequired, 1712);
    EXPECT_NEAR(avi.working.containerBytes, 6291 + 3720 + 24.23 * 150000 + 24.36 * 150000,
                1);  // a WAV chunk a frame
    const auto other =
        CalcFittedHdSpace("100", "846848", std::nullopt, "128000", RateUnit::Bit, {Container::Avi}, {});
    EXPECT_NEAR(other.working.containerBytes, 9734511, 1);  // MP3 frames
    EXPECT_EQ(CalcFittedHdSpace("100", "827", std::nullopt, "", RateUnit::Bit, {}, {}).stop->field,
              HdSpaceField::OtherBitrate);
}

TEST(FrameRateFromText, OnlyPositiveNumbers) {
    const Separators separators;
    EXPECT_EQ(FrameRateFromText("23.976", separators), 23.976);
    EXPECT_EQ(FrameRateFromText(" 25 ", separators), 25);
    for (const char* text : {"0", "-25", "", "x", "30000/-1001", "1e999", "-0"})
        EXPECT_FALSE(FrameRateFromText(text, separators)) << text;
}

TEST(EncoderRates, KCountedAsThousandForEachContainer) {
    const auto rates = EncoderRates(100, 128, 700, {});
    ASSERT_TRUE(rates);
    EXPECT_EQ((*rates)[0], 837);  // AVI, 837691 bit/s
    EXPECT_EQ((*rates)[1], 846);  // MKV
    EXPECT_EQ((*rates)[2], 842);  // MP4
    EXPECT_FALSE(EncoderRates(0, 128, 700, {}));
    const auto fast = EncoderRates(100, 128, 700, {std::nullopt, 60, AudioCodec::Aac});
    ASSERT_TRUE(fast);
    EXPECT_LT((*fast)[2], (*rates)[2]);  // more frames, more of MP4's bytes
}

}  // namespace
}  // namespace tessaly
