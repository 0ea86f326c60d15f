// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's one window: a fixed-size frame around the four-tab control, and the start-up
// sequence that fills in the defaults and so runs the first calculations.
#pragma once

#include <QList>
#include <QWidget>

class QTabWidget;

namespace tessaly::ui {

class ClassicStyle;
class TabPage;

class MainWindow : public QWidget {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);

    QTabWidget* tabs() const { return tabs_; }

protected:
    // Re-colours the window when the desktop's palette changes while it runs.
    bool event(QEvent* event) override;

private:
    // A page in the tab strip, whose Exit buttons close the window.
    void addPage(TabPage* page);
    // Runs every page's start-up steps in their order.
    void load();

    QTabWidget* tabs_;
    QList<TabPage*> pages_;
    ClassicStyle* classicStyle_;
};

}  // namespace tessaly::ui
