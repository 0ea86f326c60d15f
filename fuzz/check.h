// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What every fuzz target shares: a check that aborts loudly (so libFuzzer and the replay
// runner both record the input), and the two separator settings users actually have.
#pragma once

#include <array>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "core/calculation.h"

namespace tessaly::fuzz {

[[noreturn]] inline void Fail(const char* what, std::string_view input, const std::string& detail = {}) {
    std::fprintf(stderr, "fuzz check failed: %s\n  input (%zu bytes): \"", what, input.size());
    for (const char byte : input) {
        const auto c = static_cast<unsigned char>(byte);
        if (c >= 0x20 && c < 0x7f && c != '"' && c != '\\')
            std::fputc(c, stderr);
        else
            std::fprintf(stderr, "\\x%02x", c);
    }
    std::fprintf(stderr, "\"\n  %s\n", detail.c_str());
    std::abort();
}

#define TESSALY_CHECK(condition, input, detail)               \
    do {                                                      \
        if (!(condition))                                     \
            ::tessaly::fuzz::Fail(#condition, input, detail); \
    } while (false)

// An English-style locale, a German-style one, and a French-style one whose thousands
// separator is the two-byte no-break space.
inline const std::array<Separators, 3>& SeparatorSettings() {
    static const std::array<Separators, 3> settings{Separators{".", ","}, Separators{",", "."},
                                                    Separators{",", "\xc2\xa0"}};
    return settings;
}

// Splits the fuzzer's bytes into a leading byte of settings and the field texts, one a line.
// Fields that the bytes run out before stay empty, like an empty text box.
template <std::size_t N>
struct FieldInput {
    unsigned char settings = 0;
    std::array<std::string_view, N> fields{};

    FieldInput(const unsigned char* data, std::size_t size) {
        if (size == 0)
            return;
        settings = data[0];
        std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
        for (std::size_t i = 0; i < N && !rest.empty(); ++i) {
            const auto newline = rest.find('\n');
            if (i + 1 == N || newline == std::string_view::npos) {
                fields[i] = rest;  // the last field takes the rest, newlines included
                break;
            }
            fields[i] = rest.substr(0, newline);
            rest.remove_prefix(newline + 1);
        }
    }

    const Separators& separators() const { return SeparatorSettings()[settings % 3]; }
    // A second choice taken from the same byte, such as an option or a list position.
    int choice(int count) const { return settings / 3 % count; }
};

// The calculation frame's promise: a run either completes with its outputs, or ends with one
// of the three failures and names the field to blame, and shows its message exactly for the
// failure it reports. Only a completed run explains a negative figure.
template <typename Field>
void CheckFrame(bool completed, const Verdict<Field>& verdict, CalcFailure reported, std::string_view input) {
    const std::optional<CalcFailure> failure = verdict.failure;
    const bool messageShown = verdict.message.has_value();
    TESSALY_CHECK(completed != failure.has_value(), input, "outputs and failure disagree");
    TESSALY_CHECK(verdict.stop.has_value() == failure.has_value(), input, "a failure that blames no field");
    TESSALY_CHECK(!verdict.negative || completed, input, "a negative figure explained for a failed run");
    TESSALY_CHECK(!failure || failure == CalcFailure::Overflow || failure == CalcFailure::DivisionByZero ||
                      failure == CalcFailure::NotANumber,
                  input, "unknown failure");
    TESSALY_CHECK(messageShown == (failure == reported), input, "message for the wrong failure");
}

// An output must read back as a number: a user copies results into other fields.
inline void CheckOutput(const std::string& text, const Separators& separators, std::string_view input) {
    const auto back = FieldToNumber(text, separators);
    TESSALY_CHECK(back.failure != CalcFailure::NotANumber, input, "output \"" + text + "\" is no number");
}

}  // namespace tessaly::fuzz
