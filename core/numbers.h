// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The numeric rules every calculator shares: reading a field's text as a number, rounding, and
// writing a number as text.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tessaly {

// Why a calculation step failed. The numbers are the ones the calculators test for.
enum class CalcFailure {
    // A result lies outside the range of a double, or zero was divided by zero.
    Overflow = 6,
    // A number other than zero was divided by zero.
    DivisionByZero = 11,
    // A field's text cannot be read as a number; an empty or blank text included.
    NotANumber = 13,
};

// The user's decimal and thousands separators, as UTF-8 text (a locale may use more than one
// byte, such as a no-break space for grouping). The window asks its locale once and passes them in.
struct Separators {
    std::string decimal = ".";
    std::string thousands = ",";
};

// A field's number, or the reason it has none.
struct NumberResult {
    double value = 0;
    std::optional<CalcFailure> failure;
    // The text names a number other than 0 that lies below the smallest double, so it reads as 0.
    bool underflowed = false;

    bool ok() const { return !failure; }
};

// Reads a field's text. Blanks around the text are ignored; the rest must be an optional sign,
// digits (grouped in threes by the thousands separator, if at all), an optional decimal
// separator with digits, and an optional exponent. With '.' and ',':
//   " 12 " -> 12, "1e3" -> 1000, ".5" -> 0.5, "5." -> 5, "1,024" -> 1024, "-0" -> -0
//   "", "  ", "12a", "1e", "-", ".", "1,5", "1,0000" -> NotANumber
//   "1e999" -> Overflow, "1e-999" -> 0 (the nearest double, marked as underflowed)
NumberResult FieldToNumber(std::string_view text, const Separators& separators);

// Rounds x to `places` decimals with exact halves going to the even neighbour:
//   (2.5, 0) -> 2, (3.5, 0) -> 4, (-2.5, 0) -> -2, (0.25, 1) -> 0.2, (0.35, 1) -> 0.4
// The halves are those of x * 10^places as a double, so 0.35 (just below 0.35) still gives 0.4.
double RoundHalfEven(double x, int places);

// Writes x with at most 15 significant digits, plain when its decimal exponent lies in
// -4..14 and in exponent form otherwise:
//   827 -> "827", 683.5 -> "683.5", 0.0001 -> "0.0001", 0.00001 -> "1E-05",
//   1e15 -> "1E+15", 2^53 -> "9.00719925474099E+15", 1/3 -> "0.333333333333333", -0.0 -> "0"
std::string NumberToText(double x, std::string_view decimal = ".");

// Writes a finite x in the fewest digits that FieldToNumber reads back as exactly x, never
// grouped, for handing a value worked out from another form to a calculator that reads texts:
//   100 -> "100", 5530.0 / 60 -> "92.16666666666667", 1e21 -> "1e+21", -0.0 -> "-0"
//   (92.5, ",") -> "92,5"
std::string RoundTripText(double x, std::string_view decimal = ".");

// Writes x as NumberToText does when it has at most `places` decimals, and otherwise rounded
// to `places` decimals and marked with an ellipsis, for showing a value that a later step rounds:
//   (93.75, 2) -> "93.75", (827.387733, 2) -> "827.39…", (1e-7, 2) -> "1E-07", (0.999, 2) -> "1…"
std::string ApproximateText(double x, int places, std::string_view decimal = ".");

// `text` without its leading and trailing blanks, as a length, a size or a margin is read:
//   "  92:10 " -> "92:10", "   " -> ""
std::string_view Trimmed(std::string_view text);

}  // namespace tessaly
