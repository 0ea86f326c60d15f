// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The left half of the "Audio and HD Space" tab: how much disk space the intermediate AVI
// takes, with WAV audio or audio of a chosen bitrate.
#pragma once

#include <QObject>

#include "core/hd_space.h"
#include "core/numbers.h"
#include "ui/results/working.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace tessaly::ui {

class Results;

class HdSpaceSection : public QObject {
    Q_OBJECT

public:
    // Builds the section's controls on `canvas`, placed from the tab control's corner.
    HdSpaceSection(QWidget* canvas, const Separators& separators);

    // The window's start-up steps for this section.
    void disableCombo();
    void loadDefaults();
    void loadComboItems();

    // The end of the section's keyboard order, for joining it to the next section.
    QWidget* lastInTabOrder() const;

private:
    void chooseWav();
    void chooseOtherBitrate();
    void recalculate();

    const Separators separators_;
    QLineEdit* length_;
    QLineEdit* videoBitrate_;
    QRadioButton* wav48kHz_;
    QRadioButton* wav44kHz_;
    QRadioButton* otherBitrateOption_;
    QButtonGroup* audioGroup_;
    QComboBox* otherBitrate_;  // enabled only while its option is chosen
    QLabel* spaceRequired_;
    Results* results_;
    FieldCaptions<HdSpaceField> captions_;
    RunRecord<HdSpaceOutcome> runs_;
};

}  // namespace tessaly::ui
