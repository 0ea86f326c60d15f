// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The "Data Conversion" tab driven as a user drives it: keystrokes into the input, clicks and
// arrow keys in the unit list, with the real message box answered from a timer.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTest>
#include <cstdlib>
#include <memory>

#include "support/modal.h"
#include "support/typing.h"
#include "support/window.h"
#include "ui/main_window.h"

using tessaly::ui::MainWindow;

namespace {

const QStringList kItems{"bits",           "bytes",         "kilobits (kb)",  "kilobytes (kB)",
                         "megabit (Mbit)", "megabyte (MB)", "gigabit (Gbit)", "gigabyte (GB)"};
const QString kPrompt = QStringLiteral("Pleast enter a number in the input field.");
const QStringList kAllDashes(8, QStringLiteral("-"));

}  // namespace

class ConversionTabTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> window;
    QLineEdit* text1 = nullptr;
    QListWidget* list1 = nullptr;
    QList<QLineEdit*> boxes;  // Text2 to Text9

    QStringList outputs() const {
        QStringList texts;
        for (QLineEdit* box : boxes)
            texts << box->text();
        return texts;
    }

    void clickUnit(int row) {
        const QPoint centre = list1->visualItemRect(list1->item(row)).center();
        QTest::mouseClick(list1->viewport(), Qt::LeftButton, {}, centre);
    }

