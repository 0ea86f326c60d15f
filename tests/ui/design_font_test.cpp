// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The design's font is the one the window's texts are drawn in wherever the system has it: on
// Windows "MS Sans Serif" itself, elsewhere its metric-compatible substitute, even where the
// other family is installed too (the Windows tests see both).
#include <QApplication>
#include <QFontInfo>
#include <QTest>

#include "support/window.h"

namespace {

#ifdef Q_OS_WIN
const QString kExpectedFamily = QStringLiteral("MS Sans Serif");
#else
const QString kExpectedFamily = QStringLiteral("Liberation Sans");
#endif

}  // namespace

class DesignFontTest : public QObject, WindowTest {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init() { QVERIFY((window = OpenWindow())); }
    void cleanup() { window.reset(); }

    void controlsDrawInTheDesignFont_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("pixels");
        QTest::addColumn<bool>("bold");
        QTest::newRow("window's own font: version label") << "Label17" << 11 << false;
        QTest::newRow("button") << "Command1" << 11 << false;
        QTest::newRow("bold frame caption") << "Frame4" << 11 << true;
        QTest::newRow("combo box") << "Combo1" << 11 << false;
        QTest::newRow("9.75 pt input") << "Text1" << 13 << false;
        QTest::newRow("12 pt list") << "List1" << 16 << false;
    }

    void controlsDrawInTheDesignFont() {
        QFETCH(QString, name);
        QFETCH(int, pixels);
        QFETCH(bool, bold);
        auto* control = find(name);
        QVERIFY2(control, qPrintable(name));
        const QFontInfo drawn(control->font());
        QCOMPARE(drawn.family(), kExpectedFamily);
        QCOMPARE(drawn.pixelSize(), pixels);
        QCOMPARE(drawn.bold(), bold);
    }
};

QTEST_MAIN(DesignFontTest)
#include "design_font_test.moc"
