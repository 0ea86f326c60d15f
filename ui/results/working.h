// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How each figure on screen was reached, written out step by step from the values the
// calculation recorded, for the results' tooltips and screen readers.
#pragma once

#include <QString>
#include <QVariant>
#include <QWidget>
#include <cstddef>
#include <functional>
#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

#include "core/audio_bitrate.h"
#include "core/data_units.h"
#include "core/hd_space.h"
#include "core/video_bitrate.h"
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

// One step per line, each term with its unit and each rounding, numbers written with
// `decimal`, then why a figure is negative, where one is. When the latest run failed, the
// text first says which field stopped it and how, then that the figures come from the last
// complete run, or that there is none yet.
QString WorkingText(const RunRecord<VideoBitrateOutcome>& runs,
                    const FieldCaptions<VideoBitrateField>& captions, const QString& decimal);
QString WorkingText(const RunRecord<HdSpaceOutcome>& runs, const FieldCaptions<HdSpaceField>& captions,
                    const QString& decimal);
QString WorkingText(const RunRecord<AudioBitrateOutcome>& runs,
                    const FieldCaptions<AudioBitrateField>& captions, const QString& decimal);

// How the converter's box `box` (bits first) got its figure in the latest conversion, if any.
QString ConversionWorking(const std::optional<Conversion>& latest, std::size_t box, const QString& decimal);

}  // namespace tessaly::ui
