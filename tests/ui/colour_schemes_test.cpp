// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window under real KDE colour schemes, read by Qt's own KDE theme as on a KDE desktop, on an X
// server: every round mark and box outline seen at 3:1 against its ground, frames and disabled
// boxes never fainter than in the default window, and every keyboard stop of every tab showing
// the focus over at least its perimeter. The theme reads the scheme once, when the program
// starts, so each scheme runs in a child process of this one (`--measure`), which prints what it
// measured from the grabbed pixels, one control a line.
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <algorithm>
#include <map>

#include "core/colours.h"
#include "support/window.h"

namespace {

tessaly::Rgb At(const QImage& image, QPoint p) {
    const QRgb c = image.pixel(p);
    return {uchar(qRed(c)), uchar(qGreen(c)), uchar(qBlue(c))};
}

double Contrast(const QImage& image, QPoint a, QPoint b) {
    return tessaly::ContrastRatio(At(image, a), At(image, b));
}

// A box's outline: along each side, the better of its two outer lines against the pixel just
// outside, the median over the side less its corners; the second best side.
double BoxOutline(const QImage& image, QRect r) {
    std::vector<double> sides;
    const auto side = [&](QPoint from, QPoint along, QPoint in, int length) {
        std::vector<double> ratios;
        for (int i = 3; i < length - 3; ++i) {
            const QPoint p = from + along * i;
            ratios.push_back(std::max(Contrast(image, p, p - in), Contrast(image, p + in, p - in)));
        }
        std::nth_element(ratios.begin(), ratios.begin() + long(ratios.size() / 2), ratios.end());
        sides.push_back(ratios[ratios.size() / 2]);
    };
    side(r.topLeft(), {1, 0}, {0, 1}, r.width());
    side(r.bottomLeft(), {1, 0}, {0, -1}, r.width());
    side(r.topLeft(), {0, 1}, {1, 0}, r.height());
    side(r.topRight(), {0, 1}, {-1, 0}, r.height());
    std::sort(sides.rbegin(), sides.rend());
    return sides[1];
}

// A round mark: from just outside its square towards its centre, on each of the four axes, the
// strongest pixel of the outer half against the ground outside; the weakest axis.
double RoundMark(const QImage& image, QRect r) {
    const QPoint c = r.center();
    const int reach = r.width() / 4 + 1;
    double weakest = 21;
    for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
        const QPoint edge = c - step * (r.width() / 2);
        double best = 1;
        for (int i = 0; i < reach; ++i)
            best = std::max(best, Contrast(image, edge + step * i, edge - step * 2));
        weakest = std::min(weakest, best);
    }
    return weakest;
}

// Pixels of `area` that differ at 3:1 or more between two pictures.
int Changed(const QImage& a, const QImage& b, QRect area) {
    int changed = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            changed += tessaly::ContrastRatio(At(a, {x, y}), At(b, {x, y})) >= tessaly::kVisibleContrast;
    return changed;
}

QRect InWindow(QWidget* window, QWidget* w, QRect r) { return r.translated(w->mapTo(window, QPoint())); }

