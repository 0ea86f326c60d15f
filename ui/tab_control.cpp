// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/tab_control.h"

#include <QTabBar>

namespace tessaly::ui {

namespace {

class EvenTabBar : public QTabBar {
public:
    using QTabBar::QTabBar;

protected:
    QSize tabSizeHint(int index) const override {
        QSize size = QTabBar::tabSizeHint(index);
        const QWidget* control = parentWidget();
        if (control && count() > 0) {
            // The last tab takes what the division leaves, so the row ends at the right edge.
            const int width = control->width() / count();
            size.setWidth(index == count() - 1 ? control->width() - width * (count() - 1) : width);
        }
        return size;
    }
};

}  // namespace

TabControl::TabControl(QWidget* parent) : QTabWidget(parent) {
    setTabBar(new EvenTabBar(this));
    setUsesScrollButtons(false);
}

}  // namespace tessaly::ui
