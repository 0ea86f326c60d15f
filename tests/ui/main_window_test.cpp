// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window as a whole: its frame, its tabs, the keyboard order of the first tab and the
// four Exit buttons, each pressed as a user presses it.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <memory>

#include "support/typing.h"
#include "support/window.h"
#include "ui/main_window.h"

using tessaly::ui::MainWindow;

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> window;
    QTabWidget* tabs = nullptr;

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void init() {
        window = OpenWindow();
        QVERIFY(window);
        tabs = window->findChild<QTabWidget*>("SSTab1");
        QVERIFY(tabs);
    }

    void cleanup() { window.reset(); }

    void theWindowIsAFixedFrameAroundFourTabs() {
        QCOMPARE(window->objectName(), QString("Form1"));
        QCOMPARE(window->windowTitle(), QString("Tessaly Video Bitrate Calculator"));
        QCOMPARE(window->size(), QSize(504, 417));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
        const QIcon icon = window->windowIcon();
        QVERIFY(!icon.isNull());
        QVERIFY(icon.availableSizes().contains(QSize(16, 16)));
        QVERIFY(icon.availableSizes().contains(QSize(32, 32)));

        QCOMPARE(tabs->count(), 4);
        const QStringList captions{"Bitrate Calculator", "Audio and HD Space", "Data Conversion", "Info"};
        for (int i = 0; i < tabs->count(); ++i)
            QCOMPARE(tabs->tabText(i), captions[i]);
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(tabs->geometry(), QRect(0, 0, 505, 418));
    }

    void theTabStripHoldsTheFocusAtStart() { QVERIFY(qobject_cast<QTabBar*>(QApplication::focusWidget())); }

    void exitButtonsSitOnTheirTabs() {
        const struct {
            const char* name;
            const char* caption;
            int tab;
            QRect geometry;
        } buttons[] = {
            {"Command1", "E&xit", 0, {24, 227, 85, 26}},
            {"Command3", "Exit", 0, {15, 394, 478, 14}},
            {"Command5", "Ex&it", 2, {390, 345, 100, 52}},
            {"Command4", "Ex&it", 3, {378, 343, 100, 52}},
        };
        for (const auto& b : buttons) {
            auto* button = window->findChild<QPushButton*>(b.name);
            QVERIFY2(button, b.name);
            QVERIFY(ClickTab(window.get(), b.tab));
            QCOMPARE(button->text(), QString(b.caption));
            QVERIFY2(tabs->widget(b.tab)->isAncestorOf(button), b.name);
            QCOMPARE(button->mapTo(tabs, QPoint(0, 0)), b.geometry.topLeft());
            QCOMPARE(button->size(), b.geometry.size());
        }
        // The thin bar across the bottom of the first tab sits below its note.
        QVERIFY(tabs->widget(1)->findChildren<QPushButton*>().isEmpty());
    }

    void tabKeyRunsThroughTheFirstTabsInputsAndNeverStopsOnItsSmallExit() {
        auto* txtSize = window->findChild<QLineEdit*>("txtSize");
        txtSize->setFocus();
        QCOMPARE(QApplication::focusWidget(), txtSize);
        QStringList visited{txtSize->objectName()};
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, (QStringList{"txtSize", "txtAudBit", "txtMin", "Command3"}));
        for (int i = 0; i < 20; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY(QApplication::focusWidget()->objectName() != "Command1");
            QVERIFY(QApplication::focusWidget()->objectName() != "txtVidBit");
        }
    }

    void everyExitButtonClosesTheWindowAtOnce_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("tab");
        QTest::newRow("Command1") << "Command1" << 0;
        QTest::newRow("Command3") << "Command3" << 0;
        QTest::newRow("Command5") << "Command5" << 2;
        QTest::newRow("Command4") << "Command4" << 3;
    }

    void everyExitButtonClosesTheWindowAtOnce() {
        QFETCH(QString, button);
        QFETCH(int, tab);
        QVERIFY(ClickTab(window.get(), tab));
        auto* exit = window->findChild<QPushButton*>(button);
        QVERIFY(exit->isVisible());
        QTest::mouseClick(exit, Qt::LeftButton);
        QVERIFY(!window->isVisible());
        QVERIFY(!QApplication::activeModalWidget());  // no question asked
    }

    void altXEndsTheProgramFromTheFirstTab() {
        QTest::keyClick(window.get(), Qt::Key_X, Qt::AltModifier);
        // An access key presses its button visibly, so the click lands a moment later.
        QTRY_VERIFY(!window->isVisible());
    }

    void switchingTabsChangesNothing() {
        auto* txtMin = window->findChild<QLineEdit*>("txtMin");
        Retype(txtMin, "90");
        const QString bitrate = window->findChild<QLineEdit*>("txtVidBit")->text();
        QCOMPARE(bitrate, QString("934"));
        for (int tab : {1, 2, 3, 0})
            QVERIFY(ClickTab(window.get(), tab));
        QCOMPARE(txtMin->text(), QString("90"));
        QCOMPARE(window->findChild<QLineEdit*>("txtVidBit")->text(), bitrate);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
