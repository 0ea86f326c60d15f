#include "ui/field_style.h"

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

FieldStyle::FieldStyle(const QString& baseStyleName) : QProxyStyle(baseStyleName) {}

void FieldStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                               const QWidget* widget) const {
    // A field repaints on every keystroke and every result it shows, so its panel is a flat
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

}  // namespace tessaly::ui
