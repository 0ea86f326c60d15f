// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The floors the program's start-up is measured against: a bare fixed-size window, or (given
// a census from widget_census) a window holding the same number and kinds of plain widgets,
// with default looks and no logic.
//   window_floor --size 504x417
//   window_floor --size 504x417 --tabs 4 QLabel=40 QLineEdit=19 ...
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextEdit>

#include <cstdio>
#include <functional>
#include <map>
#include <vector>

namespace {

using Factory = std::function<QWidget*(QWidget*)>;

const std::map<QString, Factory>& Factories() {
    static const std::map<QString, Factory> factories = {
        {"QWidget", [](QWidget* p) { return new QWidget(p); }},
        {"QFrame", [](QWidget* p) { return new QFrame(p); }},
        {"QLabel", [](QWidget* p) { return new QLabel(QStringLiteral("Label"), p); }},
        {"QLineEdit", [](QWidget* p) { return new QLineEdit(QStringLiteral("100"), p); }},
        {"QPushButton", [](QWidget* p) { return new QPushButton(QStringLiteral("Exit"), p); }},
        {"QRadioButton", [](QWidget* p) { return new QRadioButton(QStringLiteral("Option"), p); }},
        {"QCheckBox", [](QWidget* p) { return new QCheckBox(QStringLiteral("Check"), p); }},
        {"QGroupBox", [](QWidget* p) { return new QGroupBox(QStringLiteral("Frame"), p); }},
        {"QComboBox", [](QWidget* p) { return new QComboBox(p); }},
        {"QListWidget", [](QWidget* p) { return new QListWidget(p); }},
        {"QTextEdit", [](QWidget* p) { return new QTextEdit(p); }},
        {"QTextBrowser", [](QWidget* p) { return new QTextBrowser(p); }},
        {"QPlainTextEdit", [](QWidget* p) { return new QPlainTextEdit(p); }},
        {"QScrollArea", [](QWidget* p) { return new QScrollArea(p); }},
        {"QTabWidget", [](QWidget* p) { return new QTabWidget(p); }},
    };
    return factories;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Tessaly Video Bitrate Calculator"));

    int tabs = 0;
    std::map<QString, int> kinds;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QLatin1String("--size") && i + 1 < argc) {
            const QStringList size = QString::fromLatin1(argv[++i]).split(QLatin1Char('x'));
            window.setFixedSize(size.value(0).toInt(), size.value(1).toInt());
        } else if (arg == QLatin1String("--tabs") && i + 1 < argc) {
            tabs = QString::fromLatin1(argv[++i]).toInt();
        } else if (const int equals = static_cast<int>(arg.indexOf(QLatin1Char('='))); equals > 0) {
            const QString kind = arg.left(equals);
            if (!Factories().count(kind)) {
                std::fprintf(stderr, "window_floor: no plain widget of kind %s\n", qPrintable(kind));
                return 2;
            }
            kinds[kind] = arg.mid(equals + 1).toInt();
        } else {
            std::fprintf(stderr, "window_floor: unknown argument %s\n", argv[i]);
            return 2;
        }
    }

    // The first tab widget fills the window and takes the first plain widgets as its pages;
    // everything else is spread over the pages in a grid.
    std::vector<QWidget*> pages;
    if (tabs > 0 && kinds[QStringLiteral("QTabWidget")] > 0 && kinds[QStringLiteral("QWidget")] >= tabs) {
        --kinds[QStringLiteral("QTabWidget")];
        kinds[QStringLiteral("QWidget")] -= tabs;
        auto* tabWidget = new QTabWidget(&window);
        tabWidget->setGeometry(window.rect());
        for (int t = 0; t < tabs; ++t) {
            pages.push_back(new QWidget);
            tabWidget->addTab(pages.back(), QStringLiteral("Tab %1").arg(t));
        }
    } else {
        pages.push_back(&window);
    }
    int placed = 0;
    for (const auto& [kind, count] : kinds) {
        for (int n = 0; n < count; ++n, ++placed) {
            QWidget* page = pages[static_cast<std::size_t>(placed) % pages.size()];
            const int slot = placed / static_cast<int>(pages.size());
            Factories().at(kind)(page)->setGeometry(8 + (slot % 4) * 120, 32 + (slot / 4) % 14 * 26, 112, 22);
        }
    }

    window.show();
    return QApplication::exec();
}
