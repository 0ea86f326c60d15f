// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Qt platform the window will be opened with (Linux): which one Qt 6.4 chooses, why it would
// fail, said in one line before Qt starts, and the one line that replaces Qt's abort when it
// fails all the same. Qt aborts the program, with four lines and status 134, when no platform
// of its list opens: no display, a display that does not answer, a platform whose plugin is
// missing or does not load.
#pragma once

#include <QString>

#include <optional>
#include <string>

namespace tessaly::app {

// The Qt options of the command line that choose the platform, as the user gave them.
struct QtPlatformOptions {
    std::optional<QString> platform;  // -platform, even empty: Qt then has no platform to try
    QString display;                  // -display, for X11
    QString pluginPath;               // -platformpluginpath
};

// The platforms Qt tries in turn, separated by ";", each maybe followed by ":options":
// -platform, else QT_QPA_PLATFORM, else what Qt chooses for the session, "xcb" or "wayland;xcb".
QString ChosenPlatforms(const QtPlatformOptions& options);

// Why no platform of the list opens the window, in one line that says what to do, or empty when
// one of them may: one whose plugin is present and that this cannot try without loading it.
// "nosuch;offscreen" -> ""; "XCB" without DISPLAY -> "no display to open the window on: set
// DISPLAY ..." (Qt lowers the names); "nosuch" -> "no platform \"nosuch\": Qt has eglfs, ..., xcb".
std::string PlatformProblem(const QtPlatformOptions& options);

// While it lives, Qt's messages wait, and a fatal one, which Qt sends when the platform cannot
// open the window, becomes one line on standard error and exit status 1 instead of the abort.
// Started(), once the window is open, hands the waiting messages on to Qt's own handler.
class StartWatch {
public:
    StartWatch(const char* program, QString platforms);
    ~StartWatch() { Started(); }
    StartWatch(const StartWatch&) = delete;
    StartWatch& operator=(const StartWatch&) = delete;

    void Started();

private:
    bool started_ = false;
};

}  // namespace tessaly::app