// The child: opens the window under the desktop's scheme and prints what it measures.
int Measure() {
    QApplication::setCursorFlashTime(0);  // a steady caret
    auto window = OpenWindow();
    if (!window)
        return 2;
    QTextStream out(stdout);
    const QColor page = window->palette().color(QPalette::Window);
    out << "page " << page.name() << "\n";

    // The keyboard stops of each tab, in the order the Tab key visits them from the tab strip
    // and back to it, the first tab's as the window opens; each one compared focused and just
    // after it lost the focus.
    QTabBar* strip = window->tabs()->tabBar();
    for (int tab = 0; tab < 4; ++tab) {
        if (tab > 0)
            ClickTab(window.get(), tab);
        std::vector<QImage> shots{window->grab().toImage()};
        std::vector<QWidget*> stops{strip};
        for (int key = 0; key < 30 && (key == 0 || stops.back() != strip); ++key) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCoreApplication::processEvents();
            shots.push_back(window->grab().toImage());
            QWidget* w = QApplication::focusWidget();
            stops.push_back(qobject_cast<QComboBox*>(w->parentWidget()) ? w->parentWidget() : w);
        }
        if (stops.back() != strip)
            out << "focus-order-broken\n";
        for (size_t i = 0; i + 1 < stops.size(); ++i) {
            QWidget* w = stops[i];
            const QRect r = w == strip ? InWindow(window.get(), strip, strip->tabRect(strip->currentIndex()))
                                       : InWindow(window.get(), w, w->rect());
            out << "focus " << tab << ":" << w->objectName() << " "
                << Changed(shots[i], shots[i + 1], r.adjusted(-3, -3, 3, 3)) << " "
                << 2 * (r.width() + r.height()) << "\n";
        }
    }

    const auto measureTab = [&](const QString& suffix) {
        const QImage image = window->grab().toImage();
        for (QWidget* w : window->tabs()->currentWidget()->findChildren<QWidget*>()) {
            if (!w->isVisible() || qobject_cast<QComboBox*>(w->parentWidget()))
                continue;
            const QString name = w->objectName() + suffix;
            const char* kind = w->isEnabled() ? "box" : "quiet";
            if (auto* option = qobject_cast<QRadioButton*>(w)) {
                QStyleOptionButton style;
                style.initFrom(option);
                const QRect mark =
                    option->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &style, option);
                out << (w->isEnabled() ? "mark " : "quiet ") << name << " "
                    << RoundMark(image, InWindow(window.get(), w, mark)) << "\n";
            } else if (qobject_cast<QLineEdit*>(w) || qobject_cast<QListWidget*>(w) ||
                       qobject_cast<QComboBox*>(w)) {
                out << kind << " " << name << " " << BoxOutline(image, InWindow(window.get(), w, w->rect()))
                    << "\n";
            } else if (qobject_cast<QGroupBox*>(w)) {
                // The left line, half way down, against the page inside.
                const QRect r = InWindow(window.get(), w, w->rect());
                const QPoint mid(r.left(), r.center().y() + r.height() / 4);
                out << "frame " << name << " "
                    << std::max(Contrast(image, mid, mid + QPoint(3, 0)),
                                Contrast(image, mid + QPoint(1, 0), mid + QPoint(3, 0)))
                    << "\n";
            }
        }
    };
    for (int tab = 0; tab < 4; ++tab) {
        ClickTab(window.get(), tab);
        measureTab(QString());
    }
    // The combo box once "Other" opens it.
    ClickTab(window.get(), 1);
    auto* other = window->findChild<QRadioButton*>("Option3");
    QTest::mouseClick(other, Qt::LeftButton, {}, QPoint(4, other->height() / 2));
    strip->setFocus();
    QCoreApplication::processEvents();
    measureTab(QStringLiteral("/other"));
    return 0;
}

struct Figures {
    QColor page;
    std::map<QString, std::pair<QString, double>> controls;  // name: kind, contrast
    std::map<QString, std::pair<int, int>> focus;            // stop: changed pixels, perimeter
    bool focusOrder = true;
};

}  // namespace

class ColourSchemesTest : public QObject {
    Q_OBJECT
    Figures default_;
    QTemporaryDir empty_;  // XDG_CONFIG_HOME for the default window: no desktop settings

