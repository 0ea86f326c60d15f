// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Builders for the controls the two sections of the "Audio and HD Space" tab share: frames
// with a bold caption, plain text fields and option buttons, each at its design position.
#pragma once

#include <QRect>
#include <QString>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace tessaly::ui {

// A frame whose caption is bold while everything placed inside keeps the window's font.
QGroupBox* MakeFrame(QWidget* parent, const char* name, const QString& caption, QRect twips);

// A label in the window's font, or in the design font of `points` where one is given.
QLabel* MakeCaption(QWidget* parent, const char* name, const QString& caption, QRect twips,
                    Qt::Alignment alignment = Qt::AlignLeft, double points = 8.25, bool bold = false);

// A note wrapped at word boundaries to its width. Where the fonts at hand set the text wider
// than the design's, the note grows downwards, up to `roomTwips` high, rather than lose its
// last line.
QLabel* MakeNote(QWidget* parent, const char* name, const QString& text, QRect twips, int roomTwips);

QLineEdit* MakeTextBox(QWidget* parent, const char* name, QRect twips);

QRadioButton* MakeOption(QWidget* parent, const char* name, const QString& caption, QRect twips);

// Makes the group's selected option its one Tab stop, now and whenever the selection changes, so
// that Tab and Shift+Tab into the group land on the selected option and not on the one that last
// had the focus (the arrow keys move within the group).
void TabIntoSelectedOption(QButtonGroup* group);

}  // namespace tessaly::ui
