// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/container.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tessaly {

// Measured on files written by ffmpeg 5.1.9 (Debian 12, libavformat 59.27) with its avi,
// matroska and mp4 muxers, by tools/container-overhead.sh and container-overhead-fit.py: five
// clips of 30 to 120 seconds at 23.976, 25, 29.97 and 50 frames a second, 320x180 and 480x270,
// H.264 from libx264 two-pass at preset veryfast (B-frames on, as by default), each alone and
// with MP3 at 128000 and 192000, AAC at 128000 and AC-3 at 192000 bit/s, 48 kHz stereo, in the
// three containers: 75 files. The overhead is the file's size less its packets' bytes, as
// ffprobe counts them. Bytes a file, an audio stream, a video frame and an audio frame are a
// least-squares fit over the 25 files of each container; its largest residual is 1656 bytes
// (0.025 % of that file) for AVI, 46 bytes (0.001 %) for Matroska and 240 bytes (0.004 %) for
// MP4. 27 more files (24, 25 and 60 frames a second, 20 to 150 s, AAC at 96000 and AC-3 at
// 384000 bit/s) left out of the fit are predicted within 0.031 %. MP4's other figures are its
// format's: a 4-byte chunk offset for every run, a 12-byte sample-to-chunk entry for every run
// change, and a 4-byte sample size for every frame of audio whose frames vary in size; its
// audio frame fitted to -0.02 bytes, taken as 0. A frame of video in MP4 has a sample size
// and, with B-frames, a composition offset of 8 bytes; without B-frames it would cost about
// 8 bytes less. AVI's figures hold for files below 1 GB, which keep one index.
const std::array<ContainerCost, 3> kContainerCosts{{
    {Container::Avi, "avi", 6291, 3720, 24.23, 24.36, 0, 0, 0},
    {Container::Mkv, "mkv", 577, 155, 7.28, 7.02, 0, 0, 0},
    {Container::Mp4, "mp4", 807, 499, 12.02, 0, 4, 4, 12},
}};

double ContainerBytes(Arithmetic& s, const Encoding& encoding, double seconds, AudioFrames audio) {
    if (!encoding.container)
        return 0;
    const ContainerCost& cost = CostOf(*encoding.container);
    const double videoRate = encoding.frameRate;
    double audioRate = 0;  // frames a second
    if (audio == AudioFrames::WavChunks)
        audioRate = videoRate;
    else if (audio == AudioFrames::Codec)
        audioRate = s.div(kAudioSampleRate, SamplesPerAudioFrame(encoding.audioCodec));
    const double videoFrames = s.mul(seconds, videoRate);
    const double audioFrames = s.mul(seconds, audioRate);
    double bytes = s.add(cost.bytesPerFile, s.add(s.mul(videoFrames, cost.bytesPerVideoFrame),
                                                  s.mul(audioFrames, cost.bytesPerAudioFrame)));
    if (audioRate > 0)
        bytes = s.add(bytes, cost.bytesPerAudioStream);
    if (audio == AudioFrames::Codec && VariableFrameSize(encoding.audioCodec))
        bytes = s.add(bytes, s.mul(audioFrames, cost.bytesPerVariableAudioFrame));
    if (audioRate > 0 && (cost.bytesPerRun != 0 || cost.bytesPerRunChange != 0)) {
        const double slower = std::min(videoRate, audioRate);
        const double ratio = s.div(std::max(videoRate, audioRate), slower);
        const double fraction = ratio - std::floor(ratio);
        const double slowerFrames = s.mul(seconds, slower);
        const double runs = s.mul(2, slowerFrames);
        const double changes = s.mul(runs, std::min(fraction, 1 - fraction));
        bytes = s.add(bytes, s.add(s.mul(runs, cost.bytesPerRun), s.mul(changes, cost.bytesPerRunChange)));
    }
    return bytes;
}

double ContainerBytes(Container container, double seconds, double frameRate, AudioCodec codec) {
    Arithmetic s;
    return ContainerBytes(s, {container, frameRate, codec}, seconds, AudioFrames::Codec);
}

const ContainerCost& CostOf(Container container) {
    return kContainerCosts[static_cast<std::size_t>(container)];
}

std::optional<Container> ContainerNamed(std::string_view name) {
    for (const ContainerCost& cost : kContainerCosts) {
        if (cost.name == name)
            return cost.container;
    }
    return std::nullopt;
}

namespace {

constexpr std::array<std::pair<AudioCodec, std::string_view>, 3> kCodecNames{{
    {AudioCodec::Mp3, "mp3"},
    {AudioCodec::Aac, "aac"},
    {AudioCodec::Ac3, "ac3"},
}};

}  // namespace

std::optional<AudioCodec> AudioCodecNamed(std::string_view name) {
    for (const auto& [codec, codecName] : kCodecNames) {
        if (codecName == name)
            return codec;
    }
    return std::nullopt;
}

std::string_view NameOf(AudioCodec codec) { return kCodecNames[static_cast<std::size_t>(codec)].second; }

double SamplesPerAudioFrame(AudioCodec codec) {
    switch (codec) {
    case AudioCodec::Aac:
        return 1024;
    case AudioCodec::Ac3:
        return 1536;
    case AudioCodec::Mp3:
        break;
    }
    return 1152;
}

bool VariableFrameSize(AudioCodec codec) { return codec == AudioCodec::Aac; }

std::optional<double> FrameRateFromText(std::string_view text, const Separators& separators) {
    const auto positive = [&](std::string_view part) -> std::optional<double> {
        const NumberResult number = FieldToNumber(part, separators);
        if (!number.ok() || !(number.value > 0))
            return std::nullopt;
        return number.value;
    };
    const auto slash = text.find('/');
    if (slash == std::string_view::npos)
        return positive(text);
    const std::optional<double> numerator = positive(text.substr(0, slash));
    const std::optional<double> denominator = positive(text.substr(slash + 1));
    if (!numerator || !denominator)
        return std::nullopt;
    const double rate = *numerator / *denominator;
    if (!std::isfinite(rate) || !(rate > 0))
        return std::nullopt;
    return rate;
}

}  // namespace tessaly
