// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How the window's design units become Qt's: positions in twips (15 to a pixel at the
// designed resolution) and fonts in points of "MS Sans Serif". The colours are in grounds.h.
#pragma once

#include <QFont>
#include <QRect>
#include <QString>

namespace tessaly::ui {

inline constexpr int kTwipsPerPixel = 15;

inline const QString kApplicationTitle = QStringLiteral("Tessaly Video Bitrate Calculator");

constexpr int Pixels(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

QRect TwipsRect(int left, int top, int width, int height);

// The design font at a size in points. The bitmap "MS Sans Serif" rarely exists outside
// Windows, so a metric-compatible sans takes its place, sized in pixels as it was drawn
// at 96 dots per inch: 8.25 pt is 11 px, 12 pt is 16 px.
QFont DesignFont(double points, bool bold = false);

}  // namespace tessaly::ui
