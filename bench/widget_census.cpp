// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Prints the program's window as a census for plain_widgets_floor: its size, the number of
// tabs, and how many widgets of each kind the program itself creates. Qt's own parts of a
// composite (a combo's popup, a list's scroll bars) are left out, as the floor's composites
// make their own.
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>

#include "ui/main_window.h"

namespace {

// The kind of a widget is its nearest class that Qt itself defines.
std::string Kind(const QWidget* widget) {
    const QMetaObject* meta = widget->metaObject();
    while (meta && !(meta->className()[0] == 'Q' && !std::strchr(meta->className(), ':')))
        meta = meta->superClass();
    return meta ? meta->className() : "QWidget";
}

bool IsComposite(const QWidget* widget) {
    return qobject_cast<const QComboBox*>(widget) || qobject_cast<const QAbstractScrollArea*>(widget) ||
           qobject_cast<const QAbstractSpinBox*>(widget) || qobject_cast<const QTabBar*>(widget) ||
           qobject_cast<const QLineEdit*>(widget);
}

void Count(const QWidget* parent, std::map<std::string, int>& kinds) {
    for (const QObject* child : parent->children()) {
        const auto* widget = qobject_cast<const QWidget*>(child);
        if (!widget || widget->isWindow())
            continue;
        const bool tabWidgetPart =
            qobject_cast<const QTabBar*>(widget) && qobject_cast<const QTabWidget*>(parent);
        if (!tabWidgetPart && !widget->objectName().startsWith(QLatin1String("qt_")))
            ++kinds[Kind(widget)];
        if (!IsComposite(widget))
            Count(widget, kinds);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    tessaly::ui::MainWindow window;

    std::map<std::string, int> kinds;
    Count(&window, kinds);
    std::printf("--size %dx%d --tabs %d", window.width(), window.height(), window.tabs()->count());
    for (const auto& [kind, count] : kinds)
        std::printf(" %s=%d", kind.c_str(), count);
    std::printf("\n");
    return 0;
}
