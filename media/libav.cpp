// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// libavformat's I/O over a byte source with a deadline, and its log caught per thread.
#include "media/libav.h"

#include <cstdio>
#include <mutex>

namespace tessaly::media::detail {
namespace {

// Large enough that counting a film's packets costs few calls, small enough that the seeks of
// a demuxer hopping between interleaved streams waste little reading.
constexpr int kIoBufferBytes = 64 * 1024;

thread_local LogCapture* t_capture = nullptr;

}  // namespace

BoundIo::BoundIo(ByteSource& source, const Deadline& deadline) : source_(source), deadline_(deadline) {
    auto* buffer = static_cast<unsigned char*>(av_malloc(kIoBufferBytes));
    if (!buffer)
        return;
    io_ =
        avio_alloc_context(buffer, kIoBufferBytes, 0, this, &BoundIo::ReadPacket, nullptr, &BoundIo::SeekTo);
    if (!io_)
        av_free(buffer);
}

BoundIo::~BoundIo() {
    if (io_)
        av_freep(&io_->buffer);  // libavformat may have replaced the buffer it was given
    avio_context_free(&io_);
}

AVIOInterruptCB BoundIo::InterruptCallback() { return AVIOInterruptCB{&BoundIo::Interrupted, this}; }

int BoundIo::ReadPacket(void* opaque, std::uint8_t* buffer, int size) {
    auto& io = *static_cast<BoundIo*>(opaque);
    if (Interrupted(opaque))
        return AVERROR_EXIT;
    const std::int64_t n = io.source_.Read(buffer, static_cast<std::size_t>(size));
    if (n < 0) {
        io.readFailed_ = true;
        return AVERROR(EIO);
    }
    return n == 0 ? AVERROR_EOF : static_cast<int>(n);
}

std::int64_t BoundIo::SeekTo(void* opaque, std::int64_t offset, int whence) {
    auto& io = *static_cast<BoundIo*>(opaque);
    whence &= ~AVSEEK_FORCE;
    if (whence == AVSEEK_SIZE)
        return io.source_.Size();
    if (Interrupted(opaque))
        return AVERROR_EXIT;
    std::int64_t target = offset;
    if (whence == SEEK_CUR)
        target += io.source_.Position();
    else if (whence == SEEK_END)
        target += io.source_.Size();
    else if (whence != SEEK_SET)
        return AVERROR(EINVAL);
    return io.source_.Seek(target) ? target : AVERROR(EINVAL);
}

int BoundIo::Interrupted(void* opaque) {
    auto& io = *static_cast<BoundIo*>(opaque);
    io.timedOut_ = io.timedOut_ || io.deadline_.Passed();
    return io.timedOut_ ? 1 : 0;
}

LogCapture::LogCapture() : outer_(t_capture) {
    // One callback for the whole process, set once: libavutil has no other way to be told.
    static std::once_flag installed;
    std::call_once(installed, [] { av_log_set_callback(&LogCapture::Record); });
    t_capture = this;
}

LogCapture::~LogCapture() { t_capture = outer_; }

void LogCapture::Record(void* context, int level, const char* format, va_list arguments) {
    LogCapture* capture = t_capture;
    if (!capture) {
        av_log_default_callback(context, level, format, arguments);
        return;
    }
    if (level > AV_LOG_ERROR)
        return;
    char line[512];
    std::vsnprintf(line, sizeof line, format, arguments);
    std::string text(line);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.pop_back();
    for (char& c : text)
        if (c == '\n' || c == '\r')
            c = ' ';
    if (!text.empty())
        capture->lastError_ = std::move(text);
}

std::string ErrorText(int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    if (text[0] >= 'A' && text[0] <= 'Z')
        text[0] = static_cast<char>(text[0] - 'A' + 'a');
    return text;
}

}  // namespace tessaly::media::detail
