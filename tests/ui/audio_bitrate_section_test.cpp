// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The audio bitrate section of the "Audio and HD Space" tab driven as a user drives it:
// keystrokes into its fields, clicks on its options, the real message box answered.
#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include "support/modal.h"
#include "support/typing.h"
#include "support/window.h"
#include "ui/main_window.h"

using tessaly::ui::MainWindow;

class AudioBitrateSectionTest : public QObject, protected WindowTest {
    Q_OBJECT

    QLineEdit* text13 = nullptr;
    QLineEdit* text14 = nullptr;
    QLineEdit* text15 = nullptr;
    QLineEdit* text16 = nullptr;
    QLineEdit* text17 = nullptr;
    QRadioButton* option4 = nullptr;
    QRadioButton* option5 = nullptr;
    QRadioButton* option6 = nullptr;
    QRadioButton* option7 = nullptr;

    QStringList results() const { return {text16->text(), text17->text()}; }

private slots:
    void init() {
        window = OpenWindow();
        QVERIFY(window);
        QVERIFY(ClickTab(window.get(), 1));
        text13 = find<QLineEdit>("Text13");
        text14 = find<QLineEdit>("Text14");
        text15 = find<QLineEdit>("Text15");
        text16 = find<QLineEdit>("Text16");
        text17 = find<QLineEdit>("Text17");
        option4 = find<QRadioButton>("Option4");
        option5 = find<QRadioButton>("Option5");
        option6 = find<QRadioButton>("Option6");
        option7 = find<QRadioButton>("Option7");
        QVERIFY(text13 && text14 && text15 && text16 && text17 && option4 && option5 && option6 && option7);
        QCOMPARE(results(), (QStringList{"135", "128"}));
    }

    void cleanup() { window.reset(); }

    void workedExamples_data() {
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("avi");
        QTest::addColumn<QString>("desired");
        QTest::addColumn<QString>("audio");  // "48", "44.1" or "No"
        QTest::addColumn<QStringList>("want");

        QTest::newRow("start-up") << "100"
                                  << "1700"
                                  << "700"
                                  << "48" << QStringList{"135", "128"};
        QTest::newRow("44.1 kHz") << "100"
                                  << "1600"
                                  << "700"
                                  << "44.1" << QStringList{"149", "128"};
        QTest::newRow("90 minutes") << "90"
                                    << "1500"
                                    << "700"
                                    << "48" << QStringList{"286", "256"};
        QTest::newRow("no WAV") << "100"
                                << "600"
                                << "700"
                                << "No" << QStringList{"137", "128"};
        QTest::newRow("44.1 kHz too low") << "100"
                                          << "1700"
                                          << "700"
                                          << "44.1" << QStringList{"13", "too low"};
        QTest::newRow("no WAV, far too big") << "100"
                                             << "1700"
                                             << "700"
                                             << "No" << QStringList{"-1365", "too low"};
        QTest::newRow("slightly negative") << "100"
                                           << "1800"
                                           << "700"
                                           << "48" << QStringList{"-2", "too low"};
        QTest::newRow("negative zero") << "100"
                                       << "700.1"
                                       << "700"
                                       << "No" << QStringList{"0", "too low"};
        QTest::newRow("no room") << "100"
                                 << "700"
                                 << "700"
                                 << "No" << QStringList{"0", "too low"};
        QTest::newRow("all WAV") << "100"
                                 << "1700"
                                 << "1700"
                                 << "48" << QStringList{"1500", "384"};
        QTest::newRow("negative length") << "-100"
                                         << "1700"
                                         << "700"
                                         << "48" << QStringList{"2865", "384"};
        QTest::newRow("62.5 to the even 62") << "1"
                                             << "700"
                                             << "700.457763671875"
                                             << "No" << QStringList{"62", "too low"};
        QTest::newRow("63.5 to the even 64") << "1"
                                             << "700"
                                             << "700.465087890625"
                                             << "No" << QStringList{"64", "64"};
        QTest::newRow("127") << "1"
                             << "700"
                             << "700.93017578125"
                             << "No" << QStringList{"127", "112"};
        QTest::newRow("128") << "1"
                             << "700"
                             << "700.9375"
                             << "No" << QStringList{"128", "128"};
        QTest::newRow("383") << "1"
                             << "700"
                             << "702.80517578125"
                             << "No" << QStringList{"383", "320"};
        QTest::newRow("384") << "1"
                             << "700"
                             << "702.8125"
                             << "No" << QStringList{"384", "384"};
    }

    void workedExamples() {
        QFETCH(QString, length);
        QFETCH(QString, avi);
        QFETCH(QString, desired);
        QFETCH(QString, audio);
        QFETCH(QStringList, want);
        ModalAnswerer answerer;

        ClickOption(audio == "No" ? option5 : option4);
        if (audio == "44.1")
            ClickOption(option7);
        Retype(text13, length);
        Retype(text14, avi);
        Retype(text15, desired);
        QCOMPARE(results(), want);
        QCOMPARE(answerer.count(), 0);
    }

