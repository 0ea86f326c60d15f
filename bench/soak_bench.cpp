// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A long session with the real window: 100,000 keystrokes and clicks spread over every input
// field, option and list, the message boxes answered with Enter as they open. Reports the
// resident memory before, after the first tenth and at the end, and the slowest keystroke;
// fails when memory keeps growing after the warm-up. Prints its progress on stderr every tenth
// of the way; takes about 100 s of CPU, three to six minutes on two shared cores. The
// toolkit's own remarks (the offscreen platform says "This plugin does not support
// propagateSizeHints()" for every message box) are counted, not printed.
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <unistd.h>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <random>
#include <vector>

#include "ui/main_window.h"

namespace {

constexpr int kKeystrokes = 100'000;
constexpr double kAllowedGrowthKb = 2048;  // allocator noise, not a leak per keystroke

double ResidentKb() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1024.0;
}

// Presses Enter on each message box as soon as it shows, the way an impatient user does.
class MessageAnswerer : public QObject {
public:
    int answered = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            if (auto* box = qobject_cast<QMessageBox*>(watched)) {
                ++answered;
                QTimer::singleShot(0, box, [box] { QTest::keyClick(box, Qt::Key_Return); });
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

// The toolkit's debug messages and warnings, counted and kept out of the report; anything
// graver still goes to the handler that was there before.
int toolkitRemarks = 0;
QtMessageHandler previousHandler = nullptr;

void CountToolkitRemarks(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtDebugMsg || type == QtInfoMsg || type == QtWarningMsg) {
        ++toolkitRemarks;
        return;
    }
    if (previousHandler)
        previousHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

// Where a keystroke can go: a field that takes text, an option, or a list.
struct Target {
    QWidget* widget;
    int tab;
};

int TabOf(QTabWidget* tabs, QWidget* widget) {
    for (int tab = 0; tab < tabs->count(); ++tab) {
        if (tabs->widget(tab)->isAncestorOf(widget))
            return tab;
    }
    return 0;
}

void Strike(QWidget* widget, std::mt19937& random) {
    static const char kKeys[] = "0123456789012345.,-e ";
    if (auto* field = qobject_cast<QLineEdit*>(widget)) {
        const auto pick = random() % 24;
        if (pick < 3 || field->text().size() > 12)
            QTest::keyClick(field, Qt::Key_Backspace);
        else if (pick == 3)
            QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        else
            QTest::keyClick(field, kKeys[random() % (sizeof kKeys - 1)]);
    } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
        QTest::keyClick(list, random() % 2 ? Qt::Key_Down : Qt::Key_Up);
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        QTest::keyClick(combo, random() % 2 ? Qt::Key_Down : Qt::Key_Up);
    } else {
        QTest::mouseClick(widget, Qt::LeftButton);
    }
    QCoreApplication::sendPostedEvents();
}

void BM_Soak(benchmark::State& state) {
    tessaly::ui::MainWindow window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("the window did not show");
        return;
    }
    MessageAnswerer answerer;
    qApp->installEventFilter(&answerer);
    auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("SSTab1"));

    std::vector<Target> targets;
    for (QLineEdit* field : window.findChildren<QLineEdit*>()) {
        if (!field->isReadOnly() && (field->isEnabled() || qobject_cast<QComboBox*>(field->parent())))
            targets.push_back({field, TabOf(tabs, field)});
    }
    for (QWidget* widget : window.findChildren<QRadioButton*>())
        targets.push_back({widget, TabOf(tabs, widget)});
    for (QWidget* widget : window.findChildren<QListWidget*>())
        targets.push_back({widget, TabOf(tabs, widget)});
    for (QWidget* widget : window.findChildren<QComboBox*>())
        targets.push_back({widget, TabOf(tabs, widget)});

    for (auto _ : state) {
        std::mt19937 random(20011101);
        const double before = ResidentKb();
        double warm = before;
        double slowestMs = 0;
        const auto started = std::chrono::steady_clock::now();
        for (int i = 0; i < kKeystrokes; ++i) {
            const Target& target = targets[random() % targets.size()];
            if (tabs->currentIndex() != target.tab)
                tabs->setCurrentIndex(target.tab);
            const auto start = std::chrono::steady_clock::now();
            Strike(target.widget, random);
            const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
            slowestMs = std::max(slowestMs, took.count());
            if (i + 1 == kKeystrokes / 10)
                warm = ResidentKb();
            if ((i + 1) % (kKeystrokes / 10) == 0) {
                const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started;
                std::fprintf(stderr, "soak: %6d of %d keystrokes, %4.0f s, resident %.0f kB\n", i + 1,
                             kKeystrokes, elapsed.count(), ResidentKb());
            }
        }
        const double after = ResidentKb();
        state.counters["targets"] = static_cast<double>(targets.size());
        state.counters["messages"] = answerer.answered;
        state.counters["rss_before_kb"] = before;
        state.counters["rss_warm_kb"] = warm;
        state.counters["rss_after_kb"] = after;
        state.counters["slowest_keystroke_ms"] = slowestMs;
        state.counters["toolkit_remarks"] = toolkitRemarks;
        if (after - warm > kAllowedGrowthKb)
            state.SkipWithError("resident memory kept growing after the warm-up");
    }
    qApp->removeEventFilter(&answerer);
}
BENCHMARK(BM_Soak)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    previousHandler = qInstallMessageHandler(CountToolkitRemarks);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
