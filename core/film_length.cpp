// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/film_length.h"

#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

namespace tessaly {

namespace {

// A unit's minutes are its number times or divided by its factor; seconds are divided, never
// multiplied by a rounded 1/60, so that 6000 s is exactly 100 minutes.
struct LengthUnit {
    std::string_view name;
    double factor;
    bool divides;
};

constexpr std::array<LengthUnit, 3> kUnits{{{"min", 1, false}, {"s", 60, true}, {"h", 60, false}}};

bool AllDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// Digits read as a double; none when they lie beyond its range.
std::optional<double> DigitsValue(std::string_view digits) {
    double value = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec != std::errc())
        return std::nullopt;
    return value;
}

FilmLength Failed(std::string_view text, std::optional<LengthError> error,
                  std::optional<CalcFailure> failure = std::nullopt) {
    FilmLength length;
    length.error = error;
    length.failure = failure;
    length.fieldText = std::string(text);
    return length;
}

FilmLength Minutes(double minutes, const Separators& separators, std::string_view text) {
    if (!std::isfinite(minutes))
        return Failed(text, std::nullopt, CalcFailure::Overflow);
    FilmLength length;
    length.minutes = minutes;
    length.fieldText = RoundTripText(minutes, separators.decimal);
    return length;
}

// H:MM:SS or M:SS, in `time` without blanks around it.
FilmLength ReadClock(std::string_view time, const Separators& separators, std::string_view text) {
    std::array<std::string_view, 3> parts;
    std::size_t count = 0;
    for (std::size_t start = 0;; ++count) {
        const auto colon = time.find(':', start);
        if (count == parts.size())
            return Failed(text, LengthError::MalformedTime);
        parts[count] = time.substr(start, colon - start);
        if (colon == std::string_view::npos)
            break;
        start = colon + 1;
    }
    ++count;
    std::string_view& last = parts[count - 1];
    std::string_view fraction;
    if (const auto point = last.find(separators.decimal); point != std::string_view::npos) {
        fraction = last.substr(point + separators.decimal.size());
        last = last.substr(0, point);
        if (!AllDigits(fraction))
            return Failed(text, LengthError::MalformedTime);
    }
    if (count < 2 || !AllDigits(parts[0]))
        return Failed(text, LengthError::MalformedTime);
    for (std::size_t i = 1; i < count; ++i) {
        if (parts[i].size() != 2 || !AllDigits(parts[i]))
            return Failed(text, LengthError::MalformedTime);
    }
    double seconds = 0;
    for (std::size_t i = 1; i < count; ++i) {
        const int part = (parts[i][0] - '0') * 10 + (parts[i][1] - '0');
        if (part >= 60)
            return Failed(text, LengthError::TimePartTooLarge);
        seconds = seconds * 60 + part;
    }
    const std::optional<double> first = DigitsValue(parts[0]);
    if (!first)
        return Failed(text, std::nullopt, CalcFailure::Overflow);
    seconds += *first * (count == 3 ? 3600 : 60);
    if (!fraction.empty() && std::isfinite(seconds)) {
        // The whole seconds are exact while below 2^53; reading them with their decimals as
        // one number rounds once, as "5530.5s" does.
        std::array<char, 400> buffer;
        char* end =
            std::to_chars(buffer.data(), buffer.data() + buffer.size(), seconds, std::chars_format::fixed)
                .ptr;
        std::string exact(buffer.data(), end);
        exact.append(".").append(fraction);
        seconds = DigitsValue(exact).value_or(seconds);
    }
    return Minutes(seconds / 60, separators, text);
}

}  // namespace

FilmLength ReadFilmLength(std::string_view text, const Separators& separators) {
    const std::string_view trimmed = Trimmed(text);
    if (trimmed.find(':') != std::string_view::npos)
        return ReadClock(trimmed, separators, text);

    for (const LengthUnit& unit : kUnits) {
        if (trimmed.size() <= unit.name.size() || !trimmed.ends_with(unit.name))
            continue;
        const NumberResult number =
            FieldToNumber(trimmed.substr(0, trimmed.size() - unit.name.size()), separators);
        if (!number.ok())
            return Failed(text, std::nullopt, number.failure);
        const double minutes = unit.divides ? number.value / unit.factor : number.value * unit.factor;
        return Minutes(minutes, separators, text);
    }

    const NumberResult number = FieldToNumber(text, separators);
    FilmLength length = Failed(text, std::nullopt, number.failure);
    length.minutes = number.value;
    return length;
}

}  // namespace tessaly
