// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/results/working.h"

#include <QCoreApplication>

#include "core/numbers.h"
#include "core/units.h"

namespace tessaly::ui {

QString WorkingTr(const char* text) { return QCoreApplication::translate("Working", text); }

QString Lines::n(double x) const { return FromUtf8(NumberToText(x, decimal_)); }

QString Lines::a(double x) const { return FromUtf8(ApproximateText(x, 2, decimal_)); }

QString Lines::rounded(double exact, double roundedValue, std::string_view unit) const {
    QString text = QStringLiteral("= %1 %2").arg(a(exact), UnitText(unit));
    if (n(exact) != n(roundedValue))
        text += WorkingTr(", rounded to %1 %2").arg(n(roundedValue), UnitText(unit));
    return text;
}

QString StopText(StopReason reason, const QString& field) {
    switch (reason) {
    case StopReason::Empty:
    case StopReason::NotANumber:
        return WorkingTr("\u201c%1\u201d holds no number, so the calculation stops there.").arg(field);
    case StopReason::TooLarge:
        return WorkingTr(
                   "\u201c%1\u201d holds a number too large to calculate with, so the calculation stops "
                   "there.")
            .arg(field);
    case StopReason::TooSmall:
        return WorkingTr(
                   "\u201c%1\u201d holds a number too close to 0 to calculate with, so the calculation "
                   "stops there.")
            .arg(field);
    case StopReason::Zero:
        return WorkingTr("\u201c%1\u201d is 0, and no bitrate fills a size in no time (a division by zero).")
            .arg(field);
    case StopReason::ZeroByZero:
        break;
    }
    return WorkingTr("\u201c%1\u201d is 0, and so is what would be shared over it (0 \u00f7 0).").arg(field);
}

QString NegativeText(NegativeCause cause, const QString& field, const Lines& lines, double part,
                     double whole) {
    const QString mb = UnitText(kMegabytes);
    switch (cause) {
    case NegativeCause::Typed:
        return WorkingTr(
                   "\u201c%1\u201d holds a negative number, so the figures are not those of a real film.")
            .arg(field);
    case NegativeCause::AudioExceedsSize:
        return WorkingTr(
                   "The audio alone (%1 %3) needs more than the desired size (%2 %3), so the video share "
                   "and the video bitrate are negative: no video fits.")
            .arg(lines.n(part), lines.n(whole), mb);
    case NegativeCause::AviSmallerThanWav:
        return WorkingTr(
                   "The AVI (%1 %3) is smaller than the WAV audio it is said to hold (%2 %3), so its "
                   "video share is negative and the audio bitrate comes out too high.")
            .arg(lines.n(whole), lines.a(part), mb);
    case NegativeCause::VideoExceedsSize:
        break;
    }
    return WorkingTr(
               "The video alone (%1 %3) needs more than the desired size (%2 %3), so no room is left for "
               "audio and the audio bitrate is negative.")
        .arg(lines.a(part), lines.n(whole), mb);
}

QString UnitNote(const Lines& lines) {
    return WorkingTr(
               "1 %2 = 1024 kB = 8192 kbit here; encoders that read k as 1000 give a file about %1 % "
               "smaller.")
        .arg(lines.n(RoundHalfEven(EncoderKiloShortfallPercent(), 1)), UnitText(kMegabytes));
}

}  // namespace tessaly::ui
