// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The solid grounds some controls paint under their text, as roles that follow the desktop's
// palette. A light palette shows the designed light grey and white; a dark or high-contrast one
// shows their counterparts in its own colours. Each ground comes with the text drawn on it,
// which always reads at 4.5:1 or better.
#pragma once

#include <QColor>

#include "core/colours.h"

class QPalette;
class QWidget;

namespace tessaly::ui {

// A Qt colour as the colour arithmetic takes it, and back; alpha is dropped.
Rgb ToRgb(const QColor& colour);
QColor ToQColor(Rgb colour);

enum class Ground {
    // Light grey {224, 224, 224} under results and notes; in a dark palette a shade of the page
    // that stands apart from it as the grey does from a light page.
    Output,
    // White under the boxes that stand out from the page; the palette's base in a dark palette.
    Box,
    // The palette's button face (the calculated audio bitrate).
    Button,
    // The palette's midlight (the converter's note).
    Midlight,
};

// Gives `widget` a solid `ground` and the text colour that goes with it. The window colours it
// from its palette once built and again whenever the palette changes.
void SetGround(QWidget* widget, Ground ground);

// Colours every widget under `window` that has a ground from `palette`.
void ColourGrounds(QWidget* window, const QPalette& palette);

}  // namespace tessaly::ui
