// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The calculation frame every calculator runs in: checked double arithmetic that stops at the
// first failing step, and the verdict on how a run ended, which the window and the command
// line only put into words.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "core/numbers.h"

namespace tessaly {

// The message a calculator shows when its own kind of failure ends it.
// An empty title means the application's title.
struct Message {
    std::string_view prompt;
    std::string_view title;
};

// What the bitrate and space calculators show for a division by zero. "Pleast" is the program's
// own spelling, kept as its users have always seen it.
inline constexpr Message kPositiveNumberMessage{"Pleast enter a positive number.",
                                                "You must enter a number."};

// Why a run stopped without a result, and which field is to blame.
enum class StopReason {
    // The field is empty or only blanks.
    Empty,
    // The field's text is not a number.
    NotANumber,
    // The field's number is beyond a double's range, or so large that a step of the
    // calculation is.
    TooLarge,
    // The field's number is so close to 0 that dividing by it goes beyond a double's range
    // ("1e-320"), or it reads as 0 only because it lies below the smallest double ("1e-400").
    TooSmall,
    // The field is 0 and there is something to share over it: a division by zero.
    Zero,
    // The field is 0 and so is what would be shared over it: 0 / 0.
    ZeroByZero,
};

template <typename Field>
struct Stop {
    StopReason reason;
    Field field;
    // Which of the field's texts, for a field given more than once: 1 for a second audio track.
    std::size_t item = 0;
};

// Why a completed run shows, or worked with, a negative figure.
enum class NegativeCause {
    // A negative number was typed into the field.
    Typed,
    // The audio alone needs more than the desired size: the video share is negative.
    AudioExceedsSize,
    // The AVI is smaller than the WAV audio it holds: its video share is negative.
    AviSmallerThanWav,
    // The video alone needs more than the desired size: there is no room for audio.
    VideoExceedsSize,
};

template <typename Field>
struct Negative {
    NegativeCause cause;
    std::optional<Field> field;  // only for Typed
    // For the other causes: the part that needs more than the whole it is taken from, in MB
    // (the audio and the desired size; the WAV audio and the AVI; the video and the desired size).
    double part = 0;
    double whole = 0;
    bool container = false;  // the part holds the container's own bytes too
    std::size_t item = 0;    // for Typed: which of the field's texts, as for a Stop
};

// How a run ended. A calculator's outcome carries it beside its figures.
template <typename Field>
struct Verdict {
    // The kind of the failing step; none when the run completed.
    std::optional<CalcFailure> failure;
    // The calculator's message box, shown only for the kind of failure it reports.
    std::optional<Message> message;
    // Which field stopped the run, and how; none when the run completed.
    std::optional<Stop<Field>> stop;
    // For a completed run, why a figure is negative; none when nothing is.
    std::optional<Negative<Field>> negative;

    bool completed() const { return !failure; }
};

// Checked double arithmetic for one run of a calculation. The first failing step is remembered
// and every later step does nothing and gives 0, so a calculation reads as the plain list of its
// statements and still stops at its first failure; it looks at failed() before each output it
// writes. Steps that read no field, such as the container's bytes, take it as it is.
class Arithmetic {
public:
    double add(double a, double b) { return checked(a + b); }
    double sub(double a, double b) { return checked(a - b); }
    double mul(double a, double b) { return checked(a * b); }

    // x / 0 fails with DivisionByZero, 0 / 0 with Overflow.
    double div(double a, double b) {
        if (failed())
            return 0;
        if (b == 0)
            return fail(a == 0 ? CalcFailure::Overflow : CalcFailure::DivisionByZero);
        return checked(a / b);
    }

    double round(double x, int places) { return failed() ? 0 : RoundHalfEven(x, places); }

    bool failed() const { return failure_.has_value(); }
    std::optional<CalcFailure> failure() const { return failure_; }

protected:
    double fail(CalcFailure failure) {
        if (!failed())
            failure_ = failure;
        return 0;
    }

private:
    double checked(double result) {
        if (failed())
            return 0;
        return std::isfinite(result) ? result : fail(CalcFailure::Overflow);
    }

    std::optional<CalcFailure> failure_ = std::nullopt;
};

// A share of a completed run that may come out negative, with the cause it then has, and the part
// and the whole (in MB) the share is the difference of: for audio that needs more than the
// desired size, the video's share, the audio and the size.
struct NegativeShare {
    NegativeCause cause;
    double share;  // negative when the cause holds
    double part;
    double whole;
    bool container = false;  // the part holds the container's own bytes too
};

// The arithmetic of one run of a calculator whose fields are named by `Field`, an enum whose
// last enumerator, Count, is the number of fields: a field is named at compile time, so a field
// beyond Count cannot be read, and every field read is remembered in the order it was read, for
// blaming it.
template <typename Field>
class Calculation : public Arithmetic {
public:
    explicit Calculation(const Separators& separators) : Arithmetic(), separators_(separators) {}

