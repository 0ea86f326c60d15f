// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The shared frame of how each figure on screen was reached, for the results' tooltips and
// screen readers: the lines, the words for a run that stopped or went negative, and the record
// of the runs. Each section writes its own calculation's steps into it.
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QWidget>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/calculation.h"
#include "ui/widgets/text.h"

namespace tessaly::ui {

// The latest run of a section's calculation and the last one that completed, whose figures
// the section's results show: a failed run leaves them standing.
template <typename Outcome>
struct RunRecord {
    std::optional<Outcome> latest;
    std::optional<Outcome> shown;

    void record(const Outcome& outcome) {
        latest = outcome;
        if (outcome.completed())
            shown = outcome;
    }
};

// The caption the section shows for each of its calculator's fields.
template <typename Field>
using FieldCaptions = std::function<QString(Field)>;

// The captions of the widgets shown for each field (a label or an option button), as a
// sentence quotes them.
template <typename Field>
FieldCaptions<Field> CaptionsOf(std::initializer_list<std::pair<Field, const QWidget*>> shown) {
    return [pairs = std::vector(shown)](Field field) {
        for (const auto& [f, widget] : pairs) {
            if (f == field)
                return CaptionText(widget->property("text").toString());
        }
        return QString();
    };
}

// A text of the working, translated in its own context.
QString WorkingTr(const char* text);

// A unit the results are written in, as the working writes it after a figure.
inline QString UnitText(std::string_view unit) { return FromUtf8(unit); }

// Writes the recorded values with the window's decimal separator and collects the lines.
class Lines {
public:
    explicit Lines(const QString& decimal) : decimal_(Utf8(decimal)) {}

    // A value as the results show it.
    QString n(double x) const;
    // A value that a later step rounds, cut short to two decimals.
    QString a(double x) const;
    // "= exact unit", and ", rounded to rounded unit" where the rounding changed what is shown.
    QString rounded(double exact, double roundedValue, std::string_view unit) const;

    Lines& operator<<(const QString& line) {
        lines_ << line;
        return *this;
    }
    QString text() const { return lines_.join(QLatin1Char('\n')); }

private:
    std::string decimal_;
    QStringList lines_;
};

// Why the latest run stopped, in the words of the field to blame.
QString StopText(StopReason reason, const QString& field);

// Why a figure of a completed run is negative, with the part and the whole the core names.
QString NegativeText(NegativeCause cause, const QString& field, const Lines& lines, double part,
                     double whole);

template <typename Field>
QString NegativeText(const Negative<Field>& negative, const FieldCaptions<Field>& captions,
                     const Lines& lines) {
    return NegativeText(negative.cause, negative.field ? captions(*negative.field) : QString(), lines,
                        negative.part, negative.whole);
}

// What the window's kbit/s and MB mean, and how much smaller an encoder that reads k as 1000
// makes the file.
QString UnitNote(const Lines& lines);

// One step per line, each term with its unit and each rounding, numbers written with
// `decimal`, then why a figure is negative, where one is: `write` puts a run's steps into the
// lines. When the latest run failed, the text first says which field stopped it and how, then
// that the figures come from the last complete run, or that there is none yet.
template <typename Outcome, typename Field>
QString WorkingText(const RunRecord<Outcome>& runs, const FieldCaptions<Field>& captions,
                    const QString& decimal,
                    void (*write)(Lines&, const Outcome&, const FieldCaptions<Field>&)) {
    const auto& latest = runs.latest;
    Lines lines(decimal);
    if (latest && latest->completed()) {
        write(lines, *latest, captions);
        return lines.text();
    }
    if (latest && latest->stop)
        lines << StopText(latest->stop->reason, captions(latest->stop->field));
    if (runs.shown) {
        lines << WorkingTr("The figures shown come from the last complete calculation:");
        write(lines, *runs.shown, captions);
    } else {
        lines << WorkingTr("Nothing has been calculated yet.");
    }
    return lines.text();
}

}  // namespace tessaly::ui
