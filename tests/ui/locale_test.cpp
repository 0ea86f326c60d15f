// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window under a German numeric locale: it reads and writes a decimal comma and takes
// the full stop as the thousands separator, on the first tab and on the converter alike.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QTest>
#include <memory>

#include "support/modal.h"
#include "support/typing.h"
#include "support/window.h"
#include "ui/main_window.h"

using tessaly::ui::MainWindow;

class LocaleTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> window;

    template <typename T>
    T* find(const char* name) const {
        T* widget = window->findChild<T*>(QString::fromLatin1(name));
        if (!widget)
            qFatal("%s is missing", name);
        return widget;
    }

    void chooseUnit(int row) {
        auto* list = find<QListWidget>("List1");
        QListWidgetItem* item = list->item(row);
        QVERIFY(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
        QCOMPARE(list->currentRow(), row);
    }

    QStringList conversionOutputs() const {
        QStringList texts;
        for (int box = 2; box <= 9; ++box)
            texts << window->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(box))->text();
        return texts;
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void init() {
        window = OpenWindow();
        QVERIFY(window);
    }

    void cleanup() { window.reset(); }

    void bitrateTabReadsAndWritesTheLocalesNumbers_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("want");  // txtVidBit, audData, lblVidData
        QTest::newRow("decimal comma in, decimal comma out") << "txtSize"
                                                             << "700,5" << QStringList{"828", "94", "606,5"};
        QTest::newRow("point groups thousands") << "txtSize"
                                                << "1.400" << QStringList{"1783", "94", "1306"};
        QTest::newRow("comma in the length") << "txtMin"
                                             << "90,0" << QStringList{"934", "84", "616"};
        QTest::newRow("exponent") << "txtSize"
                                  << "1,4E3" << QStringList{"1783", "94", "1306"};
    }

    void bitrateTabReadsAndWritesTheLocalesNumbers() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QStringList, want);
        ModalAnswerer answerer;
        Retype(find<QLineEdit>(qPrintable(field)), typed);
        const QStringList shown{find<QLineEdit>("txtVidBit")->text(), find<QLabel>("audData")->text(),
                                find<QLabel>("lblVidData")->text()};
        QCOMPARE(shown, want);
        QCOMPARE(answerer.count(), 0);
    }

    // A full stop where the locale groups thousands is no decimal point: "700.5" is not a
    // number here, so the results stay and no message is shown.
    void bitrateTabTakesNoFullStopAsDecimalPoint() {
        ModalAnswerer answerer;
        Retype(find<QLineEdit>("txtSize"), "700.5");
        QCOMPARE(find<QLineEdit>("txtVidBit")->text(), QString("827"));
        QCOMPARE(find<QLabel>("lblVidData")->text(), QString("606"));
        QCOMPARE(answerer.count(), 0);
    }

    void converterWritesTheLocalesNumbers_data() {
        QTest::addColumn<int>("unit");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("want");
        QTest::newRow("1 bit") << 0 << "1"
                               << QStringList{"1",
                                              "0,125",
                                              "0,0009765625",
                                              "0,0001220703125",
                                              "9,5367431640625E-07",
                                              "1,19209289550781E-07",
                                              "9,31322574615479E-10",
                                              "1,16415321826935E-10"};
        QTest::newRow("4,7 gigabytes")
            << 7 << "4,7" << QStringList{"40372692582,4", "5046586572,8", "39426457,6", "4928307,2",
                                         "38502,4",       "4812,8",       "37,6",       "4,7"};
        QTest::newRow("grouped kilobits")
            << 2 << "1.024" << QStringList{"1048576", "131072", "1.024",        "128",
                                           "1",       "0,125",  "0,0009765625", "0,0001220703125"};
    }

    void converterWritesTheLocalesNumbers() {
        QFETCH(int, unit);
        QFETCH(QString, typed);
        QFETCH(QStringList, want);
        ModalAnswerer answerer;
        QVERIFY(ClickTab(window.get(), 2));
        chooseUnit(unit);  // the empty input is reported here, once
        const qsizetype before = answerer.count();
        // Pasted whole: typed key by key, "1.0" on the way to "1.024" is rightly no number.
        QApplication::clipboard()->setText(typed);
        auto* text1 = find<QLineEdit>("Text1");
        QTest::mouseClick(text1, Qt::LeftButton);
        QTest::keyClick(text1, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(conversionOutputs(), want);
        QCOMPARE(answerer.count(), before);
    }
};

QTEST_MAIN(LocaleTest)
#include "locale_test.moc"
