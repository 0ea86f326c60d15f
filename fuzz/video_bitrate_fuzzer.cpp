// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs the video bitrate calculation on arbitrary length, audio bitrate and size texts.
#include <cstdint>

#include "core/video_bitrate.h"
#include "fuzz/check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tessaly;
    const fuzz::FieldInput<3> in(data, size);
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto outcome = CalcVideoBitrate(in.fields[0], in.fields[1], in.fields[2], in.separators());

    fuzz::CheckFrame(outcome.texts.has_value(), outcome, CalcFailure::DivisionByZero, input);
    if (outcome.texts) {
        for (const std::string* text :
             {&outcome.texts->videoBitrate, &outcome.texts->audioData, &outcome.texts->videoData})
            fuzz::CheckOutput(*text, in.separators(), input);
        TESSALY_CHECK(outcome.texts->videoBitrate ==
                          NumberToText(outcome.working.videoBitrate, in.separators().decimal),
                      input, "result and its text disagree");
    }
    return 0;
}
