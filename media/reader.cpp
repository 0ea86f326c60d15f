// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reads a film with libavformat, step by step, each step's failure worded for the user:
// which container it is (only film containers are taken), its header and streams, its length,
// the video's frame timing and, when asked, every packet.
#include <cmath>
#include <cstdio>
#include <string_view>
#include <utility>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/avstring.h>
}

#include "media/film.h"
#include "media/libav.h"
#include "media/packets.h"
#include "media/source.h"
#include "media/timing.h"

namespace tessaly::media {
namespace {

using namespace detail;

// Bounds on what is read before the film is known. The first two are libavformat's defaults,
// stated so that the bound holds whatever a later version chooses.
constexpr unsigned kFormatProbeBytes = 1 << 20;
constexpr std::int64_t kStreamProbeBytes = 5'000'000;
constexpr std::int64_t kAnalyzeMicroseconds = 5'000'000;
// A DVD has at most 1 video, 8 audio and 32 subtitle streams; a broadcast stream a few dozen.
constexpr int kMaxStreams = 200;
// Frames whose timestamps are checked when neither the index nor a payload count gives them all.
constexpr std::size_t kSampledFrames = 150;

// The demuxers of the containers a film or its sound comes in. A file libavformat takes for
// anything else (a picture, a subtitle file, a playlist naming other files) is no film.
constexpr const char* kFilmContainers =
    "avi,matroska,mov,mpeg,mpegts,mpegvideo,asf,flv,rm,ogg,mxf,dv,nut,"
    "mp3,aac,ac3,eac3,dts,truehd,wav,w64,flac,aiff";
// Those whose files can be read end to end as one stream: a DVD title's parts.
constexpr const char* kJoinableContainers = "mpeg,mpegts";

// The demuxer may want to open further files (a playlist's entries, an MP4's external data):
// it opens nothing; the reader reads only the files it was given.
int RefuseToOpen(AVFormatContext*, AVIOContext**, const char*, int, AVDictionary**) { return AVERROR(EPERM); }

StreamKind KindOf(const AVStream& stream) {
    switch (stream.codecpar->codec_type) {
    case AVMEDIA_TYPE_VIDEO:
        return stream.disposition & AV_DISPOSITION_ATTACHED_PIC ? StreamKind::Picture : StreamKind::Video;
    case AVMEDIA_TYPE_AUDIO:
        return StreamKind::Audio;
    case AVMEDIA_TYPE_SUBTITLE:
        return StreamKind::Subtitle;
    case AVMEDIA_TYPE_DATA:
        return StreamKind::Data;
    case AVMEDIA_TYPE_ATTACHMENT:
        return StreamKind::Attachment;
    default:
        return StreamKind::Unknown;
    }
}

std::optional<double> RateOf(AVRational rate) {
    if (rate.num <= 0 || rate.den <= 0)
        return std::nullopt;
    return av_q2d(rate);
}

template <typename T>
std::optional<T> Positive(T value) {
    return value > 0 ? std::optional<T>(value) : std::nullopt;
}

Stream StreamOf(const AVStream& stream) {
    const AVCodecParameters& codec = *stream.codecpar;
    Stream out;
    out.kind = KindOf(stream);
    out.codec = codec.codec_id == AV_CODEC_ID_NONE ? "unknown" : avcodec_get_name(codec.codec_id);
    out.bitRate = Positive<std::int64_t>(codec.bit_rate);
    if (out.kind == StreamKind::Audio) {
        out.sampleRate = Positive(codec.sample_rate);
        out.channels = Positive(codec.ch_layout.nb_channels);
    }
    if (out.kind == StreamKind::Video || out.kind == StreamKind::Picture) {
        out.width = Positive(codec.width);
        out.height = Positive(codec.height);
    }
    if (out.kind == StreamKind::Video)
        out.frameRate = RateOf(stream.avg_frame_rate).has_value() ? RateOf(stream.avg_frame_rate)
                                                                  : RateOf(stream.r_frame_rate);
    return out;
}

LengthSource SourceOf(AVDurationEstimationMethod method) {
    switch (method) {
    case AVFMT_DURATION_FROM_PTS:
        return LengthSource::Timestamps;
    case AVFMT_DURATION_FROM_STREAM:
        return LengthSource::StreamDuration;
    default:
        return LengthSource::BitRate;
    }
}

std::string Seconds(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3g s", seconds);
    return text;
}

// One read of one film; each step either carries on or words why it stopped.
class Reading {
public:
    Reading(ByteSource& source, std::vector<std::string> parts, bool countPayload,
            std::chrono::milliseconds limit)
        : source_(source),
          parts_(std::move(parts)),
          countPayload_(countPayload),
          limit_(limit),
          deadline_(limit),
          io_(source, deadline_) {}