    // A field's text, converted at the step that first uses it. A field may hold several texts
    // (one for each audio track), told apart by `item`, each blamed as a field of its own.
    template <Field F>
    double number(std::string_view text, std::size_t item = 0) {
        static_assert(F < Field::Count, "a calculator's fields come before its Count");
        if (failed())
            return 0;
        const NumberResult result = FieldToNumber(text, separators_);
        if (!result.ok()) {
            stop_ = Stop<Field>{ReasonFor(*result.failure, text), F, item};
            return fail(*result.failure);
        }
        const Read read{F, result.value, result.underflowed, item};
        if (!find(F))
            read_[count_++] = read;
        else
            more_.push_back(read);
        return result.value;
    }

    // a / b where b comes from the field F alone (the seconds of the film length): a zero
    // there is that field's fault.
    template <Field F>
    double divideBy(double a, double b) {
        static_assert(F < Field::Count, "a calculator's fields come before its Count");
        if (!failed() && b == 0) {
            const bool underflowed = find(F) && find(F)->underflowed;
            stop_ = Stop<Field>{underflowed ? StopReason::TooSmall
                                : a != 0    ? StopReason::Zero
                                            : StopReason::ZeroByZero,
                                F};
        }
        return div(a, b);
    }

    // Ends the run: the failure, the message when the failure is the kind the calculator
    // reports, and the field to blame. A step beyond a double's range is blamed on the field
    // whose number lies furthest from 1 in orders of magnitude, which drove it there.
    void finish(Verdict<Field>& verdict, CalcFailure reported = CalcFailure::DivisionByZero,
                const Message& message = kPositiveNumberMessage) const {
        verdict.stop = stop_;
        if (!failed())
            return;
        const CalcFailure failure = *this->failure();
        verdict.failure = failure;
        if (failure == reported)
            verdict.message = message;
        if (!stop_)
            verdict.stop = culprit();
    }

    // For a completed run, what makes a figure negative: the first field read whose number is
    // negative, or else the first of the calculator's shares that is, with its part and whole.
    void blameNegative(Verdict<Field>& verdict, std::initializer_list<NegativeShare> shares) const {
        if (failed())
            return;
        const bool typed = anyRead([&verdict](const Read& read) {
            if (read.value < 0)
                verdict.negative = Negative<Field>{NegativeCause::Typed, read.field, 0, 0, false, read.item};
            return read.value < 0;
        });
        if (typed)
            return;
        for (const NegativeShare& share : shares) {
            if (share.share < 0) {
                verdict.negative =
                    Negative<Field>{share.cause, std::nullopt, share.part, share.whole, share.container};
                return;
            }
        }
    }

private:
    struct Read {
        Field field{};
        double value = 0;
        bool underflowed = false;
        std::size_t item = 0;
    };

    // Shows `visit` every text read, each field's first in the order the fields were read, then
    // the others, until it returns true; whether it did.
    template <typename Visit>
    bool anyRead(Visit visit) const {
        for (std::size_t i = 0; i < count_; ++i) {
            if (visit(read_[i]))
                return true;
        }
        return std::any_of(more_.begin(), more_.end(), visit);
    }

    static StopReason ReasonFor(CalcFailure failure, std::string_view text) {
        if (failure == CalcFailure::Overflow)
            return StopReason::TooLarge;
        return text.find_first_not_of(' ') == std::string_view::npos ? StopReason::Empty
                                                                     : StopReason::NotANumber;
    }

    const Read* find(Field field) const {
        for (std::size_t i = 0; i < count_; ++i) {
            if (read_[i].field == field)
                return &read_[i];
        }
        return nullptr;
    }

    std::optional<Stop<Field>> culprit() const {
        std::optional<Stop<Field>> blamed;
        double furthest = -1;
        anyRead([&](const Read& read) {
            const double magnitude = std::fabs(read.value);
            if (magnitude > 0 && std::fabs(std::log10(magnitude)) > furthest) {
                furthest = std::fabs(std::log10(magnitude));
                blamed = Stop<Field>{magnitude >= 1 ? StopReason::TooLarge : StopReason::TooSmall, read.field,
                                     read.item};
            }
            return false;
        });
        return blamed;
    }

    const Separators& separators_;
    std::optional<Stop<Field>> stop_;
    std::array<Read, static_cast<std::size_t>(Field::Count)> read_{};
    std::size_t count_ = 0;
    std::vector<Read> more_;  // the further texts of fields read more than once
};

}  // namespace tessaly
