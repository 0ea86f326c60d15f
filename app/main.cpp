// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts the calculator: one window, shown until it is closed or an Exit button is pressed.
// The command line is read before the toolkit opens a display, so that --help, --version and a
// mistyped option answer in a terminal that has none, and a platform that cannot open the window
// (no display, a missing plugin: platform.h) gets one line instead of the toolkit's abort.
#include <QApplication>
#include <QCommandLineParser>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <optional>
#include <string>

#include "ui/main_window.h"

#ifdef Q_OS_LINUX
#include "app/platform.h"
#endif

namespace {

constexpr char kProgram[] = "tessaly-bitrate";

// The options that QGuiApplication, QApplication and the X11 platform take out of the command
// line for themselves. The parser must know them to let them through to the toolkit and to
// tell their values from a stray argument; they stay out of our --help.
// Qt reads these as "-name value"; the last three also as "-name=value".
constexpr const char* kQtOptionsWithValue[] = {"platform",
                                               "platformpluginpath",
                                               "platformtheme",
                                               "plugin",
                                               "qwindowgeometry",
                                               "qwindowicon",
                                               "qwindowtitle",
                                               "session",
                                               "display",
                                               "geometry",
                                               "title",
                                               "icon",
                                               "name",
                                               "style",
                                               "stylesheet",
                                               "qmljsdebugger"};
constexpr int kQtOptionsAlsoJoined = 3;
constexpr const char* kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync", "testability"};

// The Qt option given as -name=value though Qt only reads "-name value", or empty. The parser
// would take either form, and Qt would then pass over the first.
QString JoinedValueQtDoesNotRead(const QStringList& arguments) {
    for (const QString& argument : arguments.mid(1)) {
        if (argument == QLatin1String("--"))
            break;
        if (!argument.startsWith(QLatin1Char('-')) || !argument.contains(QLatin1Char('=')))
            continue;
        QString name = argument.section(QLatin1Char('='), 0, 0);
        name.remove(0, name.startsWith(QLatin1String("--")) ? 2 : 1);
        const auto* const joined = std::end(kQtOptionsWithValue) - kQtOptionsAlsoJoined;
        if (std::find(std::begin(kQtOptionsWithValue), joined, name) != joined)
            return name;
    }
    return {};
}

bool TakesValue(const QString& name) {
    return std::find(std::begin(kQtOptionsWithValue), std::end(kQtOptionsWithValue), name) !=
           std::end(kQtOptionsWithValue);
}

// The parser's error in the words of tessaly-bitrate-calc, naming the option as it was typed:
// "unknown option --frob", "-platform needs a value", "option --help takes no value". The
// parser words its errors as translated sentences, so the option is found among the arguments.
QString UsageError(const QCommandLineParser& parser, const QStringList& arguments) {
    const QStringList unknown = parser.unknownOptionNames();
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--"))
            break;
        if (!argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-"))
            continue;
        const QString typed = argument.section(QLatin1Char('='), 0, 0);
        const QString name = typed.mid(typed.startsWith(QLatin1String("--")) ? 2 : 1);
        if (unknown.contains(name))
            return QStringLiteral("unknown option ") + typed;
        if (typed.size() < argument.size()) {
            if (!TakesValue(name))
                return QStringLiteral("option %1 takes no value").arg(typed);
        } else if (TakesValue(name) && ++i == arguments.size()) {
            return typed + QStringLiteral(" needs a value");
        }
    }
    return parser.errorText();
}

void Say(FILE* stream, const QString& text) { std::fputs(text.toLocal8Bit().constData(), stream); }

}  // namespace

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);  // Qt's -platform
    parser.setApplicationDescription(
        QStringLiteral("Opens the window of the Tessaly Video Bitrate Calculator: the video bitrate that\n"
                       "makes a film fill a file of a chosen size, the disk space of the intermediate AVI,\n"
                       "the audio bitrate still affordable, and data units. The same calculations for\n"
                       "scripts: tessaly-bitrate-calc.\n"
                       "\n"
                       "The options of every Qt program work too, such as -platform NAME, -style NAME\n"
                       "and -display NAME (X11)."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the program's version and exit."));
    parser.addOptions({help, version});
    for (const char* name : kQtOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kQtFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    const QString try_help = QStringLiteral("Try '%1 --help'.\n").arg(QLatin1String(kProgram));
    if (const QString name = JoinedValueQtDoesNotRead(arguments); !name.isEmpty()) {
        Say(stderr, QStringLiteral("%1: Qt reads the value of -%2 as the next word: -%2 VALUE\n")
                            .arg(QLatin1String(kProgram), name) +
                        try_help);
        return 2;
    }
    if (!parser.parse(arguments)) {
        Say(stderr, QStringLiteral("%1: %2\n").arg(QLatin1String(kProgram), UsageError(parser, arguments)) +
                        try_help);
        return 2;
    }
    if (const QStringList extra = parser.positionalArguments(); !extra.isEmpty()) {
        Say(stderr,
            QStringLiteral("%1: unexpected argument \"%2\"\n").arg(QLatin1String(kProgram), extra.first()) +
                try_help);
        return 2;
    }
    if (parser.isSet(help)) {
        Say(stdout, parser.helpText().replace(QStringLiteral("<executable_name>"), QLatin1String(kProgram)));
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("%s %s\n", kProgram, TESSALY_VERSION);
        return 0;
    }
#ifdef Q_OS_LINUX
    const QString platform = QStringLiteral("platform");
    const tessaly::app::QtPlatformOptions qt_platform{
        parser.isSet(platform) ? std::optional(parser.value(platform)) : std::nullopt,
        parser.value(QStringLiteral("display")), parser.value(QStringLiteral("platformpluginpath"))};
    if (const std::string problem = tessaly::app::PlatformProblem(qt_platform); !problem.empty()) {
        std::fprintf(stderr, "%s: %s\n", kProgram, problem.c_str());
        return 1;
    }
    tessaly::app::StartWatch watch(kProgram, tessaly::app::ChosenPlatforms(qt_platform));
#endif
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessaly Video Bitrate Calculator"));
    QApplication::setApplicationVersion(QStringLiteral(TESSALY_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.tessaly.BitrateCalculator"));
    tessaly::ui::MainWindow window;
    window.show();
#ifdef Q_OS_LINUX
    watch.Started();
#endif
    return QApplication::exec();
}
