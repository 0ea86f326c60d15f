// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A page of the window's tab control whose controls are placed, as designed, relative to the
// top left corner of the tab control itself, tab strip included, and which draws the page's
// decoration lines.
#pragma once

#include <QColor>
#include <QLine>
#include <QPalette>
#include <QVector>
#include <QWidget>

namespace tessaly::ui {

// One straight line of the page's decoration, in twips.
struct Stroke {
    QLine twips;
    QPalette::ColorRole color = QPalette::WindowText;
    int width = 1;  // pixels
    bool dotted = false;
};

class TabPage : public QWidget {
    Q_OBJECT

public:
    explicit TabPage(QWidget* parent = nullptr);

    // The surface that holds the page's controls; its origin is the tab control's corner.
    QWidget* canvas() const;

    void addStroke(const Stroke& stroke);
    // A sunken "etched" rectangle: highlight on the top and left, shadow on the bottom and right.
    void addEtchedRectangle(int left, int top, int right, int bottom, int width = 2);

protected:
    bool event(QEvent* event) override;

private:
    class Canvas;
    void alignCanvas();

    Canvas* canvas_;
};

}  // namespace tessaly::ui
