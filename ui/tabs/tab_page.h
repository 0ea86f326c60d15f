// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A page of the window's tab control: what every page offers the window (its caption, its Exit
// request and its steps of the start-up), and the canvas its controls are placed on, as
// designed, relative to the top left corner of the tab control itself, tab strip included, with
// the page's decoration lines.
#pragma once

#include <QColor>
#include <QLine>
#include <QPalette>
#include <QVector>
#include <QWidget>
#include <functional>

namespace tessaly::ui {

// One straight line of the page's decoration, in twips.
struct Stroke {
    QLine twips;
    QPalette::ColorRole color = QPalette::WindowText;
    int width = 1;  // pixels
    bool dotted = false;
};

// One step of the window's start-up. The window runs the steps of all its pages by their order,
// lowest first, so that the defaults are written, and the first calculations run, in the
// program's one sequence, though one page's steps come before and after another's; each page
// says which places of the sequence its steps take.
struct StartupStep {
    int order;
    std::function<void()> run;
};

class TabPage : public QWidget {
    Q_OBJECT

public:
    explicit TabPage(QWidget* parent = nullptr);

    // The page's caption in the tab strip.
    virtual QString caption() const = 0;
    const QVector<StartupStep>& startupSteps() const { return startupSteps_; }

    // The surface that holds the page's controls; its origin is the tab control's corner.
    QWidget* canvas() const;

    void addStroke(const Stroke& stroke);
    // A sunken "etched" rectangle: highlight on the top and left, shadow on the bottom and right.
    void addEtchedRectangle(int left, int top, int right, int bottom, int width = 2);

signals:
    // One of the page's Exit buttons was pressed.
    void exitRequested();

protected:
    bool event(QEvent* event) override;
    void atStartup(int order, std::function<void()> step);

private:
    class Canvas;
    void alignCanvas();

    Canvas* canvas_;
    QVector<StartupStep> startupSteps_;
};

}  // namespace tessaly::ui
