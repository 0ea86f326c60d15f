// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The "Audio and HD Space" tab: on the left the disk space of the intermediate AVI, on the
// right the audio bitrate still affordable once the AVI's real size is known.
#pragma once

#include "core/numbers.h"
#include "ui/tabs/tab_page.h"

namespace tessaly::ui {

class AudioHdTab : public TabPage {
    Q_OBJECT

public:
    explicit AudioHdTab(QWidget* parent = nullptr);

    QString caption() const override;

private:
    const Separators separators_;
};

}  // namespace tessaly::ui
