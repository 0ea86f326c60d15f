// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/widgets/outlines.h"

#include <QPalette>
#include <vector>

#include "core/colours.h"
#include "ui/widgets/grounds.h"

namespace tessaly::ui {

namespace {

double Least(const QPalette& palette) {
    return palette.currentColorGroup() == QPalette::Disabled ? DisabledOutlineContrast() : kVisibleContrast;
}

QColor Raise(const QPalette& palette, const QColor& own, const QColor& outside, double least) {
    const auto role = [&](QPalette::ColorRole r) { return ToRgb(palette.color(r)); };
    return ToQColor(KeepOrRaise(ToRgb(own),
                                {role(QPalette::Mid), role(QPalette::Dark), role(QPalette::Shadow),
                                 role(QPalette::WindowText), role(QPalette::Text)},
                                ToRgb(outside), least));
}

}  // namespace

Bevel BoxBevel(const QPalette& palette, const QColor& outside) {
    return {palette.color(QPalette::Dark), palette.color(QPalette::Light),
            Raise(palette, palette.color(QPalette::Shadow), outside, Least(palette)),
            palette.color(QPalette::Midlight)};
}

QColor Outline(const QPalette& palette, const QColor& own, const QColor& outside) {
    return Raise(palette, own, outside, Least(palette));
}

QColor FrameLine(const QPalette& palette) {
    return Raise(palette, palette.color(QPalette::Dark), palette.color(QPalette::Window),
                 FrameLineContrast());
}

QColor FocusRing(const QPalette& palette, std::initializer_list<QColor> beneath) {
    std::vector<Rgb> grounds;
    for (const QColor& colour : beneath)
        grounds.push_back(ToRgb(colour));
    const Rgb highlight = ToRgb(palette.color(QPalette::Highlight));
    const Rgb windowText = ToRgb(palette.color(QPalette::WindowText)),
              text = ToRgb(palette.color(QPalette::Text));
    return ToQColor(FirstVisible({highlight, windowText, text}, grounds));
}

}  // namespace tessaly::ui
