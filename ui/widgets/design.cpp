// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/widgets/design.h"

#include <QStringList>

#include <cmath>

namespace tessaly::ui {

QRect TwipsRect(int left, int top, int width, int height) {
    return {Pixels(left), Pixels(top), Pixels(width), Pixels(height)};
}

QFont DesignFont(double points, bool bold) {
    QFont font;
#ifdef Q_OS_WIN
    // Windows has the design's font ("Microsoft Sans Serif" being its outline twin).
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
#else
    // Asking for "MS Sans Serif" first would send every start through fontconfig's slow search
    // for a family that Linux desktops do not have.
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Arial")});
#endif
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    return font;
}

}  // namespace tessaly::ui
