// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Colours that follow the desktop, measured from the window's pixels, and the keyboard as desktop
// users expect it in option groups and in the unit list.
#include <QApplication>
#include <QListWidget>
#include <algorithm>

#include "core/colours.h"
#include "support/typing.h"
#include "support/window.h"

namespace {

tessaly::Rgb ToRgb(QRgb p) { return {uchar(qRed(p)), uchar(qGreen(p)), uchar(qBlue(p))}; }

// A control's text against what lies beneath it: the window grabbed as shown and with the
// control's text colours transparent, each pixel set against the one beneath it. The glyphs'
// cores give the highest ratio; a text that changes no pixel reads 1:1.
double TextContrast(QWidget* window, QWidget* control) {
    const QRect area(control->mapTo(window, QPoint()), control->size());
    const QImage shown = window->grab(area).toImage();
    const QPalette saved = control->palette();
    QPalette blank = saved;
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        blank.setColor(role, Qt::transparent);
    control->setPalette(blank);
    const QImage bare = window->grab(area).toImage();
    control->setPalette(saved);
    double best = 1;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            best = std::max(best, tessaly::ContrastRatio(ToRgb(shown.pixel(x, y)), ToRgb(bare.pixel(x, y))));
    return best;
}

}  // namespace

class PaletteTest : public QObject, WindowTest {
    Q_OBJECT
    const QPalette light = QApplication::palette();

    QListWidget* pickUnit(const char* amount) {  // megabytes, on the converter's tab
        ClickTab(window.get(), 2);
        QTest::keyClicks(find("Text1"), amount);
        auto* list1 = find<QListWidget>("List1");
        QTest::mouseClick(list1->viewport(), Qt::LeftButton, {},
                          list1->visualItemRect(list1->item(5)).center());
        return list1;
    }

private slots:
    void init() { window = OpenWindow(); }
    void cleanup() {
        window.reset();
        QApplication::setPalette(light);
    }

    void everyTextReads_data() {
        QTest::addColumn<QPalette>("palette");  // text, button, light, dark, mid, text, bright, base, page
        QTest::newRow("light") << light;
        QTest::newRow("dark (Breeze Dark)") << QPalette(
            QColor(239, 240, 241), QColor(49, 54, 59), QColor(71, 78, 85), QColor(24, 27, 29),
            QColor(24, 27, 29), QColor(239, 240, 241), Qt::white, QColor(35, 38, 41), QColor(49, 54, 59));
        QTest::newRow("high contrast") << QPalette(Qt::white, Qt::black, Qt::white, Qt::gray, Qt::gray,
                                                   Qt::white, Qt::white, Qt::black, Qt::black);
    }

    void everyTextReads() {
        QFETCH(QPalette, palette);
        QApplication::setPalette(palette);
        QTRY_COMPARE(window->palette().color(QPalette::Window), palette.color(QPalette::Window));
        pickUnit("700");  // the converter's eight results show a text
        QStringList faint;
        int measured = 0;
        for (int tab = 0; tab < 4; ++tab) {
            QVERIFY(ClickTab(window.get(), tab));
            // Every text shown; a disabled input (Combo1) may be dimmed, the disabled result may not.
            for (QWidget* w : window->tabs()->currentWidget()->findChildren<QWidget*>()) {
                if (!w->isVisible() || (!w->isEnabled() && w->objectName() != "txtVidBit") ||
                    (w->property("text").toString().isEmpty() && !qobject_cast<QListWidget*>(w)))
                    continue;
                ++measured;
                if (const double ratio = TextContrast(window.get(), w); ratio < tessaly::kReadableContrast)
                    faint << QString("%1 %2:1").arg(w->objectName()).arg(ratio, 0, 'f', 2);
            }
        }
        // The 76 labels, text boxes and lists but the disabled Combo1, and 11 buttons.
        QCOMPARE(measured, 86);
        QVERIFY2(faint.isEmpty(), qPrintable(faint.join(", ")));
    }

    // The desktop turns dark while the window is open, then light again: the light look returns.
    void paletteChangeRecoloursAtOnce() {
        const auto ground = [&] { return QColor(find("audData")->grab().toImage().pixel(1, 1)); };
        QApplication::setPalette(QPalette(QColor(49, 54, 59)));  // dark text boxes on a dark page
        QTRY_VERIFY(ground() != QColor(224, 224, 224));
        QVERIFY(ground() != window->palette().color(QPalette::Window));  // still apart from the page
        QApplication::setPalette(light);
        QTRY_COMPARE(ground(), QColor(224, 224, 224));
    }

    void tabLandsOnTheSelectedOption() {
        const struct {
            QStringList clicks;
            const char *from, *lands;
            Qt::Key key;
        } cases[] = {
            {{}, "Text15", "Option4", Qt::Key_Backtab},  // "Yes" selected
            {{}, "Text13", "Option1", Qt::Key_Backtab},  // "48 KHz (almost all DVD's)" selected
            // "44.1 KHz", "No", "Yes": "Yes" chose "48 KHz" again.
            {{"Option7", "Option5", "Option4"}, "Text17", "Option6", Qt::Key_Tab},
        };
        QVERIFY(ClickTab(window.get(), 1));
        for (const auto& c : cases) {
            for (const QString& option : c.clicks)
                ClickOption(find<QAbstractButton>(option));
            find(c.from)->setFocus(Qt::MouseFocusReason);
            QTest::keyClick(find(c.from), c.key,
                            c.key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString(c.lands));
        }
    }

    // Ctrl+click, then Ctrl+Space, on the chosen unit; typing still converts from megabytes.
    void unitListKeepsItsUnit() {
        QListWidget* list1 = pickUnit("1");
        QTest::mouseClick(list1->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          list1->visualItemRect(list1->item(5)).center());
        QTest::keyClicks(find("Text1"), "2");  // 12 MB are 96 Mbit
        QCOMPARE(find<QLineEdit>("Text6")->text(), QString("96"));
        QTest::keyClick(list1, Qt::Key_Space, Qt::ControlModifier);
        QTest::keyClicks(find("Text1"), "8");
        QCOMPARE(find<QLineEdit>("Text6")->text(), QString("1024"));
    }
};

QTEST_MAIN(PaletteTest)
#include "palette_test.moc"
