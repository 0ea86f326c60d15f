// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The "Bitrate Calculator" tab driven as a user drives it: keystrokes into the real fields,
// with the real message box answered from a timer.
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <memory>

#include "support/modal.h"
#include "support/typing.h"
#include "support/window.h"
#include "ui/main_window.h"

using tessaly::ui::MainWindow;

class BitrateTabTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> window;
    QLineEdit* txtMin = nullptr;
    QLineEdit* txtAudBit = nullptr;
    QLineEdit* txtSize = nullptr;
    QLineEdit* txtVidBit = nullptr;
    QLabel* audData = nullptr;
    QLabel* lblVidData = nullptr;

    QStringList outputs() const { return {txtVidBit->text(), audData->text(), lblVidData->text()}; }

private slots:
    void init() {
        window = OpenWindow();
        QVERIFY(window);
        txtMin = window->findChild<QLineEdit*>("txtMin");
        txtAudBit = window->findChild<QLineEdit*>("txtAudBit");
        txtSize = window->findChild<QLineEdit*>("txtSize");
        txtVidBit = window->findChild<QLineEdit*>("txtVidBit");
        audData = window->findChild<QLabel*>("audData");
        lblVidData = window->findChild<QLabel*>("lblVidData");
        QVERIFY(txtMin && txtAudBit && txtSize && txtVidBit && audData && lblVidData);
    }

    void cleanup() { window.reset(); }

    void startsWithTheDefaultsAndTheirResults() {
        ModalAnswerer answerer;
        MainWindow fresh;
        fresh.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fresh));
        QCOMPARE(fresh.findChild<QTabWidget*>("SSTab1")->currentIndex(), 0);
        QCOMPARE(fresh.findChild<QLineEdit*>("txtMin")->text(), QString("100"));
        QCOMPARE(fresh.findChild<QLineEdit*>("txtAudBit")->text(), QString("128"));
        QCOMPARE(fresh.findChild<QLineEdit*>("txtSize")->text(), QString("700"));
        QCOMPARE(fresh.findChild<QLineEdit*>("txtVidBit")->text(), QString("827"));
        QCOMPARE(fresh.findChild<QLabel*>("audData")->text(), QString("94"));
        QCOMPARE(fresh.findChild<QLabel*>("lblVidData")->text(), QString("606"));
        QTest::qWait(30);
        QCOMPARE(answerer.count(), 0);
    }

    void workedExamples_data() {
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("audio");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QStringList>("want");  // empty: the outputs stay as they were
        QTest::addColumn<bool>("message");

        QTest::newRow("defaults") << "100"
                                  << "128"
                                  << "700" << QStringList{"827", "94", "606"} << false;
        QTest::newRow("twice the size") << "100"
                                        << "128"
                                        << "1400" << QStringList{"1783", "94", "1306"} << false;
        QTest::newRow("112.5 MB of audio rounds to even")
            << "120"
            << "128"
            << "700" << QStringList{"669", "112", "588"} << false;
        QTest::newRow("audio 147.65625") << "90"
                                         << "224"
                                         << "700" << QStringList{"837", "148", "552"} << false;
        QTest::newRow("no audio") << "100"
                                  << "0"
                                  << "700" << QStringList{"956", "0", "700"} << false;
        QTest::newRow("video data keeps decimals") << "100"
                                                   << "128"
                                                   << "700.5" << QStringList{"828", "94", "606.5"} << false;
        QTest::newRow("size below the audio") << "100"
                                              << "128"
                                              << "50" << QStringList{"-60", "94", "-44"} << false;
        QTest::newRow("negative length") << "-100"
                                         << "128"
                                         << "700" << QStringList{"-1084", "-94", "794"} << false;
        QTest::newRow("zero length") << "0"
                                     << "128"
                                     << "700" << QStringList{} << true;
        QTest::newRow("zero by zero") << "0"
                                      << "128"
                                      << "0" << QStringList{} << false;
        QTest::newRow("empty audio") << "100"
                                     << ""
                                     << "700" << QStringList{} << false;
    }

    void workedExamples() {
        QFETCH(QString, length);
        QFETCH(QString, audio);
        QFETCH(QString, size);
        QFETCH(QStringList, want);
        QFETCH(bool, message);

        // Fill in the tab's order; the length goes last, with its last keystroke watched alone.
        Retype(txtSize, size);
        Retype(txtAudBit, audio);
        Retype(txtMin, length.chopped(1));
        const QStringList before = outputs();

        ModalAnswerer answerer;
        QTest::keyClicks(txtMin, length.right(1));
        QCOMPARE(txtMin->text(), length);
        QCOMPARE(outputs(), want.isEmpty() ? before : want);
        QCOMPARE(answerer.count(), message ? 1 : 0);
        if (message) {
            const SeenMessage& seen = answerer.seen().first();
            QCOMPARE(seen.title, QString("You must enter a number."));
            QCOMPARE(seen.text, QString("Pleast enter a positive number."));
            QCOMPARE(seen.buttons.size(), 1);
            QCOMPARE(QString(seen.buttons.first()).remove('&'), QString("OK"));
        }
    }

    void editingTheLengthPassesThroughEachText() {
        ModalAnswerer answerer;
        QTest::keyClick(txtMin, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(txtMin, Qt::Key_Backspace);
        QCOMPARE(outputs(), (QStringList{"827", "94", "606"}));  // empty field: nothing changes
        QTest::keyClick(txtMin, Qt::Key_9);
        QCOMPARE(outputs(), (QStringList{"10498", "8", "692"}));
        QTest::keyClick(txtMin, Qt::Key_0);
        QCOMPARE(outputs(), (QStringList{"934", "84", "616"}));
        QCOMPARE(answerer.count(), 0);
    }

    void zeroLengthShowsTheMessageOncePerKeystroke() {
        ModalAnswerer answerer([](QMessageBox* box) {
            QVERIFY(box->isModal());
            QCOMPARE(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
        });
        Retype(txtMin, "0");
        QCOMPARE(answerer.count(), 1);
        QTest::keyClick(txtSize, Qt::Key_End);
        QTest::keyClick(txtSize, Qt::Key_1);          // 7001
        QTest::keyClick(txtSize, Qt::Key_Backspace);  // 700
        QTest::keyClick(txtAudBit, Qt::Key_End);
        QTest::keyClick(txtAudBit, Qt::Key_Backspace);  // 12
        QCOMPARE(answerer.count(), 4);
        QCOMPARE(outputs(), (QStringList{"827", "94", "606"}));
    }

    void textSetByTheProgramRecomputesLikeTyping() {
        QSignalSpy changed(txtAudBit, &QLineEdit::textChanged);
        txtAudBit->setText("0");
        QCOMPARE(changed.count(), 1);
        QCOMPARE(outputs(), (QStringList{"956", "0", "700"}));
    }

    void theResultFieldTakesNoInput() {
        QVERIFY(!txtVidBit->isEnabled());
        QCOMPARE(txtVidBit->focusPolicy(), Qt::NoFocus);
        QTest::keyClicks(txtVidBit, "5");
        QTest::mouseClick(txtVidBit, Qt::LeftButton);
        QCOMPARE(txtVidBit->text(), QString("827"));
    }

    void aLocaleWithADecimalCommaReadsAndWritesIt() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        MainWindow german;
        QLocale::setDefault(QLocale::c());
        auto* size = german.findChild<QLineEdit*>("txtSize");
        Retype(size, "700,5");
        QCOMPARE(german.findChild<QLabel*>("lblVidData")->text(), QString("606,5"));
        QCOMPARE(german.findChild<QLineEdit*>("txtVidBit")->text(), QString("828"));
    }
};

QTEST_MAIN(BitrateTabTest)
#include "bitrate_tab_test.moc"
