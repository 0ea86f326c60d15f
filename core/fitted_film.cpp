// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/fitted_film.h"

#include <cmath>

namespace tessaly {

FilmOutcome CalcFittedFilm(const FilmRequest& request, RateUnit unit, const Encoding& encoding,
                           const Separators& separators) {
    using F = FilmField;
    FilmOutcome outcome;
    Calculation<F> s(separators);
    const double seconds = s.mul(s.number<F::Length>(request.length), 60);
    double audioBytes = 0;
    std::vector<AudioCodec> codecs;
    for (std::size_t k = 0; k < request.tracks.size(); ++k) {
        const double bits = s.mul(s.number<F::AudioBitrate>(request.tracks[k].rate, k), BitsIn(unit));
        const double bytes = s.mul(s.div(bits, 8), seconds);
        audioBytes = s.add(audioBytes, bytes);
        outcome.audioBits.push_back(bits);
        outcome.audioMB.push_back(bytes / kBytesPerMB);
        codecs.push_back(request.tracks[k].codec);
    }
    const double size = s.number<F::Size>(request.size);
    const double sizeBytes = s.mul(size, kBytesPerMB);
    if (!s.failed() && !LeavesRoom(request.margin, sizeBytes)) {
        outcome.marginTakesAll = true;
        return outcome;
    }
    const double aimedBytes = s.sub(sizeBytes, MarginBytes(request.margin, sizeBytes));
    double extraBytes = 0;
    for (std::size_t k = 0; k < request.extras.size(); ++k) {
        const double bytes = s.mul(s.number<F::Extra>(request.extras[k], k), kBytesPerMB);
        extraBytes = s.add(extraBytes, bytes);
        outcome.extraMB.push_back(bytes / kBytesPerMB);
    }
    const double containerBytes = ContainerBytes(s, encoding, seconds, codecs);
    const double videoBytes = s.sub(s.sub(s.sub(aimedBytes, audioBytes), extraBytes), containerBytes);
    const double videoBitsExact = s.divideBy<F::Length>(s.mul(videoBytes, 8), seconds);

    s.finish(outcome);
    s.blameNegative(outcome, {{NegativeCause::AudioExceedsSize, videoBytes,
                               (audioBytes + extraBytes + containerBytes) / kBytesPerMB,
                               aimedBytes / kBytesPerMB, encoding.container.has_value()}});
    if (!s.failed()) {
        outcome.videoBitrate = std::floor(videoBitsExact / BitsIn(unit));
        outcome.videoBits = std::floor(videoBitsExact);
        outcome.videoKbit = std::floor(videoBitsExact / BitsIn(RateUnit::Kbit1024));
        outcome.aimedMB = aimedBytes / kBytesPerMB;
        outcome.totalAudioMB = audioBytes / kBytesPerMB;
        outcome.totalExtraMB = extraBytes / kBytesPerMB;
        outcome.containerMB = containerBytes / kBytesPerMB;
        outcome.videoMB = videoBytes / kBytesPerMB;
    }
    return outcome;
}

}  // namespace tessaly
