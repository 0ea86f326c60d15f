// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's own pictures, drawn at run time: the window icon and the cover on the first tab.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace tessaly::ui {

// Three yellow triangular wedges in a trefoil on a transparent background, at 16 and 32 pixels.
QIcon TrefoilIcon();
QPixmap TrefoilPixmap(int size);

// A portrait DVD cover, 167 by 242 pixels.
QPixmap CoverPicture();

}  // namespace tessaly::ui
