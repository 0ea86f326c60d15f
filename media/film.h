// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The film reader: what a media file holds (its length, streams, frame rate and container),
// read with FFmpeg's libavformat and given back as plain values, or why it cannot be read.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tessaly::media {

// How the length was found.
enum class LengthSource {
    // From the packets' timestamps: the first and last ones of an MPEG program or transport
    // stream, or every packet's when the payload was counted.
    Timestamps,
    // From the duration the container stores: Matroska, MP4, AVI, an MP3's Xing header.
    StreamDuration,
    // Estimated from the file's size and bit rate, which libavformat itself calls inaccurate
    // (an MP3 without a header, a raw MPEG video stream). Counting the payload replaces it.
    BitRate,
};

enum class StreamKind {
    Video,
    Audio,
    Subtitle,
    Data,
    Attachment,  // a file carried inside, such as a Matroska file's font
    Picture,     // a still picture such as an MP3's cover, which libavformat lists as video
    Unknown,
};

// Whether every frame of the film's video lasts the same.
enum class FrameTiming {
    // Every frame's timestamp was checked (an MP4's index holds them all; counting the payload
    // reads them all), or the stream states one rate for all its frames (AVI, MPEG-1 and
    // MPEG-2 video, as on a DVD).
    Constant,
    // Frames of different lengths were seen, beyond the rounding of the file's timestamps
    // (Matroska's whole milliseconds put frames at 29.97 a second 33 and 34 ms apart).
    Variable,
    // Only the first frames were checked and they did not vary. A Matroska file's header
    // cannot settle it: its default frame duration is what the writer was told, not what the
    // frames do.
    Unknown,
};

struct Stream {
    StreamKind kind = StreamKind::Unknown;
    std::string codec;              // libavcodec's short name: "h264", "mpeg2video", "mp3", "pcm_s16le", ...
    std::optional<int> sampleRate;  // audio, Hz
    std::optional<int> channels;    // audio
    std::optional<int> width, height;     // video and pictures, pixels
    std::optional<std::int64_t> bitRate;  // bit/s, where the file states it
    std::optional<double> frameRate;      // video: frames a second, as the file states it
    // Only when the payload was counted: the sum of the packets' sizes, and their count
    // (for video and audio, the frames).
    std::optional<std::int64_t> payloadBytes;
    std::optional<std::int64_t> packets;
};

struct Film {
    double seconds = 0;  // always finite and above 0
    LengthSource lengthSource = LengthSource::StreamDuration;
    // Of the first video stream that is not a picture; both empty without one. A variable
    // rate is the mean over the frames checked: all of them in an MP4 or when the payload was
    // counted, else the first 150. Otherwise it is the rate the stream states.
    std::optional<double> frameRate;
    std::optional<FrameTiming> frameTiming;
    std::string container;           // libavformat's short name: "avi", "matroska,webm", "mpeg", "mp3"
    std::string containerLongName;   // its long name: "Matroska / WebM", "MPEG-PS (MPEG-2 Program Stream)"
    std::int64_t fileBytes = 0;      // of all the parts together
    std::vector<Stream> streams;     // in the file's order
    std::vector<std::string> parts;  // the files read, in order; empty when read from memory
};

// Why a film cannot be read. `ReadOutcome::error` says it in one line.
enum class ReadFailure {
    NotFound,          // no such file
    NotAFile,          // a folder, a named pipe (FIFO), a device or a socket
    CannotRead,        // opening or reading failed: no permission, an input/output error
    Empty,             // no bytes at all
    NotMedia,          // no container libavformat knows, or one that holds no film (a subtitle file)
    Damaged,           // a known container whose header or packets cannot be read: cut or broken
    NoStreams,         // neither video nor audio
    NoLength,          // its length cannot be found
    PartsNotJoinable,  // several parts of a container whose files cannot be read end to end
    TimeLimit,         // the time given ran out before the film was read
};

struct ReadOutcome {
    std::optional<Film> film;
    std::optional<ReadFailure> failure;  // set exactly when `film` is empty
    std::string error;                   // one line, no file name: "no such file", "the file is empty"
    std::string path;                    // the part the failure concerns; empty from memory
};

// Reads one film from `paths`: one file, or the parts of one MPEG program or transport stream
// in order, read end to end as one file, such as a DVD title's VTS_01_1.VOB, VTS_01_2.VOB, ...
// (a DVD splits a title at any 2048-byte sector, so a part may start in mid-packet). Paths are
// UTF-8. Only regular files are opened: a folder, a FIFO or a device is refused before any
// read. `countPayload` reads every packet to give each stream's payload bytes and packet
// count, and then also checks every frame's timing and measures a length libavformat could
// only estimate. Nothing reads for longer than `limit`: when it runs out, the outcome is
// ReadFailure::TimeLimit.
ReadOutcome ReadFilm(std::span<const std::string> paths, bool countPayload, std::chrono::milliseconds limit);

// The same for a film held in memory (the fuzz target reads this way).
ReadOutcome ReadFilmFromMemory(std::span<const std::uint8_t> bytes, bool countPayload,
                               std::chrono::milliseconds limit = std::chrono::seconds(5));

}  // namespace tessaly::media
