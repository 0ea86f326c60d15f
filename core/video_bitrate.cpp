#include "core/video_bitrate.h"

namespace tessaly {

namespace {
constexpr Message kMessage{"Pleast enter a positive number.", "You must enter a number."};
}

VideoBitrateOutcome CalcVideoBitrate(std::string_view length, std::string_view audioBitrate,
                                     std::string_view size, const Separators& separators) {
    Steps s(separators);
    const double seconds = s.mul(s.number(length), 60);
    const double audioData = s.round(s.div(s.mul(s.div(s.number(audioBitrate), 8), seconds), 1024), 0);
    const double videoData = s.sub(s.number(size), audioData);
    const double videoBitrate = s.round(s.div(s.mul(s.mul(videoData, 1024), 8), seconds), 0);

    VideoBitrateOutcome outcome;
    outcome.failure = s.failure();
    outcome.message = MessageFor(s.failure(), CalcFailure::DivisionByZero, kMessage);
    if (!s.failed()) {
        outcome.videoBitrate = videoBitrate;
        outcome.audioData = audioData;
        outcome.videoData = videoData;
        outcome.texts = VideoBitrateTexts{NumberToText(videoBitrate, separators.decimal),
                                          NumberToText(audioData, separators.decimal),
                                          NumberToText(videoData, separators.decimal)};
    }
    return outcome;
}

}  // namespace tessaly
