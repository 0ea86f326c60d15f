// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The packet loop the payload count runs, the shorter one that samples frame times, and what
// the demuxer's index tells without reading the packets at all.
#include "media/packets.h"

#include <algorithm>

namespace tessaly::media::detail {
namespace {

std::int64_t TimestampOf(const AVPacket& packet) {
    return packet.pts != AV_NOPTS_VALUE ? packet.pts : packet.dts;
}

bool IsAudioOrVideo(const AVStream& stream) {
    const AVMediaType type = stream.codecpar->codec_type;
    return type == AVMEDIA_TYPE_AUDIO ||
           (type == AVMEDIA_TYPE_VIDEO && !(stream.disposition & AV_DISPOSITION_ATTACHED_PIC));
}

}  // namespace

PacketCount CountPackets(AVFormatContext& context, int mainVideo, const Deadline& deadline) {
    PacketCount count;
    const Packet packet(av_packet_alloc());
    if (!packet) {
        count.error = AVERROR(ENOMEM);
        return count;
    }
    for (std::uint64_t n = 1;; ++n) {
        // The reads check the deadline too, but a demuxer may loop over buffered data.
        if (n % 256 == 0 && deadline.Passed()) {
            count.error = AVERROR_EXIT;
            break;
        }
        const int read = av_read_frame(&context, packet.get());
        if (read == AVERROR(EAGAIN))
            continue;
        if (read < 0) {
            count.error = read == AVERROR_EOF ? 0 : read;
            break;
        }
        const auto index = static_cast<std::size_t>(packet->stream_index);
        if (count.streams.size() < context.nb_streams)
            count.streams.resize(context.nb_streams);
        if (index < count.streams.size()) {
            count.streams[index].bytes += packet->size;
            ++count.streams[index].packets;
            const AVStream& stream = *context.streams[index];
            const std::int64_t at = TimestampOf(*packet);
            if (at != AV_NOPTS_VALUE && IsAudioOrVideo(stream)) {
                const double base = av_q2d(stream.time_base);
                const double start = static_cast<double>(at) * base;
                const double end =
                    start + static_cast<double>(std::max<std::int64_t>(packet->duration, 0)) * base;
                count.firstSecond = std::min(count.firstSecond.value_or(start), start);
                count.lastSecond = std::max(count.lastSecond.value_or(end), end);
                if (packet->stream_index == mainVideo)
                    count.videoTimes.push_back(at);
            }
        }
        av_packet_unref(packet.get());
    }
    return count;
}

std::vector<std::int64_t> SampleVideoTimes(AVFormatContext& context, int mainVideo, std::size_t frames) {
    std::vector<std::int64_t> times;
    const Packet packet(av_packet_alloc());
    if (!packet)
        return times;
    for (unsigned i = 0; i < context.nb_streams; ++i)
        context.streams[i]->discard = static_cast<int>(i) == mainVideo ? AVDISCARD_DEFAULT : AVDISCARD_ALL;
    // Bounded in packets as well: a broken file may hold packets of no stream at all.
    for (std::size_t packets = 0; times.size() < frames && packets < 16 * frames; ++packets) {
        const int read = av_read_frame(&context, packet.get());
        if (read == AVERROR(EAGAIN))
            continue;
        if (read < 0)
            break;
        if (packet->stream_index == mainVideo && TimestampOf(*packet) != AV_NOPTS_VALUE)
            times.push_back(TimestampOf(*packet));
        av_packet_unref(packet.get());
    }
    return times;
}

std::optional<std::vector<std::int64_t>> IndexedFrameTimes(AVStream& stream) {
    const int entries = avformat_index_get_entries_count(&stream);
    if (stream.nb_frames <= 0 || entries < stream.nb_frames)
        return std::nullopt;
    std::vector<std::int64_t> times;
    times.reserve(static_cast<std::size_t>(entries));
    for (int i = 0; i < entries; ++i) {
        const AVIndexEntry* entry = avformat_index_get_entry(&stream, i);
        if (entry && !(entry->flags & AVINDEX_DISCARD_FRAME) && entry->timestamp != AV_NOPTS_VALUE)
            times.push_back(entry->timestamp);
    }
    return times;
}

std::int64_t IndexedEnd(AVFormatContext& context) {
    std::int64_t end = 0;
    for (unsigned s = 0; s < context.nb_streams; ++s) {
        AVStream& stream = *context.streams[s];
        const int entries = avformat_index_get_entries_count(&stream);
        for (int i = 0; i < entries; ++i) {
            const AVIndexEntry* entry = avformat_index_get_entry(&stream, i);
            if (entry && entry->pos >= 0 && entry->size > 0 && entry->pos <= INT64_MAX - entry->size)
                end = std::max(end, entry->pos + entry->size);
        }
    }
    return end;
}

}  // namespace tessaly::media::detail
