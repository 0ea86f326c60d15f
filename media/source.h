// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The bytes a film is read from: regular files read end to end as one, or memory. The reader
// opens the files itself rather than letting libavformat do it, so that nothing but a regular
// file is ever opened and the parts of a DVD title join into one stream.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "media/film.h"

namespace tessaly::media::detail {

class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Copies up to `size` bytes from the current position and moves past them. Returns how
    // many, 0 at the end, or -1 when reading failed (then `error()` says why).
    virtual std::int64_t Read(std::uint8_t* buffer, std::size_t size) = 0;
    // Moves to `offset` bytes from the start; false, and nothing moves, outside 0..Size().
    virtual bool Seek(std::int64_t offset) = 0;
    virtual std::int64_t Position() const = 0;
    virtual std::int64_t Size() const = 0;
    virtual const std::string& error() const = 0;
    // The file whose read failed; empty for memory.
    virtual const std::string& errorPath() const = 0;
};

struct SourceFailure {
    ReadFailure failure;
    std::string error;
    std::string path;
};

struct OpenedSource {
    std::unique_ptr<ByteSource> source;
    std::optional<SourceFailure> failure;  // set exactly when `source` is empty
};

// Opens every part as a regular file, in order; the first that cannot be opened or is empty
// is the failure.
OpenedSource OpenFiles(std::span<const std::string> paths);

std::unique_ptr<ByteSource> MemorySource(std::span<const std::uint8_t> bytes);

}  // namespace tessaly::media::detail
