// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The discs in the desired-size fields' context menus, reached with the real mouse: after the
// usual edit actions, each writes what one file may take on it, in the locale's MB, and the
// tab recalculates as when those MB are typed.
#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QTest>

#include "support/typing.h"
#include "support/window.h"

namespace {

// A click as the window system delivers it, so that a right click asks for a context menu.
void Click(QWidget* widget, Qt::MouseButton button, QPoint at) {
    QTest::mouseClick(widget->window()->windowHandle(), button, {}, widget->mapTo(widget->window(), at));
}

}  // namespace

class DiscMenuTest : public QObject, protected WindowTest {
    Q_OBJECT

private slots:
    void cleanup() {
        window.reset();
        QLocale::setDefault(QLocale::c());
    }

    void pickingADiscWritesItsMegabytes_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("shown");  // what the result shows; empty: as for the typed text
        const QLocale c = QLocale::c(), german(QLocale::German, QLocale::Germany);
        // 2294439 sectors are 4481.326171875 MB: 94 MB of audio leave 5990 kbit/s.
        QTest::newRow("DVD into txtSize") << c << 0 << "txtSize"
                                          << "DVD±R: 4481.3261 MB"
                                          << "4481.3261"
                                          << "txtVidBit"
                                          << "5990";
        QTest::newRow("BD-R 50 in German") << german << 0 << "txtSize"
                                           << "BD-R 50 GB: 47728,0625 MB"
                                           << "47728,0625"
                                           << "txtVidBit"
                                           << "65036";
        QTest::newRow("CD 650 into Text15") << c << 1 << "Text15"
                                            << "CD 650 MB (74 min): 649.0449 MB"
                                            << "649.0449"
                                            << "Text16"
                                            << "";
        QTest::newRow("CD 700 into Text15 in German") << german << 1 << "Text15"
                                                      << "CD 700 MB (80 min): 701,7617 MB"
                                                      << "701,7617"
                                                      << "Text16"
                                                      << "";
    }

    void pickingADiscWritesItsMegabytes() {
        QFETCH(QLocale, locale);
        QFETCH(int, tab);
        QFETCH(QString, field);
        QFETCH(QString, item);
        QFETCH(QString, written);
        QFETCH(QString, result);
        QFETCH(QString, shown);
        QLocale::setDefault(locale);
        window = OpenWindow();
        QVERIFY(window);
        QVERIFY(ClickTab(window.get(), tab));
        auto* input = find<QLineEdit>(field);
        QVERIFY(input);
        if (tab == 1) {
            Retype(find<QLineEdit>("Text13"), "100");
            Retype(find<QLineEdit>("Text14"), "1700");
        }
        const QString before = input->text();

        Click(input, Qt::RightButton, input->rect().center());
        QMenu* menu = nullptr;
        QVERIFY(QTest::qWaitFor(
            [&] { return (menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())); }));
        const QList<QAction*> actions = menu->actions();
        const auto picked =
            std::find_if(actions.begin(), actions.end(), [&](QAction* a) { return a->text() == item; });
        QVERIFY2(picked != actions.end(), qPrintable(item));
        // The edit actions come first, the six discs after a separator.
        const auto separator =
            std::find_if(actions.begin(), actions.end(), [](QAction* a) { return a->isSeparator(); });
        QVERIFY(separator != actions.end() && actions.end() - separator > 6 && picked > separator);
        QVERIFY(std::any_of(actions.begin(), separator,
                            [](QAction* a) { return a->text().startsWith("&Undo"); }));
        Click(menu, Qt::LeftButton, menu->actionGeometry(*picked).center());

        QTRY_COMPARE(input->text(), written);
        const QString answer = find<QLineEdit>(result) ? find<QLineEdit>(result)->text() : QString();
        QVERIFY(!answer.isEmpty());
        if (!shown.isEmpty()) {
            QCOMPARE(answer, shown);
        } else {
            Retype(input, before);
            Retype(input, written);
            QCOMPARE(find<QLineEdit>(result)->text(), answer);
        }
        QTest::keyClick(input, Qt::Key_Z, Qt::ControlModifier);  // typing's undo takes it back
        QVERIFY(input->text() != written);
    }
};

QTEST_MAIN(DiscMenuTest)
#include "disc_menu_test.moc"
