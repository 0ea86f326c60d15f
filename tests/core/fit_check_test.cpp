// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// An encoded file against its desired size, and the rate of a second try.
#include "core/fit_check.h"

#include <gtest/gtest.h>

namespace tessaly {
namespace {

TEST(CheckFit, SaysWhetherItFitsAndTheRateThatLandsUnder) {
    struct Row {
        const char* name;
        EncodedFile file;
        double desired;
        bool fits;
        double over, container;
        std::optional<double> secondTry;
    };
    const std::optional<double> none;
    const Row rows[] = {
        {"over, from the header's example",
         {60, 6300000, 5200000, 960000},
         6291456,
         false,
         8544,
         140000,
         692194},
        {"exactly the size fits", {60, 6291456, 5200000, 960000}, 6291456, true, 0, 131456, 693333},
        {"under: the second try is faster",
         {100, 5000000, 4000000, 900000},
         6000000,
         true,
         -1000000,
         100000,
         400000},
        {"no video: no rate", {60, 2000000, 0, 1990000}, 1000000, false, 1000000, 10000, none},
        {"the audio alone is over: no room",
         {60, 3000000, 1000000, 1990000},
         2000000,
         false,
         1000000,
         10000,
         none},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const FileFit fit = CheckFit(row.file, row.desired);
        EXPECT_EQ(fit.fits, row.fits);
        EXPECT_DOUBLE_EQ(fit.overBytes, row.over);
        EXPECT_DOUBLE_EQ(fit.overPercent, 100 * row.over / row.desired);
        EXPECT_DOUBLE_EQ(fit.containerBytes, row.container);
        EXPECT_EQ(fit.secondTryBits, row.secondTry);
    }
}

}  // namespace
}  // namespace tessaly
