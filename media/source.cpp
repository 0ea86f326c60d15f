// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Regular files read end to end as one stream, and bytes in memory, behind one interface.
#include "media/source.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>
#include <utility>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tessaly::media::detail {
namespace {

// The few file calls the reader makes, on POSIX and on Windows. Windows takes its paths in
// UTF-16, which std::filesystem converts from the UTF-8 the API is given.
#ifdef _WIN32
using FileStatus = struct _stat64;

std::filesystem::path PathOf(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}
int OpenForReading(const std::string& utf8) {
    return _wopen(PathOf(utf8).c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
}
bool StatusOf(int fd, FileStatus& status) { return _fstat64(fd, &status) == 0; }
bool IsRegular(const FileStatus& status) { return (status.st_mode & _S_IFMT) == _S_IFREG; }
std::int64_t ReadSome(int fd, std::uint8_t* buffer, std::size_t size) {
    return _read(fd, buffer, static_cast<unsigned>(std::min<std::size_t>(size, 1 << 30)));
}
bool SeekFile(int fd, std::int64_t offset) { return _lseeki64(fd, offset, SEEK_SET) == offset; }
void CloseFile(int fd) { _close(fd); }
#else
using FileStatus = struct stat;

std::filesystem::path PathOf(const std::string& utf8) { return std::filesystem::path(utf8); }
// Without blocking, so that a FIFO put in a regular file's place after the check below still
// cannot hold the reader until some writer opens it.
int OpenForReading(const std::string& path) {
    return open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
}
bool StatusOf(int fd, FileStatus& status) { return fstat(fd, &status) == 0; }
bool IsRegular(const FileStatus& status) { return S_ISREG(status.st_mode); }
std::int64_t ReadSome(int fd, std::uint8_t* buffer, std::size_t size) {
    for (;;) {
        const ssize_t n = read(fd, buffer, size);
        if (n >= 0 || errno != EINTR)
            return n;
    }
}
bool SeekFile(int fd, std::int64_t offset) {
    return lseek(fd, static_cast<off_t>(offset), SEEK_SET) == offset;
}
void CloseFile(int fd) { close(fd); }
#endif

std::string Lowered(std::string message) {
    if (!message.empty() && message[0] >= 'A' && message[0] <= 'Z')
        message[0] = static_cast<char>(message[0] - 'A' + 'a');
    return message;
}

std::string SystemMessage(int code) { return Lowered(std::generic_category().message(code)); }

// What a path that is not a regular file is, as the refusal names it.
std::string NotAFileReason(std::filesystem::file_type type) {
    using std::filesystem::file_type;
    switch (type) {
    case file_type::directory:
        return "a folder, not a file";
    case file_type::fifo:
        return "a named pipe (FIFO), not a file";
    case file_type::block:
    case file_type::character:
        return "a device, not a file";
    case file_type::socket:
        return "a socket, not a file";
    default:
        return "not a regular file";
    }
}

struct Part {
    std::string path;
    int fd = -1;
    std::int64_t start = 0;  // where the part begins in the joined stream
    std::int64_t size = 0;
};

class FileParts final : public ByteSource {
public:
    FileParts() = default;
    FileParts(const FileParts&) = delete;
    FileParts& operator=(const FileParts&) = delete;
    ~FileParts() override {
        for (const Part& part : parts_)
            CloseFile(part.fd);
    }

    // The first failure of the path, or none once it is open and counted in.
    std::optional<SourceFailure> Add(const std::string& path) {
        const auto fail = [&path](ReadFailure failure, std::string error) {
            return SourceFailure{failure, std::move(error), path};
        };
        std::error_code code;
        const auto status = std::filesystem::status(PathOf(path), code);
        if (status.type() == std::filesystem::file_type::not_found)
            return fail(ReadFailure::NotFound, "no such file");
        if (code)
            return fail(ReadFailure::CannotRead, "cannot open it: " + SystemMessage(code.value()));
        if (status.type() != std::filesystem::file_type::regular)
            return fail(ReadFailure::NotAFile, NotAFileReason(status.type()));
        const int fd = OpenForReading(path);
        if (fd < 0)
            return fail(ReadFailure::CannotRead, "cannot open it: " + SystemMessage(errno));
        FileStatus opened{};
        if (!StatusOf(fd, opened) || !IsRegular(opened)) {
            CloseFile(fd);
            return fail(ReadFailure::NotAFile, "not a regular file");
        }
        const std::int64_t start = Size();
        parts_.push_back(Part{path, fd, start, static_cast<std::int64_t>(opened.st_size)});
        if (opened.st_size == 0)
            return fail(ReadFailure::Empty, "the file is empty");
        return std::nullopt;
    }

    std::int64_t Read(std::uint8_t* buffer, std::size_t size) override {
        while (current_ < parts_.size() && position_ >= parts_[current_].start + parts_[current_].size)
            if (++current_ < parts_.size() && !SeekFile(parts_[current_].fd, 0))
                return Failed();
        if (current_ >= parts_.size() || size == 0)
            return 0;
        const Part& part = parts_[current_];
        const auto left = static_cast<std::size_t>(part.start + part.size - position_);
        const std::int64_t n = ReadSome(part.fd, buffer, std::min(size, left));
        // A part that ends before the size it had when opened has been cut meanwhile, and the
        // parts after it would be read at the wrong offsets.
        if (n <= 0)
            return n < 0 ? Failed() : Cut();
        position_ += n;
        return n;
    }

    bool Seek(std::int64_t offset) override {
        if (offset < 0 || offset > Size())
            return false;
        std::size_t index = 0;
        while (index + 1 < parts_.size() && offset >= parts_[index].start + parts_[index].size)
            ++index;
        if (!parts_.empty() && !SeekFile(parts_[index].fd, offset - parts_[index].start))
            return false;
        current_ = index;
        position_ = offset;
        return true;
    }

    std::int64_t Position() const override { return position_; }
    std::int64_t Size() const override {
        return parts_.empty() ? 0 : parts_.back().start + parts_.back().size;
    }
    const std::string& error() const override { return error_; }
    const std::string& errorPath() const override { return errorPath_; }

private:
    std::int64_t Failed() { return Fail("cannot read it: " + SystemMessage(errno)); }
    std::int64_t Cut() { return Fail("the file became shorter while it was read"); }
    std::int64_t Fail(std::string error) {
        error_ = std::move(error);
        errorPath_ = parts_[std::min(current_, parts_.size() - 1)].path;
        return -1;
    }

    std::vector<Part> parts_;
    std::size_t current_ = 0;
    std::int64_t position_ = 0;
    std::string error_;
    std::string errorPath_;
};

class MemoryBytes final : public ByteSource {
public:
    explicit MemoryBytes(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::int64_t Read(std::uint8_t* buffer, std::size_t size) override {
        const std::size_t n = std::min(size, bytes_.size() - position_);
        std::copy_n(bytes_.data() + position_, n, buffer);
        position_ += n;
        return static_cast<std::int64_t>(n);
    }
    bool Seek(std::int64_t offset) override {
        if (offset < 0 || offset > Size())
            return false;
        position_ = static_cast<std::size_t>(offset);
        return true;
    }
    std::int64_t Position() const override { return static_cast<std::int64_t>(position_); }
    std::int64_t Size() const override { return static_cast<std::int64_t>(bytes_.size()); }
    const std::string& error() const override { return none_; }
    const std::string& errorPath() const override { return none_; }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
    std::string none_;  // memory never fails to read
};

}  // namespace

OpenedSource OpenFiles(std::span<const std::string> paths) {
    auto files = std::make_unique<FileParts>();
    for (const std::string& path : paths) {
        if (auto failure = files->Add(path))
            return OpenedSource{nullptr, std::move(failure)};
    }
    return OpenedSource{std::move(files), std::nullopt};
}

std::unique_ptr<ByteSource> MemorySource(std::span<const std::uint8_t> bytes) {
    return std::make_unique<MemoryBytes>(bytes);
}

}  // namespace tessaly::media::detail
