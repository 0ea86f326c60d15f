// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/design.h"

#include <QLabel>
#include <QWidget>
#include <cmath>

namespace tessaly::ui {

QRect TwipsRect(int left, int top, int width, int height) {
    return {Pixels(left), Pixels(top), Pixels(width), Pixels(height)};
}

void Place(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(TwipsRect(left, top, width, height));
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
    font.setFamilies({QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arimo"), QStringLiteral("Arial")});
#endif
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    return font;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, QRect twips,
                  Qt::Alignment alignment) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(TwipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    label->setAlignment(alignment);
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace tessaly::ui
