// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Whether a video's frames all last the same, judged from their timestamps, since the rates a
// file's header states cannot be trusted for it: a variable-rate Matroska file states the
// rate its writer was told, 30000/1001 for frames 33 and 43 ms apart.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "media/film.h"

namespace tessaly::media::detail {

struct FrameTimes {
    FrameTiming timing = FrameTiming::Unknown;
    std::optional<double> meanRate;  // frames a second over the span of the timestamps
};

// `timestamps` are the frames' presentation times in ticks of `tickSeconds`, in any order.
// Frames vary when their spacing differs by more than a tick and a millisecond: Matroska's
// whole milliseconds put the frames of 29.97 frames a second 33 and 34 ms apart. Without
// `complete` (not every frame given), unvarying frames prove nothing: FrameTiming::Unknown.
FrameTimes JudgeFrameTimes(std::vector<std::int64_t> timestamps, double tickSeconds, bool complete);

}  // namespace tessaly::media::detail
