// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Hostile text typed and pasted into the real window: the longest pastes a line edit takes,
// control and non-ASCII characters, and the half-numbers a user passes through while typing.
// Each must end with what the number rules give, quickly, and without any other effect.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>

#include "support/modal.h"
#include "support/window.h"
#include "ui/main_window.h"

using tessaly::ui::MainWindow;

namespace {

constexpr int kLongest = 32767;  // a line edit's maximum length
constexpr qint64 kSlowestEditMs = 5000;

const QString kPositivePrompt = QStringLiteral("Pleast enter a positive number.");
const QString kNumberPrompt = QStringLiteral("Pleast enter a number in the input field.");

// Replaces a field's whole text with the clipboard, as Ctrl+A, Ctrl+V does; gives the time
// the edit took, the calculations it started included.
qint64 Paste(QLineEdit* field, const QString& text) {
    QApplication::clipboard()->setText(text);
    field->setFocus();
    QElapsedTimer timer;
    timer.start();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    return timer.elapsed();
}

qint64 Type(QLineEdit* field, const QString& text) {
    field->setFocus();
    QElapsedTimer timer;
    timer.start();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(field, c.toLatin1());
        else  // a character from a foreign keyboard layout: a key press that carries its text
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    return timer.elapsed();
}

// The outputs of every section; the texts a result may take are checked against them.
const char* const kOutputs[] = {"txtVidBit", "audData", "lblVidData", "Label44", "Text16", "Text17", "Text2",
                                "Text3",     "Text4",   "Text5",      "Text6",   "Text7",  "Text8",  "Text9"};

QString OutputText(QWidget* output) {
    if (auto* edit = qobject_cast<QLineEdit*>(output))
        return edit->text();
    return qobject_cast<QLabel*>(output)->text();
}

}  // namespace

class HostileInputTest : public QObject, protected WindowTest {
    Q_OBJECT

    QStringList bitrateOutputs() const {
        return {find<QLineEdit>("txtVidBit")->text(), find<QLabel>("audData")->text(),
                find<QLabel>("lblVidData")->text()};
    }

private slots:
    void init() {
        window = OpenWindow();
        QVERIFY(window);
    }

    void cleanup() { window.reset(); }

    // The first tab, whose rules give an exact answer for each text: the results, or the
    // start-up results 827, 94, 606 left standing.
    void bitrateTabTakesHostileText_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("paste");
        QTest::addColumn<QStringList>("want");
        QTest::addColumn<int>("messages");

