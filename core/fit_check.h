// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How an encoded file came out against the size it was made for, and the video rate that makes
// a second encode of the same film land just under that size.
#pragma once

#include <cstdint>
#include <optional>

namespace tessaly {

// An encoded file as its packets were counted, in bytes.
struct EncodedFile {
    double seconds = 0;  // its length, above 0
    std::int64_t fileBytes = 0;
    std::int64_t videoBytes = 0;  // the payload of its video stream; 0 without one
    std::int64_t otherBytes = 0;  // the payload of every other stream
};

struct FileFit {
    bool fits = false;          // the file is not larger than the desired size
    double overBytes = 0;       // the file less the desired size; negative when under
    double overPercent = 0;     // the same, in per cent of the desired size
    double containerBytes = 0;  // the file less every stream's payload: the container's own
    double videoBits = 0;       // the video's payload in bits over the length: its real rate, bit/s
    // What the video may take: the desired size less the other streams and the container's own
    // bytes, which a second encode of the same film at another video rate keeps.
    double allowedVideoBytes = 0;
    // The real video rate scaled by what the video may take over what it took, rounded down,
    // in bits a second; none without video, or without room for any.
    std::optional<double> secondTryBits;
};

// 60 s, a file of 6300000 bytes holding 5200000 bytes of video and 960000 of audio, against
// 6 MB (6291456 bytes): 8544 bytes (0.136 %) over; 140000 bytes the container's own; the video
// took 693333.33 bit/s and may take 6291456 - 960000 - 140000 = 5191456 bytes, so
// 693333.33 x 5191456 / 5200000 = 692194.13 -> 692194 bit/s.
FileFit CheckFit(const EncodedFile& file, double desiredBytes);

}  // namespace tessaly
