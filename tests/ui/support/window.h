// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window in its tests: opened and made active, its tabs brought to the front with a
// click, its controls looked up by name.
#pragma once

#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <memory>

#include "ui/main_window.h"

// Opens a new window and makes it the active one: the focus and the keys go to the active
// window only, on a real X server as offscreen. Empty if it never became active.
inline std::unique_ptr<tessaly::ui::MainWindow> OpenWindow() {
    auto window = std::make_unique<tessaly::ui::MainWindow>();
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        return nullptr;
    return window;
}

// Brings a tab to the front the way a user does, with a click on its caption; whether it is
// in front afterwards.
inline bool ClickTab(tessaly::ui::MainWindow* window, int index) {
    QTabWidget* tabs = window->tabs();
    if (index < 0 || index >= tabs->count())
        return false;
    QTabBar* bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    return tabs->currentIndex() == index;
}

// Held by a test case of the window: the window its init() opens and its cleanup() closes,
// and its controls by object name; nullptr where there is none, for the test to report.
class WindowTest {
protected:
    std::unique_ptr<tessaly::ui::MainWindow> window;

    template <typename T = QWidget>
    T* find(const QString& name) const {
        return window->findChild<T*>(name);
    }
};
