// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The contrast ratio that the window's colours and their test rest on, against WCAG 2's figures.
#include "core/colours.h"

#include <gtest/gtest.h>

TEST(ContrastRatio, MatchesWcagFigures) {
    EXPECT_NEAR(tessaly::ContrastRatio({0, 0, 0}, {255, 255, 255}), 21.0, 0.005);
    EXPECT_NEAR(tessaly::ContrastRatio({255, 255, 255}, {118, 118, 118}), 4.54, 0.005);  // either order
    EXPECT_NEAR(tessaly::ContrastRatio({119, 119, 119}, {255, 255, 255}), 4.48, 0.005);
    EXPECT_NEAR(tessaly::ContrastRatio({255, 0, 0}, {255, 255, 255}), 4.0, 0.005);
}
