// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader learns about the window: each field's name is the caption shown
// beside it, and every option and Exit button can be reached from the keyboard and is named.
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSet>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "support/window.h"
#include "ui/main_window.h"

using tessaly::ui::MainWindow;

namespace {

QString AccessibleText(QWidget* widget, QAccessible::Text which) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(which) : QStringLiteral("<no interface>");
}

// The widgets that take the focus, in order, as the Tab key walks once round the window
// from the tab strip; the walk ends when the focus comes back to where it started.
QList<QWidget*> TabWalk(MainWindow* window) {
    QWidget* start = window->tabs()->tabBar();
    start->setFocus(Qt::TabFocusReason);
    QList<QWidget*> reached;
    for (int step = 0; step < 60; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* now = QApplication::focusWidget();
        if (!now || now == start)
            break;
        reached << now;
    }
    return reached;
}

}  // namespace

class AccessibilityTest : public QObject, protected WindowTest {
    Q_OBJECT

private slots:
    void init() {
        window = OpenWindow();
        QVERIFY(window);
    }

    void cleanup() { window.reset(); }

    // Each field is named by the caption shown beside it on screen, read from that caption,
    // and described by its section so that equal captions on one tab stay apart.
    void fieldsAreNamedByTheirCaption_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("caption");  // objectName of the caption shown beside it
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("section");
        const QString bitrate = "Bitrate Calculator", hd = "HD Space Calculator",
                      audio = "Audio Bitrate Calculator", conversion = "Data Conversion";
        const QList<QStringList> rows = {
            {"txtMin", "Label1", "length of movie", bitrate},
            {"txtAudBit", "Label2", "audio bitrate", bitrate},
            {"txtSize", "Label4", "desired file size", bitrate},
            {"txtVidBit", "Label5", "video bitrate", bitrate},
            {"audData", "Label12", "total audio data", bitrate},
            {"lblVidData", "Label13", "total video data", bitrate},
            {"Text10", "Label34", "Movie Length (mins):", hd},
            {"Text11", "Label39", "Video Bitrate (kbits/s):", hd},
            {"Combo1", "Option3", "Other  (kbits/sec):", hd},
            {"Label44", "Label40", "Space Required On Hard Drive ", hd},
            {"Text13", "Label49", "Movie Length (mins):", audio},
            {"Text14", "Label50", "Flasked AVI size (MB's):", audio},
            {"Text15", "Label57", "Desired File Size (MB's):", audio},
            {"Text16", "Label58", "Calculated Audio Bitrate:", audio},
            {"Text17", "Label59", "Suggested Bitrate:", audio},
            {"Text1", "Label38", "Input value here:", conversion},
            {"List1", "Label24", "Select data type:", conversion},
            {"Text2", "Label32", "bits", conversion},
            {"Text3", "Label31", "bytes", conversion},
            {"Text4", "Label30", "kilobits (kb/kbit)", conversion},
            {"Text5", "Label29", "kilobytes (kB)", conversion},
            {"Text6", "Label28", "megabits (Mbit)", conversion},
            {"Text7", "Label27", "megabytes (MB)", conversion},
            {"Text8", "Label26", "gigabits (Gbit)", conversion},
            {"Text9", "Label25", "gigabytes (GB)", conversion},
        };
        for (const QStringList& row : rows)
            QTest::newRow(qPrintable(row[0])) << row[0] << row[1] << row[2] << row[3];
    }

    void fieldsAreNamedByTheirCaption() {
        QFETCH(QString, control);
        QFETCH(QString, caption);
        QFETCH(QString, name);
        QFETCH(QString, section);
        QWidget* field = find(control);
        QWidget* beside = find(caption);
        QVERIFY2(field, qPrintable(control + " is missing"));
        QVERIFY2(beside, qPrintable(caption + " is missing"));
        // An editable combo box is announced by its text; its caption sits on its edit field.
        if (auto* combo = qobject_cast<QComboBox*>(field))
            field = combo->lineEdit();
        QVERIFY(field);
        const QString shown = beside->property("text").toString();
        QCOMPARE(shown, name);
        QCOMPARE(AccessibleText(field, QAccessible::Name), shown);
        QCOMPARE(AccessibleText(field, QAccessible::Description), section);
    }

    // Editable fields keep their own role and expose the text typed into them.
    void inputsStayEditableTextWithTheirValue() {
        for (const char* name : {"txtMin", "Text10", "Text13", "Text15", "Text1"}) {
            QWidget* field = find(name);
            QVERIFY2(field, name);
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(field);
            QVERIFY(face);
            QCOMPARE(face->role(), QAccessible::EditableText);
            QVERIFY2(face->textInterface(), name);
            QCOMPARE(face->textInterface()->text(0, face->textInterface()->characterCount()),
                     field->property("text").toString());
        }
    }

    // A result keeps its number audible under its caption's name, and follows a new result.
    void resultsExposeTheirNumberAsValue() {
        QWidget* txtSize = find("txtSize");
        QVERIFY(txtSize);
        QTest::mouseClick(txtSize, Qt::LeftButton);
        QTest::keyClick(txtSize, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(txtSize, "1400");
        const QList<QPair<QString, QString>> results = {
            {"txtVidBit", "1783"}, {"audData", "94"}, {"lblVidData", "1306"},
            {"Label44", "1704"},   {"Text16", "135"}, {"Text17", "128"},
        };
        for (const auto& [name, number] : results) {
            QWidget* result = find(name);
            QVERIFY2(result, qPrintable(name + " is missing"));
            QCOMPARE(AccessibleText(result, QAccessible::Value), number);
            QVERIFY(!AccessibleText(result, QAccessible::Name).contains(number));
        }
    }

    // Option and Exit buttons are named by their own caption, without the access-key marker.
    void buttonsAreNamedByTheirCaption() {
        const QList<QPair<QString, QString>> buttons = {
            {"Command1", "Exit"},
            {"Command3", "Exit"},
            {"Command5", "Exit"},
            {"Command4", "Exit"},
            {"Option1", "48 KHz (almost all DVD's)"},
            {"Option2", "44.1 KHz"},
            {"Option3", "Other  (kbits/sec):"},
            {"Option4", "Yes"},
            {"Option5", "No"},
            {"Option6", "48 KHz"},
            {"Option7", "44.1 KHz"},
        };
        for (const auto& [name, caption] : buttons) {
            auto* button = find<QAbstractButton>(name);
            QVERIFY2(button, qPrintable(name + " is missing"));
            QCOMPARE(AccessibleText(button, QAccessible::Name), caption);
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(button);
            const bool option = qobject_cast<QRadioButton*>(button) != nullptr;
            QCOMPARE(face->role(), option ? QAccessible::RadioButton : QAccessible::Button);
        }
    }

    // Walking each tab with the Tab key reaches every Exit button but the one kept out of
    // the keyboard order, and each group of option buttons (arrows move within a group).
    void tabKeyReachesEveryGroupAndExitButton_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QStringList>("mustReach");
        QTest::addColumn<QStringList>("groups");  // "A|B": one of them must be reached
        QTest::newRow("bitrate") << 0 << QStringList{"txtSize", "txtAudBit", "txtMin", "Command3"}
                                 << QStringList{};
        QTest::newRow("audio and hd")
            << 1 << QStringList{"Text10", "Text11", "Text13", "Text14", "Text15"}
            << QStringList{"Option1|Option2|Option3", "Option4|Option5", "Option6|Option7"};
        QTest::newRow("conversion") << 2 << QStringList{"Text1", "List1", "Command5"} << QStringList{};
        QTest::newRow("info") << 3 << QStringList{"Command4"} << QStringList{};
    }

    void tabKeyReachesEveryGroupAndExitButton() {
        QFETCH(int, tab);
        QFETCH(QStringList, mustReach);
        QFETCH(QStringList, groups);
        QVERIFY(ClickTab(window.get(), tab));
        QSet<QString> reached;
        for (QWidget* widget : TabWalk(window.get()))
            reached << widget->objectName();
        for (const QString& name : mustReach)
            QVERIFY2(
                reached.contains(name),
                qPrintable(name + " is not reached; reached: " + QStringList(reached.values()).join(' ')));
        for (const QString& group : groups) {
            const QStringList members = group.split('|');
            const bool any = std::any_of(members.begin(), members.end(),
                                         [&](const QString& m) { return reached.contains(m); });
            QVERIFY2(any, qPrintable(group + " is not reached"));
        }
        QVERIFY2(!reached.contains("Command1"), "Command1 must stay out of the keyboard order");
    }

    // The Exit button the Tab key passes by is still reachable through its access key.
    void exitButtonOutOfTheTabOrderHasAnAccessKey() {
        auto* command1 = find<QAbstractButton>("Command1");
        QVERIFY(command1);
        const QString key = QAccessible::queryAccessibleInterface(command1)->text(QAccessible::Accelerator);
        QCOMPARE(QKeySequence::fromString(key, QKeySequence::NativeText), QKeySequence(Qt::ALT | Qt::Key_X));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
