// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading a film for the window: `tessaly-bitrate-calc probe --json` in a process of its own,
// waited for without blocking and stopped after a few seconds, so that no file, however broken
// or slow, can freeze the window or take it down with what the user typed.
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <functional>

class QWidget;

namespace tessaly::ui {

// What the window takes from a film.
struct FilmFacts {
    double minutes = 0;  // above 0
    qint64 fileBytes = 0;
};

// The command that reads films: TESSALY_BITRATE_CALC where it names one, else tessaly-bitrate-calc
// beside the window's program (installed, /usr/bin; on Windows the same folder), else the one
// this build made (the window's tests run from another folder). Where it is not found, the path
// the first choice names: the one the user would look for.
struct FilmCommand {
    QString path;
    bool found = false;
};
FilmCommand FindFilmCommand();

// Reads `paths` as one film (one file, or the parts of one title in order) and calls `done`
// with what was read; where it cannot be read, the program's message box over `owner` says why
// and nothing is called. A new read for the same `owner` replaces the one it has running. While
// a read runs the mouse pointer shows that the program is busy, and the window answers as ever.
void ReadFilmFor(QWidget* owner, const QStringList& paths, std::function<void(const FilmFacts&)> done);

}  // namespace tessaly::ui
