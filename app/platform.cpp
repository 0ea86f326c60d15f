// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/platform.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QLibrary>
#include <QLibraryInfo>
#include <QPluginLoader>
#include <QSettings>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <utility>
#include <vector>

#ifdef TESSALY_CHECK_X_DISPLAY
#include <xcb/xcb.h>
#endif

namespace tessaly::app {
namespace {

constexpr char kWhatToDo[] = "set DISPLAY or WAYLAND_DISPLAY, or QT_QPA_PLATFORM=offscreen for a test";

enum class Origin { Option, Environment, WaylandDisplay, WaylandSession, Default };

struct Choice {
    QString platforms;
    Origin origin;
};

Choice Choose(const QtPlatformOptions& options) {
    if (options.platform)
        return {*options.platform, Origin::Option};
    if (const QString variable = qEnvironmentVariable("QT_QPA_PLATFORM"); !variable.isEmpty())
        return {variable, Origin::Environment};
    // Qt 6.4 puts Wayland before its default, xcb on Debian, when WAYLAND_DISPLAY is set, even
    // to nothing, or when the session says it is a Wayland one.
    if (qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))
        return {QStringLiteral("wayland;xcb"), Origin::WaylandDisplay};
    if (qgetenv("XDG_SESSION_TYPE") == "wayland")
        return {QStringLiteral("wayland;xcb"), Origin::WaylandSession};
    return {QStringLiteral("xcb"), Origin::Default};
}

// Qt reads a qt.conf beside the program only once the application object exists; before then
// QLibraryInfo gives the folder Qt was built with. A qt.conf, even an empty one, puts the
// plugins in "plugins" under its Prefix, itself taken from the qt.conf's folder.
QString PluginsPath(const QString& program_dir) {
    const QString conf = program_dir + QStringLiteral("/qt.conf");
    if (QFileInfo::exists(QStringLiteral(":/qt/etc/qt.conf")) || !QFileInfo::exists(conf))
        return QLibraryInfo::path(QLibraryInfo::PluginsPath);
    QSettings settings(conf, QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("Paths"));
    const QDir prefix(
        QDir(program_dir).absoluteFilePath(settings.value(QStringLiteral("Prefix"), ".").toString()));
    return prefix.absoluteFilePath(settings.value(QStringLiteral("Plugins"), "plugins").toString());
}

// Where Qt looks for platform plugins: "platforms" under each library path (QT_PLUGIN_PATH, the
// plugin folder, the program's folder), and the -platformpluginpath folder itself.
QStringList PluginFolders(const QString& plugin_path_option) {
    const QString program_dir = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
    QStringList roots =
        qEnvironmentVariable("QT_PLUGIN_PATH").split(QDir::listSeparator(), Qt::SkipEmptyParts);
    roots << PluginsPath(program_dir) << program_dir;
    const QString direct = plugin_path_option.isEmpty() ? qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH")
                                                        : plugin_path_option;
    if (!direct.isEmpty())
        roots << direct;
    QStringList folders;
    for (const QString& root : roots)
        folders << root + QStringLiteral("/platforms");
    if (!direct.isEmpty())
        folders << direct;
    return folders;
}

// The platform plugins Qt would find, by the names they declare.
class PlatformPlugins {
public:
    explicit PlatformPlugins(QStringList folders) : folders_(std::move(folders)) {}

    // Qt names each of its platform plugins libq<name>.so, and qtwayland the one for "wayland"
    // libqwayland-generic.so; a plugin named otherwise is known by its metadata only.
    bool HasFile(const QString& name) const {
        const QString file = name == QLatin1String("wayland") ? QStringLiteral("libqwayland-generic.so")
                                                              : QStringLiteral("libq%1.so").arg(name);
        for (const QString& folder : folders_)
            if (QFileInfo::exists(folder + QLatin1Char('/') + file))
                return true;
        return false;
    }

    // Read from each plugin's metadata, as Qt does, without loading any.
    const QStringList& Names() {
        if (names_)
            return *names_;
        QStringList names;
        const auto add = [&names](const QJsonObject& metadata) {
            if (!metadata.value(QLatin1String("IID"))
                     .toString()
                     .startsWith(QLatin1String("org.qt-project.Qt.QPA.QPlatformIntegrationFactoryInterface")))
                return;
            const QJsonArray keys =
                metadata.value(QLatin1String("MetaData")).toObject().value(QLatin1String("Keys")).toArray();
            for (const QJsonValue& key : keys)
                names << key.toString().toLower();
        };
        // Qt remarks on each file that holds no plugin, and will again when it starts.
        const QtMessageHandler qt =
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        for (const QStaticPlugin& plugin : QPluginLoader::staticPlugins())
            add(plugin.metaData());
        for (const QString& folder : folders_)
            for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files))
                if (QLibrary::isLibrary(file.fileName()))
                    add(QPluginLoader(file.filePath()).metaData());
        qInstallMessageHandler(qt);
        names.sort();
        names.removeDuplicates();
        return *(names_ = std::move(names));
    }

private:
    QStringList folders_;
    std::optional<QStringList> names_;
};