private slots:
    void init() {
        window = OpenWindow();
        QVERIFY(window);
        QVERIFY(ClickTab(window.get(), 2));
        text1 = window->findChild<QLineEdit*>("Text1");
        list1 = window->findChild<QListWidget*>("List1");
        QVERIFY(text1 && list1);
        boxes.clear();
        for (int i = 2; i <= 9; ++i) {
            boxes << window->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(i));
            QVERIFY(boxes.last());
        }
    }

    void cleanup() { window.reset(); }

    void opensEmptyWithTheEightUnitsAndNoneChosen() {
        QCOMPARE(text1->text(), QString());
        QCOMPARE(list1->count(), 8);
        for (int i = 0; i < 8; ++i)
            QCOMPARE(list1->item(i)->text(), kItems[i]);
        QVERIFY(list1->selectedItems().isEmpty());
        QCOMPARE(list1->currentRow(), -1);
        QCOMPARE(outputs(), QStringList(8, QString()));

        const char* const labels[] = {"Label32", "Label31", "Label30", "Label29",
                                      "Label28", "Label27", "Label26", "Label25"};
        const QStringList captions{
            "bits",           "bytes",           "kilobits (kb/kbit)", "kilobytes (kB)", "megabits (Mbit)",
            "megabytes (MB)", "gigabits (Gbit)", "gigabytes (GB)"};
        for (int i = 0; i < 8; ++i) {
            auto* label = window->findChild<QLabel*>(labels[i]);
            QVERIFY2(label, labels[i]);
            QCOMPARE(label->text(), captions[i]);
            // Each unit sits on the row of its box.
            QVERIFY(std::abs(label->y() - boxes[i]->y()) <= 1);
        }
        for (const char* name :
             {"Label14", "Label18", "Label19", "Label20", "Label21", "Label22", "Label23", "Label33"})
            QCOMPARE(window->findChild<QLabel*>(name)->text(), QString("="));
        QCOMPARE(
            window->findChild<QLabel*>("Label35")->text(),
            QString(
                "This program will not correctly calculate the space on a Hard Drive if you use the size "
                "given on the HD box.  HD manufacturers use 1,000,000,000 bytes to represent 1 GB, but in "
                "the REAL world 1 GB is 1073741824 bytes.   Use the values your OS gives you"));
    }

    void workedExamples_data() {
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("unit");
        QTest::addColumn<QStringList>("want");
        QTest::newRow("1 GB") << "1" << 7 << QStringList{"8589934592", "1073741824", "8388608", "1048576",
                                                         "8192",       "1024",       "8",       "1"};
        QTest::newRow("1 bit") << "1" << 0
                               << QStringList{"1",
                                              "0.125",
                                              "0.0009765625",
                                              "0.0001220703125",
                                              "9.5367431640625E-07",
                                              "1.19209289550781E-07",
                                              "9.31322574615479E-10",
                                              "1.16415321826935E-10"};
        QTest::newRow("700 MB") << "700" << 5
                                << QStringList{"5872025600", "734003200", "5734400", "716800",
                                               "5600",       "700",       "5.46875", "0.68359375"};
        QTest::newRow("4.7 GB") << "4.7" << 7
                                << QStringList{"40372692582.4", "5046586572.8", "39426457.6", "4928307.2",
                                               "38502.4",       "4812.8",       "37.6",       "4.7"};
        QTest::newRow("-5 bytes") << "-5" << 1
                                  << QStringList{"-40",
                                                 "-5",
                                                 "-0.0390625",
                                                 "-0.0048828125",
                                                 "-3.814697265625E-05",
                                                 "-4.76837158203125E-06",
                                                 "-3.72529029846191E-08",
                                                 "-4.65661287307739E-09"};
        QTest::newRow("0 kB") << "0" << 3 << QStringList(8, "0");
        QTest::newRow("007 kB") << "007" << 3 << QStringList{"57344",
                                                             "7168",
                                                             "56",
                                                             "007",
                                                             "0.0546875",
                                                             "0.0068359375",
                                                             "5.340576171875E-05",
                                                             "6.67572021484375E-06"};
        QTest::newRow("1E300 bits") << "1E300" << 0
                                    << QStringList{"1E300",
                                                   "1.25E+299",
                                                   "9.765625E+296",
                                                   "1.220703125E+296",
                                                   "9.5367431640625E+293",
                                                   "1.19209289550781E+293",
                                                   "9.31322574615479E+290",
                                                   "1.16415321826935E+290"};
        QTest::newRow("blank before 1 Mbit")
            << " 1" << 4 << QStringList{"1048576", "131072", "1024",         "128",
                                        " 1",      "0.125",  "0.0009765625", "0.0001220703125"};
        QTest::newRow("1,024 kbit") << "1,024" << 2
                                    << QStringList{"1048576", "131072", "1,024",        "128",
                                                   "1",       "0.125",  "0.0009765625", "0.0001220703125"};
    }

    // Typed with no unit chosen (nothing converts), then the unit clicked.
    void workedExamples() {
        QFETCH(QString, input);
        QFETCH(int, unit);
        QFETCH(QStringList, want);
        ModalAnswerer answerer;
        QTest::keyClicks(text1, input);
        QCOMPARE(outputs(), QStringList(8, QString()));
        clickUnit(unit);
        QCOMPARE(list1->currentRow(), unit);
        QCOMPARE(outputs(), want);
        QCOMPARE(answerer.count(), 0);
        QCOMPARE(text1->text(), input);
    }

    void typingWithNoUnitChosenChangesNothing() {
        ModalAnswerer answerer;
        QTest::keyClicks(text1, "abc");
        QTest::keyClick(text1, Qt::Key_Backspace);
        QCOMPARE(outputs(), QStringList(8, QString()));
        QCOMPARE(answerer.count(), 0);
    }

    void choosingAUnitForANonNumberShowsOneMessageThenDashes() {
        ModalAnswerer answerer;
        clickUnit(3);  // the input is still empty
        QCOMPARE(answerer.count(), 1);
        QCOMPARE(answerer.seen()[0].text, kPrompt);
        QCOMPARE(answerer.seen()[0].title, QString("Tessaly Video Bitrate Calculator"));
        QCOMPARE(answerer.seen()[0].buttons, QStringList{"OK"});
        QCOMPARE(outputs(), kAllDashes);
    }

    void clickingTheChosenUnitAgainConvertsAgain() {
        ModalAnswerer answerer;
        QTest::keyClicks(text1, "x");
        clickUnit(5);
        QCOMPARE(answerer.count(), 1);
        clickUnit(5);
        QCOMPARE(answerer.count(), 2);
        clickUnit(6);
        QCOMPARE(answerer.count(), 3);

        Retype(text1, "2");
        QCOMPARE(outputs()[7], QString("0.25"));  // 2 gigabits in gigabytes
        clickUnit(6);
        QCOMPARE(outputs()[7], QString("0.25"));
        QCOMPARE(answerer.count(), 3);
    }

    void keyboardFocusChoosesNothingAndArrowsConvertOncePerKey() {
        ModalAnswerer answerer;
        text1->setFocus();
        QTest::keyClick(text1, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), list1);
        QVERIFY(list1->selectedItems().isEmpty());
        QCOMPARE(outputs(), QStringList(8, QString()));
        QCOMPARE(answerer.count(), 0);

        QTest::keyClick(list1, Qt::Key_Down);
        QCOMPARE(list1->selectedItems().size(), 1);
        QCOMPARE(answerer.count(), 1);
        QCOMPARE(outputs(), kAllDashes);
        QTest::keyClick(list1, Qt::Key_End);
        QCOMPARE(list1->currentRow(), 7);
        QCOMPARE(answerer.count(), 2);
        QTest::keyClick(list1, Qt::Key_Down);  // already on the last unit: nothing chosen
        QCOMPARE(answerer.count(), 2);

        // A number converts with whatever unit the keys land on.
        text1->setText("1");
        QCOMPARE(outputs().first(), QString("8589934592"));
        list1->setFocus();
        QTest::keyClick(list1, Qt::Key_Up);
        QCOMPARE(list1->currentRow(), 6);
        QCOMPARE(outputs().first(), QString("1073741824"));
        QCOMPARE(answerer.count(), 2);
    }

    void typing1e3PassesThroughOneMessage() {
        ModalAnswerer answerer;
        clickUnit(3);  // empty input: one message first
        QCOMPARE(answerer.count(), 1);
        QTest::keyClicks(text1, "1e3");
        QCOMPARE(answerer.count(), 2);
        QCOMPARE(answerer.seen()[1].text, kPrompt);
        QCOMPARE(outputs(), (QStringList{"8192000", "1024000", "8000", "1e3", "7.8125", "0.9765625",
                                         "0.00762939453125", "0.00095367431640625"}));
    }

    void nonNumberMessageOpensOverTheWritesBeforeIt_data() {
        QTest::addColumn<int>("unit");
        QTest::newRow("bits") << 0;
        QTest::newRow("bytes") << 1;
        QTest::newRow("gigabyte (GB)") << 7;
    }

    // "abc" pasted in one edit over the results for 1024.
    void nonNumberMessageOpensOverTheWritesBeforeIt() {
        QFETCH(int, unit);
        QTest::keyClicks(text1, "1024");
        clickUnit(unit);
        QStringList whileOpen = outputs();
        QCOMPARE(whileOpen[unit], QString("1024"));
        if (unit == 0)
            whileOpen[0] = "abc";  // the copy of the input comes before the input is read

        QStringList seenWhileOpen;
        ModalAnswerer answerer([&](QMessageBox*) { seenWhileOpen = outputs(); });
        QApplication::clipboard()->setText("abc");
        QTest::keyClick(text1, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(text1, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(text1->text(), QString("abc"));
        QCOMPARE(answerer.count(), 1);
        QCOMPARE(seenWhileOpen, whileOpen);
        QCOMPARE(outputs(), kAllDashes);
        QCOMPARE(list1->currentRow(), unit);
    }

    void tooLargeAnInputClearsEveryBoxSilently() {
        QTest::keyClicks(text1, "1E30");
        clickUnit(7);
        QCOMPARE(outputs().last(), QString("1E30"));
        ModalAnswerer answerer;
        QTest::keyClicks(text1, "0");
        QCOMPARE(text1->text(), QString("1E300"));
        QCOMPARE(outputs(), kAllDashes);
        QCOMPARE(answerer.count(), 0);
    }

    void resultBoxesCanBeSelectedButNotEditedOrTabbedTo() {
        QTest::keyClicks(text1, "1");
        clickUnit(7);
        QLineEdit* bits = boxes.first();
        QTest::mouseClick(bits, Qt::LeftButton);
        QTest::keyClick(bits, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(bits->selectedText(), QString("8589934592"));
        QTest::keyClicks(bits, "9");
        QTest::keyClick(bits, Qt::Key_Backspace);
        QCOMPARE(bits->text(), QString("8589934592"));

        text1->setFocus();
        QStringList visited;
        for (int i = 0; i < 12; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited.mid(0, 2), (QStringList{"List1", "Command5"}));
        for (QLineEdit* box : boxes)
            QVERIFY2(!visited.contains(box->objectName()), qPrintable(box->objectName()));
    }

    void noTextIsCutOff() {
        QWidget* tab = list1->parentWidget();
        for (QLabel* label : tab->findChildren<QLabel*>()) {
            if (label->wordWrap())
                QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                         qPrintable(label->objectName()));
            else
                QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->objectName()));
        }
        // The longest results fit their boxes; frame and margin take 3 px a side.
        for (QLineEdit* box : boxes) {
            for (const char* longest : {"-1.16415321826935E+290", "-4.65661287307739E-09"})
                QVERIFY2(box->fontMetrics().horizontalAdvance(longest) <= box->width() - 6, longest);
        }
        for (int i = 0; i < list1->count(); ++i)
            QVERIFY2(list1->viewport()->rect().contains(list1->visualItemRect(list1->item(i))),
                     qPrintable(kItems[i]));
    }
};

QTEST_MAIN(ConversionTabTest)
#include "conversion_tab_test.moc"