    // Runs the child under `scheme` (a folder of tests/ui/schemes, or none for the default window).
    static Figures Run(const QString& configHome, bool kde) {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.insert("XDG_CONFIG_HOME", configHome);
        env.insert("LC_ALL", "C.UTF-8");
        if (kde) {
            env.insert("XDG_CURRENT_DESKTOP", "KDE");
            env.insert("KDE_SESSION_VERSION", "5");
        } else {
            env.remove("XDG_CURRENT_DESKTOP");
            env.remove("KDE_SESSION_VERSION");
        }
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {"--measure"});
        Figures figures;
        if (!child.waitForFinished(120000) || child.exitCode() != 0)
            return figures;
        for (const QString& line :
             QString::fromUtf8(child.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts)) {
            const QStringList f = line.split(' ');
            if (f[0] == "page")
                figures.page = QColor(f[1]);
            else if (f[0] == "focus")
                figures.focus[f[1]] = {f[2].toInt(), f[3].toInt()};
            else if (f[0] == "focus-order-broken")
                figures.focusOrder = false;
            else
                figures.controls[f[1]] = {f[0], f[2].toDouble()};
        }
        return figures;
    }

private slots:
    void initTestCase() {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            QSKIP("no X server: run under xvfb-run");
        default_ = Run(empty_.path(), false);
        QVERIFY2(default_.page.isValid(), "the window did not open on the X server");
    }

    void everyControlAndTheFocusAreSeen_data() {
        QTest::addColumn<QString>("scheme");
        QTest::addColumn<QColor>("page");  // the scheme's, to be sure Qt's KDE theme read it
        QTest::newRow("default window") << QString() << QColor(239, 239, 239);
        QTest::newRow("Breeze") << "breeze" << QColor(239, 240, 241);
        QTest::newRow("Breeze Dark") << "breeze-dark" << QColor(49, 54, 59);
        QTest::newRow("black high contrast") << "high-contrast-black" << QColor(Qt::black);
        QTest::newRow("white high contrast") << "high-contrast-white" << QColor(Qt::white);
    }

    void everyControlAndTheFocusAreSeen() {
        QFETCH(QString, scheme);
        QFETCH(QColor, page);
        const Figures got = scheme.isEmpty() ? default_ : Run(TESSALY_SCHEMES_DIR "/" + scheme, true);
        QCOMPARE(got.page, page);
        // The same controls as in the default window: the seven option buttons, the boxes of every
        // tab, Combo1 disabled and enabled, the frames.
        QCOMPARE(got.controls.size(), default_.controls.size());
        QStringList faint;
        int seen = 0, required = 0;
        for (const auto& [name, figure] : got.controls) {
            const auto& [kind, ratio] = figure;
            if (kind == "mark" || kind == "box") {  // at 3:1
                ++required;
                seen += ratio >= tessaly::kVisibleContrast;
                if (ratio < tessaly::kVisibleContrast)
                    faint << QString("%1 %2:1").arg(name).arg(ratio, 0, 'f', 2);
            } else if (const double designed = default_.controls.at(name).second; ratio < designed - 0.01) {
                faint << QString("%1 %2:1, %3:1 in the default window")
                             .arg(name)
                             .arg(ratio, 0, 'f', 2)
                             .arg(designed, 0, 'f', 2);
            }
        }
        QStringList unseen;
        for (const auto& [stop, figure] : got.focus)
            if (figure.first < figure.second)
                unseen << QString("%1 %2 of %3 pixels").arg(stop).arg(figure.first).arg(figure.second);
        qInfo("%s: marks and outlines at 3:1, %d of %d; focus seen at %lld of %zu stops", qPrintable(scheme),
              seen, required, qlonglong(got.focus.size()) - unseen.size(), got.focus.size());
        QVERIFY2(faint.isEmpty(), qPrintable(faint.join(", ")));
        // The first tab's five: the tab strip, the three fields and the Exit bar; every tab's alike.
        QCOMPARE(std::count_if(got.focus.begin(), got.focus.end(),
                               [](const auto& f) { return f.first.startsWith("0:"); }),
                 5);
        QCOMPARE(got.focus.size(), default_.focus.size());
        QVERIFY2(unseen.isEmpty(), qPrintable(unseen.join(", ")));
        QVERIFY(got.focusOrder);
    }
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc == 2 && QByteArray(argv[1]) == "--measure")
        return Measure();
    ColourSchemesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "colour_schemes_test.moc"