    // Zero minutes with room left is a division by zero, reported; with no room left it is
    // zero by zero, which is not. Either way the results stay as they were.
    void zeroLength_data() {
        QTest::addColumn<QString>("avi");
        QTest::addColumn<QString>("desired");
        QTest::addColumn<int>("messages");
        QTest::newRow("room left") << "1700"
                                   << "700" << 1;
        QTest::newRow("no room") << "700"
                                 << "700" << 0;
    }

    void zeroLength() {
        QFETCH(QString, avi);
        QFETCH(QString, desired);
        QFETCH(int, messages);
        ClickOption(option5);  // no WAV, so that zero minutes leaves the room as typed
        Retype(text14, avi);
        Retype(text15, desired);
        const QStringList before = results();

        ModalAnswerer answerer;
        Retype(text13, "0");
        QCOMPARE(answerer.count(), messages);
        QCOMPARE(results(), before);
        if (messages) {
            const SeenMessage& seen = answerer.seen().first();
            QCOMPARE(seen.title, QString("You must enter a number."));
            QCOMPARE(seen.text, QString("Pleast enter a positive number."));
            QCOMPARE(seen.buttons.size(), 1);
        }
    }

    void inputsThatAreNoNumberChangeNothing_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty length") << "Text13"
                                      << "";
        QTest::newRow("abc as the AVI size") << "Text14"
                                             << "abc";
        QTest::newRow("empty desired size") << "Text15"
                                            << "";
    }

    void inputsThatAreNoNumberChangeNothing() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        ModalAnswerer answerer;
        Retype(find<QLineEdit>(qPrintable(field)), text);
        QCOMPARE(results(), (QStringList{"135", "128"}));
        QCOMPARE(answerer.count(), 0);
    }

    // "No" forgets the rate; "Yes" brings back 48 kHz, whatever was chosen before. Selecting
    // it from code raises no click, so the handler's own calculation is the only one.
    void noThenYesComesBackTo48kHz() {
        ClickOption(option7);
        QCOMPARE(results(), (QStringList{"13", "too low"}));

        ClickOption(option5);
        QCOMPARE(results(), (QStringList{"-1365", "too low"}));
        QVERIFY(!option6->isEnabled() && !option7->isEnabled());
        QVERIFY(!option6->isChecked() && !option7->isChecked());
        ClickOption(option7);  // disabled: the click does nothing
        QVERIFY(!option7->isChecked());
        QCOMPARE(results(), (QStringList{"-1365", "too low"}));

        QSignalSpy option6Clicked(option6, &QRadioButton::clicked);
        QSignalSpy suggestions(text17, &QLineEdit::textChanged);
        ClickOption(option4);
        QVERIFY(option6->isEnabled() && option7->isEnabled());
        QVERIFY(option6->isChecked() && !option7->isChecked());
        QCOMPARE(results(), (QStringList{"135", "128"}));  // 187.5, not 172.266
        QCOMPARE(option6Clicked.count(), 0);
        QStringList shown;
        for (const QList<QVariant>& change : suggestions)
            shown << change.first().toString();
        QCOMPARE(shown, (QStringList{"0", "128"}));
    }

    // The buttons write 0 as the suggestion before they calculate; when the calculation
    // fails that 0 stays, and the bitrate keeps its old text.
    void yesAndNoWithoutADesiredSizeShowZero() {
        Retype(text15, "");
        ClickOption(option5);
        QCOMPARE(results(), (QStringList{"135", "0"}));
        QVERIFY(!option6->isEnabled() && !option6->isChecked() && !option7->isChecked());

        Retype(text15, "7");
        QCOMPARE(results(), (QStringList{"-2312", "too low"}));  // (7 - 1700) * 8192 / 6000
        Retype(text15, "");
        ClickOption(option4);
        QCOMPARE(results().last(), QString("0"));
        QVERIFY(option6->isChecked());
    }

    void resultFieldsTakeNoTyping() {
        for (QLineEdit* result : {text16, text17}) {
            QVERIFY(result->isReadOnly());
            const QString before = result->text();
            QTest::mouseClick(result, Qt::LeftButton);
            QTest::keyClicks(result, "5");
            QTest::keyClick(result, Qt::Key_Backspace);
            QCOMPARE(result->text(), before);
        }
    }

    // The Tab key walks the section in its designed order and passes the bitrate result by.
    void tabKeyOrder() {
        text13->setFocus(Qt::TabFocusReason);
        QStringList reached{text13->objectName()};
        for (int step = 0; step < 40; ++step) {  // once round the window
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            if (QApplication::focusWidget() == text13)
                break;
            reached << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(reached.mid(0, 6),
                 (QStringList{"Text13", "Text14", "Option4", "Text15", "Text17", "Option6"}));
        QVERIFY2(!reached.contains("Text16"), qPrintable(reached.join(' ')));
    }
};

QTEST_MAIN(AudioBitrateSectionTest)
#include "audio_bitrate_section_test.moc"
