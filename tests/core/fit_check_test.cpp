// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// An encoded file against its desired size, and the rate of a second try.
#include "core/fit_check.h"

#include <gtest/gtest.h>

namespace tessaly {
namespace {

TEST(CheckFit, SaysWhetherItFitsAndTheRateThatLandsUnder) {
    const std::optional<double> none;
    const struct {
        const char* name;
        EncodedFile file;  // seconds, file, video, other
        double desired, over, container;
        std::optional<double> secondTry;
    } rows[] = {
        {"over: the header's example", {60, 6300000, 5200000, 960000}, 6291456, 8544, 140000, 692194},
        {"exactly the size fits", {60, 6291456, 5200000, 960000}, 6291456, 0, 131456, 693333},
        {"under: a faster second try", {100, 5000000, 4000000, 900000}, 6000000, -1000000, 100000, 400000},
        {"no video: no rate", {60, 2000000, 0, 1990000}, 1000000, 1000000, 10000, none},
        {"the audio alone is over: no room", {60, 3000000, 1000000, 1990000}, 2000000, 1000000, 10000, none},
    };
    for (const auto& row : rows) {
        const FileFit fit = CheckFit(row.file, row.desired);
        EXPECT_EQ(fit.fits, row.over <= 0) << row.name;
        EXPECT_DOUBLE_EQ(fit.overPercent, 100 * row.over / row.desired) << row.name;
        EXPECT_DOUBLE_EQ(fit.containerBytes, row.container) << row.name;
        EXPECT_EQ(fit.secondTryBits, row.secondTry) << row.name;
    }
}

}  // namespace
}  // namespace tessaly
