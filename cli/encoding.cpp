// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/encoding.h"

#include <cmath>

#include "cli/command.h"
#include "cli/wording.h"

namespace tessaly::cli {

Exact ReadExact(const Arguments& args, bool aviOnly) {
    Exact exact;
    exact.on = args.has("container") || args.has("bps");
    if (args.has("bps")) {
        exact.unit = RateUnit::Bit;
        exact.unitName = kBitPerSecond;
    }
    for (const std::string_view option : {"fps", "audio-codec"}) {
        if (args.has(option) && !args.has("container"))
            throw UsageError("--" + std::string(option) + " counts frames only with --container");
    }
    if (args.has("container")) {
        exact.encoding.container = ContainerNamed(args.get("container"));
        if (!exact.encoding.container || (aviOnly && exact.encoding.container != Container::Avi))
            throw UsageError("--container takes " + std::string(aviOnly ? "avi" : "avi, mkv or mp4") +
                             ", not \"" + std::string(args.get("container")) + "\"");
    }
    if (args.has("audio-codec")) {
        const std::optional<AudioCodec> codec = AudioCodecNamed(args.get("audio-codec"));
        if (!codec)
            throw UsageError("--audio-codec takes mp3, aac or ac3, not \"" +
                             std::string(args.get("audio-codec")) + "\"");
        exact.encoding.audioCodec = *codec;
    }
    if (args.has("fps")) {
        const FrameRateReading reading = ReadFrameRate(args.get("fps"), kSeparators);
        const std::string quoted = Quoted(args.get("fps"));
        if (reading.error) {
            switch (*reading.error) {
            case FrameRateError::NotANumber:
                throw ValueError("--fps: not a number: " + quoted);
            case FrameRateError::TooLarge:
                throw ValueError("--fps: too large: " + quoted);
            case FrameRateError::TooSmall:
                throw ValueError("--fps: too small: " + quoted);
            case FrameRateError::NotPositive:
                break;
            }
            throw ValueError("--fps: not a positive number: " + quoted);
        }
        exact.encoding.frameRate = reading.rate;
    }
    return exact;
}

std::string UnitMixWarning(const Exact& exact, std::string_view option, std::string_view text) {
    const NumberResult number = FieldToNumber(text, kSeparators);
    if (!number.ok())
        return {};
    const std::optional<double> meant = LikelyMeant(number.value, exact.unit);
    if (!meant)
        return {};
    const std::string start = std::string(option) + ": " + std::string(text) + ": did you mean ";
    if (exact.bits())
        return start + NumberToText(*meant) + "? With --bps rates are in bits a second";
    return start + NumberToText(std::floor(*meant)) + "? Without --bps rates are in " +
           std::string(exact.unitName) + " of 1024 bits; give --bps for bits a second";
}

WavRate ReadWav(const Arguments& args) {
    if (!args.has("wav") || args.get("wav") == "48")
        return WavRate::Rate48kHz;
    if (args.get("wav") == "44.1")
        return WavRate::Rate44kHz;
    throw UsageError("--wav takes 48 or 44.1, not \"" + std::string(args.get("wav")) + "\"");
}

std::string DefaultFrameRateText() { return NumberToText(kDefaultFrameRate); }

std::string DefaultAudioCodecText() { return std::string(NameOf(kDefaultAudioCodec)); }

}  // namespace tessaly::cli
