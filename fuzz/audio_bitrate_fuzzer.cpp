// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs the audio bitrate calculation on arbitrary length, AVI size and desired size texts with
// each state of the WAV options.
#include <cstdint>

#include "core/audio_bitrate.h"
#include "fuzz/check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tessaly;
    const fuzz::FieldInput<3> in(data, size);
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    constexpr std::optional<WavRate> kWav[] = {std::nullopt, WavRate::Rate48kHz, WavRate::Rate44kHz};
    const std::optional<WavRate> wav = kWav[in.choice(3)];
    const auto outcome = CalcAudioBitrate(in.fields[0], in.fields[1], in.fields[2], wav, in.separators());

    fuzz::CheckFrame(outcome.bitrateText.has_value(), outcome, CalcFailure::DivisionByZero, input);
    TESSALY_CHECK(outcome.bitrateText.has_value() == outcome.suggestionText.has_value(), input,
                  "bitrate without suggestion");
    if (outcome.bitrateText) {
        fuzz::CheckOutput(*outcome.bitrateText, in.separators(), input);
        TESSALY_CHECK(*outcome.suggestionText == SuggestionText(SuggestedBitrate(outcome.working.bitrate)),
                      input, "suggestion for another bitrate");
    }
    return 0;
}
