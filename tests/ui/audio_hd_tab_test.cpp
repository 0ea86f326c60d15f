// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The "Audio and HD Space" tab as the window opens, its layout, and its HD space section
// driven with real keystrokes and clicks, the combo's drop-down list included.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabWidget>
#include <QTest>

#include "support/modal.h"
#include "support/typing.h"
#include "support/window.h"
#include "ui/main_window.h"
#include "ui/widgets/design.h"

using tessaly::ui::MainWindow;
using tessaly::ui::Pixels;

namespace {

// The width an option button leaves for its caption beside the round indicator.
int CaptionRoom(QRadioButton* option) {
    QStyleOptionButton style;
    style.initFrom(option);
    const QRect contents = option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option);
    return option->width() - contents.left();
}

QStringList Items(const QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

const QStringList kBitrates{"64", "96", "112", "128", "160", "192", "224", "256", "320", "384", "512"};

}  // namespace

class AudioHdTabTest : public QObject, protected WindowTest {
    Q_OBJECT

    QLineEdit* text10 = nullptr;
    QLineEdit* text11 = nullptr;
    QComboBox* combo1 = nullptr;
    QLabel* label44 = nullptr;

private slots:
    void init() {
        window = OpenWindow();
        QVERIFY(window);
        text10 = find<QLineEdit>("Text10");
        text11 = find<QLineEdit>("Text11");
        combo1 = find<QComboBox>("Combo1");
        label44 = find<QLabel>("Label44");
        QVERIFY(text10 && text11 && combo1 && label44);
        QVERIFY(ClickTab(window.get(), 1));
    }

    void cleanup() { window.reset(); }

