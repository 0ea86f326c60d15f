// The look of the window's text boxes: the classic sunken field, a flat fill inside a two-pixel
// bevel, in place of the platform style's rounded, antialiased frame.
#pragma once

#include <QProxyStyle>

class QPainter;
class QPalette;
class QRect;

namespace tessaly::ui {

// The sunken two-pixel bevel around `rect` in the palette's dark, light, shadow and midlight:
// the same pixels as Qt's qDrawWinPanel, drawn as eight solid rectangles instead of four
// stroked polylines, which the raster engine fills many times faster.
void DrawSunkenBevel(QPainter* painter, const QRect& rect, const QPalette& palette);

class FieldStyle : public QProxyStyle {
    Q_OBJECT

public:
    // Everything but a text box's panel is drawn by `baseStyleName` (the application's style).
    explicit FieldStyle(const QString& baseStyleName);

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace tessaly::ui
