// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The exact video rate for a whole film file: several tracks, extras and a margin, the shares
// it is taken from, what each text is blamed for, and the margins as people write them.
#include <gtest/gtest.h>

#include <cmath>

#include "core/fitted_film.h"
#include "core/video_bitrate.h"

namespace tessaly {
namespace {

using enum AudioCodec;

// A film of one track, no extra and no margin is the video calculator's exact twin to the bit,
// in every container, unit and at every rate, a negative length and size included.
TEST(CalcFittedFilm, OneTrackIsTheVideoCalculatorsAnswer) {
    for (const auto container : {std::optional<Container>(), std::optional(Container::Avi),
                                 std::optional(Container::Mkv), std::optional(Container::Mp4)}) {
        for (const double fps : {23.976, 25.0, 30000.0 / 1001, 50.0, 59.94}) {
            for (const AudioCodec codec : {Mp3, Aac, Ac3}) {
                for (const RateUnit unit : {RateUnit::Bit, RateUnit::Kbit1024, RateUnit::Kbit1000}) {
                    for (const auto& [length, rate, size] : {std::array{"92.5", "128000", "700"},
                                                             {"1.5", "192", "10"},
                                                             {"-100", "96", "4481.326171875"},
                                                             {"100", "384", "-25"}}) {
                        const Encoding encoding{container, fps, codec};
                        const auto film =
                            CalcFittedFilm({length, {{rate, codec}}, size, {}, {}}, unit, encoding, {});
                        const auto video = CalcFittedVideoBitrate(length, rate, size, unit, encoding, {});
                        SCOPED_TRACE(testing::Message()
                                     << fps << ' ' << length << ' ' << rate << ' ' << size);
                        EXPECT_EQ(film.videoBitrate, video.videoBitrate);
                        EXPECT_EQ((std::array{film.totalAudioMB, film.containerMB, film.videoMB}),
                                  (std::array{video.audioMB, video.containerMB, video.videoMB}));
                        EXPECT_EQ(film.negative.has_value(), video.negative.has_value());
                    }
                }
            }
        }
    }
}

// 100 minutes in 700 MB at 25 frames a second, rates in bits a second: each row's answer, and
// that one bit a second more would not fit the size aimed at.
TEST(CalcFittedFilm, EveryShareComesOffTheSizeAimedAt) {
    struct Row {
        std::optional<Container> container;
        std::vector<AudioTrack> tracks;
        std::vector<std::string_view> extras;
        const char* margin;
        double bits;
    };
    const Row rows[] = {
        {Container::Mkv, {{"128000", Mp3}, {"192000", Ac3}}, {}, "0", 653118},
        {Container::Mkv, {{"128000", Mp3}, {"192000", Ac3}}, {"1"}, "2%", 632147},
        // 734003200 less 5 MB of extras and 96000000 of audio.
        {std::nullopt, {{"64000", Aac}, {"64000", Aac}}, {"2", "3"}, "0", 843680},
        // Less 204800 and 6829306 for MP4, its AAC frames' sizes, runs and changes among them.
        {Container::Mp4, {{"128000", Aac}}, {}, "200KiB", 841292},
        // Less 1 MB, 288000000 and 6291 + 3 x 3720 + 24.23 x 150000 + 24.36 x 750000 for AVI.
        {Container::Avi, {{"128000", Mp3}, {"128000", Mp3}, {"128000", Mp3}}, {}, "1 MB", 564043},
    };
    for (const Row& r : rows) {
        const Encoding encoding{r.container, 25};
        const FilmRequest request{"100", r.tracks, "700", r.extras, ReadMargin(r.margin, {})};
        const FilmOutcome outcome = CalcFittedFilm(request, RateUnit::Bit, encoding, {});
        ASSERT_TRUE(outcome.completed()) << r.margin;
        EXPECT_EQ(outcome.videoBits, r.bits) << r.margin;
        double audioBytes = 0, extraBytes = 0;
        for (const AudioTrack& track : r.tracks)
            audioBytes += std::stod(std::string(track.rate)) / 8 * 6000;
        for (const std::string_view extra : r.extras)
            extraBytes += std::stod(std::string(extra)) * kBytesPerMB;
        const double aimed = 734003200 - MarginBytes(request.margin, 734003200);
        const double others = audioBytes + extraBytes + outcome.containerMB * kBytesPerMB;
        EXPECT_EQ(outcome.aimedMB * kBytesPerMB, aimed) << r.margin;
        EXPECT_LE(r.bits / 8 * 6000 + others, aimed) << r.margin;
        EXPECT_GT((r.bits + 1) / 8 * 6000 + others, aimed) << r.margin;
    }
}

// Each track and extra is a text of its own: the one that stops a run, goes beyond a double or
// is negative is named by its item; a margin as large as the size leaves nothing to aim at.
TEST(CalcFittedFilm, BlamesTheTrackOrExtraItWasGiven) {
    const auto run = [](std::vector<AudioTrack> tracks, std::vector<std::string_view> extras,
                        const char* margin = "0") {
        return CalcFittedFilm({"100", tracks, "700", extras, ReadMargin(margin, {})}, RateUnit::Bit,
                              {Container::Mkv}, {});
    };
    const auto bad = run({{"128000"}, {"x"}}, {});
    EXPECT_EQ(bad.stop->field, FilmField::AudioBitrate);
    EXPECT_EQ(bad.stop->item, 1u);
    const auto huge = run({{"128000"}, {"1e306"}}, {});
    EXPECT_EQ(huge.failure, CalcFailure::Overflow);
    EXPECT_EQ(huge.stop->item, 1u);
    const auto negative = run({{"128000"}}, {"1", "2", "-3"});
    ASSERT_TRUE(negative.completed());
    EXPECT_EQ(negative.negative->field, FilmField::Extra);
    EXPECT_EQ(negative.negative->item, 2u);
    const auto tooMuch = run({{"128000"}, {"900000"}}, {"1"});
    ASSERT_TRUE(tooMuch.negative);
    EXPECT_EQ(tooMuch.negative->cause, NegativeCause::AudioExceedsSize);
    EXPECT_EQ(tooMuch.negative->whole, 700);
    EXPECT_TRUE(run({{"128000"}}, {}, "700MB").marginTakesAll);
}

TEST(ReadMargin, PerCentOrAnAmount) {
    struct Row {
        const char* text;
        double percent;
        double bytes;
        std::optional<MarginError> error;
    };
    const Row rows[] = {
        {"2", 2, 0, {}},
        {" 2% ", 2, 0, {}},
        {"200KiB", 0, 204800, {}},
        {"1 MB", 0, 1048576, {}},
        {"dvd", 0, 0, MarginError::NotAMargin},
        {"2 XB", 0, 0, MarginError::UnknownUnit},
        {"-2%", 0, 0, MarginError::Negative},
        {"100", 0, 0, MarginError::WholeSize},
        {"1e308 GB", 0, 0, MarginError::WholeSize},
    };
    for (const Row& r : rows) {
        const Margin margin = ReadMargin(r.text, {});
        EXPECT_EQ(margin.error, r.error) << r.text;
        EXPECT_EQ(margin.percent, r.percent) << r.text;
        EXPECT_EQ(margin.bytes, r.bytes) << r.text;
    }
    EXPECT_EQ(ReadMargin("1,5", {",", "."}).percent, 1.5);
}

}  // namespace
}  // namespace tessaly
