#include "ui/field_style.h"

#include <QPainter>
#include <QStyleOption>
#include <qdrawutil.h>

namespace tessaly::ui {

FieldStyle::FieldStyle(const QString& baseStyleName) : QProxyStyle(baseStyleName) {}

void FieldStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                               const QWidget* widget) const {
    // A field repaints on every keystroke and every result it shows; the bevel is a few straight
    // lines where the rounded frame cost more than the text itself.
    if (element == PE_PanelLineEdit) {
        const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
        painter->fillRect(option->rect, option->palette.brush(QPalette::Base));
        if (frame && frame->lineWidth > 0)
            qDrawWinPanel(painter, option->rect, option->palette, true);
        return;
    }
    if (element == PE_FrameLineEdit) {
        qDrawWinPanel(painter, option->rect, option->palette, true);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

}  // namespace tessaly::ui
