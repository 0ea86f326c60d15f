// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The "Bitrate Calculator" tab: the video bitrate that fills a file of the desired size.
#pragma once

#include "core/numbers.h"
#include "core/video_bitrate.h"
#include "ui/tab_page.h"
#include "ui/working.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tessaly::ui {

class Results;

class BitrateTab : public TabPage {
    Q_OBJECT

public:
    explicit BitrateTab(QWidget* parent = nullptr);

    // The window's start-up: the film length, whose change runs the first calculation.
    void loadDefaults();

signals:
    void exitRequested();

private:
    void recalculate();

    const Separators separators_;
    QLineEdit* txtMin_;
    QLineEdit* txtAudBit_;
    QLineEdit* txtSize_;
    QLineEdit* txtVidBit_;
    QLabel* audData_;
    QLabel* lblVidData_;
    QPushButton* command1_;
    QPushButton* command3_;
    Results* results_;
    RunRecord<VideoBitrateOutcome> runs_;
};

}  // namespace tessaly::ui
