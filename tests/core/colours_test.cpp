// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The contrast ratio that the window's colours and their test rest on, against WCAG 2's figures.
#include "core/colours.h"

#include <gtest/gtest.h>

#include <vector>

TEST(ContrastRatio, MatchesWcagFigures) {
    EXPECT_NEAR(tessaly::ContrastRatio({0, 0, 0}, {255, 255, 255}), 21.0, 0.005);
    EXPECT_NEAR(tessaly::ContrastRatio({255, 255, 255}, {118, 118, 118}), 4.54, 0.005);  // either order
    EXPECT_NEAR(tessaly::ContrastRatio({119, 119, 119}, {255, 255, 255}), 4.48, 0.005);
    EXPECT_NEAR(tessaly::ContrastRatio({255, 0, 0}, {255, 255, 255}), 4.0, 0.005);
}

// A line keeps its own colour where it is seen; otherwise the quietest colour that is, never a louder one.
TEST(KeepOrRaise, ChangesALineOnlyAsFarAsItMust) {
    using tessaly::Rgb;
    constexpr Rgb page{239, 239, 239}, dark{159, 159, 159}, mid{184, 184, 184}, shadow{118, 118, 118},
        black{0, 0, 0}, white{255, 255, 255}, night{49, 54, 59};
    const struct {
        const char* name;
        Rgb own;
        std::initializer_list<Rgb> others;
        Rgb ground;
        double least;
        Rgb want;
    } cases[] = {
        {"seen already", shadow, {black}, page, 3, shadow},
        {"quietest that is seen", dark, {black, mid, shadow}, page, 3, shadow},
        {"frame line at its own floor", dark, {shadow}, page, tessaly::FrameLineContrast(), dark},
        {"none seen on black", Rgb{20, 20, 20}, {Rgb{30, 30, 30}}, black, 3, white},
        {"none seen on a dark page", Rgb{35, 38, 42}, {Rgb{65, 72, 78}}, night, 3, white},
        {"none seen on white", Rgb{250, 250, 250}, {}, white, 3, black},
    };
    for (const auto& c : cases) {
        const Rgb got = tessaly::KeepOrRaise(c.own, c.others, c.ground, c.least);
        EXPECT_EQ(got, c.want) << c.name;
        EXPECT_GE(tessaly::ContrastRatio(got, c.ground), c.least) << c.name;
    }
}

// A focus ring takes the first preferred colour seen against everything beneath it.
TEST(FirstVisible, StandsApartFromEveryGround) {
    using tessaly::Rgb;
    constexpr Rgb blue{48, 140, 198}, black{0, 0, 0}, white{255, 255, 255}, page{239, 239, 239};
    const struct {
        std::initializer_list<Rgb> preferred;
        std::vector<Rgb> beneath;
        Rgb want;
    } cases[] = {
        {{blue, black}, {page, white}, blue},                // 3.16 and 3.63
        {{blue, black}, {page, Rgb{159, 159, 159}}, black},  // blue 1.39 on the grey
        {{blue}, {black, Rgb{118, 118, 118}}, white},        // neither blue nor black
        {{}, {white}, black},
    };
    for (const auto& c : cases) {
        const Rgb got = tessaly::FirstVisible(c.preferred, c.beneath);
        EXPECT_EQ(got, c.want) << int(got.red) << "," << int(got.green) << "," << int(got.blue);
        for (const Rgb ground : c.beneath)
            EXPECT_GE(tessaly::ContrastRatio(got, ground), tessaly::kVisibleContrast);
    }
}
