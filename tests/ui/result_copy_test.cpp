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

#include "support/modal.h"
#include "support/typing.h"
#include "support/window.h"

namespace {

// A click as the window system delivers it, so that a right click asks for a context menu.
void Click(QWidget* widget, Qt::MouseButton button, QPoint at) {
    QTest::mouseClick(widget->window()->windowHandle(), button, {}, widget->mapTo(widget->window(), at));
}

// Brings up `result`'s context menu with a right click and chooses `item` in it with a click.
bool ChooseFromMenu(QWidget* result, const QString& item) {
    Click(result, Qt::RightButton, result->rect().center());
    QMenu* menu = nullptr;
    if (!QTest::qWaitFor([&] { return (menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())); }))
        return false;
    for (QAction* action : menu->actions()) {
        if (action->text().section('\t', 0, 0) == item) {  // the toolkit's own show their shortcut
            Click(menu, Qt::LeftButton, menu->actionGeometry(action).center());
            return true;
        }
    }
    menu->close();
    return false;
}

}  // namespace

class ResultCopyTest : public QObject, protected WindowTest {
    Q_OBJECT

private slots:
    void init() {
        window = OpenWindow();
        QVERIFY(window);
        QApplication::clipboard()->clear();
    }

    void cleanup() { window.reset(); }

    // Every row: set a field up, then hover a result and copy it from its menu.
    void tooltipShowsTheWorkingAndTheMenuCopies_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("field");  // retyped first, if any
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QStringList>("tooltipLines");  // each must appear in the tooltip
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("copied");
        QTest::newRow("disabled video bitrate")
            << 0 << "" << "" << "txtVidBit"
            << QStringList{"100 min × 60 = 6000 s",
                           "audio: 128 kbit/s ÷ 8 × 6000 s ÷ 1024 = 93.75 MB, rounded to 94 MB",
                           "video: 700 MB − 94 MB = 606 MB",
                           "606 MB × 1024 × 8 ÷ 6000 s = 827.39… kbit/s, rounded to 827 kbit/s"}
            << "Copy with unit" << "827 kbit/s";
        QTest::newRow("empty length leaves the last figures")
            << 0 << "txtMin" << "" << "audData"
            << QStringList{"“length of movie” holds no number",
                           "The figures shown come from the last complete calculation:", "6000 s"}
            << "Copy" << "94";
        QTest::newRow("negative share")
            << 0 << "txtSize" << "50" << "lblVidData"
            << QStringList{"video: 50 MB − 94 MB = -44 MB", "The audio alone (94 MB) needs more than the desired size"}
            << "Copy with unit" << "-44 MB";
        QTest::newRow("hd space") << 1 << "" << "" << "Label44"
                                  << QStringList{"605.7 MB + 1098.6 MB = 1704.3 MB, rounded to 1704 MB"}
                                  << "Copy with unit" << "1704 MB";
        QTest::newRow("suggestion too low")
            << 1 << "Text15" << "600" << "Text17"
            << QStringList{"suggested: too low, as -2 kbit/s is below the lowest step, 64 kbit/s",
                           "The video alone (601.37… MB) needs more than the desired size (600 MB)"}
            << "Copy with unit" << "too low";
        QTest::newRow("converter factor") << 2 << "Text1" << "700" << "Text2"
                                          << QStringList{"700 MB × 8388608 = 5872025600 bits"} << "Copy with unit"
                                          << "5872025600 bits";
    }

    void tooltipShowsTheWorkingAndTheMenuCopies() {
        QFETCH(int, tab);
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, result);
        QFETCH(QStringList, tooltipLines);
        QFETCH(QString, item);
        QFETCH(QString, copied);
        QVERIFY(ClickTab(window.get(), tab));
        if (!field.isEmpty()) {
            auto* input = find<QLineEdit>(field);
            QVERIFY(input);
            QTest::mouseClick(input, Qt::LeftButton);
            Retype(input, text);
        }
        if (tab == 2) {
            auto* list = find<QListWidget>("List1");
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(5)).center());
        }
        QWidget* shown = find(result);
        QVERIFY(shown);
        QTest::mouseMove(shown, shown->rect().center());
        QTRY_VERIFY(QToolTip::isVisible());
        for (const QString& line : tooltipLines)
            QVERIFY2(QToolTip::text().contains(line), qPrintable(QToolTip::text()));
        QToolTip::hideText();

        QVERIFY(ChooseFromMenu(shown, item));
        QTRY_COMPARE(QApplication::clipboard()->text(), copied);
    }

    // A read-only box keeps the toolkit's own entries after ours.
    void readOnlyBoxKeepsSelectAll() {
        QVERIFY(ClickTab(window.get(), 1));
        QVERIFY(ChooseFromMenu(find("Text16"), QLineEdit::tr("Select All")));
        QTRY_COMPARE(find<QLineEdit>("Text16")->selectedText(), QString("135"));
    }

    void ctrlCCopiesTheFocusedSectionsAnswer_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<bool>("selectAll");
        QTest::addColumn<QString>("copied");
        QTest::newRow("length") << 0 << "txtMin" << false << "827";
        QTest::newRow("a selection is copied as it is") << 0 << "txtSize" << true << "700";
        QTest::newRow("hd option") << 1 << "Option1" << false << "1704";
        QTest::newRow("audio option") << 1 << "Option6" << false << "135";
        QTest::newRow("suggestion box") << 1 << "Text17" << false << "135";
    }

    void ctrlCCopiesTheFocusedSectionsAnswer() {
        QFETCH(int, tab);
        QFETCH(QString, focus);
        QFETCH(bool, selectAll);
        QFETCH(QString, copied);
        QVERIFY(ClickTab(window.get(), tab));
        QWidget* control = find(focus);
        QVERIFY(control);
        control->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(control->hasFocus());
        if (selectAll)
            QTest::keyClick(control, Qt::Key_A, Qt::ControlModifier);
        else if (auto* edit = qobject_cast<QLineEdit*>(control))
            edit->deselect();
        QTest::keyClick(control, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), copied);
    }

    // With a screen reader listening, each result describes itself by its working.
    void descriptionIsTheWorking() {
        QAccessible::setActive(true);
        Retype(find<QLineEdit>("txtSize"), "1400");
        QWidget* result = find("lblVidData");
        QTRY_VERIFY(QAccessible::queryAccessibleInterface(result)->text(QAccessible::Description)
                        .contains("video: 1400 MB − 94 MB = 1306 MB"));
        QAccessible::setActive(false);
    }
};

QTEST_MAIN(ResultCopyTest)
#include "result_copy_test.moc"