    ReadOutcome Run() {
        if (source_.Size() == 0)
            return Fail(ReadFailure::Empty, "the file is empty");
        if (!io_.context())
            return Fail(ReadFailure::CannotRead, "out of memory");
        const AVInputFormat* format = nullptr;
        if (av_probe_input_buffer2(io_.context(), &format, "", nullptr, 0, kFormatProbeBytes) < 0 || !format)
            return FailAfterLibav(ReadFailure::NotMedia,
                                  "not a film or sound file: no container libavformat knows");
        if (av_match_list(format->name, kFilmContainers, ',') <= 0)
            return Fail(ReadFailure::NotMedia,
                        std::string("not a film: libavformat takes it for ") + format->long_name);
        if (parts_.size() > 1 && av_match_list(format->name, kJoinableContainers, ',') <= 0)
            return Fail(ReadFailure::PartsNotJoinable,
                        std::string("only MPEG program and transport streams (VOB, MPG, TS) can be read from "
                                    "several files; these are ") +
                            format->long_name);
        if (auto failed = Open(*format))
            return std::move(*failed);
        return Examine();
    }

private:
    std::optional<ReadOutcome> Open(const AVInputFormat& format) {
        AVFormatContext* context = avformat_alloc_context();
        if (!context)
            return Fail(ReadFailure::CannotRead, "out of memory");
        context->pb = io_.context();
        context->interrupt_callback = io_.InterruptCallback();
        context->io_open = &RefuseToOpen;
        context->probesize = kStreamProbeBytes;
        context->max_analyze_duration = kAnalyzeMicroseconds;
        context->format_probesize = kFormatProbeBytes;
        context->max_streams = kMaxStreams;
        AVDictionary* options = nullptr;
        av_dict_set(&options, "protocol_whitelist", "file", 0);
        av_dict_set(&options, "format_whitelist", kFilmContainers, 0);
        const int opened = avformat_open_input(&context, nullptr, &format, &options);  // frees it on failure
        av_dict_free(&options);
        if (opened < 0)
            return Damaged(format, opened);
        context_.reset(context);
        const int found = avformat_find_stream_info(context, nullptr);
        if (found < 0)
            return Damaged(format, found);
        return std::nullopt;
    }

    ReadOutcome Examine() {
        AVFormatContext& context = *context_;
        // The first video stream, as the container orders them, is the one a film shows.
        int mainVideo = -1;
        bool audio = false, picture = false;
        for (unsigned i = 0; i < context.nb_streams; ++i) {
            const StreamKind kind = KindOf(*context.streams[i]);
            if (kind == StreamKind::Video && mainVideo < 0)
                mainVideo = static_cast<int>(i);
            audio = audio || kind == StreamKind::Audio;
            picture = picture || kind == StreamKind::Picture;
        }
        if (mainVideo < 0 && !audio)
            return Fail(ReadFailure::NoStreams,
                        picture ? "holds no video or audio, only a picture" : "holds no video or audio");
        const std::int64_t fileBytes = source_.Size();
        if (const std::int64_t indexed = IndexedEnd(context); indexed > fileBytes)
            return Fail(ReadFailure::Damaged, "cut short: its index places frames up to byte " +
                                                  std::to_string(indexed) + ", but it has " +
                                                  std::to_string(fileBytes));

        Film film;
        film.container = context.iformat->name;
        film.containerLongName =
            context.iformat->long_name ? context.iformat->long_name : context.iformat->name;
        film.fileBytes = fileBytes;
        film.parts = parts_;
        if (context.duration != AV_NOPTS_VALUE && context.duration > 0) {
            film.seconds = static_cast<double>(context.duration) / AV_TIME_BASE;
            film.lengthSource = SourceOf(context.duration_estimation_method);
        }

        std::optional<FrameTimes> frames;
        if (countPayload_) {
            PacketCount count = CountPackets(context, mainVideo, deadline_);
            if (count.error)
                return FailAfterLibav(ReadFailure::Damaged,
                                      "stopped reading at byte " + std::to_string(source_.Position()) +
                                          " of " + std::to_string(fileBytes) + ": " + Detail(count.error));
            if (auto failed = MeasureLength(film, count))
                return std::move(*failed);
            for (unsigned i = 0; i < context.nb_streams; ++i) {
                film.streams.push_back(StreamOf(*context.streams[i]));
                const StreamTally tally = i < count.streams.size() ? count.streams[i] : StreamTally{};
                film.streams.back().payloadBytes = tally.bytes;
                film.streams.back().packets = tally.packets;
            }
            if (mainVideo >= 0)
                frames = StatedTiming(mainVideo);
            if (mainVideo >= 0 && !frames)
                frames = JudgeFrameTimes(std::move(count.videoTimes), TickOf(mainVideo), true);
        } else {
            if (!(film.seconds > 0))
                return Fail(ReadFailure::NoLength, "its length cannot be found");
            for (unsigned i = 0; i < context.nb_streams; ++i)
                film.streams.push_back(StreamOf(*context.streams[i]));
            if (mainVideo >= 0)
                frames = UncountedTiming(mainVideo);
        }
        if (deadline_.Passed() || io_.timedOut())
            return TimeRanOut();
        if (mainVideo >= 0) {
            film.frameTiming = frames->timing;
            film.frameRate = frames->timing == FrameTiming::Variable && frames->meanRate
                                 ? frames->meanRate
                                 : film.streams[static_cast<std::size_t>(mainVideo)].frameRate;
        }
        return ReadOutcome{std::move(film), std::nullopt, {}, {}};
    }

