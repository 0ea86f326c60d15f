// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The builders every tab makes its controls with, each control named and placed at its design
// rectangle in twips: labels and captions, notes, frames, text fields with the caption that
// names them, option buttons and Exit buttons.
#pragma once

#include <QFont>
#include <QRect>
#include <QString>

#include "ui/widgets/design.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace tessaly::ui {

// Names `widget` and places it at a design rectangle, in twips relative to its parent.
void Place(QWidget* widget, const char* name, QRect twips);

// A label with the caption given, aligned as given, in the font it inherits.
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, QRect twips,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);

// A label in the design font of `points`, aligned to the top and as given.
QLabel* MakeCaption(QWidget* parent, const char* name, const QString& caption, QRect twips,
                    Qt::Alignment alignment = Qt::AlignLeft, double points = 8.25, bool bold = false);

// A note wrapped at word boundaries to its width. Where the fonts at hand set the text wider
// than the design's, the note grows downwards, up to `roomTwips` high, rather than lose its
// last line.
QLabel* MakeNote(QWidget* parent, const char* name, const QString& text, QRect twips, int roomTwips);

// A frame whose caption is bold while everything placed inside keeps the window's font.
QGroupBox* MakeFrame(QWidget* parent, const char* name, const QString& caption, QRect twips);

// A text field named by `caption`, the label shown beside it: the label is its buddy, which
// is where screen readers find its name.
QLineEdit* MakeField(QWidget* parent, const char* name, QRect twips, QLabel* caption,
                     const QFont& font = DesignFont(8.25));

// Makes `caption` the label that names `control` for screen readers.
void NameAfter(QWidget* control, QLabel* caption);

QRadioButton* MakeOption(QWidget* parent, const char* name, const QString& caption, QRect twips);

// An Exit button; `inTabOrder` false keeps the Tab key passing it by (its access key still works).
QPushButton* MakeExitButton(QWidget* parent, const char* name, const QString& caption, QRect twips,
                            bool inTabOrder = true);

// Makes the group's selected option its one Tab stop, now and whenever the selection changes, so
// that Tab and Shift+Tab into the group land on the selected option and not on the one that last
// had the focus (the arrow keys move within the group).
void TabIntoSelectedOption(QButtonGroup* group);

}  // namespace tessaly::ui
