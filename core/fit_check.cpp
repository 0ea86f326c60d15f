// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/fit_check.h"

#include <cmath>

namespace tessaly {

FileFit CheckFit(const EncodedFile& file, double desiredBytes) {
    FileFit fit;
    const auto bytes = static_cast<double>(file.fileBytes);
    const auto video = static_cast<double>(file.videoBytes);
    const auto other = static_cast<double>(file.otherBytes);
    fit.fits = bytes <= desiredBytes;
    fit.overBytes = bytes - desiredBytes;
    fit.overPercent = 100 * fit.overBytes / desiredBytes;
    fit.containerBytes = bytes - video - other;
    fit.videoBits = video * 8 / file.seconds;
    fit.allowedVideoBytes = desiredBytes - other - fit.containerBytes;
    if (video > 0 && fit.allowedVideoBytes > 0)
        fit.secondTryBits = std::floor(fit.videoBits * fit.allowedVideoBytes / video);
    return fit;
}

}  // namespace tessaly
