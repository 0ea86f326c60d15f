// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The exact video rate for a whole film file: any number of audio tracks, each of its own codec,
// further data muxed in beside them (subtitles, chapters), and a margin under the desired size.
// With one track, nothing further and no margin, it is CalcFittedVideoBitrate to the bit.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "core/calculation.h"
#include "core/container.h"
#include "core/margin.h"
#include "core/units.h"

namespace tessaly {

// The fields, in the order the calculation reads them; a track's rate and an extra may be given
// several times, each told apart by its item (0 first).
enum class FilmField { Length, AudioBitrate, Size, Extra, Count };

struct AudioTrack {
    std::string_view rate;  // as typed, in the run's unit
    AudioCodec codec = kDefaultAudioCodec;
};

struct FilmRequest {
    std::string_view length;  // min, as typed
    std::vector<AudioTrack> tracks;
    std::string_view size;                 // MB, as typed
    std::vector<std::string_view> extras;  // MB each, as typed, taken from the size as they are
    Margin margin;                         // as ReadMargin read it
};

// Every share of the file in MB, exact as the steps computed them, and the rate rounded down.
struct FilmOutcome : Verdict<FilmField> {
    double videoBitrate = 0;        // in the run's unit
    double videoBits = 0;           // bit/s
    double videoKbit = 0;           // the window's kbit/s
    double aimedMB = 0;             // the desired size less the margin
    std::vector<double> audioBits;  // each track's rate, in bit/s
    std::vector<double> audioMB;    // each track's share, in their order
    double totalAudioMB = 0;
    std::vector<double> extraMB;
    double totalExtraMB = 0;
    double containerMB = 0;  // 0 without a container
    double videoMB = 0;
    // The margin is as large as the desired size or larger: nothing is left to aim at, and the
    // run went no further.
    bool marginTakesAll = false;
};

// The video rate that makes a film fill the size aimed at: the desired size less the margin,
// the tracks' audio, the extras and the container's bytes for every stream, worked exactly and
// only the answer rounded down. A negative figure is blamed on the first text typed negative,
// with its item, or else on what the video's share is taken from. 100 minutes, 700 MB
// (734003200 bytes), in Matroska at 25 frames a second, rates in bit/s:
//   MP3 at 128000: 734003200 - 96000000 - 2847732 -> 846873 bit/s, as CalcFittedVideoBitrate
//   MP3 at 128000 and AC-3 at 192000: - 144000000 more audio - 1316405 more container
//     (155 + 7.02 x 187500) = 489839063 bytes -> 653118 bit/s
//   the same with a margin of 2 % (aiming at 719323136 bytes) and an extra of 1 MB:
//     489839063 - 14680064 - 1048576 = 474110423 bytes -> 632147 bit/s
FilmOutcome CalcFittedFilm(const FilmRequest& request, RateUnit unit, const Encoding& encoding,
                           const Separators& separators);

}  // namespace tessaly
