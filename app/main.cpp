// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts the calculator: one window, shown until it is closed or an Exit button is pressed.
#include <QApplication>

#include "ui/main_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessaly Video Bitrate Calculator"));
    QApplication::setDesktopFileName(QStringLiteral("org.tessaly.BitrateCalculator"));
    tessaly::ui::MainWindow window;
    window.show();
    return QApplication::exec();
}
