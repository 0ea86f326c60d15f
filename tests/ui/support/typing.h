// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a user's hands do in the window's tests: retyping a field, clicking an option button.
#pragma once

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>

// Replaces a field's text the way a user does: select all, then type (or delete).
inline void Retype(QLineEdit* field, const QString& text) {
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Backspace);
    else
        QTest::keyClicks(field, text);
}

// Clicks an option button on its round indicator, where a user aims; its middle may lie
// beyond the caption, where a click misses.
inline void ClickOption(QAbstractButton* option) {
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(7, option->height() / 2));
}
