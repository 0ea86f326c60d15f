// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/container.h"

#include <algorithm>
#include <cmath>

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
//
// Those files' audio was encoded from whole samples, so each of its frames lasted the same and
// MP4's time-to-sample table held one or two entries. Audio decoded from a source whose time
// stamps are whole milliseconds (PCM in Matroska, as many DVD rips are) keeps their rounding:
// MP3 frames last 1144, 1152 or 1160 samples, AAC's 1016, 1024 or 1032, AC-3's 1528 or 1544,
// and the table takes an 8-byte entry for every frame. Measured by tools/mp4-timing.sh on 24
// pairs of files (23.976, 24, 25, 29.97, 50 and 59.94 frames a second, 30 and 120 s, MP3 and
// AAC at 128000, AC-3 at 192000, libx264 two-pass): the stored clip's file is 7.98 to 8.00
// bytes an audio frame larger, its stts entries one a frame (938 of 938 AC-3 frames, 1250 of
// 1251 MP3, 1407 of 1408 AAC in 30 s), and no other table differs: the video's keeps one
// entry, as ffmpeg re-times it to a constant rate (from Matroska at 59.94 to 19001/317). The
// stored clips' answers landed +0.08 to +0.60 % over. An entry holds at least one frame, so
// 8 bytes an audio frame is the most a source can add, and MP4 leaves that room for every
// file: the stored clips then landed -0.19 to +0.08 %, the clean ones -0.72 to -0.16 %, 1.0 %
// (AC-3 at 192000) to 2.3 % (AAC at 128000) of the audio's bytes lower than before.
const std::array<ContainerCost, 3> kContainerCosts{{
    {Container::Avi, "avi", 6291, 3720, 24.23, 24.36, 0, 0, 0, 0},
    {Container::Mkv, "mkv", 577, 155, 7.28, 7.02, 0, 0, 0, 0},
    {Container::Mp4, "mp4", 807, 499, 12.02, 0, 4, 4, 12, 8},
}};

namespace {

// 16-bit stereo WAV, in bytes a second.
constexpr double kWav48kHzBytes = 48000 * 4;
constexpr double kWav44kHzBytes = 44100 * 4;

// The container's bytes, checked step by step; none without a container. `wavChunks` counts
// one audio chunk per video frame instead of the codec's frames.
template <typename Field>
double CheckedContainerBytes(Calculation<Field>& s, const Encoding& encoding, double seconds, bool audio,
                             bool wavChunks) {
    if (!encoding.container)
        return 0;
    const ContainerCost& cost = CostOf(*encoding.container);
    const double videoRate = encoding.frameRate;
    double audioRate = 0;  // frames a second
    if (wavChunks)
        audioRate = videoRate;
    else if (audio)
        audioRate = s.div(kAudioSampleRate, SamplesPerAudioFrame(encoding.audioCodec));
    const double videoFrames = s.mul(seconds, videoRate);
    const double audioFrames = s.mul(seconds, audioRate);
    double bytes = s.add(cost.bytesPerFile, s.add(s.mul(videoFrames, cost.bytesPerVideoFrame),
                                                  s.mul(audioFrames, cost.bytesPerAudioFrame)));
    if (audioRate > 0)
        bytes = s.add(bytes, cost.bytesPerAudioStream);
    if (audio && !wavChunks && VariableFrameSize(encoding.audioCodec))
        bytes = s.add(bytes, s.mul(audioFrames, cost.bytesPerVariableAudioFrame));
    if (audio && !wavChunks)
        bytes = s.add(bytes, s.mul(audioFrames, cost.bytesPerAudioFrameTiming));
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

// The video's share and its rate, from the steps' seconds, audio and size onwards.
void FitVideo(Calculation<VideoBitrateField>& s, FittedVideoWorking& w, const Encoding& encoding) {
    w.audioBytes = s.mul(s.div(w.audioBits, 8), w.seconds);
    w.sizeBytes = s.mul(w.size, kBytesPerMB);
    w.containerBytes = CheckedContainerBytes(s, encoding, w.seconds, true, false);
    w.videoBytes = s.sub(s.sub(w.sizeBytes, w.audioBytes), w.containerBytes);
    w.videoBitsExact = s.divideBy(s.mul(w.videoBytes, 8), w.seconds, VideoBitrateField::Length);
}

}  // namespace

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

std::optional<AudioCodec> AudioCodecNamed(std::string_view name) {
    if (name == "mp3")
        return AudioCodec::Mp3;
    if (name == "aac")
        return AudioCodec::Aac;
    if (name == "ac3")
        return AudioCodec::Ac3;
    return std::nullopt;
}

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
    const NumberResult number = FieldToNumber(text, separators);
    if (!number.ok() || !(number.value > 0))
        return std::nullopt;
    return number.value;
}

