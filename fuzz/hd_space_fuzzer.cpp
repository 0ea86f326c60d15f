// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs the HD space calculation on arbitrary length, video bitrate and combo texts with each
// of the audio options: WAV at 48 or 44.1 kHz, or the combo's bitrate.
#include <cstdint>

#include "core/hd_space.h"
#include "fuzz/check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tessaly;
    const fuzz::FieldInput<3> in(data, size);
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    constexpr std::optional<WavRate> kAudio[] = {WavRate::Rate48kHz, WavRate::Rate44kHz, std::nullopt};
    const auto outcome =
        CalcHDSpace(in.fields[0], in.fields[1], kAudio[in.choice(3)], in.fields[2], in.separators());

    fuzz::CheckFrame(outcome.text.has_value(), outcome, CalcFailure::DivisionByZero, input);
    // It divides by constants only, so the message it is armed with can never show.
    TESSALY_CHECK(outcome.failure != CalcFailure::DivisionByZero, input, "division by a constant zero");
    if (outcome.text)
        fuzz::CheckOutput(*outcome.text, in.separators(), input);
    return 0;
}
