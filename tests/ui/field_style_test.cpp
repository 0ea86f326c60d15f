// The text boxes' sunken look: the bevel drawn with solid rectangles must put down exactly
// the pixels of Qt's own qDrawWinPanel, and the window's fields must wear it.
#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QTest>
#include <qdrawutil.h>

#include "support/window.h"
#include "ui/field_style.h"

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

QImage Canvas() {
    QImage image(40, 30, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(0xee, 0xee, 0xee));
    return image;
}

}  // namespace

class FieldStyleTest : public QObject, WindowTest {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void cleanup() { window.reset(); }

    void bevelMatchesQtsWinPanel_data() {
        QTest::addColumn<QRect>("rect");
        QTest::newRow("a field") << QRect(3, 2, 33, 21);
        QTest::newRow("at the origin") << QRect(0, 0, 40, 30);
        QTest::newRow("five by five, the smallest with an inner ring") << QRect(10, 10, 5, 5);
        QTest::newRow("four wide, outer ring only") << QRect(10, 10, 4, 12);
        QTest::newRow("four high, outer ring only") << QRect(10, 10, 12, 4);
        QTest::newRow("one wide, nothing drawn") << QRect(10, 10, 1, 9);
    }

    void bevelMatchesQtsWinPanel() {
        QFETCH(QRect, rect);
        const QPalette palette = BevelPalette();

        QImage expected = Canvas();
        {
            QPainter painter(&expected);
            qDrawWinPanel(&painter, rect, palette, true);
        }
        QImage actual = Canvas();
        {
            QPainter painter(&actual);
            DrawSunkenBevel(&painter, rect, palette);
        }
        for (int y = 0; y < expected.height(); ++y)
            for (int x = 0; x < expected.width(); ++x)
                QVERIFY2(actual.pixel(x, y) == expected.pixel(x, y),
                         qPrintable(QString("pixel %1,%2: %3, Qt draws %4")
                                        .arg(x)
                                        .arg(y)
                                        .arg(actual.pixel(x, y), 8, 16)
                                        .arg(expected.pixel(x, y), 8, 16)));
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
};

QTEST_MAIN(FieldStyleTest)
#include "field_style_test.moc"