    void opensWithTheDefaultsAndTheirResults() {
        ModalAnswerer answerer;
        MainWindow fresh;
        fresh.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fresh));
        QVERIFY(ClickTab(&fresh, 1));
        const auto text = [&](const char* name) {
            return fresh.findChild<QWidget*>(name)->property("text").toString();
        };
        const QStringList want{"100", "827", "1704", "100", "1700", "700", "135", "128"};
        QCOMPARE((QStringList{text("Text10"), text("Text11"), text("Label44"), text("Text13"), text("Text14"),
                              text("Text15"), text("Text16"), text("Text17")}),
                 want);
        auto* combo = fresh.findChild<QComboBox*>("Combo1");
        QVERIFY(!combo->isEnabled());
        QCOMPARE(combo->currentText(), QString("224"));
        QCOMPARE(combo->currentIndex(), -1);
        QCOMPARE(Items(combo), kBitrates);
        for (const char* selected : {"Option1", "Option4", "Option6"})
            QVERIFY2(fresh.findChild<QRadioButton*>(selected)->isChecked(), selected);
        for (const char* cleared : {"Option2", "Option3", "Option5", "Option7"})
            QVERIFY2(!fresh.findChild<QRadioButton*>(cleared)->isChecked(), cleared);
        QVERIFY(fresh.findChild<QRadioButton*>("Option6")->isEnabled());
        QVERIFY(fresh.findChild<QRadioButton*>("Option7")->isEnabled());
        QTest::qWait(30);
        QCOMPARE(answerer.count(), 0);
    }

    void workedExamples_data() {
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("bitrate");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("combo");
        QTest::addColumn<QString>("want");  // empty: Label44 keeps what it showed

        QTest::newRow("48 kHz") << "100"
                                << "827"
                                << "Option1"
                                << "224"
                                << "1704";
        QTest::newRow("44.1 kHz") << "100"
                                  << "827"
                                  << "Option2"
                                  << "224"
                                  << "1615";
        QTest::newRow("other 224") << "100"
                                   << "827"
                                   << "Option3"
                                   << "224"
                                   << "770";
        QTest::newRow("699.5 to the even 700") << "100"
                                               << "827"
                                               << "Option3"
                                               << "128"
                                               << "700";
        QTest::newRow("24.5 to the even 24") << "2"
                                             << "168"
                                             << "Option1"
                                             << "224"
                                             << "24";
        QTest::newRow("172.266, not 172.265625") << "119"
                                                 << "1500"
                                                 << "Option2"
                                                 << "224"
                                                 << "2509";
        QTest::newRow("zero length") << "0"
                                     << "827"
                                     << "Option1"
                                     << "224"
                                     << "0";
        QTest::newRow("negative length") << "-100"
                                         << "827"
                                         << "Option1"
                                         << "224"
                                         << "-1704";
        QTest::newRow("empty bitrate") << "100"
                                       << ""
                                       << "Option1"
                                       << "224"
                                       << "";
        QTest::newRow("empty combo") << "100"
                                     << "827"
                                     << "Option3"
                                     << ""
                                     << "";
        QTest::newRow("combo ignored for 48 kHz") << "100"
                                                  << "827"
                                                  << "Option1"
                                                  << "abc"
                                                  << "1704";
        QTest::newRow("combo ignored for 44.1 kHz") << "100"
                                                    << "827"
                                                    << "Option2"
                                                    << "x"
                                                    << "1615";
    }

    void workedExamples() {
        QFETCH(QString, length);
        QFETCH(QString, bitrate);
        QFETCH(QString, option);
        QFETCH(QString, combo);
        QFETCH(QString, want);
        ModalAnswerer answerer;

        // The combo can only be typed into while "Other" is chosen.
        ClickOption(find<QRadioButton>(option == "Option3" ? "Option3" : "Option1"));
        Retype(combo1->lineEdit(), combo);
        ClickOption(find<QRadioButton>(qPrintable(option)));
        QCOMPARE(combo1->isEnabled(), option == "Option3");
        Retype(text11, bitrate);
        Retype(text10, length.chopped(1));
        const QString before = label44->text();
        QTest::keyClicks(text10, length.right(1));
        QCOMPARE(text10->text(), length);
        QCOMPARE(label44->text(), want.isEmpty() ? before : want);
        QCOMPARE(answerer.count(), 0);
    }

    void otherEnablesTheComboAndItsListChoosesTheBitrate() {
        ClickOption(find<QRadioButton>("Option3"));
        QVERIFY(combo1->isEnabled());
        QCOMPARE(label44->text(), QString("770"));

        // Open the list with the arrow and click its last item.
        QTest::mouseClick(combo1, Qt::LeftButton, {}, QPoint(combo1->width() - 6, combo1->height() / 2));
        QAbstractItemView* list = combo1->view();
        QTRY_VERIFY(list->isVisible());
        // A user reads the list before choosing; a release right after the opening press
        // would count as part of that press.
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        QCOMPARE(combo1->currentText(), QString("224"));
        QCOMPARE(list->model()->rowCount(), 11);
        const QModelIndex last = list->model()->index(10, 0);
        list->scrollTo(last);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(last).center());
        QTRY_VERIFY(!list->isVisible());
        QCOMPARE(combo1->currentText(), QString("512"));
        QCOMPARE(label44->text(), QString("981"));

        ClickOption(find<QRadioButton>("Option1"));
        QVERIFY(!combo1->isEnabled());
        QCOMPARE(label44->text(), QString("1704"));
        QCOMPARE(combo1->currentText(), QString("512"));  // disabling keeps the text
    }

    // Typed bitrates are taken as typed: no completion to a list item, and Enter adds nothing.
    void typedBitratesStayAsTyped_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("want");
        QTest::newRow("1 is not completed to 112") << "1"
                                                   << "606";  // 605.7 + 0.7
        QTest::newRow("between the items") << "200"
                                           << "752";  // 605.7 + 146.5
        QTest::newRow("an item typed") << "512"
                                       << "981";
        QTest::newRow("not a number") << "abc"
                                      << "770";  // unchanged
    }

    void typedBitratesStayAsTyped() {
        QFETCH(QString, typed);
        QFETCH(QString, want);
        ClickOption(find<QRadioButton>("Option3"));
        Retype(combo1->lineEdit(), typed);
        QTest::keyClick(combo1->lineEdit(), Qt::Key_Return);
        QCOMPARE(combo1->currentText(), typed);
        QCOMPARE(label44->text(), want);
        QCOMPARE(Items(combo1), kBitrates);
    }

    void focusOnTheComboKeepsItsText() {
        ClickOption(find<QRadioButton>("Option3"));
        QTest::keyClick(find("Option3"), Qt::Key_Tab);
        QTRY_VERIFY(combo1->hasFocus());
        QCOMPARE(combo1->currentText(), QString("224"));
        QCOMPARE(combo1->currentIndex(), -1);
        QCOMPARE(label44->text(), QString("770"));
    }

    void arrowKeysInTheGroupChooseLikeAClick() {
        find("Option1")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(find("Option1"), Qt::Key_Down);
        QVERIFY(find<QRadioButton>("Option2")->isChecked());
        QCOMPARE(label44->text(), QString("1615"));
        QTest::keyClick(find("Option2"), Qt::Key_Down);
        QVERIFY(find<QRadioButton>("Option3")->isChecked());
        QVERIFY(combo1->isEnabled());
        QCOMPARE(label44->text(), QString("770"));
    }

    // Every caption shows whole in the fonts at hand, and each section keeps to its side of
    // the dotted line between them.
    void captionsFitAndTheColumnsStayApart() {
        QWidget* page = find<QTabWidget>("SSTab1")->widget(1);
        const int divider = Pixels(3465);
        const QWidget* canvas = find("Label9")->parentWidget();
        for (QWidget* widget : page->findChildren<QWidget*>()) {
            const QString name = widget->objectName();
            if (!name.startsWith("Label") && !name.startsWith("Option") && !name.startsWith("Frame"))
                continue;
            const QRect box(widget->mapTo(canvas, QPoint(0, 0)), widget->size());
            const bool left =
                QStringList{"Label9", "Label45", "Frame1", "Frame2", "Frame3"}.contains(name) ||
                (widget->parentWidget() != canvas &&
                 QStringList{"Frame1", "Frame2", "Frame3"}.contains(widget->parentWidget()->objectName()));
            QVERIFY2(left ? box.right() < divider : box.left() > divider, qPrintable(name));
            auto* label = qobject_cast<QLabel*>(widget);
            if (label && label->wordWrap())
                QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(name));
            else if (auto* option = qobject_cast<QRadioButton*>(widget))
                QVERIFY2(option->fontMetrics().horizontalAdvance(option->text()) <= CaptionRoom(option),
                         qPrintable(name));
            else if (label && name != "Label44")
                QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(name));
        }
    }
};

QTEST_MAIN(AudioHdTabTest)
#include "audio_hd_tab_test.moc"
