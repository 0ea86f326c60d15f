// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the reader learns from a film's packets and its demuxer's index: each stream's payload,
// the span of the timestamps, and the main video's frame times.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "media/libav.h"

namespace tessaly::media::detail {

struct StreamTally {
    std::int64_t bytes = 0;
    std::int64_t packets = 0;
};

struct PacketCount {
    std::vector<StreamTally> streams;      // by stream index, streams found while reading included
    std::vector<std::int64_t> videoTimes;  // the main video's, in its time base
    // The earliest start and latest end of the audio and video packets, in seconds.
    std::optional<double> firstSecond, lastSecond;
    int error = 0;  // libavformat's error that stopped the reading early; 0 when it reached the end
};

// Reads every packet from the current position, stopping early at an error or at the deadline.
PacketCount CountPackets(AVFormatContext& context, int mainVideo, const Deadline& deadline);

// The timestamps of the main video's first `frames` packets, the other streams passed over.
std::vector<std::int64_t> SampleVideoTimes(AVFormatContext& context, int mainVideo, std::size_t frames);

// The stream's frame times from the demuxer's index, when it holds every frame (an MP4's and
// an AVI's do; a Matroska file's cues hold only some).
std::optional<std::vector<std::int64_t>> IndexedFrameTimes(AVStream& stream);

// The byte just past the furthest frame an index places; a file cut short ends before it.
std::int64_t IndexedEnd(AVFormatContext& context);

}  // namespace tessaly::media::detail
