// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Gives every field, list and button of the window the name a screen reader announces for it,
// every result its number and unit, and the window the role of a window named by its title.
#pragma once

class QLabel;
class QString;
class QWidget;

namespace tessaly::ui {

// Names each known control under `window` after the caption the user sees beside it, and
// describes it by the section it belongs to, so that fields with the same caption on
// different sections stay apart. Controls that do not exist are passed by.
void NameControlsForAssistiveTools(QWidget* window);

// Shows a new result in a result label and tells assistive tools that it changed, which a
// label with a name of its own does not do by itself. Results in labels are written this way.
void ShowResult(QLabel* label, const QString& text);

}  // namespace tessaly::ui
