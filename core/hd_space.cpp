#include "core/hd_space.h"

namespace tessaly {

namespace {
constexpr Message kMessage{"Pleast enter a positive number.", "You must enter a number."};
}

HdSpaceOutcome CalcHDSpace(std::string_view length, std::string_view videoBitrate, HdAudio audio,
                           std::string_view otherBitrate, const Separators& separators) {
    Steps s(separators);
    const double seconds = s.mul(s.number(length), 60);
    double audioRate = 0;  // no option selected: no audio
    if (audio == HdAudio::Wav48kHz)
        audioRate = kWav48kHzRate;
    if (audio == HdAudio::Wav44kHz)
        audioRate = kWav44kHzRate;
    if (audio == HdAudio::OtherBitrate)
        audioRate = s.div(s.number(otherBitrate), 8);
    const double videoSize = s.round(s.div(s.div(s.mul(seconds, s.number(videoBitrate)), 8), 1024), 1);
    const double audioSize = s.round(s.div(s.mul(seconds, audioRate), 1024), 1);
    const double spaceRequired = s.round(s.add(videoSize, audioSize), 0);

    HdSpaceOutcome outcome;
    outcome.failure = s.failure();
    outcome.message = MessageFor(s.failure(), CalcFailure::DivisionByZero, kMessage);
    if (!s.failed()) {
        outcome.spaceRequired = spaceRequired;
        outcome.text = NumberToText(spaceRequired, separators.decimal);
    }
    return outcome;
}

}  // namespace tessaly
