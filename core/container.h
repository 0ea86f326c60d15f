// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The bytes AVI, Matroska and MP4 files hold beyond their streams, measured on files ffmpeg
// writes, and how the encoder will write the film; the calculators' exact twins take these
// bytes from the desired size so that the finished file stays under it.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/calculation.h"

namespace tessaly {

enum class Container { Avi, Mkv, Mp4 };
enum class AudioCodec { Mp3, Aac, Ac3 };

// A container's own bytes: headers and index, a cost for every frame it stores, and, for
// MP4, the cost of the way the two streams interleave.
struct ContainerCost {
    Container container;
    std::string_view name;       // as the command takes it: "avi", "mkv", "mp4"
    double bytesPerFile;         // with its video stream
    double bytesPerAudioStream;  // more when it has audio as well
    double bytesPerVideoFrame;
    double bytesPerAudioFrame;
    double bytesPerVariableAudioFrame;  // more for an audio frame whose size varies (AAC)
    double bytesPerRun;                 // for every run of one stream's frames between the other's
    double bytesPerRunChange;           // wherever a run is longer or shorter than the one before
    // Room for a duration of its own for every audio frame (MP4), which audio decoded from a
    // source with time stamps in whole milliseconds needs: its frames' durations alternate.
    double bytesPerAudioFrameTiming;
};

extern const std::array<ContainerCost, 3> kContainerCosts;

// The audio every codec here is assumed to carry: 48 kHz.
inline constexpr double kAudioSampleRate = 48000;
// What the encoder writes unless told otherwise.
inline constexpr double kDefaultFrameRate = 25;
inline constexpr AudioCodec kDefaultAudioCodec = AudioCodec::Mp3;

const ContainerCost& CostOf(Container container);
// "avi", "mkv", "mp4" and "mp3", "aac", "ac3"; anything else gives none.
std::optional<Container> ContainerNamed(std::string_view name);
std::optional<AudioCodec> AudioCodecNamed(std::string_view name);
// The codec's name as the command takes it: "mp3", "aac", "ac3".
std::string_view NameOf(AudioCodec codec);
// 1152 for MP3, 1024 for AAC, 1536 for AC-3.
double SamplesPerAudioFrame(AudioCodec codec);
// Whether the codec's frames vary in size: AAC's do; constant-rate MP3 at 48 kHz and AC-3's don't.
bool VariableFrameSize(AudioCodec codec);

// A frame rate as typed: a positive number, or a fraction of two as ffmpeg writes rates; else
// none ("0", "-25", "x", "1e999", "30000/0", "0/1", "-30000/-1001", "1/2/3", "/1001" give none):
//   "25" -> 25, "29.97" -> 29.97, "23.976" -> 23.976, "30000/1001" -> 29.97002997..., "25/1" -> 25
std::optional<double> FrameRateFromText(std::string_view text, const Separators& separators);

// Why a text is no frame rate.
enum class FrameRateError {
    NotANumber,   // "x", "", "25/"
    NotPositive,  // "0", "-25", "0/1001"
    TooLarge,     // "1e400", "1e308/1e-10"
    TooSmall,     // "1e-400", "1/1e308"
};

struct FrameRateReading {
    double rate = 0;
    std::optional<FrameRateError> error;
};

// FrameRateFromText with the reason where there is no rate: "1e400" -> TooLarge.
FrameRateReading ReadFrameRate(std::string_view text, const Separators& separators);

// How the encoder will write the film. Without a container, no container bytes are counted.
struct Encoding {
    std::optional<Container> container;
    double frameRate = kDefaultFrameRate;
    AudioCodec audioCodec = kDefaultAudioCodec;
};

// The audio frames a file holds beside its video: none, frames of the encoding's codec at
// 48 kHz, or WAV audio in one chunk a video frame, as AVI editors interleave it.
enum class AudioFrames { None, Codec, WavChunks };

// A container's bytes for `seconds` of film: bytes a file, and an audio stream where there is
// audio, plus bytes a video frame for every frame at the encoding's frame rate, plus bytes an
// audio frame and its timing for every audio frame of the codec, plus the interleave's runs and
// run changes. Frames and
// runs are counted without rounding. Interleaved by time, the slower stream's every frame is a
// run of its own and the faster stream's frames fall into as many runs; with a ratio r of the
// two frame rates, a run of the faster is floor(r) or floor(r) + 1 frames long, and the length
// changes 2 x min(frac(r), 1 - frac(r)) times a frame of the slower. 100 minutes at 25 frames
// a second with MP3 (41.67 frames a second, r = 1.67) have 150000 video and 250000 audio
// frames, 300000 runs and 100000 run changes:
//   (Avi, 6000, 25, Mp3) -> 6291 + 3720 + 24.23 x 150000 + 24.36 x 250000 = 9734511
//   (Mkv, 6000, 25, Mp3) -> 577 + 155 + 7.28 x 150000 + 7.02 x 250000 = 2847732
//   (Mp4, 6000, 25, Mp3) -> 807 + 499 + 12.02 x 150000 + (0 + 8) x 250000 + 4 x 300000
//                           + 12 x 100000 = 6204306
// Each step is checked in `s`; 0 without a container.
double ContainerBytes(Arithmetic& s, const Encoding& encoding, double seconds, AudioFrames audio);
double ContainerBytes(Container container, double seconds, double frameRate, AudioCodec codec);

// The same for a file with one audio stream for each of `tracks`, in their order (the
// encoding's own audio codec is not read): every stream has its bytes, its frames and their
// sizes and timing, and every stream's frames fall into runs between the others'. A stream
// that shares its frame rate with another, or is slower than one, has every frame a run of its
// own: two tracks of one codec have the same time stamps, so their frames alternate. A stream
// faster than all the others has a run for every gap between its frames that holds a frame of
// another rate: with the other rates r1 < r2 < ... below its own r, that is
// r1 + (1 - r1 / r) x r2 + (1 - r1 / r)(1 - r2 / r) x r3 + ... runs a second, as if their
// phases were independent; its runs then have a mean length L, and change length
// 2 x min(frac(L), 1 - frac(L)) times a run. With one track this is the rule above, to the bit.
// 100 minutes in MP4 at 25 frames a second with MP3 and AC-3 (41.67 and 31.25 frames a second):
// the video and the AC-3 have a run a frame (150000 and 187500), the MP3 25 + 0.4 x 31.25 = 37.5
// runs a second (225000 of mean length 1.11, 50000 changes):
//   (Mp4, 6000, 25, {Mp3, Ac3}) -> 807 + 2 x 499 + 12.02 x 150000 + (0 + 8) x (250000 + 187500)
//                                  + 4 x 562500 + 12 x 50000 = 8154805
double ContainerBytes(Arithmetic& s, const Encoding& encoding, double seconds,
                      std::span<const AudioCodec> tracks);

}  // namespace tessaly
