// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Gives every field, list and button of the window the name a screen reader announces for it,
// every result its number and unit, and the window the role of a window named by its title.
#pragma once

#include <initializer_list>

class QComboBox;
class QLabel;
class QString;
class QWidget;

namespace tessaly::ui {

// Announces `window` as a window named by its title, where Qt would make it a client area.
void AnnounceAsWindow(QWidget* window);

// A result named by its caption label: a screen reader hears its number as its value and, as
// its text, the number with the unit `unit` shows after it, and hears it change.
void ReadAsResult(QWidget* result, QLabel* caption, const QLabel* unit);

// An editable combo box whose caption is not a label of its own (an option button's text):
// named by it, with its text as its value.
void NameCombo(QComboBox* combo, const QString& caption);

// Describes every control under `parts` by the heading of the section they make up, so that
// fields with the same caption in different sections stay apart.
void DescribeSection(std::initializer_list<QWidget*> parts, const QString& heading);

// Shows a new result in a result label and tells assistive tools that it changed, which a
// label with a name of its own does not do by itself. Results in labels are written this way.
void ShowResult(QLabel* label, const QString& text);

}  // namespace tessaly::ui
