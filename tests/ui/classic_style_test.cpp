// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The classic look: the bevel and the etched frame drawn with solid rectangles must put down
// exactly the pixels of Qt's own qDrawWinPanel and qDrawShadeRect, and the window's text boxes
// and frames must wear them.
#include <qdrawutil.h>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTest>

#include "support/window.h"
#include "ui/widgets/classic_style.h"

using tessaly::ui::DrawEtchedFrame;
using tessaly::ui::DrawSunkenBevel;

namespace {

// A palette whose four bevel colours and background all differ, so a pixel in the wrong
// ring or the wrong colour shows.
QPalette BevelPalette() {
    QPalette palette;
    palette.setColor(QPalette::Dark, QColor(0x80, 0x10, 0x10));
    palette.setColor(QPalette::Light, QColor(0x10, 0x80, 0x10));
    palette.setColor(QPalette::Shadow, QColor(0x10, 0x10, 0x80));
    palette.setColor(QPalette::Midlight, QColor(0x80, 0x80, 0x10));
    return palette;
}

// Draws with `ours` and with Qt's `theirs` on two equal canvases; the first pixel where they
// differ, or an empty text.
template <typename Ours, typename Theirs>
QString FirstDifference(Ours ours, Theirs theirs) {
    QImage actual(40, 30, QImage::Format_ARGB32_Premultiplied);
    actual.fill(QColor(0xee, 0xee, 0xee));
    QImage expected = actual.copy();
    {
        QPainter painter(&actual);
        ours(&painter);
    }
    {
        QPainter painter(&expected);
        theirs(&painter);
    }
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            if (actual.pixel(x, y) != expected.pixel(x, y))
                return QString("pixel %1,%2: %3, Qt draws %4")
                    .arg(x)
                    .arg(y)
                    .arg(actual.pixel(x, y), 8, 16)
                    .arg(expected.pixel(x, y), 8, 16);
    return {};
}

// Rectangles from a field's size down to five by five. Below that only the bevel is compared:
// for a frame qDrawShadeRect draws reversed lines that leave stray pixels, and no frame of the
// window is that small.
void AddShapes(bool tiny) {
    QTest::addColumn<QRect>("rect");
    QTest::newRow("a field") << QRect(3, 2, 33, 21);
    QTest::newRow("at the origin") << QRect(0, 0, 40, 30);
    QTest::newRow("five by five") << QRect(10, 10, 5, 5);
    if (!tiny)
        return;
    QTest::newRow("four wide") << QRect(10, 10, 4, 12);
    QTest::newRow("four high") << QRect(10, 10, 12, 4);
    QTest::newRow("one wide, nothing drawn") << QRect(10, 10, 1, 9);
}

}  // namespace

class ClassicStyleTest : public QObject, WindowTest {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void cleanup() { window.reset(); }

    void bevelMatchesQtsWinPanel_data() { AddShapes(true); }

    void bevelMatchesQtsWinPanel() {
        QFETCH(QRect, rect);
        const QPalette palette = BevelPalette();
        const QString difference = FirstDifference(
            [&](QPainter* p) {
                DrawSunkenBevel(p, rect,
                                {palette.dark().color(), palette.light().color(), palette.shadow().color(),
                                 palette.midlight().color()});
            },
            [&](QPainter* p) { qDrawWinPanel(p, rect, palette, true); });
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    void etchedFrameMatchesQtsShadeRect_data() { AddShapes(false); }

    void etchedFrameMatchesQtsShadeRect() {
        QFETCH(QRect, rect);
        const QPalette palette = BevelPalette();
        const QString difference =
            FirstDifference([&](QPainter* p) { DrawEtchedFrame(p, rect, palette); },
                            [&](QPainter* p) { qDrawShadeRect(p, rect, palette, true, 1, 0); });
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    // The window's own fields, an input and a locked result, as the screen shows them.
    void windowFieldsWearTheBevel_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("an input") << "txtMin";
        QTest::newRow("a locked result") << "txtVidBit";
    }

    void windowFieldsWearTheBevel() {
        QFETCH(QString, name);
        window = OpenWindow();
        QVERIFY(window);
        auto* field = find<QLineEdit>(name);
        QVERIFY(field);
        const QImage shot = field->grab().toImage();
        const QPalette& palette = field->palette();
        const int right = shot.width() - 1, bottom = shot.height() - 1;
        QCOMPARE(shot.pixel(0, 0), palette.dark().color().rgb());
        QCOMPARE(shot.pixel(1, 1), palette.shadow().color().rgb());
        QCOMPARE(shot.pixel(right, bottom), palette.light().color().rgb());
        QCOMPARE(shot.pixel(right - 1, bottom - 1), palette.midlight().color().rgb());
        QCOMPARE(shot.pixel(2, bottom / 2), palette.base().color().rgb());
    }

    // A frame has no fill: the opaque result label inside it sits on the same colour as the
    // frame's inside around it, and the option buttons inside a frame keep the application's
    // layout: only their round mark is the window's own.
    void framesShowThePageThrough() {
        window = OpenWindow();
        QVERIFY(window);
        QVERIFY(ClickTab(window.get(), 1));
        auto* frame3 = find<QGroupBox>("Frame3");
        auto* label44 = find<QLabel>("Label44");
        QVERIFY(frame3 && label44);
        const QImage shot = window->grab().toImage();
        const QRect label = QRect(label44->mapTo(window.get(), QPoint(0, 0)), label44->size());
        const QRgb inside = shot.pixel(label.center());
        QCOMPARE(shot.pixel(label.left() - 4, label.center().y()), inside);
        QCOMPARE(shot.pixel(label.right() + 4, label.top() - 4), inside);

        auto* option1 = find<QRadioButton>("Option1");
        QVERIFY(option1);
        QStyleOptionButton button;
        button.initFrom(option1);
        for (const auto element : {QStyle::SE_RadioButtonIndicator, QStyle::SE_RadioButtonContents})
            QCOMPARE(option1->style()->subElementRect(element, &button, option1),
                     QApplication::style()->subElementRect(element, &button, option1));
        QVERIFY(frame3->style() != QApplication::style());
    }
};

QTEST_MAIN(ClassicStyleTest)
#include "classic_style_test.moc"
