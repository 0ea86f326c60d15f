// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The "Info" tab: its two change-log entries, whole and in order, and its Exit button.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <memory>

#include "support/window.h"
#include "ui/main_window.h"

using tessaly::ui::MainWindow;

class InfoTabTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> window;
    QWidget* info = nullptr;

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void init() {
        window = OpenWindow();
        QVERIFY(window);
        QVERIFY(ClickTab(window.get(), 3));
        info = window->tabs()->currentWidget();
    }

    void cleanup() { window.reset(); }

    void holdsExactlyTheTwoEntriesAndTheButton() {
        const QList<QLabel*> labels = info->findChildren<QLabel*>();
        QCOMPARE(labels.size(), 2);
        QCOMPARE(info->findChildren<QPushButton*>().size(), 1);
        QCOMPARE(info->findChildren<QPushButton*>().first()->objectName(), QString("Command4"));

        auto* newest = info->findChild<QLabel*>("Label43");
        auto* older = info->findChild<QLabel*>("Label37");
        QVERIFY(newest && older);
        QCOMPARE(
            newest->text(),
            QString(
                "01/11/01: Added an HD space calculator that calculates the amount of space you will need "
                "to Flask your VOB files to your HD.  Also added an audio bitrate calculator that will tell "
                "you the maximum Audio bit rate to use after you have flasked your VOB files; as your "
                "flasked AVI may be somewhat smaller than originally intended you may be able to increase "
                "the audio bit rate and get better quality sound than anticipated."));
        QCOMPARE(
            older->text(),
            QString(
                "01/07/01:  Fixed a small mathematical error in the calculations of the bitrate "
                "calculator, it should now be even more accurate.  Added Data conversion calculator; this "
                "has been fully tested and haven't found any errors.   The bitrate clculator is now on a "
                "tabbed form.  I make no warranties as to the usefullness, accuracy or whether or not it is "
                "safe to run this program on your computer.  If you get a virus from this program or it "
                "somehow trashes your computer, it is nothing that I coded into it so don't blame me."));
        for (QLabel* label : labels) {
            QVERIFY(label->wordWrap());
            QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
            QCOMPARE(label->textFormat(), Qt::PlainText);
        }
    }

    void entriesShowWholeInOneColumnNewestFirst() {
        auto* newest = info->findChild<QLabel*>("Label43");
        auto* older = info->findChild<QLabel*>("Label37");
        auto* exit = info->findChild<QPushButton*>("Command4");
        for (QLabel* label : {newest, older})
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                     qPrintable(label->objectName()));
        QCOMPARE(newest->x(), older->x());
        QCOMPARE(newest->width(), older->width());
        QVERIFY(newest->geometry().bottom() <= older->y() + 1);
        QVERIFY(older->geometry().bottom() < exit->y());
    }

    void altIEndsTheProgramWhileTheTabIsInFront() {
        QTest::keyClick(window.get(), Qt::Key_I, Qt::AltModifier);
        // An access key presses its button visibly, so the click lands a moment later.
        QTRY_VERIFY(!window->isVisible());
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(InfoTabTest)
#include "info_tab_test.moc"
