// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The frames' spacing, from their sorted timestamps.
#include "media/timing.h"

#include <algorithm>
#include <cmath>

namespace tessaly::media::detail {

FrameTimes JudgeFrameTimes(std::vector<std::int64_t> timestamps, double tickSeconds, bool complete) {
    std::sort(timestamps.begin(), timestamps.end());
    timestamps.erase(std::unique(timestamps.begin(), timestamps.end()), timestamps.end());
    FrameTimes times;
    times.timing = complete ? FrameTiming::Constant : FrameTiming::Unknown;
    if (timestamps.size() < 2 || !(tickSeconds > 0) || !std::isfinite(tickSeconds))
        return times;
    // In doubles: a damaged file's timestamps may lie further apart than an int64 reaches.
    double narrowest = HUGE_VAL, widest = 0;
    for (std::size_t i = 1; i < timestamps.size(); ++i) {
        const double gap = static_cast<double>(timestamps[i]) - static_cast<double>(timestamps[i - 1]);
        narrowest = std::min(narrowest, gap);
        widest = std::max(widest, gap);
    }
    const double tolerance = 1 + std::round(0.001 / tickSeconds);
    if (widest - narrowest > tolerance)
        times.timing = FrameTiming::Variable;
    const double span =
        (static_cast<double>(timestamps.back()) - static_cast<double>(timestamps.front())) * tickSeconds;
    const double rate = static_cast<double>(timestamps.size() - 1) / span;
    if (std::isfinite(rate) && rate > 0)
        times.meanRate = rate;
    return times;
}

}  // namespace tessaly::media::detail
