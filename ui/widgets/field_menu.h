// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Further entries at the end of a text field's own context menu, after its usual edit actions
// (Undo, Cut, Copy, Paste, Select All), such as the length of a video file or a disc's size.
#pragma once

#include <QString>
#include <functional>

class QLineEdit;
class QMenu;

namespace tessaly::ui {

// `fill` adds its actions (or a submenu) to the field's menu each time the menu opens, after a
// separator; fields may be given several, which come in the order given.
void ExtendFieldMenu(QLineEdit* field, std::function<void(QMenu*)> fill);

// Writes `text` into the field as typing would: the field's change runs its calculation, and
// Ctrl+Z takes the text back.
void WriteAsTyped(QLineEdit* field, const QString& text);

}  // namespace tessaly::ui
