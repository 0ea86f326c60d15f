// The look of the window's text boxes: the classic sunken field, a flat fill inside a two-pixel
// bevel, in place of the platform style's rounded, antialiased frame.
#pragma once

#include <QProxyStyle>

namespace tessaly::ui {

class FieldStyle : public QProxyStyle {
    Q_OBJECT

public:
    // Everything but a text box's panel is drawn by `baseStyleName` (the application's style).
    explicit FieldStyle(const QString& baseStyleName);

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace tessaly::ui
