// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/container.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

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
// 384000 bit/s) left out of the fit are predicted within 0.031 %. Files of several tracks,
// the same five clips muxed with MP3 and MP3, MP3 and AC-3, AAC and AC-3, AAC and AAC, AAC and
// MP3, AC-3 and AC-3, and AC-3, AAC and MP3 (TRACKS=..., 35 files a container, none of them
// fitted), take every track's stream, frame and size costs, and in MP4 every stream's runs
// (ContainerBytes for tracks): predicted within 0.048 % for AVI (AAC's odd packet sizes, padded
// to even, are in no figure), 0.0024 % for Matroska and 0.048 % for MP4 (AAC and AC-3 at 25
// frames a second, whose commensurate rates make 5 % fewer runs and 29 % more run changes).
// MP4's other figures are its format's: a 4-byte chunk offset for every run, a 12-byte
// sample-to-chunk entry for every run change, and a 4-byte sample size for every frame of audio
// whose frames vary in size; its audio frame fitted to -0.02 bytes, taken as 0. A frame of
// video in MP4 has a sample size and, with B-frames, a composition offset of 8 bytes; without
// B-frames it would cost about 8 bytes less. AVI's figures hold for files below 1 GB, which
// keep one index.
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

// One audio stream as the container stores it: its frames a second, and whether their sizes
// vary and each takes room for a duration of its own.
struct AudioStream {
    double frameRate = 0;
    bool variableSize = false;
    bool timed = false;
};

// For `seconds` of streams at `rates` (the video's first), interleaved by time: every stream's
// runs of frames between the others', and how often a run's length changes, as ContainerBytes's
// comment works them out.
struct Interleave {
    double runs = 0;
    double changes = 0;
};

Interleave InterleaveOf(Arithmetic& s, const std::vector<double>& rates, double seconds) {
    // The rates each once, lowest first, and how many streams have each: streams of one rate
    // share time stamps. The codecs give at most three rates beside the video's.
    std::vector<double> distinct = rates;
    std::sort(distinct.begin(), distinct.end());
    distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
    std::vector<std::size_t> streams(distinct.size());
    const auto place = [&distinct](double rate) {
        return static_cast<std::size_t>(std::find(distinct.begin(), distinct.end(), rate) - distinct.begin());
    };
    for (const double rate : rates)
        ++streams[place(rate)];

    Interleave total;
    if (rates.size() < 2)
        return total;
    for (const double own : rates) {
        const std::size_t at = place(own);
        if (streams[at] > 1 || at + 1 < distinct.size()) {  // another stream as fast or faster
            total.runs = s.add(total.runs, s.mul(seconds, own));
            continue;
        }
        double hits = 0;
        double missed = 1;  // the share of its gaps that the slower rates so far leave empty
        for (std::size_t k = 0; k < at; ++k) {
            hits = s.add(hits, s.mul(missed, distinct[k]));
            missed = s.mul(missed, s.sub(1, s.div(distinct[k], own)));
        }
        const double runs = s.mul(seconds, hits);
        const double length = s.div(own, hits);
        const double fraction = length - std::floor(length);
        total.runs = s.add(total.runs, runs);
        total.changes = s.add(total.changes, s.mul(runs, 2 * std::min(fraction, 1 - fraction)));
    }
    return total;
}

double StreamBytes(Arithmetic& s, const ContainerCost& cost, double videoRate,
                   const std::vector<AudioStream>& audio, double seconds) {
    const double videoFrames = s.mul(seconds, videoRate);
    double audioFrames = 0, variableFrames = 0, timedFrames = 0;
    bool variable = false, timed = false;
    std::vector<double> rates{videoRate};
    for (const AudioStream& stream : audio) {
        const double frames = s.mul(seconds, stream.frameRate);
        audioFrames = s.add(audioFrames, frames);
        if (stream.variableSize)
            variableFrames = s.add(variableFrames, frames);
        if (stream.timed)
            timedFrames = s.add(timedFrames, frames);
        variable = variable || stream.variableSize;
        timed = timed || stream.timed;
        rates.push_back(stream.frameRate);
    }
    double bytes = s.add(cost.bytesPerFile, s.add(s.mul(videoFrames, cost.bytesPerVideoFrame),
                                                  s.mul(audioFrames, cost.bytesPerAudioFrame)));
    if (audio.empty())
        return bytes;
    bytes = s.add(bytes, s.mul(static_cast<double>(audio.size()), cost.bytesPerAudioStream));
    if (variable)
        bytes = s.add(bytes, s.mul(variableFrames, cost.bytesPerVariableAudioFrame));
    if (timed)
        bytes = s.add(bytes, s.mul(timedFrames, cost.bytesPerAudioFrameTiming));
    if (cost.bytesPerRun != 0 || cost.bytesPerRunChange != 0) {
        const Interleave interleave = InterleaveOf(s, rates, seconds);
        bytes = s.add(bytes, s.add(s.mul(interleave.runs, cost.bytesPerRun),
                                   s.mul(interleave.changes, cost.bytesPerRunChange)));
    }
    return bytes;
}

AudioStream CodecStream(Arithmetic& s, AudioCodec codec) {
    return {s.div(kAudioSampleRate, SamplesPerAudioFrame(codec)), VariableFrameSize(codec), true};
}

}  // namespace

double ContainerBytes(Arithmetic& s, const Encoding& encoding, double seconds, AudioFrames audio) {
    if (!encoding.container)
        return 0;
    std::vector<AudioStream> streams;
    if (audio == AudioFrames::WavChunks)  // one chunk a video frame
        streams.push_back({encoding.frameRate, false, false});
    else if (audio == AudioFrames::Codec)
        streams.push_back(CodecStream(s, encoding.audioCodec));
    return StreamBytes(s, CostOf(*encoding.container), encoding.frameRate, streams, seconds);
}

double ContainerBytes(Arithmetic& s, const Encoding& encoding, double seconds,
                      std::span<const AudioCodec> tracks) {
    if (!encoding.container)
        return 0;
    std::vector<AudioStream> streams;
    for (const AudioCodec codec : tracks)
        streams.push_back(CodecStream(s, codec));
    return StreamBytes(s, CostOf(*encoding.container), encoding.frameRate, streams, seconds);
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

FrameRateReading ReadFrameRate(std::string_view text, const Separators& separators) {
    const auto read = [&](std::string_view part) -> FrameRateReading {
        const NumberResult number = FieldToNumber(part, separators);
        if (number.failure == CalcFailure::Overflow)
            return {0, FrameRateError::TooLarge};
        if (!number.ok())
            return {0, FrameRateError::NotANumber};
        if (number.underflowed)
            return {0, FrameRateError::TooSmall};
        if (!(number.value > 0))
            return {0, FrameRateError::NotPositive};
        return {number.value, std::nullopt};
    };
    const auto slash = text.find('/');
    if (slash == std::string_view::npos)
        return read(text);
    const FrameRateReading numerator = read(text.substr(0, slash));
    if (numerator.error)
        return numerator;
    const FrameRateReading denominator = read(text.substr(slash + 1));
    if (denominator.error)
        return denominator;
    const double rate = numerator.rate / denominator.rate;
    if (!std::isfinite(rate))
        return {0, FrameRateError::TooLarge};
    if (!(rate > 0))
        return {0, FrameRateError::TooSmall};
    return {rate, std::nullopt};
}

std::optional<double> FrameRateFromText(std::string_view text, const Separators& separators) {
    const FrameRateReading reading = ReadFrameRate(text, separators);
    if (reading.error)
        return std::nullopt;
    return reading.rate;
}

}  // namespace tessaly
