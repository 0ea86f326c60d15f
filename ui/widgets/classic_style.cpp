// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/widgets/classic_style.h"

#include <QPainter>
#include <QStyleOption>

namespace tessaly::ui {

void DrawSunkenBevel(QPainter* painter, const QRect& rect, const QPalette& palette) {
    const int x = rect.x(), y = rect.y(), w = rect.width(), h = rect.height();
    if (w < 2 || h < 2)
        return;
    // Outer ring: dark along the top and left, light along the bottom and right.
    const QColor dark = palette.dark().color(), light = palette.light().color();
    painter->fillRect(QRect(x, y, w - 1, 1), dark);
    painter->fillRect(QRect(x, y, 1, h - 1), dark);
    painter->fillRect(QRect(x, y + h - 1, w, 1), light);
    painter->fillRect(QRect(x + w - 1, y, 1, h), light);
    if (w <= 4 || h <= 4)
        return;
    // Inner ring: shadow along the top and left, midlight along the bottom and right.
    const QColor shadow = palette.shadow().color(), midlight = palette.midlight().color();
    painter->fillRect(QRect(x + 1, y + 1, w - 3, 1), shadow);
    painter->fillRect(QRect(x + 1, y + 1, 1, h - 3), shadow);
    painter->fillRect(QRect(x + 1, y + h - 2, w - 2, 1), midlight);
    painter->fillRect(QRect(x + w - 2, y + 1, 1, h - 2), midlight);
}

void DrawEtchedFrame(QPainter* painter, const QRect& rect, const QPalette& palette) {
    const int x = rect.x(), y = rect.y(), w = rect.width(), h = rect.height();
    if (w < 3 || h < 3)
        return;
    // The dark rectangle, one pixel short of the right and bottom edges...
    const QColor dark = palette.dark().color(), light = palette.light().color();
    painter->fillRect(QRect(x, y, w - 1, 1), dark);
    painter->fillRect(QRect(x, y + 1, 1, h - 2), dark);
    painter->fillRect(QRect(x, y + h - 2, w - 1, 1), dark);
    painter->fillRect(QRect(x + w - 2, y + 1, 1, h - 2), dark);
    // ...and the light one inside it along the top and left, outside it along the bottom and right.
    painter->fillRect(QRect(x + 1, y + 1, w - 3, 1), light);
    painter->fillRect(QRect(x + 1, y + 2, 1, h - 4), light);
    painter->fillRect(QRect(x, y + h - 1, w, 1), light);
    painter->fillRect(QRect(x + w - 1, y, 1, h - 1), light);
}

ClassicStyle::ClassicStyle(const QString& baseStyleName) : QProxyStyle(baseStyleName) {}

void ClassicStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const {
    // A text box repaints on every keystroke and every result it shows, so its panel is a flat
    // fill and a bevel of solid rectangles: no rounded, antialiased or stroked lines.
    if (element == PE_PanelLineEdit) {
        const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
        painter->fillRect(option->rect, option->palette.brush(QPalette::Base));
        if (frame && frame->lineWidth > 0)
            DrawSunkenBevel(painter, option->rect, option->palette);
        return;
    }
    if (element == PE_FrameLineEdit) {
        DrawSunkenBevel(painter, option->rect, option->palette);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void ClassicStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                      QPainter* painter, const QWidget* widget) const {
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || !box || (box->subControls & SC_GroupBoxCheckBox)) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    // A frame has no fill of its own: the page shows through, so the labels inside it, drawn on
    // the page's colour, sit on the same ground as the frame around them.
    if (box->text.isEmpty()) {
        DrawEtchedFrame(painter, box->rect, box->palette);
        return;
    }
    // The caption stands a little in from the left edge, as on the classic frame, and the top
    // line runs through its middle.
    constexpr int kCaptionIndent = 8;
    const QRect caption =
        proxy()->subControlRect(CC_GroupBox, box, SC_GroupBoxLabel, widget).translated(kCaptionIndent, 0);
    QRect frame = box->rect;
    frame.setTop(caption.center().y());
    DrawEtchedFrame(painter, frame, box->palette);
    // The caption interrupts the top line, with a blank's width of page on either side.
    const int gap = box->fontMetrics.horizontalAdvance(QLatin1Char(' ')) / 2;
    painter->fillRect(caption.adjusted(-gap, 0, gap, 0), box->palette.window());
    proxy()->drawItemText(painter, caption, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, box->palette,
                          box->state & State_Enabled, box->text, QPalette::WindowText);
}

void ClassicStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                               const QWidget* widget) const {
    // The thin Exit bar is lower than a line of its caption. The classic button centres the
    // caption on its whole height; Windows' own style would cut it to its inner margins.
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    const int line = option->fontMetrics.height();
    if (element != CE_PushButtonLabel || !button || option->rect.height() >= line) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    QStyleOptionButton whole = *button;
    whole.rect.setTop(option->rect.top() + (option->rect.height() - line) / 2);
    whole.rect.setHeight(line);
    painter->save();
    painter->setClipping(false);
    QProxyStyle::drawControl(element, &whole, painter, widget);
    painter->restore();
}

}  // namespace tessaly::ui
