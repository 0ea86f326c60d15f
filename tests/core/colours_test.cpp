// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The contrast ratio that the window's colours and their test rest on, against WCAG 2's figures.
#include "core/colours.h"

#include <gtest/gtest.h>

TEST(ContrastRatio, MatchesWcagFigures) {
    struct Case {
        tessaly::Rgb a, b;
        double want;
    };
    const Case cases[] = {{{0, 0, 0}, {255, 255, 255}, 21.0},
                          {{255, 255, 255}, {118, 118, 118}, 4.54},
                          {{119, 119, 119}, {255, 255, 255}, 4.48},
                          {{255, 0, 0}, {255, 255, 255}, 4.0},
                          {{224, 224, 224}, {224, 224, 224}, 1.0}};
    for (const auto& c : cases)
        EXPECT_NEAR(tessaly::ContrastRatio(c.a, c.b), c.want, 0.005)
            << int{c.a.red} << " against " << int{c.b.red};
}
