// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The right half of the "Audio and HD Space" tab: the audio bitrate still affordable once
// the encoded AVI exists and its real size is known.
#pragma once

#include <QObject>

#include "core/audio_bitrate.h"
#include "core/numbers.h"
#include "ui/results/working.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace tessaly::ui {

class Results;

class AudioBitrateSection : public QObject {
    Q_OBJECT

public:
    // Builds the section's controls on `canvas`, placed from the tab control's corner.
    AudioBitrateSection(QWidget* canvas, const Separators& separators);

    // The window's start-up step for this section.
    void loadDefaults();

    QWidget* firstInTabOrder() const;

private:
    void chooseWav();
    void chooseNoWav();
    void recalculate();

    const Separators separators_;
    QLineEdit* length_;
    QLineEdit* aviSize_;
    QLineEdit* desiredSize_;
    QLineEdit* bitrate_;
    QLineEdit* suggestion_;
    QRadioButton* wav_;
    QRadioButton* noWav_;
    QRadioButton* wav48kHz_;
    QRadioButton* wav44kHz_;
    QButtonGroup* rateGroup_;
    Results* results_;
    FieldCaptions<AudioBitrateField> captions_;
    RunRecord<AudioBitrateOutcome> runs_;
};

}  // namespace tessaly::ui