double ContainerBytes(Container container, double seconds, double frameRate, AudioCodec codec) {
    const Separators separators;
    Calculation<VideoBitrateField> s(separators);
    return CheckedContainerBytes(s, {container, frameRate, codec}, seconds, true, false);
}

double BitsIn(RateUnit unit) {
    switch (unit) {
    case RateUnit::Kbit1024:
        return 1024;
    case RateUnit::Kbit1000:
        return 1000;
    case RateUnit::Bit:
        break;
    }
    return 1;
}

double KbitToBits(double kbit) { return kbit * BitsIn(RateUnit::Kbit1024); }

FittedVideoOutcome CalcFittedVideoBitrate(std::string_view length, std::string_view audioBitrate,
                                          std::string_view size, RateUnit unit, const Encoding& encoding,
                                          const Separators& separators) {
    FittedVideoOutcome outcome;
    FittedVideoWorking& w = outcome.working;
    Calculation<VideoBitrateField> s(separators);
    w.length = s.number(length, VideoBitrateField::Length);
    w.seconds = s.mul(w.length, 60);
    w.audioBitrate = s.number(audioBitrate, VideoBitrateField::AudioBitrate);
    w.audioBits = s.mul(w.audioBitrate, BitsIn(unit));
    w.size = s.number(size, VideoBitrateField::Size);
    FitVideo(s, w, encoding);

    s.finish(outcome);
    s.blameNegative(outcome, {{NegativeCause::AudioExceedsSize, w.videoBytes}});
    if (!s.failed()) {
        outcome.videoBitrate = std::floor(w.videoBitsExact / BitsIn(unit));
        outcome.videoBits = std::floor(w.videoBitsExact);
        outcome.videoKbit = std::floor(w.videoBitsExact / BitsIn(RateUnit::Kbit1024));
        outcome.audioMB = w.audioBytes / kBytesPerMB;
        outcome.containerMB = w.containerBytes / kBytesPerMB;
        outcome.videoMB = w.videoBytes / kBytesPerMB;
    }
    return outcome;
}

