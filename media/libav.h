// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the reader needs around libavformat: owners that free its objects, its I/O bound to a
// byte source and a deadline, and the reason it logged for a failure, which its error codes
// alone do not carry ("moov atom not found" is only logged; the code says "invalid data").
#pragma once

extern "C" {
#include <libavformat/avformat.h>
}

#include <chrono>
#include <cstdarg>
#include <memory>
#include <string>

#include "media/source.h"

namespace tessaly::media::detail {

class Deadline {
public:
    explicit Deadline(std::chrono::milliseconds limit) : end_(std::chrono::steady_clock::now() + limit) {}
    bool Passed() const { return std::chrono::steady_clock::now() >= end_; }

private:
    std::chrono::steady_clock::time_point end_;
};

struct FormatContextCloser {
    void operator()(AVFormatContext* context) const { avformat_close_input(&context); }
};
using FormatContext = std::unique_ptr<AVFormatContext, FormatContextCloser>;

struct PacketFreer {
    void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
using Packet = std::unique_ptr<AVPacket, PacketFreer>;

// libavformat's reads and seeks, served by a byte source and refused once the deadline has
// passed, so that no read runs past the time the caller gave. `timedOut` records that it
// happened, which libavformat's own error codes would blur.
class BoundIo {
public:
    BoundIo(ByteSource& source, const Deadline& deadline);
    BoundIo(const BoundIo&) = delete;
    BoundIo& operator=(const BoundIo&) = delete;
    ~BoundIo();

    AVIOContext* context() const { return io_; }
    // For AVFormatContext::interrupt_callback, which libavformat checks between reads.
    AVIOInterruptCB InterruptCallback();
    bool timedOut() const { return timedOut_; }
    // Whether the source itself failed to read; its error() says why.
    bool readFailed() const { return readFailed_; }
    const ByteSource& source() const { return source_; }

private:
    static int ReadPacket(void* opaque, std::uint8_t* buffer, int size);
    static std::int64_t SeekTo(void* opaque, std::int64_t offset, int whence);
    static int Interrupted(void* opaque);

    ByteSource& source_;
    const Deadline& deadline_;
    AVIOContext* io_ = nullptr;
    bool timedOut_ = false;
    bool readFailed_ = false;
};

// While one lives, the last error libavformat logs on this thread is kept in it and nothing
// reaches standard error; a reader on another thread keeps its own.
class LogCapture {
public:
    LogCapture();
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;
    ~LogCapture();

    // The last error-level message, one line without its final newline; empty if none.
    const std::string& lastError() const { return lastError_; }

private:
    static void Record(void* context, int level, const char* format, va_list arguments);

    LogCapture* outer_;
    std::string lastError_;
};

// libavutil's words for an error code, lowered: "invalid data found when processing input".
std::string ErrorText(int code);

}  // namespace tessaly::media::detail