    // A length libavformat found only from the bit rate, or not at all, is replaced by the
    // packets' timestamps; one it found must not outrun them, or the file is cut short.
    std::optional<ReadOutcome> MeasureLength(Film& film, const PacketCount& count) {
        const std::optional<double> measured =
            count.firstSecond && count.lastSecond && std::isfinite(*count.lastSecond - *count.firstSecond)
                ? std::optional<double>(*count.lastSecond - *count.firstSecond)
                : std::nullopt;
        if (!(film.seconds > 0) || film.lengthSource == LengthSource::BitRate) {
            if (!measured || !(*measured > 0))
                return Fail(ReadFailure::NoLength, "its length cannot be found");
            film.seconds = *measured;
            film.lengthSource = LengthSource::Timestamps;
        } else if (measured && *measured < film.seconds - 1 - 0.01 * film.seconds) {
            return Fail(ReadFailure::Damaged, "cut short: its packets end after " + Seconds(*measured) +
                                                  " of the " + Seconds(film.seconds) + " it states");
        }
        return std::nullopt;
    }

    // Streams that state one rate for every frame: an AVI's frames sit at whole multiples of
    // its rate, and MPEG-1 and MPEG-2 video carry the rate in their sequence header. An MPEG
    // program stream's timestamps are no better evidence: only some packets carry one, and
    // libavformat's guesses for the others can disorder them.
    std::optional<FrameTimes> StatedTiming(int mainVideo) const {
        const AVCodecID codec = context_->streams[mainVideo]->codecpar->codec_id;
        if (std::string_view(context_->iformat->name) == "avi" || codec == AV_CODEC_ID_MPEG1VIDEO ||
            codec == AV_CODEC_ID_MPEG2VIDEO)
            return FrameTimes{FrameTiming::Constant, std::nullopt};
        return std::nullopt;
    }

    FrameTimes UncountedTiming(int mainVideo) {
        if (auto stated = StatedTiming(mainVideo))
            return *stated;
        if (auto indexed = IndexedFrameTimes(*context_->streams[mainVideo]))
            return JudgeFrameTimes(std::move(*indexed), TickOf(mainVideo), true);
        return JudgeFrameTimes(SampleVideoTimes(*context_, mainVideo, kSampledFrames), TickOf(mainVideo),
                               false);
    }

    double TickOf(int stream) const { return av_q2d(context_->streams[stream]->time_base); }

    ReadOutcome Fail(ReadFailure failure, std::string error) const {
        return ReadOutcome{std::nullopt, failure, std::move(error),
                           parts_.empty() ? std::string() : parts_.front()};
    }

    ReadOutcome TimeRanOut() const {
        return Fail(ReadFailure::TimeLimit, "not read within the time allowed (" +
                                                Seconds(static_cast<double>(limit_.count()) / 1000) + ")");
    }

    // After a libavformat call failed: the time limit or a failed read of the file are the
    // cause it cannot tell itself.
    ReadOutcome FailAfterLibav(ReadFailure failure, std::string error) const {
        if (io_.timedOut() || deadline_.Passed())
            return TimeRanOut();
        if (io_.readFailed())
            return ReadOutcome{std::nullopt, ReadFailure::CannotRead, source_.error(), source_.errorPath()};
        return Fail(failure, std::move(error));
    }

    ReadOutcome Damaged(const AVInputFormat& format, int code) const {
        const std::string detail = Detail(code);
        if (std::string_view(format.name).starts_with("mov") &&
            detail.find("moov atom not found") != std::string::npos)
            return FailAfterLibav(
                ReadFailure::Damaged,
                "an MP4 without its index (moov atom not found): cut short, or never finished");
        return FailAfterLibav(ReadFailure::Damaged,
                              std::string("a damaged or cut-short ") + format.long_name + " file: " + detail);
    }

    // What libavformat logged last, which says more than its error code.
    std::string Detail(int code) const {
        return log_.lastError().empty() ? ErrorText(code) : log_.lastError();
    }

    LogCapture log_;
    ByteSource& source_;
    std::vector<std::string> parts_;
    bool countPayload_;
    std::chrono::milliseconds limit_;
    Deadline deadline_;
    BoundIo io_;
    FormatContext context_;  // last: closed before the I/O it reads through
};

}  // namespace

ReadOutcome ReadFilm(std::span<const std::string> paths, bool countPayload, std::chrono::milliseconds limit) {
    if (paths.empty())
        return ReadOutcome{std::nullopt, ReadFailure::NotFound, "no file given", {}};
    OpenedSource opened = OpenFiles(paths);
    if (!opened.source)
        return ReadOutcome{std::nullopt, opened.failure->failure, opened.failure->error,
                           opened.failure->path};
    return Reading(*opened.source, {paths.begin(), paths.end()}, countPayload, limit).Run();
}

ReadOutcome ReadFilmFromMemory(std::span<const std::uint8_t> bytes, bool countPayload,
                               std::chrono::milliseconds limit) {
    const auto source = MemorySource(bytes);
    return Reading(*source, {}, countPayload, limit).Run();
}

}  // namespace tessaly::media
