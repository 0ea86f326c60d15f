// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fields that take what a file tells: a film's length on a length field, an encoded file's size
// on the AVI size field, each dropped on it or chosen from its context menu. The field is
// written as typing writes it, so its calculation runs; a file that cannot be read changes
// nothing, and the program's message box says why.
#pragma once

#include <initializer_list>

class QLineEdit;
class QWidget;

namespace tessaly::ui {

// `field` takes the length of a video file, or of a title's parts in the order of their names,
// in minutes rounded to four decimals in the user's locale: 5530.5 s -> "92.175" ("92,175" in
// German). It comes dropped on the field or on any of `alsoFrom` (which keep their own drops of
// text), or from the file dialog of the entry "Length of a video file…" in the field's menu.
void TakeFilmLength(QLineEdit* field, std::initializer_list<QWidget*> alsoFrom = {});

// `field` takes a file's real size in MB of 1048576 bytes, rounded to four decimals:
// 6283870 bytes -> "5.9927". Dropped on it, or from "Size of a file…" in its menu.
void TakeFileSize(QLineEdit* field);

}  // namespace tessaly::ui
