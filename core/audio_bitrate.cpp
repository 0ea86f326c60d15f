#include "core/audio_bitrate.h"

#include <array>

#include "core/hd_space.h"

namespace tessaly {

namespace {
constexpr Message kMessage{"Pleast enter a positive number.", "You must enter a number."};
constexpr std::array<int, 10> kSteps{64, 96, 112, 128, 160, 192, 224, 256, 320, 384};
}  // namespace

std::string SuggestedBitrate(double bitrate) {
    for (auto step = kSteps.rbegin(); step != kSteps.rend(); ++step) {
        if (bitrate >= *step)
            return std::to_string(*step);
    }
    return "too low";
}

AudioBitrateOutcome CalcAudioBitrate(std::string_view length, std::string_view aviSize,
                                     std::string_view desiredSize, WavAudio wav,
                                     const Separators& separators) {
    Steps s(separators);
    const double seconds = s.mul(s.number(length), 60);
    double rate = 0;  // no WAV audio in the AVI
    if (wav == WavAudio::Rate48kHz)
        rate = kWav48kHzRate;
    if (wav == WavAudio::Rate44kHz)
        rate = kWav44kHzRate;
    const double wavSize = s.div(s.mul(seconds, rate), 1024);
    const double videoSize = s.sub(s.number(aviSize), wavSize);
    const double room = s.sub(s.number(desiredSize), videoSize);
    const double bitrate = s.round(s.div(s.mul(s.mul(room, 8), 1024), seconds), 0);

    AudioBitrateOutcome outcome;
    outcome.failure = s.failure();
    outcome.message = MessageFor(s.failure(), CalcFailure::DivisionByZero, kMessage);
    if (!s.failed()) {
        outcome.bitrate = bitrate;
        outcome.bitrateText = NumberToText(bitrate, separators.decimal);
        outcome.suggestionText = SuggestedBitrate(bitrate);
    }
    return outcome;
}

}  // namespace tessaly
