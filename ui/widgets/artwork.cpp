// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/widgets/artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include "ui/widgets/design.h"

namespace tessaly::ui {

QPixmap TrefoilPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(size / 2.0, size / 2.0);
    const double outer = size * 0.48;
    const double inner = size * 0.10;
    painter.setPen(QPen(QColor(120, 90, 0), size >= 32 ? 1.5 : 1.0));
    painter.setBrush(QColor(255, 214, 0));
    for (int wedge = 0; wedge < 3; ++wedge) {
        const double middle = qDegreesToRadians(-90.0 + 120.0 * wedge);
        const double half = qDegreesToRadians(30.0);
        auto at = [&](double radius, double angle) {
            return centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
        };
        const QPointF triangle[3] = {at(inner, middle), at(outer, middle - half), at(outer, middle + half)};
        painter.drawPolygon(triangle, 3);
    }
    return pixmap;
}

QIcon TrefoilIcon() {
    QIcon icon;
    icon.addPixmap(TrefoilPixmap(16));
    icon.addPixmap(TrefoilPixmap(32));
    return icon;
}

QPixmap CoverPicture() {
    const int width = 167;
    const int height = 242;
    QPixmap pixmap(width, height);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient night(0, 0, 0, height);
    night.setColorAt(0, QColor(12, 18, 48));
    night.setColorAt(0.6, QColor(40, 30, 90));
    night.setColorAt(1, QColor(150, 60, 40));
    painter.fillRect(pixmap.rect(), night);

    // A strip of film across the top.
    painter.fillRect(QRect(0, 18, width, 26), QColor(20, 20, 20));
    painter.setBrush(QColor(230, 230, 220));
    painter.setPen(Qt::NoPen);
    for (int x = 4; x < width; x += 12) {
        painter.drawRect(x, 21, 6, 4);
        painter.drawRect(x, 37, 6, 4);
    }

    // The disc.
    const QPointF centre(width / 2.0, 130);
    QRadialGradient shine(centre, 62, centre + QPointF(-20, -25));
    shine.setColorAt(0, QColor(250, 250, 255));
    shine.setColorAt(0.5, QColor(170, 190, 230));
    shine.setColorAt(1, QColor(110, 120, 170));
    painter.setBrush(shine);
    painter.setPen(QPen(QColor(60, 60, 90), 1));
    painter.drawEllipse(centre, 60, 60);
    painter.setBrush(QColor(40, 30, 90));
    painter.drawEllipse(centre, 11, 11);

    // The window's own face, which is loaded anyway: a second family would cost start-up time.
    QFont title = DesignFont(22.5, true);
    painter.setFont(title);
    painter.setPen(QColor(255, 214, 0));
    painter.drawText(QRect(0, height - 50, width, 40), Qt::AlignCenter, QStringLiteral("DVD"));
    return pixmap;
}

}  // namespace tessaly::ui
