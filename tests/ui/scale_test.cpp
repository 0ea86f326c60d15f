// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window at 100 % and at 200 % scale: run once per scale in a child process, it lists
// where every named control lands in device pixels and which captions do not fit; the
// arrangement at 200 % must be the one at 100 % doubled, and every caption must fit at both.
#include <QAbstractButton>
#include <QLabel>
#include <QProcess>
#include <QRadioButton>
#include <QStyle>
#include <QTabWidget>
#include <QTest>
#include <QTextStream>
#include <cstdio>
#include <cstring>

#include "ui/main_window.h"

using tessaly::ui::MainWindow;

namespace {

QString Caption(const QString& text) {
    QString shown = text;
    shown.replace(QLatin1String("&&"), QLatin1String("\x01"));
    shown.remove(QLatin1Char('&'));
    return shown.replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

// Where a one-line caption is drawn inside its control, in the window's coordinates.
QRect TextRect(QWidget* widget, QWidget* window, int* room) {
    const QFontMetrics metrics(widget->font());
    QRect box = widget->contentsRect();
    QString text;
    Qt::Alignment alignment = Qt::AlignLeft;
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        text = label->text();
        alignment = label->alignment();
        const int margin = label->margin();
        box.adjust(margin, margin, -margin, -margin);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        text = Caption(button->text());
        alignment = Qt::AlignCenter;
        if (qobject_cast<QRadioButton*>(widget)) {
            const int indicator =
                widget->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, widget) +
                widget->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, widget);
            box.setLeft(box.left() + indicator);
            alignment = Qt::AlignLeft;
        }
    }
    const QSize size(metrics.horizontalAdvance(text), metrics.height());
    *room = box.width() - size.width();
    QRect drawn = QStyle::alignedRect(Qt::LeftToRight, alignment | Qt::AlignVCenter, size, box);
    return QRect(widget->mapTo(window, drawn.topLeft()), drawn.size());
}

bool ShowsOneLineCaption(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget))
        return !label->wordWrap() && label->pixmap().isNull() && !label->text().isEmpty();
    return qobject_cast<QAbstractButton*>(widget) != nullptr;
}

// The child's side: one line per control, "name x y w h" in device pixels, then one line
// per caption wider than its control, "clipped name room", and per pair of captions drawn
// over each other, "overlap a b".
int Dump() {
    MainWindow window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 3;
    QTextStream out(stdout);
    const qreal ratio = window.devicePixelRatioF();
    const QImage shot = window.grab().toImage();
    out << "window " << shot.width() << ' ' << shot.height() << '\n';
    for (int tab = 0; tab < window.tabs()->count(); ++tab) {
        window.tabs()->setCurrentIndex(tab);
        QList<QPair<QString, QRect>> captions;
        for (QWidget* widget : window.tabs()->widget(tab)->findChildren<QWidget*>()) {
            if (widget->objectName().isEmpty() || !widget->isVisible() ||
                widget->objectName().startsWith("qt_"))
                continue;
            const QRect at(widget->mapTo(&window, QPoint(0, 0)), widget->size());
            out << widget->objectName() << ' ' << qRound(at.x() * ratio) << ' ' << qRound(at.y() * ratio)
                << ' ' << qRound(at.width() * ratio) << ' ' << qRound(at.height() * ratio) << '\n';
            if (!ShowsOneLineCaption(widget))
                continue;
            int room = 0;
            const QRect drawn = TextRect(widget, &window, &room);
            if (room < 0)
                out << "clipped " << widget->objectName() << ' ' << room << '\n';
            for (const auto& [other, rect] : captions)
                if (rect.intersects(drawn))
                    out << "overlap " << other << ' ' << widget->objectName() << '\n';
            captions.append({widget->objectName(), drawn});
        }
    }
    return 0;
}

QStringList Run(const QString& scale) {
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_SCALE_FACTOR", scale);
    env.insert("QT_QPA_PLATFORM", "offscreen");
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {"--dump"});
    if (!child.waitForFinished(60000) || child.exitCode() != 0)
        return {};
    return QString::fromUtf8(child.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

QMap<QString, QList<int>> Places(const QStringList& lines) {
    QMap<QString, QList<int>> places;
    for (const QString& line : lines) {
        const QStringList parts = line.split(' ');
        if (parts.size() == 5)
            places[parts[0]] = {parts[1].toInt(), parts[2].toInt(), parts[3].toInt(), parts[4].toInt()};
        else if (parts[0] == "window")
            places[parts[0]] = {0, 0, parts[1].toInt(), parts[2].toInt()};
    }
    return places;
}

}  // namespace

class ScaleTest : public QObject {
    Q_OBJECT

    QStringList atOne, atTwo;

private slots:
    void initTestCase() {
        atOne = Run("1");
        atTwo = Run("2");
        QVERIFY2(!atOne.isEmpty(), "the window did not open at 100 %");
        QVERIFY2(!atTwo.isEmpty(), "the window did not open at 200 %");
    }

    void everyControlDoublesInPlaceAndSize() {
        const QMap<QString, QList<int>> one = Places(atOne), two = Places(atTwo);
        QVERIFY(one.size() > 80);  // every tab's controls, not just the first
        QCOMPARE(two.keys(), one.keys());
        for (auto it = one.cbegin(); it != one.cend(); ++it) {
            const QList<int>& small = it.value();
            const QList<int>& large = two[it.key()];
            for (int i = 0; i < 4; ++i)
                QVERIFY2(
                    qAbs(large[i] - 2 * small[i]) <= 1,
                    qPrintable(QStringLiteral("%1: %2 at 100 %, %3 at 200 %")
                                   .arg(it.key(), QString::number(small[i]), QString::number(large[i]))));
        }
    }

    void everyCaptionFitsItsControl_data() {
        QTest::addColumn<QString>("scale");
        QTest::newRow("100 %") << "1";
        QTest::newRow("200 %") << "2";
    }

    void everyCaptionFitsItsControl() {
        QFETCH(QString, scale);
        const QStringList& lines = scale == "1" ? atOne : atTwo;
        QStringList faults;
        for (const QString& line : lines)
            if (line.startsWith("clipped ") || line.startsWith("overlap "))
                faults << line;
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
    }
};

int main(int argc, char* argv[]) {
    if (argc > 1 && std::strcmp(argv[1], "--dump") == 0) {
        QApplication app(argc, argv);
        return Dump();
    }
    QApplication app(argc, argv);
    ScaleTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "scale_test.moc"
