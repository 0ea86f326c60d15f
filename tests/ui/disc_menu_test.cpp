// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The discs in the desired-size fields' context menus, reached with the real mouse: after the
// edit actions, each writes what one file may take on it in the locale's MB, and the tab
// recalculates as when those MB are typed.
#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QTest>

#include "support/typing.h"
#include "support/window.h"

class DiscMenuTest : public QObject, protected WindowTest {
    Q_OBJECT

private slots:
    // Each row: the locale, the tab and field, the entry picked, the text it writes, and the
    // result with what it then shows (empty: what typing the text shows).
    void pickingADiscWritesItsMegabytes() {
        const QLocale c = QLocale::c(), german(QLocale::German, QLocale::Germany);
        const struct {
            QLocale locale;
            int tab;
            const char *field, *item, *written, *result, *shown;
        } rows[] = {
            // 2294439 sectors are 4481.326171875 MB: 94 MB of audio leave 5990 kbit/s.
            {c, 0, "txtSize", "DVD±R: 4481.3261 MB", "4481.3261", "txtVidBit", "5990"},
            {german, 0, "txtSize", "BD-R 50 GB: 47728,0625 MB", "47728,0625", "txtVidBit", "65036"},
            {c, 1, "Text15", "CD 650 MB (74 min): 649.0449 MB", "649.0449", "Text16", ""},
        };
        for (const auto& r : rows) {
            QLocale::setDefault(r.locale);
            window = OpenWindow();
            QVERIFY(window && ClickTab(window.get(), r.tab));
            auto* input = find<QLineEdit>(r.field);
            if (r.tab == 1) {
                Retype(find<QLineEdit>("Text13"), "100");
                Retype(find<QLineEdit>("Text14"), "1700");
            }
            const QString before = input->text();
            // A right click as the window system delivers it, so that it asks for a context menu.
            const auto click = [](QWidget* widget, Qt::MouseButton button, QPoint at) {
                QTest::mouseClick(widget->window()->windowHandle(), button, {},
                                  widget->mapTo(widget->window(), at));
            };
            click(input, Qt::RightButton, input->rect().center());
            QMenu* menu = nullptr;
            QVERIFY(QTest::qWaitFor(
                [&] { return (menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())); }));
            const QList<QAction*> actions = menu->actions();
            const auto picked =
                std::find_if(actions.begin(), actions.end(), [&](QAction* a) { return a->text() == r.item; });
            const auto separator =
                std::find_if(actions.begin(), actions.end(), [](QAction* a) { return a->isSeparator(); });
            QVERIFY2(picked != actions.end() && picked > separator, r.item);  // after the edit actions
            QVERIFY(std::any_of(actions.begin(), separator,
                                [](QAction* a) { return a->text().startsWith("&Undo"); }));
            click(menu, Qt::LeftButton, menu->actionGeometry(*picked).center());

            QTRY_COMPARE(input->text(), QString(r.written));
            const QString answer = find<QLineEdit>(r.result)->text();
            if (*r.shown) {
                QCOMPARE(answer, QString(r.shown));
            } else {
                QVERIFY(!answer.isEmpty());
                Retype(input, before);
                Retype(input, r.written);
                QCOMPARE(find<QLineEdit>(r.result)->text(), answer);
            }
            QTest::keyClick(input, Qt::Key_Z, Qt::ControlModifier);  // typing's undo takes it back
            QVERIFY(input->text() != r.written);
            window.reset();
        }
        QLocale::setDefault(QLocale::c());
    }
};

QTEST_MAIN(DiscMenuTest)
#include "disc_menu_test.moc"
