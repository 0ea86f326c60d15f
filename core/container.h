// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Answers for a real encoder and a real container: rates in bits a second, the bytes AVI,
// Matroska and MP4 files hold beyond their streams, and the three calculators worked out
// exactly, so that the finished file stays under the desired size.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/audio_bitrate.h"
#include "core/calculation.h"
#include "core/hd_space.h"
#include "core/video_bitrate.h"

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

inline constexpr double kBytesPerMB = 1048576;
// The audio every codec here is assumed to carry: 48 kHz.
inline constexpr double kAudioSampleRate = 48000;
inline constexpr double kDefaultFrameRate = 25;

const ContainerCost& CostOf(Container container);
// "avi", "mkv", "mp4" and "mp3", "aac", "ac3"; anything else gives none.
std::optional<Container> ContainerNamed(std::string_view name);
std::optional<AudioCodec> AudioCodecNamed(std::string_view name);
// 1152 for MP3, 1024 for AAC, 1536 for AC-3.
double SamplesPerAudioFrame(AudioCodec codec);
// Whether the codec's frames vary in size: AAC's do; constant-rate MP3 at 48 kHz and AC-3's don't.
bool VariableFrameSize(AudioCodec codec);

// A frame rate as typed: a positive number, or none ("0", "-25", "x", "1e999" give none):
//   "25" -> 25, "29.97" -> 29.97, "23.976" -> 23.976
std::optional<double> FrameRateFromText(std::string_view text, const Separators& separators);

// How the encoder will write the film. Without a container, no container bytes are counted.
struct Encoding {
    std::optional<Container> container;
    double frameRate = kDefaultFrameRate;
    AudioCodec audioCodec = AudioCodec::Mp3;
};

// A container's bytes for `seconds` of film with video and audio: bytes a file and an audio
// stream, plus bytes a video frame for every frame at `frameRate`, plus bytes an audio frame
// and its timing for every frame of `codec` at 48 kHz, plus the interleave's runs and run
// changes. Frames and runs are counted without rounding. Interleaved by time, the slower
// stream's every frame is a run of its own and the faster stream's frames fall into as many
// runs; with a ratio r of the two frame rates, a run of the faster is floor(r) or floor(r) + 1
// frames long, and the length changes 2 x min(frac(r), 1 - frac(r)) times a frame of the
// slower. 100 minutes at 25 frames a second with MP3 (41.67 frames a second, r = 1.67) have
// 150000 video and 250000 audio frames, 300000 runs and 100000 run changes:
//   (Avi, 6000, 25, Mp3) -> 6291 + 3720 + 24.23 x 150000 + 24.36 x 250000 = 9734511
//   (Mkv, 6000, 25, Mp3) -> 577 + 155 + 7.28 x 150000 + 7.02 x 250000 = 2847732
//   (Mp4, 6000, 25, Mp3) -> 807 + 499 + 12.02 x 150000 + (0 + 8) x 250000 + 4 x 300000
//                           + 12 x 100000 = 6204306
double ContainerBytes(Container container, double seconds, double frameRate, AudioCodec codec);

// How a rate is given and answered: the window's kbit/s of 1024 bits, an encoder's kbit/s
// of 1000 bits ("-b:v 827k"), or bits a second.
enum class RateUnit { Kbit1024, Kbit1000, Bit };
double BitsIn(RateUnit unit);  // 1024, 1000, 1

// A whole rate in the window's kbit/s, in bits a second: 827 -> 846848.
double KbitToBits(double kbit);

// What each step of an exact video run used and gave; a step that did not run leaves 0.
struct FittedVideoWorking {
    double length = 0;  // min
    double seconds = 0;
    double audioBitrate = 0;  // as given, in the run's unit
    double audioBits = 0;     // bit/s
    double audioBytes = 0;    // audio bits / 8 x seconds
    double size = 0;          // MB
    double sizeBytes = 0;
    double containerBytes = 0;  // 0 without a container
    double videoBytes = 0;      // size - audio - container
    double videoBitsExact = 0;  // video bytes x 8 / seconds
};

// A negative figure is blamed on the first field typed negative, or else on audio and
// container bytes that need more than the desired size.
struct FittedVideoOutcome : Verdict<VideoBitrateField> {
    // Rounded down, so that the file stays under; a negative answer is rounded down as well.
    double videoBitrate = 0;  // in the run's unit
    double videoBits = 0;     // bit/s
    double videoKbit = 0;     // the window's kbit/s
    double audioMB = 0;       // exact, as the steps computed them
    double containerMB = 0;
    double videoMB = 0;
    FittedVideoWorking working;
};

// The video rate that makes a film fill the desired size, worked exactly: the audio is not
// rounded to whole MB, the container's bytes are taken from the size, and only the answer is
// rounded. Length in minutes, audio rate in `unit`, size in MB, as typed. 100 minutes, MP3 at
// 128000 bit/s, 700 MB (734003200 bytes), 25 frames a second:
//   no container: (734003200 - 96000000) x 8 / 6000 = 850670.93 -> 850670 bit/s
//   Mkv: 734003200 - 96000000 - 2847732 = 635155468 bytes -> 846873 bit/s
//   Avi: 734003200 - 96000000 - 9734511 = 628268689 bytes -> 837691 bit/s, or 818 kbit/s
FittedVideoOutcome CalcFittedVideoBitrate(std::string_view length, std::string_view audioBitrate,
                                          std::string_view size, RateUnit unit, const Encoding& encoding,
                                          const Separators& separators);

