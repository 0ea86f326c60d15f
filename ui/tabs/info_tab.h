// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The "Info" tab: what changed in the recent versions.
#pragma once

#include "ui/tabs/tab_page.h"

class QPushButton;

namespace tessaly::ui {

class InfoTab : public TabPage {
    Q_OBJECT

public:
    explicit InfoTab(QWidget* parent = nullptr);

    QString caption() const override;
};

}  // namespace tessaly::ui
