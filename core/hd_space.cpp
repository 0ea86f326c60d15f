// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/hd_space.h"

#include <cmath>

namespace tessaly {

namespace {

using F = HdSpaceField;

}  // namespace

HdSpaceOutcome CalcHDSpace(std::string_view length, std::string_view videoBitrate, std::optional<WavRate> wav,
                           std::string_view otherBitrate, const Separators& separators) {
    HdSpaceOutcome outcome;
    HdSpaceWorking& w = outcome.working;
    Calculation<F> s(separators);
    w.wav = wav;
    w.length = s.number<F::Length>(length);
    w.seconds = s.mul(w.length, 60);
    if (wav) {
        w.audioRate = DataRateOf(*wav).kilobytesPerSecond;
    } else {
        w.otherBitrate = s.number<F::OtherBitrate>(otherBitrate);
        w.audioRate = s.div(w.otherBitrate, 8);
    }
    w.videoBitrate = s.number<F::VideoBitrate>(videoBitrate);
    w.videoSizeExact = s.div(s.div(s.mul(w.seconds, w.videoBitrate), 8), 1024);
    w.videoSize = s.round(w.videoSizeExact, 1);
    w.audioSizeExact = s.div(s.mul(w.seconds, w.audioRate), 1024);
    w.audioSize = s.round(w.audioSizeExact, 1);
    w.total = s.add(w.videoSize, w.audioSize);
    w.spaceRequired = s.round(w.total, 0);

    s.finish(outcome);
    s.blameNegative(outcome, {});
    if (!s.failed())
        outcome.text = NumberToText(w.spaceRequired, separators.decimal);
    return outcome;
}

FittedSpaceOutcome CalcFittedHdSpace(std::string_view length, std::string_view videoBitrate,
                                     std::optional<WavRate> wav, std::string_view otherBitrate, RateUnit unit,
                                     const Encoding& encoding, const Separators& separators) {
    FittedSpaceOutcome outcome;
    FittedSpaceWorking& w = outcome.working;
    Calculation<F> s(separators);
    w.length = s.number<F::Length>(length);
    w.seconds = s.mul(w.length, 60);
    if (wav) {
        w.audioBytes = s.mul(w.seconds, DataRateOf(*wav).bytesPerSecond);
    } else {
        w.audioBits = s.mul(s.number<F::OtherBitrate>(otherBitrate), BitsIn(unit));
        w.audioBytes = s.mul(s.div(w.audioBits, 8), w.seconds);
    }
    w.videoBits = s.mul(s.number<F::VideoBitrate>(videoBitrate), BitsIn(unit));
    w.videoBytes = s.mul(s.div(w.videoBits, 8), w.seconds);
    w.containerBytes =
        ContainerBytes(s, encoding, w.seconds, wav ? AudioFrames::WavChunks : AudioFrames::Codec);
    w.totalBytes = s.add(s.add(w.videoBytes, w.audioBytes), w.containerBytes);

    s.finish(outcome);
    s.blameNegative(outcome, {});
    if (!s.failed())
        outcome.spaceRequired = std::ceil(w.totalBytes / kBytesPerMB);
    return outcome;
}

}  // namespace tessaly
