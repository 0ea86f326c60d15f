// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The classic look of the window's text boxes and frames: a text box is a flat fill inside a
// two-pixel sunken bevel, a frame an etched rectangle whose caption interrupts its top line,
// in place of the platform style's rounded, antialiased and shaded shapes; and a button lower
// than its caption's line shows the whole caption. Outlines and round marks stand out from their
// ground in every palette, and the control that holds the focus shows it, from the moment the
// window opens, with a solid ring.
#pragma once

#include <QProxyStyle>

#include "ui/widgets/outlines.h"

class QPainter;
class QPalette;
class QRect;

namespace tessaly::ui {

// The sunken two-pixel bevel around `rect` in the palette's dark, light, shadow and midlight:
// the same pixels as Qt's qDrawWinPanel, drawn as eight solid rectangles instead of four
// stroked polylines, which the raster engine fills many times faster.
void DrawSunkenBevel(QPainter* painter, const QRect& rect, const Bevel& bevel);

// The etched one-pixel rectangle around `rect`, a dark line with a light one beside it: the
// same pixels as Qt's qDrawShadeRect, sunken, line width 1, drawn as solid rectangles. The dark
// line is the palette's FrameLine.
void DrawEtchedFrame(QPainter* painter, const QRect& rect, const QPalette& palette);

class ClassicStyle : public QProxyStyle {
    Q_OBJECT

public:
    // Everything but text boxes and frames, outlines, round marks and focus rings is drawn by
    // `baseStyleName` (the application's style).
    explicit ClassicStyle(const QString& baseStyleName);

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};

}  // namespace tessaly::ui
