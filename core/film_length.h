// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading a film's length as people write it: minutes, a running time on a clock, or a
// number with its unit, for the calculators, which take minutes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/numbers.h"

namespace tessaly {

// Why a text with a colon is no running time. The caller words it, showing the forms taken.
enum class LengthError {
    // Not H:MM:SS or M:SS with digits only: "1::00", ":30", "1:5", "1:2:3:4", "1:00s", "-1:00".
    MalformedTime,
    // Minutes or seconds after a colon of 60 or more: "1:60:00", "92:60".
    TimePartTooLarge,
};

struct FilmLength {
    double minutes = 0;
    std::optional<LengthError> error;
    // Why the number of a length in minutes, or before its unit, cannot be read, as
    // FieldToNumber says it.
    std::optional<CalcFailure> failure;
    // What to hand a calculator: a length in minutes as typed, so that it reads and words it
    // as ever; any other length as its minutes written by RoundTripText, so that the
    // calculator reads exactly `minutes`; a text that is no length as typed.
    std::string fieldText;

    bool ok() const { return !error && !failure; }
};

// Reads a length; blanks around it are ignored. The forms, with '.' and ',':
//   minutes, any number FieldToNumber reads: "100", "92.5", "1,024", "-5" (the calculators
//     say what a negative or zero length gives)
//   H:MM:SS and M:SS, the first part any count of digits, the others two digits below 60,
//     the seconds with decimals if need be: "1:40:00" -> 100, "92:10" -> 92.1666...,
//     "0:45" -> 0.75, "1:32:10.5" -> 92.175, "100:00" -> 100
//   a number and its unit, "s", "min" or "h", with or without a blank between:
//     "5530s" -> 92.1666..., "5530 s", "100 min" -> 100, "1.5h" -> 90
// A time is worked out in seconds first, so "1:32:10.5" and "5530.5s" give the same double.
//   "abc", "12a", "", "xs" -> NotANumber (as typed); "1e999s" -> Overflow
//   "1:60:00" -> TimePartTooLarge; "1::00", "1:5", "1:00:00.", "+1:00" -> MalformedTime
FilmLength ReadFilmLength(std::string_view text, const Separators& separators);

}  // namespace tessaly
