// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Taking the numbers away: each result's tooltip shows its working and its context menu
// copies it, both reached with the real mouse; Ctrl+C copies the focused section's answer.
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTest>
#include <QToolTip>

#include "support/typing.h"
#include "support/window.h"

class ResultCopyTest : public QObject, protected WindowTest {
    Q_OBJECT

private slots:
    void init() {
        window = OpenWindow();
        QVERIFY(window);
        QApplication::clipboard()->clear();
    }

    void cleanup() { window.reset(); }

    // Each row sets a field up, hovers a result until its tooltip shows, and copies it from its menu.
    void tooltipShowsTheWorkingAndTheMenuCopies() {
        const struct {
            int tab;
            const char *field, *text, *result;
            QStringList tooltip;
            const char *item, *copied;
        } rows[] = {
            {0,
             nullptr,
             "",
             "txtVidBit",  // disabled, yet it answers the mouse
             {"100 min × 60 = 6000 s", "audio: 128 kbit/s ÷ 8 × 6000 s ÷ 1024 = 93.75 MB, rounded to 94 MB",
              "video: 700 MB − 94 MB = 606 MB",
              "606 MB × 1024 × 8 ÷ 6000 s = 827.39… kbit/s, rounded to 827 kbit/s",
              "For an encoder that counts k as 1000, leaving room for the container (25 frames a second, "
              "MP3 audio at 128k): AVI 837, MKV 846, MP4 842 kbit/s"},
             "Copy with unit",
             "827 kbit/s"},
            {0,
             "txtSize",
             "50",
             "lblVidData",
             {"video: 50 MB − 94 MB = -44 MB", "The audio alone (94 MB) needs more than the desired size"},
             "Copy with unit",
             "-44 MB"},
            {0,
             "txtMin",
             "",
             "audData",
             {"“length of movie” holds no number",
              "The figures shown come from the last complete calculation:", "6000 s"},
             "Copy",
             "94"},
            {1,
             nullptr,
             "",
             "Label44",
             {"605.7 MB + 1098.6 MB = 1704.3 MB, rounded to 1704 MB"},
             "Copy with unit",
             "1704 MB"},
            {1,
             "Text15",
             "600",
             "Text17",
             {"suggested: too low, as -2 kbit/s is below the lowest step, 64 kbit/s",
              "The video alone (601.37… MB) needs more than the desired size (600 MB)"},
             "Copy with unit",
             "too low"},
            {2,
             "Text1",
             "700",
             "Text2",
             {"700 MB × 8388608 = 5872025600 bits"},
             "Copy with unit",
             "5872025600 bits"},
            // Why a run stops, or why a figure is negative, in the words of the field to blame.
            {0,
             "txtMin",
             "1e999",
             "audData",
             {"“length of movie” holds a number too large to calculate with"},
             "Copy",
             "9.375E+98"},  // from 1e99
            {0, "txtMin", "-100", "txtVidBit", {"“length of movie” holds a negative number"}, "Copy", "-197"},
            {1,
             "Text11",
             "-827",
             "Label44",
             {"“Video Bitrate (kbits/s)” holds a negative number"},
             "Copy",
             "493"},
            {1,
             "Text14",
             "100",
             "Text16",
             {"The AVI (100 MB) is smaller than the WAV audio it is said to hold (1098.63… MB)"},
             "Copy",
             "2183"},
        };
        for (const auto& row : rows) {
            QVERIFY(ClickTab(window.get(), row.tab));
            if (row.field) {
                auto* input = find<QLineEdit>(row.field);
                QTest::mouseClick(input, Qt::LeftButton);
                Retype(input, row.text);
            }
            if (row.tab == 2) {  // megabytes
                auto* list = find<QListWidget>("List1");
                const QPoint megabytes = list->visualItemRect(list->item(5)).center();
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, megabytes);
            }
            QWidget* shown = find(row.result);
            QTest::mouseMove(shown, shown->rect().center());
            for (const QString& line : row.tooltip)
                QTRY_VERIFY2(QToolTip::isVisible() && QToolTip::text().contains(line),
                             qPrintable(QToolTip::text()));
            QToolTip::hideText();
            QVERIFY2(ChooseFromMenu(shown, row.item), row.result);
            QTRY_COMPARE(QApplication::clipboard()->text(), QString(row.copied));
        }
    }

    // A read-only box keeps the toolkit's own entries after ours.
    void readOnlyBoxKeepsSelectAll() {
        QVERIFY(ClickTab(window.get(), 1));
        QVERIFY(ChooseFromMenu(find("Text16"), QLineEdit::tr("Select All")));
        QTRY_COMPARE(find<QLineEdit>("Text16")->selectedText(), QString("135"));
    }

    void ctrlCCopiesTheFocusedSectionsAnswer() {
        const struct {
            int tab;
            const char* focus;
            bool selectAll;
            const char* copied;
        } rows[] = {
            {0, "txtMin", false, "827"},   {0, "txtSize", true, "700"},  // a selection is copied as it is
            {1, "Option1", false, "1704"}, {1, "Option6", false, "135"}, {1, "Text17", false, "135"},
        };
        for (const auto& row : rows) {
            QVERIFY(ClickTab(window.get(), row.tab));
            QWidget* control = find(row.focus);
            control->setFocus(Qt::TabFocusReason);
            QTRY_VERIFY(control->hasFocus());
            if (row.selectAll)
                QTest::keyClick(control, Qt::Key_A, Qt::ControlModifier);
            else if (auto* edit = qobject_cast<QLineEdit*>(control))
                edit->deselect();
            QTest::keyClick(control, Qt::Key_C, Qt::ControlModifier);
            QCOMPARE(QApplication::clipboard()->text(), QString(row.copied));
        }
    }

    // With a screen reader listening, each result describes itself by its working.
    void descriptionIsTheWorking() {
        QAccessible::setActive(true);
        Retype(find<QLineEdit>("txtSize"), "1400");
        QWidget* result = find("lblVidData");
        QTRY_VERIFY(QAccessible::queryAccessibleInterface(result)
                        ->text(QAccessible::Description)
                        .contains("video: 1400 MB − 94 MB = 1306 MB"));
        QAccessible::setActive(false);
    }
};

QTEST_MAIN(ResultCopyTest)
#include "result_copy_test.moc"
