// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How each figure on screen was reached, written out step by step from the values the
// calculation recorded, for the results' tooltips and screen readers.
#pragma once

#include <QString>
#include <cstddef>
#include <optional>

#include "core/audio_bitrate.h"
#include "core/data_units.h"
#include "core/hd_space.h"
#include "core/video_bitrate.h"

namespace tessaly::ui {

// The latest run of a section's calculation and the last one that completed, whose figures
// the section's results show: a failed run leaves them standing.
template <typename Outcome>
struct RunRecord {
    std::optional<Outcome> latest;
    std::optional<Outcome> shown;

    void record(const Outcome& outcome) {
        latest = outcome;
        if (!outcome.failure)
            shown = outcome;
    }
};

// One step per line, each term with its unit and each rounding, numbers written with
// `decimal`. When the latest run failed, the text first says which field or step stopped it
// and then that the figures come from the last complete run, or that there is none yet.
QString VideoBitrateWorking(const RunRecord<VideoBitrateOutcome>& runs, const QString& decimal);
QString HdSpaceWorking(const RunRecord<HdSpaceOutcome>& runs, const QString& decimal);
QString AudioBitrateWorking(const RunRecord<AudioBitrateOutcome>& runs, const QString& decimal);

// How the converter's box `box` (bits first) got its figure in the latest conversion, if any.
QString ConversionWorking(const std::optional<Conversion>& latest, std::size_t box, const QString& decimal);

// The short unit written after a converter box's figure: "bits", "bytes", "kbit", ... "GB".
QString DataUnitSymbol(std::size_t box);

}  // namespace tessaly::ui
