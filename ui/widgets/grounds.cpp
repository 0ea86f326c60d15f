// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/widgets/grounds.h"

#include <QColor>
#include <QPalette>
#include <QVariant>
#include <QWidget>

#include "core/colours.h"

namespace tessaly::ui {

Rgb ToRgb(const QColor& colour) {
    const QRgb rgb = colour.rgb();
    return {static_cast<std::uint8_t>(qRed(rgb)), static_cast<std::uint8_t>(qGreen(rgb)),
            static_cast<std::uint8_t>(qBlue(rgb))};
}

QColor ToQColor(Rgb colour) { return {colour.red, colour.green, colour.blue}; }

namespace {

const char* const kGroundProperty = "tessalyGround";

Rgb GroundColour(Ground ground, const QPalette& palette) {
    const Rgb page = ToRgb(palette.color(QPalette::Window));
    const bool dark = IsDarkScheme(page, ToRgb(palette.color(QPalette::WindowText)));
    switch (ground) {
    case Ground::Output:
        return dark ? SetApart(page, ToRgb(palette.color(QPalette::WindowText))) : Rgb{224, 224, 224};
    case Ground::Box:
        return dark ? ToRgb(palette.color(QPalette::Base)) : Rgb{255, 255, 255};
    case Ground::Button:
        return ToRgb(palette.color(QPalette::Button));
    case Ground::Midlight:
        return ToRgb(palette.color(QPalette::Midlight));
    }
    return page;
}

void Colour(QWidget* widget, Ground ground, const QPalette& source) {
    const Rgb back = GroundColour(ground, source);
    // Labels write in the window's text colour, text boxes in the boxes' one.
    const QColor windowText = ToQColor(ReadableText(back, ToRgb(source.color(QPalette::WindowText))));
    const QColor text = ToQColor(ReadableText(back, ToRgb(source.color(QPalette::Text))));
    QPalette palette = widget->palette();
    // Every colour group alike: a disabled result (txtVidBit) stays as readable as an enabled one.
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Window, ToQColor(back));
        palette.setColor(group, QPalette::Base, ToQColor(back));
        palette.setColor(group, QPalette::WindowText, windowText);
        palette.setColor(group, QPalette::Text, text);
    }
    widget->setPalette(palette);
}

}  // namespace

void SetGround(QWidget* widget, Ground ground) {
    widget->setProperty(kGroundProperty, static_cast<int>(ground));
    widget->setAutoFillBackground(true);
}

void ColourGrounds(QWidget* window, const QPalette& palette) {
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        const QVariant ground = widget->property(kGroundProperty);
        if (ground.isValid())
            Colour(widget, static_cast<Ground>(ground.toInt()), palette);
    }
}

}  // namespace tessaly::ui
