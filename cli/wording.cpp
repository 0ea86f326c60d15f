// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/wording.h"

namespace tessaly::cli {

std::string Quoted(std::string_view text) {
    // Appended, not added up: GCC 12 at -O3 takes "\"" + std::string(...) for an overlapping copy.
    std::string quoted;
    quoted.reserve(text.size() + 2);
    quoted.append(1, '"').append(text).append(1, '"');
    return quoted;
}

std::string StopWords(StopReason reason, const std::string& name, std::string_view text) {
    const std::string quoted = Quoted(text);
    switch (reason) {
    case StopReason::Empty:
        return name + ": empty";
    case StopReason::NotANumber:
        return name + ": not a number: " + quoted;
    case StopReason::TooLarge:
        return name + ": too large: " + quoted;
    case StopReason::TooSmall:
        return name + ": too small: " + quoted;
    case StopReason::Zero:
    case StopReason::ZeroByZero:
        break;
    }
    return name + ": must not be zero";
}

std::string NegativeWords(NegativeCause cause, const std::string& name, bool container) {
    switch (cause) {
    case NegativeCause::Typed:
        return name + " is negative, so the results are not those of a real film";
    case NegativeCause::AudioExceedsSize:
        return container ? "the audio and the container's own bytes need more than the desired size, "
                           "so the video's share is negative"
                         : "the audio alone needs more than the desired size, so the video's share is "
                           "negative";
    case NegativeCause::AviSmallerThanWav:
        return "the AVI is smaller than the WAV audio it is said to hold, so its video share is "
               "negative and the audio bitrate too high";
    case NegativeCause::VideoExceedsSize:
        break;
    }
    return container ? "the video in the AVI and the container's own bytes need more than the desired "
                       "size, so no audio fits"
                     : "the video in the AVI alone needs more than the desired size, so no audio fits";
}

}  // namespace tessaly::cli
