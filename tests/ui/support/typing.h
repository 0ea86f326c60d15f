// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a user's hands do in the window's tests: retyping a field, clicking an option button,
// choosing from a context menu.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
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

// A click as the window system delivers it, so that a right click asks for a context menu.
inline void Click(QWidget* widget, Qt::MouseButton button, QPoint at) {
    QTest::mouseClick(widget->window()->windowHandle(), button, {}, widget->mapTo(widget->window(), at));
}

// Brings up `result`'s context menu with a right click and chooses `item` in it with a click.
inline bool ChooseFromMenu(QWidget* result, const QString& item) {
    Click(result, Qt::RightButton, result->rect().center());
    QMenu* menu = nullptr;
    if (!QTest::qWaitFor([&] { return (menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())); }))
        return false;
    for (QAction* action : menu->actions()) {
        if (action->text().section('\t', 0, 0) == item) {  // the toolkit's own show their shortcut
            Click(menu, Qt::LeftButton, menu->actionGeometry(action).center());
            return true;
        }
    }
    menu->close();
    return false;
}