        const QStringList unchanged{"827", "94", "606"};
        const auto row = [](const char* name, const QString& field, const QString& text, bool paste,
                            const QStringList& want, int messages) {
            QTest::newRow(name) << field << text << paste << want << messages;
        };
        row("32767 nines: too large", QStringLiteral("txtSize"), QString(kLongest, '9'), true, unchanged, 0);
        row("32767 nines as the length", QStringLiteral("txtMin"), QString(kLongest, '9'), true, unchanged,
            0);
        row("32767 letters", QStringLiteral("txtAudBit"), QString(kLongest, 'x'), true, unchanged, 0);
        row("32767 commas", QStringLiteral("txtSize"), QString(kLongest, ','), true, unchanged, 0);
        row("32767 points", QStringLiteral("txtMin"), QString(kLongest, '.'), true, unchanged, 0);
        row("32767 zeros are zero", QStringLiteral("txtSize"), QString(kLongest, '0'), true,
            QStringList{"-128", "94", "-94"}, 0);
        row("zeros then a one", QStringLiteral("txtAudBit"), QString(kLongest - 1, '0') + "1", true,
            QStringList{"954", "1", "699"}, 0);
        row("1,000 grouped", QStringLiteral("txtSize"), QStringLiteral("1,000"), true,
            QStringList{"1237", "94", "906"}, 0);
        row("tab before the number", QStringLiteral("txtSize"), QStringLiteral("\t700"), true, unchanged, 0);
        row("no-break space before", QStringLiteral("txtSize"), QString(QChar(0xa0)) + "700", true, unchanged,
            0);
        row("newline after", QStringLiteral("txtMin"), QStringLiteral("100\n"), true, unchanged, 0);
        row("NUL inside", QStringLiteral("txtAudBit"), QString("12") + QChar(0) + "8", true, unchanged, 0);
        row("Arabic-Indic digits", QStringLiteral("txtMin"), QString::fromUtf8("\u0661\u0660\u0660"), false,
            unchanged, 0);
        row("full-width digits", QStringLiteral("txtSize"), QString::fromUtf8("\uff17\uff10\uff10"), true,
            unchanged, 0);
        row("lone minus", QStringLiteral("txtMin"), QStringLiteral("-"), false, unchanged, 0);
        row("lone plus", QStringLiteral("txtAudBit"), QStringLiteral("+"), false, unchanged, 0);
        row("lone point", QStringLiteral("txtSize"), QStringLiteral("."), false, unchanged, 0);
        // Typing passes through "1", whose results stay while "1e" is no number.
        row("1e", QStringLiteral("txtSize"), QStringLiteral("1e"), false, QStringList{"-127", "94", "-93"},
            0);
        row("1e999 pasted: too large", QStringLiteral("txtSize"), QStringLiteral("1e999"), true, unchanged,
            0);
        row("1e999 typed stops at 1e99", QStringLiteral("txtSize"), QStringLiteral("1e999"), false,
            QStringList{"1.36533333333333E+99", "94", "1E+99"}, 0);
        row("-0 as the length divides by zero", QStringLiteral("txtMin"), QStringLiteral("-0"), false,
            unchanged, 1);
        row("-0 as the audio bitrate shows 0", QStringLiteral("txtAudBit"), QStringLiteral("-0"), true,
            QStringList{"956", "0", "700"}, 0);
    }

    void bitrateTabTakesHostileText() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(bool, paste);
        QFETCH(QStringList, want);
        QFETCH(int, messages);

        ModalAnswerer answerer;
        auto* edit = find<QLineEdit>(field.toLatin1().constData());
        QVERIFY(edit);
        QCOMPARE(bitrateOutputs(), (QStringList{"827", "94", "606"}));
        const qint64 ms = paste ? Paste(edit, text) : Type(edit, text);
        QVERIFY2(ms < kSlowestEditMs, qPrintable(QString("the edit took %1 ms").arg(ms)));
        QTest::qWait(20);

        QCOMPARE(edit->text(), text.left(kLongest));
        QCOMPARE(bitrateOutputs(), want);
        QCOMPARE(answerer.count(), messages);
        for (const SeenMessage& seen : answerer.seen())
            QCOMPARE(seen.text, kPositivePrompt);
    }

    void pasteBeyondTheMaximumIsCutToIt() {
        auto* size = find<QLineEdit>("txtSize");
        Paste(size, QString(40000, '7'));
        QCOMPARE(size->text().size(), kLongest);
        QCOMPARE(bitrateOutputs(), (QStringList{"827", "94", "606"}));
    }

    // Every editable field of every tab, the combo's edit field included, takes the longest
    // pastes quickly; whatever each section then shows is a number, "-", "too low" or the
    // converter's input repeated, and the only messages are the program's two.
    void everyFieldTakesTheLongestPastes_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("digits") << QString(kLongest, '8');
        QTest::newRow("zeros") << QString(kLongest, '0');
        QTest::newRow("letters") << QString(kLongest, 'q');
        QTest::newRow("separators") << QString(kLongest / 2, ',') + QString(kLongest - kLongest / 2, '.');
        QTest::newRow("mixed") << QString("1e5 -,.\t").repeated(kLongest / 8 + 1).left(kLongest);
        QTest::newRow("non-ASCII") << QString(kLongest, QChar(0x0663));
    }

    void everyFieldTakesTheLongestPastes() {
        QFETCH(QString, text);
        ModalAnswerer answerer;
        auto* tabs = find<QTabWidget>("SSTab1");
        QTest::mouseClick(find<QRadioButton>("Option3"), Qt::LeftButton);  // opens the combo's edit
        auto* list = find<QListWidget>("List1");
        QVERIFY(tabs && list);
        tabs->setCurrentIndex(2);
        list->setCurrentRow(1);  // the converter runs with bytes chosen

        const QRegularExpression shown(
            QStringLiteral("^(-?[0-9]+(\\.[0-9]+)?(E[+-][0-9]{2,3})?|-|too low|)$"));
        auto* converterInput = find<QLineEdit>("Text1");
        for (QLineEdit* field : window->findChildren<QLineEdit*>()) {
            if (!field->isEnabled() || field->isReadOnly())
                continue;
            for (int tab = 0; tab < tabs->count(); ++tab) {
                if (tabs->widget(tab)->isAncestorOf(field))
                    tabs->setCurrentIndex(tab);  // a user sees the field they paste into
            }
            const qint64 ms = Paste(field, text);
            const QString where =
                field->objectName().isEmpty() ? field->parentWidget()->objectName() : field->objectName();
            QVERIFY2(ms < kSlowestEditMs, qPrintable(QString("%1 took %2 ms").arg(where).arg(ms)));
            QCOMPARE(field->text(), text);
            for (const char* name : kOutputs) {
                auto* output = find<QWidget>(name);
                QVERIFY2(output, name);
                const QString value = OutputText(output);
                QVERIFY2(
                    shown.match(value).hasMatch() || value == converterInput->text(),
                    qPrintable(
                        QString("%1 shows \"%2\" after a paste into %3").arg(name, value.left(40), where)));
            }
        }
        QTest::qWait(20);
        for (const SeenMessage& seen : answerer.seen())
            QVERIFY2(seen.text == kPositivePrompt || seen.text == kNumberPrompt, qPrintable(seen.text));
    }
};

QTEST_MAIN(HostileInputTest)
#include "hostile_input_test.moc"
