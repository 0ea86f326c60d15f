// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The "Bitrate Calculator" tab: the video bitrate that fills a file of the desired size.
#pragma once

#include "core/numbers.h"
#include "core/video_bitrate.h"
#include "ui/results/working.h"
#include "ui/tabs/tab_page.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tessaly::ui {

class Results;

class BitrateTab : public TabPage {
    Q_OBJECT

public:
    explicit BitrateTab(QWidget* parent = nullptr);

    QString caption() const override;

private:
    void recalculate();

    const Separators separators_;
    QLineEdit* length_;
    QLineEdit* audioBitrate_;
    QLineEdit* size_;
    QLineEdit* videoBitrate_;  // the answer, disabled so that it takes neither typing nor focus
    QLabel* audioData_;
    QLabel* videoData_;
    Results* results_;
    FieldCaptions<VideoBitrateField> captions_;
    RunRecord<VideoBitrateOutcome> runs_;
};

}  // namespace tessaly::ui
