// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The right half of the "Audio and HD Space" tab: the audio bitrate still affordable once
// the encoded AVI exists and its real size is known.
#pragma once

#include <QObject>

#include "core/audio_bitrate.h"
#include "core/numbers.h"
#include "ui/working.h"

class QButtonGroup;
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
    QLineEdit* text13_;
    QLineEdit* text14_;
    QLineEdit* text15_;
    QLineEdit* text16_;
    QLineEdit* text17_;
    QRadioButton* option4_;
    QRadioButton* option5_;
    QRadioButton* option6_;
    QRadioButton* option7_;
    QButtonGroup* rateGroup_;
    Results* results_;
    RunRecord<AudioBitrateOutcome> runs_;
};

}  // namespace tessaly::ui