// What each step of an exact audio run used and gave; a step that did not run leaves 0.
struct FittedAudioWorking {
    double length = 0;  // min
    double seconds = 0;
    double wavBytes = 0;  // seconds x 192000 (48 kHz) or 176400 (44.1 kHz)
    double aviSize = 0;   // MB
    double aviBytes = 0;
    double aviContainerBytes = 0;  // the AVI's own bytes: 0 without a container
    double videoBytes = 0;         // AVI - WAV - its own bytes
    double desiredSize = 0;        // MB
    double desiredBytes = 0;
    double containerBytes = 0;  // the finished file's own bytes
    double roomBytes = 0;       // desired - video - container
    double audioBitsExact = 0;  // room x 8 / seconds
};

// A negative figure is blamed on the first field typed negative, else on an AVI smaller than
// its WAV audio and own bytes, else on video that leaves no room for audio.
struct FittedAudioOutcome : Verdict<AudioBitrateField> {
    double audioBitrate = 0;  // in the run's unit, rounded down
    double audioBits = 0;     // bit/s, rounded down
    double audioKbit = 0;     // the window's kbit/s, rounded down
    // The largest standard step not above the answer, in the run's unit: in kbit/s the
    // window's "128" or "too low"; in bits a second the encoder's "128000" (64000 to 384000).
    std::string suggestionText;
    std::optional<double> suggestion;  // none for "too low"
    FittedAudioWorking working;
};

// The audio rate still affordable in the finished file once the AVI is encoded. The AVI holds
// the video, and WAV audio unless `wav` is None; the finished file holds the same video and
// audio of `encoding.audioCodec` in `encoding.container`. Its video payload is the AVI's size
// less the WAV and the AVI's own bytes (counting, as AVI editors interleave it, one WAV chunk
// per video frame); the audio may have what the desired size leaves after that video and the
// finished file's own bytes. Length in minutes, sizes in MB, as typed; the answer in `unit`.
// 100 minutes at 25 frames a second, an AVI of 600 MB without WAV, 700 MB desired:
//   no container: 104857600 bytes of room x 8 / 6000 -> 139810 bit/s, suggested 128000
//   Mkv, MP3: AVI 629145600 - 3640791 (its own bytes, one stream) = 625504809 of video; room
//     734003200 - 625504809 - 2847732 = 105650659 -> 140867 bit/s, or 137 kbit/s
FittedAudioOutcome CalcFittedAudioBitrate(std::string_view length, std::string_view aviSize,
                                          std::string_view desiredSize, WavAudio wav, RateUnit unit,
                                          const Encoding& encoding, const Separators& separators);

// What each step of an exact disk space run used and gave; a step that did not run leaves 0.
struct FittedSpaceWorking {
    double length = 0;  // min
    double seconds = 0;
    double videoBits = 0;  // bit/s
    double videoBytes = 0;
    double audioBits = 0;       // bit/s of the other audio; 0 for WAV or none
    double audioBytes = 0;      // WAV or the other audio
    double containerBytes = 0;  // the AVI's own bytes: 0 without a container
    double totalBytes = 0;
};

// Only a field typed negative makes the space negative.
struct FittedSpaceOutcome : Verdict<HdSpaceField> {
    double spaceRequired = 0;  // MB, rounded up
    FittedSpaceWorking working;
};

// The disk space the intermediate AVI takes, worked exactly and rounded up to whole MB. With
// `encoding.container` (only an AVI makes sense here) its own bytes are added: WAV audio in
// one chunk per video frame, other audio in frames of `encoding.audioCodec`. Rates in `unit`:
//   ("100", "827", Wav48kHz, Kbit1024, no container) -> 635136000 + 1152000000 bytes -> 1705 MB
//   the same in an AVI at 25 frames a second: + 7298511 bytes -> 1712 MB
FittedSpaceOutcome CalcFittedHdSpace(std::string_view length, std::string_view videoBitrate, HdAudio audio,
                                     std::string_view otherBitrate, RateUnit unit, const Encoding& encoding,
                                     const Separators& separators);

// The video rates, in an encoder's kbit/s of 1000 bits and rounded down, that make the film
// fit in an AVI, a Matroska and an MP4 file, for the window's figures (length in minutes, the
// audio's kbit/s handed to the encoder as that many thousand bits, size in MB), at
// `encoding`'s frame rate and audio codec; none when they give no answer (a zero length):
//   (100, 128, 700) -> AVI 837, MKV 846, MP4 842
std::optional<std::array<double, 3>> EncoderRates(double length, double audioBitrate, double size,
                                                  const Encoding& encoding);

}  // namespace tessaly