FittedAudioOutcome CalcFittedAudioBitrate(std::string_view length, std::string_view aviSize,
                                          std::string_view desiredSize, WavAudio wav, RateUnit unit,
                                          const Encoding& encoding, const Separators& separators) {
    FittedAudioOutcome outcome;
    FittedAudioWorking& w = outcome.working;
    Calculation<AudioBitrateField> s(separators);
    w.length = s.number(length, AudioBitrateField::Length);
    w.seconds = s.mul(w.length, 60);
    const double wavRate = wav == WavAudio::Rate48kHz   ? kWav48kHzBytes
                           : wav == WavAudio::Rate44kHz ? kWav44kHzBytes
                                                        : 0;
    w.wavBytes = s.mul(w.seconds, wavRate);
    w.aviSize = s.number(aviSize, AudioBitrateField::AviSize);
    w.aviBytes = s.mul(w.aviSize, kBytesPerMB);
    if (encoding.container) {
        const Encoding avi{Container::Avi, encoding.frameRate, encoding.audioCodec};
        w.aviContainerBytes = CheckedContainerBytes(s, avi, w.seconds, false, wav != WavAudio::None);
    }
    w.videoBytes = s.sub(s.sub(w.aviBytes, w.wavBytes), w.aviContainerBytes);
    w.desiredSize = s.number(desiredSize, AudioBitrateField::DesiredSize);
    w.desiredBytes = s.mul(w.desiredSize, kBytesPerMB);
    w.containerBytes = CheckedContainerBytes(s, encoding, w.seconds, true, false);
    w.roomBytes = s.sub(s.sub(w.desiredBytes, w.videoBytes), w.containerBytes);
    w.audioBitsExact = s.divideBy(s.mul(w.roomBytes, 8), w.seconds, AudioBitrateField::Length);

    s.finish(outcome);
    s.blameNegative(outcome, {{NegativeCause::AviSmallerThanWav, w.videoBytes},
                              {NegativeCause::VideoExceedsSize, w.roomBytes}});
    if (s.failed())
        return outcome;
    outcome.audioBitrate = std::floor(w.audioBitsExact / BitsIn(unit));
    outcome.audioBits = std::floor(w.audioBitsExact);
    outcome.audioKbit = std::floor(w.audioBitsExact / BitsIn(RateUnit::Kbit1024));
    // The standard steps are the same numbers in both units: kbit/s as the window counts them,
    // and thousands of bits a second as encoders do.
    const bool bits = unit == RateUnit::Bit;
    const std::optional<int> step =
        SuggestedBitrate(bits ? std::floor(w.audioBitsExact / 1000) : outcome.audioBitrate);
    outcome.suggestionText = SuggestionText(step);
    if (step) {
        outcome.suggestion = bits ? *step * 1000.0 : *step;
        outcome.suggestionText = NumberToText(*outcome.suggestion, separators.decimal);
    }
    return outcome;
}

FittedSpaceOutcome CalcFittedHdSpace(std::string_view length, std::string_view videoBitrate, HdAudio audio,
                                     std::string_view otherBitrate, RateUnit unit, const Encoding& encoding,
                                     const Separators& separators) {
    FittedSpaceOutcome outcome;
    FittedSpaceWorking& w = outcome.working;
    Calculation<HdSpaceField> s(separators);
    w.length = s.number(length, HdSpaceField::Length);
    w.seconds = s.mul(w.length, 60);
    if (audio == HdAudio::Wav48kHz)
        w.audioBytes = s.mul(w.seconds, kWav48kHzBytes);
    if (audio == HdAudio::Wav44kHz)
        w.audioBytes = s.mul(w.seconds, kWav44kHzBytes);
    if (audio == HdAudio::OtherBitrate) {
        w.audioBits = s.mul(s.number(otherBitrate, HdSpaceField::OtherBitrate), BitsIn(unit));
        w.audioBytes = s.mul(s.div(w.audioBits, 8), w.seconds);
    }
    w.videoBits = s.mul(s.number(videoBitrate, HdSpaceField::VideoBitrate), BitsIn(unit));
    w.videoBytes = s.mul(s.div(w.videoBits, 8), w.seconds);
    const bool wav = audio == HdAudio::Wav48kHz || audio == HdAudio::Wav44kHz;
    w.containerBytes = CheckedContainerBytes(s, encoding, w.seconds, audio == HdAudio::OtherBitrate, wav);
    w.totalBytes = s.add(s.add(w.videoBytes, w.audioBytes), w.containerBytes);

    s.finish(outcome);
    s.blameNegative(outcome, {});
    if (!s.failed()) {
        outcome.spaceRequired = std::ceil(w.totalBytes / kBytesPerMB);
    }
    return outcome;
}

std::optional<std::array<double, 3>> EncoderRates(double length, double audioBitrate, double size,
                                                  const Encoding& encoding) {
    std::array<double, 3> rates{};
    for (const ContainerCost& cost : kContainerCosts) {
        const Separators separators;
        Calculation<VideoBitrateField> s(separators);
        FittedVideoWorking w;
        w.seconds = s.mul(length, 60);
        w.audioBits = s.mul(audioBitrate, BitsIn(RateUnit::Kbit1000));
        w.size = size;
        FitVideo(s, w, {cost.container, encoding.frameRate, encoding.audioCodec});
        if (s.failed())
            return std::nullopt;
        rates[static_cast<std::size_t>(cost.container)] =
            std::floor(w.videoBitsExact / BitsIn(RateUnit::Kbit1000));
    }
    return rates;
}

}  // namespace tessaly
