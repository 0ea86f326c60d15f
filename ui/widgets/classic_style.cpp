// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/widgets/classic_style.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QStyleOption>
#include <algorithm>

namespace tessaly::ui {

namespace {

// A solid ring `width` pixels wide along the inside of `rect`.
void DrawRing(QPainter* painter, const QRect& rect, int width, const QColor& colour) {
    const int x = rect.x(), y = rect.y(), w = rect.width(), h = rect.height();
    if (w <= 2 * width || h <= 2 * width) {
        painter->fillRect(rect, colour);
        return;
    }
    painter->fillRect(QRect(x, y, w, width), colour);
    painter->fillRect(QRect(x, y + h - width, w, width), colour);
    painter->fillRect(QRect(x, y + width, width, h - 2 * width), colour);
    painter->fillRect(QRect(x + w - width, y + width, width, h - 2 * width), colour);
}

// The focus ring is two pixels wide: as many pixels as a line all round the control and more.
constexpr int kFocusWidth = 2;

// The colour beside a control: its parent's page, where the control paints a ground of its own.
QColor Outside(const QStyleOption* option, const QWidget* widget) {
    const QWidget* parent = widget ? widget->parentWidget() : nullptr;
    return parent ? parent->palette().color(QPalette::Window) : option->palette.color(QPalette::Window);
}

// The outline the platform style gives lists and combo boxes: its page's colour, darkened.
QColor PlatformOutline(const QPalette& palette) { return palette.color(QPalette::Window).darker(140); }

// The bevel of a text box and, while it holds the focus, the focus ring just inside it, on the
// box's own ground, the one colour that the ring must stand out from.
void DrawBox(QPainter* painter, const QStyleOption* option, const QWidget* widget) {
    DrawSunkenBevel(painter, option->rect, BoxBevel(option->palette, Outside(option, widget)));
    if (option->state & QStyle::State_HasFocus)
        DrawRing(painter, option->rect.adjusted(2, 2, -2, -2), kFocusWidth,
                 FocusRing(option->palette, {option->palette.color(QPalette::Base)}));
}

// An option button's round mark: a two-pixel ring seen against the page around it, the box's
// ground inside and, when chosen, a dot in the text colour.
void DrawRoundMark(QPainter* painter, const QStyleOption* option) {
    const QPalette& palette = option->palette;
    const QColor page = palette.color(QPalette::Window);
    const QRectF area(option->rect);
    const double diameter = std::min(area.width(), area.height());
    const QRectF ring(area.center() - QPointF(diameter, diameter) / 2, QSizeF(diameter, diameter));
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(Outline(palette, page.darker(150), page));
    painter->drawEllipse(ring);
    painter->setBrush(palette.base());
    painter->drawEllipse(ring.adjusted(2, 2, -2, -2));
    if (option->state & QStyle::State_On) {
        const double inset = diameter * 0.3;
        painter->setBrush(palette.text());
        painter->drawEllipse(ring.adjusted(inset, inset, -inset, -inset));
    }
    painter->restore();
}

}  // namespace

void DrawSunkenBevel(QPainter* painter, const QRect& rect, const Bevel& bevel) {
    const int x = rect.x(), y = rect.y(), w = rect.width(), h = rect.height();
    if (w < 2 || h < 2)
        return;
    // Outer ring: dark along the top and left, light along the bottom and right.
    painter->fillRect(QRect(x, y, w - 1, 1), bevel.dark);
    painter->fillRect(QRect(x, y, 1, h - 1), bevel.dark);
    painter->fillRect(QRect(x, y + h - 1, w, 1), bevel.light);
    painter->fillRect(QRect(x + w - 1, y, 1, h), bevel.light);
    if (w <= 4 || h <= 4)
        return;
    // Inner ring: shadow along the top and left, midlight along the bottom and right.
    painter->fillRect(QRect(x + 1, y + 1, w - 3, 1), bevel.shadow);
    painter->fillRect(QRect(x + 1, y + 1, 1, h - 3), bevel.shadow);
    painter->fillRect(QRect(x + 1, y + h - 2, w - 2, 1), bevel.midlight);
    painter->fillRect(QRect(x + w - 2, y + 1, 1, h - 2), bevel.midlight);
}

void DrawEtchedFrame(QPainter* painter, const QRect& rect, const QPalette& palette) {
    const int x = rect.x(), y = rect.y(), w = rect.width(), h = rect.height();
    if (w < 3 || h < 3)
        return;
    // The dark rectangle, one pixel short of the right and bottom edges...
    const QColor dark = FrameLine(palette), light = palette.light().color();
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
            DrawBox(painter, option, widget);
        return;
    }
    if (element == PE_FrameLineEdit) {
        DrawBox(painter, option, widget);
        return;
    }
    if (element == PE_IndicatorRadioButton) {
        DrawRoundMark(painter, option);
        return;
    }
    // The platform style shows the focus only once a key has moved it; here it always shows.
    if (element == PE_FrameFocusRect) {
        const QPalette& palette = option->palette;
        // A list's item lies on the boxes' ground or, chosen, on the highlight; the rest on the page
        // or a button's face.
        const QColor ring =
            qobject_cast<const QAbstractItemView*>(widget)
                ? FocusRing(palette, {palette.color(QPalette::Base), palette.color(QPalette::Highlight)})
                : FocusRing(palette, {palette.color(QPalette::Window), palette.color(QPalette::Button)});
        DrawRing(painter, option->rect, kFocusWidth, ring);
        return;
    }
    // A list's one-pixel outline; the focus ring where the list holds the focus.
    if (element == PE_Frame && qobject_cast<const QAbstractItemView*>(widget)) {
        const QColor outline =
            Outline(option->palette, option->palette.color(QPalette::Dark), Outside(option, widget));
        DrawRing(painter, option->rect, 1,
                 option->state & State_HasFocus
                     ? FocusRing(option->palette, {outline, option->palette.color(QPalette::Base)})
                     : outline);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void ClassicStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                      QPainter* painter, const QWidget* widget) const {
    // A combo box keeps the platform's face and arrow inside an outline that is seen, or the
    // focus ring.
    if (control == CC_ComboBox) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        const QColor outline =
            Outline(option->palette, PlatformOutline(option->palette), Outside(option, widget));
        if (option->state & State_HasFocus)
            DrawRing(painter, option->rect, kFocusWidth,
                     FocusRing(option->palette, {outline, option->palette.color(QPalette::Button),
                                                 option->palette.color(QPalette::Base)}));
        else
            DrawRing(painter, option->rect, 1, outline);
        return;
    }
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
    proxy()->drawItemText(painter, caption, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic,
                          box->palette, box->state & State_Enabled, box->text, QPalette::WindowText);
}

void ClassicStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                               const QWidget* widget) const {
    // The thin Exit bar is lower than a line of its caption. The classic button centres the
    // caption on its whole height; Windows' own style would cut it to its inner margins.
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    // A button that holds the focus wears the ring around its whole face rather than a dotted
    // rectangle inside its caption's room, which the thin Exit bar has not.
    if (element == CE_PushButton && button && (option->state & State_HasFocus)) {
        QStyleOptionButton unfocused = *button;
        unfocused.state &= ~State_HasFocus;
        QProxyStyle::drawControl(element, &unfocused, painter, widget);
        const QPalette& palette = option->palette;
        // The ring covers the platform's outline and the lit rim inside it, a lighter button face.
        DrawRing(
            painter, option->rect, kFocusWidth,
            FocusRing(palette, {palette.color(QPalette::Window), palette.color(QPalette::Button),
                                palette.color(QPalette::Button).lighter(160), PlatformOutline(palette)}));
        return;
    }
    // The current tab of the tab strip, while the strip holds the focus: a ring just inside the tab.
    if (element == CE_TabBarTabLabel && (option->state & State_HasFocus)) {
        QProxyStyle::drawControl(element, option, painter, widget);
        const int inset = 1 + proxy()->pixelMetric(PM_DefaultFrameWidth, option, widget);
        const QPalette& palette = option->palette;
        DrawRing(painter, option->rect.adjusted(inset, inset, -inset, -inset), kFocusWidth,
                 FocusRing(palette, {palette.color(QPalette::Window), palette.color(QPalette::Button)}));
        return;
    }
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