std::string MissingPlugin(const QString& name, Origin origin, PlatformPlugins& plugins) {
    const bool wayland = name.startsWith(QLatin1String("wayland"));
    const std::string no_wayland = "Qt's Wayland platform plugin is not installed (Debian: qt6-wayland)";
    if (wayland && (origin == Origin::WaylandDisplay || origin == Origin::WaylandSession))
        return std::string(origin == Origin::WaylandDisplay ? "WAYLAND_DISPLAY is set"
                                                            : "XDG_SESSION_TYPE is wayland") +
               ", but " + no_wayland +
               ": install it, or set DISPLAY for X11, or QT_QPA_PLATFORM=offscreen for a test";
    const QStringList& names = plugins.Names();
    return "no platform \"" + name.toStdString() + "\"" +
           (origin == Origin::Environment ? " in QT_QPA_PLATFORM" : "") + ": " +
           (wayland ? no_wayland + "; " : "") +
           (names.isEmpty() ? "Qt has no platform plugins"
                            : "Qt has " + names.join(QLatin1String(", ")).toStdString());
}

std::string XDisplayProblem(const QString& display_option) {
    const QByteArray display = display_option.isEmpty() ? qgetenv("DISPLAY") : display_option.toLocal8Bit();
    if (display.isEmpty())
        return std::string("no display to open the window on: ") + kWhatToDo;
#ifdef TESSALY_CHECK_X_DISPLAY
    // The X11 platform gives up when it cannot connect, and Qt then aborts; trying first costs
    // one connection to the display.
    xcb_connection_t* connection = xcb_connect(display.constData(), nullptr);
    const bool failed = xcb_connection_has_error(connection) != 0;
    xcb_disconnect(connection);
    if (failed)
        return "cannot open the X display \"" + display.toStdString() + "\": " + kWhatToDo;
#endif
    return {};
}

// What the watch holds while Qt starts: a message handler is a plain function.
struct Held {
    QtMsgType type;
    QByteArray file, function, category;
    int line;
    QString text;
};
std::mutex held_mutex;
std::vector<Held> held;
QtMessageHandler qt_handler = nullptr;
const char* watch_program = "";
QString watch_platforms;
bool pass_on = false;

const char* OrNull(const QByteArray& text) { return text.isNull() ? nullptr : text.constData(); }

void Hold(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        // Qt says the same sentence whenever no plugin of its list opened, after a line for each
        // plugin that did not load or connect; a plugin that stops the start itself says why.
        const QString why = message.contains(QLatin1String("no Qt platform plugin could be initialized"))
                                ? QStringLiteral("QT_DEBUG_PLUGINS=1 shows why")
                                : message.trimmed().section(QLatin1Char('\n'), 0, 0);
        std::fprintf(stderr, "%s: Qt cannot open the window with the platform \"%s\" (%s): %s\n",
                     watch_program, watch_platforms.toLocal8Bit().constData(), why.toLocal8Bit().constData(),
                     kWhatToDo);
        std::fflush(stderr);
        std::_Exit(1);  // not exit(): destructors would run over a half-built application
    }
    if (pass_on) {
        qt_handler(type, context, message);
        return;
    }
    const std::lock_guard lock(held_mutex);
    held.push_back({type, context.file, context.function, context.category, context.line, message});
}

}  // namespace

QString ChosenPlatforms(const QtPlatformOptions& options) { return Choose(options).platforms; }

std::string PlatformProblem(const QtPlatformOptions& options) {
    const Choice choice = Choose(options);
    PlatformPlugins plugins(PluginFolders(options.pluginPath));
    QStringList names;
    for (const QString& entry : choice.platforms.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        if (const QString name = entry.split(QLatin1Char(':'), Qt::SkipEmptyParts).value(0).toLower();
            !name.isEmpty())
            names << name;
    if (names.isEmpty())
        return MissingPlugin(choice.platforms, choice.origin, plugins);

    // The window opens when any platform of the list does. The plugins found by their file names
    // come first, so that a start that opens reads no plugin's metadata: on a Wayland desktop
    // without Qt's Wayland plugin, X11 (XWayland) is tried before the absence is made sure of.
    std::vector<std::string> problems(static_cast<std::size_t>(names.size()));
    for (const bool by_file : {true, false}) {
        for (qsizetype i = 0; i < names.size(); ++i) {
            const QString& name = names[i];
            if (plugins.HasFile(name) != by_file)
                continue;
            std::string& problem = problems[static_cast<std::size_t>(i)];
            if (!by_file && !plugins.Names().contains(name))
                problem = MissingPlugin(name, choice.origin, plugins);
            else if (name == QLatin1String("xcb"))
                problem = XDisplayProblem(options.display);
            if (problem.empty())
                return {};
        }
    }
    return problems.front();
}

StartWatch::StartWatch(const char* program, QString platforms) {
    watch_program = program;
    watch_platforms = std::move(platforms);
    pass_on = qEnvironmentVariableIsSet("QT_DEBUG_PLUGINS");  // asked for Qt's account of its plugins
    qt_handler = qInstallMessageHandler(Hold);
}

void StartWatch::Started() {
    if (std::exchange(started_, true))
        return;
    qInstallMessageHandler(qt_handler);
    const std::lock_guard lock(held_mutex);
    for (const Held& message : held)
        qt_handler(message.type,
                   QMessageLogContext(OrNull(message.file), message.line, OrNull(message.function),
                                      OrNull(message.category)),
                   message.text);
    held.clear();
}

}  // namespace tessaly::app
