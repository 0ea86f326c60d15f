// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The colours of what shows a control and its state, its outline, its round mark and its focus, taken
// from the palette's own and changed only where the palette's would not be seen against the ground
// beside them. The default light palette keeps its look; a scheme whose derived shades melt into its
// page gets its text colour, or black or white, instead.
#pragma once

#include <QColor>
#include <initializer_list>

class QPalette;

namespace tessaly::ui {

// The four lines of a sunken box, outside in: dark above and left, light below and right, then
// shadow and midlight.
struct Bevel {
    QColor dark, light, shadow, midlight;
};

// A box's bevel on `outside`: the palette's, with the inner line above and on the left seen at 3:1
// from `outside`, or, while the box is disabled, as well as the default window shows it.
Bevel BoxBevel(const QPalette& palette, const QColor& outside);

// A one-pixel outline or a round mark that the platform style would draw in `own`, on `outside`:
// `own` where it is seen (as for BoxBevel), otherwise the palette's quietest colour that is.
QColor Outline(const QPalette& palette, const QColor& own, const QColor& outside);

// The dark line of an etched frame on the page, never fainter than in the default window.
QColor FrameLine(const QPalette& palette);

// The focus ring drawn over `beneath`: the palette's highlight, or its text colour, seen at 3:1
// against every colour it covers.
QColor FocusRing(const QPalette& palette, std::initializer_list<QColor> beneath);

}  // namespace tessaly::ui
