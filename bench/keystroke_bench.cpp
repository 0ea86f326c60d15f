// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How long one keystroke takes to show in the real window (the key event, the tab's handler,
// its output writes and the repaint they cause) next to the same keystroke in a bare line edit
// with no handler, in the same process, on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <chrono>
#include <string>
#include <vector>

#include "ratios.h"
#include "ui/main_window.h"
#include "ui/widgets/classic_style.h"

namespace tessaly::bench {
namespace {

// A field of the window that answers each keystroke, and what must be in front for it to show.
struct Field {
    const char* name;
    int tab;
    const char* unit;  // an item of List1 to select first, for the converter
};

const Field kFields[] = {
    {"txtSize", 0, nullptr},
    {"Text11", 1, nullptr},
    {"Text15", 1, nullptr},
    {"Text1", 2, "megabyte (MB)"},
};

const char* const kBare = "bare QLineEdit";
// The same bare field drawn as the window draws its fields: the window's own look is cheaper to
// paint than the platform's frame, so this is the honest floor for what the handler adds.
const char* const kBareSameLook = "bare QLineEdit, window's field look";

// Counts the paints a widget receives, to be sure a measured keystroke includes its repaint.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

// One keystroke as the user sees it: the key itself, then the posted events it left behind,
// which include the repaint of every widget whose text changed.
void Strike(QLineEdit* field, bool erase) {
    if (erase)
        QTest::keyClick(field, Qt::Key_Backspace);
    else
        QTest::keyClick(field, '0');
    QCoreApplication::sendPostedEvents();
}

// Alternately erases the last character and types a 0 again, so every iteration recomputes
// with a valid number ("700", "70", "700", ...) and the text never grows.
void TypeInto(benchmark::State& state, QLineEdit* field) {
    if (!field || !field->isVisible() || !field->isEnabled() || field->isReadOnly()) {
        state.SkipWithError("the field is missing, hidden or not editable");
        return;
    }
    field->end(false);
    PaintCounter counter;
    field->installEventFilter(&counter);
    Strike(field, true);
    Strike(field, false);
    field->removeEventFilter(&counter);
    if (counter.paints < 2) {
        state.SkipWithError("a keystroke did not repaint the field; the timing would leave out the paint");
        return;
    }

    std::vector<double> micros;
    micros.reserve(static_cast<std::size_t>(state.max_iterations));
    bool erase = true;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        Strike(field, erase);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count());
        micros.push_back(took.count() * 1e6);
        erase = !erase;
    }
    state.counters["median_us"] = Quantile(micros, 0.5);
    state.counters["p99_us"] = Quantile(micros, 0.99);
}

void ShowTab(QTabWidget* tabs, int index) {
    QTabBar* bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    QCoreApplication::processEvents();
}

// Selects a unit of the converter's list with a click, as the user does before typing.
bool SelectUnit(QWidget* window, const char* unit) {
    auto* list = window->findChild<QAbstractItemView*>(QStringLiteral("List1"));
    if (!list)
        return false;
    const QModelIndexList found = list->model()->match(list->model()->index(0, 0), Qt::DisplayRole,
                                                       QString::fromLatin1(unit), 1, Qt::MatchExactly);
    if (found.isEmpty())
        return false;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(found.front()).center());
    return list->currentIndex() == found.front();
}

std::vector<Comparison> Register(ui::MainWindow& window, QLineEdit& bare, QLineEdit& bareSameLook) {
    constexpr int kStrokes = 4000;  // even, so each field ends with the text it started with
    std::vector<Comparison> comparisons;
    benchmark::RegisterBenchmark(kBare, [&bare](benchmark::State& state) { TypeInto(state, &bare); })
        ->UseManualTime()
        ->Iterations(kStrokes)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(kBareSameLook,
                                 [&bareSameLook](benchmark::State& state) { TypeInto(state, &bareSameLook); })
        ->UseManualTime()
        ->Iterations(kStrokes)
        ->Unit(benchmark::kMicrosecond);
    for (const Field& f : kFields) {
        const std::string name = std::string("keystroke/") + f.name;
        benchmark::RegisterBenchmark(
            name.c_str(),
            [&window, f](benchmark::State& state) {
                ShowTab(window.tabs(), f.tab);
                auto* field = window.findChild<QLineEdit*>(QString::fromLatin1(f.name));
                if (field && f.unit) {
                    // The number first: choosing a unit for an empty field would rightly ask for one.
                    field->selectAll();
                    QTest::keyClicks(field, "700");
                    if (!SelectUnit(&window, f.unit)) {
                        state.SkipWithError("the unit list is missing or has no such unit");
                        return;
                    }
                }
                TypeInto(state, field);
            })
            ->UseManualTime()
            ->Iterations(kStrokes)
            ->Unit(benchmark::kMicrosecond);
        comparisons.push_back({name, kBare, "median_us", 1.5});
        comparisons.push_back({name, kBare, "p99_us", 0});
        comparisons.push_back({name, kBareSameLook, "median_us", 0});
    }
    return comparisons;
}

}  // namespace
}  // namespace tessaly::bench

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    tessaly::ui::MainWindow window;
    window.show();
    QLineEdit bare(QStringLiteral("700"));
    bare.show();
    tessaly::ui::ClassicStyle fieldLook(QApplication::style()->name());
    QLineEdit bareSameLook(QStringLiteral("700"));
    bareSameLook.setStyle(&fieldLook);
    bareSameLook.show();
    if (!QTest::qWaitForWindowExposed(&window) || !QTest::qWaitForWindowExposed(&bare) ||
        !QTest::qWaitForWindowExposed(&bareSameLook))
        return 1;

    const auto comparisons = tessaly::bench::Register(window, bare, bareSameLook);
    return tessaly::bench::RunAndCompare(argc, argv, comparisons);
}
