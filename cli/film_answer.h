// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The video command's answer for a whole film file: every audio track with its codec, the
// extras muxed in beside them, a margin under the desired size, and the ffmpeg passes that
// make the file, all worked by the core's CalcFittedFilm.
#pragma once

#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/encoding.h"

namespace tessaly::cli {

// Whether the arguments ask for more than the window's one track: --audio again or with a
// codec, --extra, --margin, or --ffmpeg and its options.
bool AsksForFilm(const Arguments& args);

// The answer, exact in `exact`'s unit (bits a second with --ffmpeg): the figures with every
// share, or with --ffmpeg the two passes. A malformed track, extra or margin, a margin that
// leaves nothing, and --ffmpeg without both paths or without --container are UsageErrors.
Report FilmReport(const Arguments& args, Exact exact);

}  // namespace tessaly::cli
