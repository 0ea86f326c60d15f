// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/tabs/tab_page.h"

#include <QEvent>
#include <QPainter>
#include <QTabWidget>
#include <utility>

#include "ui/widgets/design.h"
#include "ui/widgets/outlines.h"

namespace tessaly::ui {

class TabPage::Canvas : public QWidget {
public:
    using QWidget::QWidget;
    QVector<Stroke> strokes;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        for (const Stroke& stroke : strokes) {
            // The dark lines of the etched rectangles are seen in every palette.
            QPen pen(stroke.color == QPalette::Dark ? FrameLine(palette()) : palette().color(stroke.color),
                     stroke.width);
            pen.setCapStyle(Qt::FlatCap);
            if (stroke.dotted)
                pen.setStyle(Qt::DotLine);
            painter.setPen(pen);
            const QLine& t = stroke.twips;
            painter.drawLine(Pixels(t.x1()), Pixels(t.y1()), Pixels(t.x2()), Pixels(t.y2()));
        }
    }
};

QWidget* TabPage::canvas() const { return canvas_; }

TabPage::TabPage(QWidget* parent) : QWidget(parent), canvas_(new Canvas(this)) {
    // The whole tab control, 7575 by 6270 twips.
    canvas_->resize(Pixels(7575), Pixels(6270));
    // Opaque, so that a changed field repaints only the canvas and not the tab control's
    // frame beneath it.
    canvas_->setAutoFillBackground(true);
}

void TabPage::addStroke(const Stroke& stroke) {
    canvas_->strokes.push_back(stroke);
    canvas_->update();
}

void TabPage::addEtchedRectangle(int left, int top, int right, int bottom, int width) {
    addStroke({QLine(left, top, right, top), QPalette::Light, width});
    addStroke({QLine(left, top, left, bottom), QPalette::Light, width});
    addStroke({QLine(left, bottom, right, bottom), QPalette::Dark, width});
    addStroke({QLine(right, top, right, bottom), QPalette::Dark, width});
}

void TabPage::atStartup(int order, std::function<void()> step) {
    startupSteps_.push_back({order, std::move(step)});
}

bool TabPage::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::ParentChange:
        alignCanvas();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void TabPage::alignCanvas() {
    // Find the tab control this page sits in and shift the canvas so that its origin lies on
    // the control's top left corner.
    for (QWidget* ancestor = parentWidget(); ancestor; ancestor = ancestor->parentWidget()) {
        if (qobject_cast<QTabWidget*>(ancestor)) {
            canvas_->move(-mapTo(ancestor, QPoint(0, 0)));
            return;
        }
    }
}

}  // namespace tessaly::ui
