// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's tab control: four tabs in one row that share the strip's width evenly.
#pragma once

#include <QTabWidget>

namespace tessaly::ui {

class TabControl : public QTabWidget {
    Q_OBJECT

public:
    explicit TabControl(QWidget* parent = nullptr);
};

}  // namespace tessaly::ui
