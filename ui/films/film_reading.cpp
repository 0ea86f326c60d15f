// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/films/film_reading.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QProcess>
#include <QTimer>
#include <QWidget>

#include "ui/widgets/message.h"
#include "ui/widgets/text.h"

namespace tessaly::ui {

namespace {

constexpr char kReadName[] = "filmRead";
// The command gives up on a header after 5 s and says so; the second more is its start. A
// process still running then is stuck, in a demuxer or on a file system that does not answer.
constexpr int kStopAfterMs = 6000;

QString Tr(const char* text) { return QCoreApplication::translate("FilmReading", text); }

// One run of the command. It lives until the process has ended, even when its answer is no
// longer wanted, as destroying a running QProcess waits for it.
class FilmRead : public QObject {
public:
    FilmRead(QWidget* owner, std::function<void(const FilmFacts&)> done)
        : QObject(owner), owner_(owner), done_(std::move(done)) {
        setObjectName(QLatin1String(kReadName));
        QGuiApplication::setOverrideCursor(Qt::BusyCursor);
        connect(&process_, &QProcess::finished, this, &FilmRead::finished);
        connect(&process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart) {
                answer(Tr("%1 could not be started: %2").arg(process_.program(), process_.errorString()));
                deleteLater();
            }
        });
        stopTimer_.setSingleShot(true);
        connect(&stopTimer_, &QTimer::timeout, this, [this] {
            process_.kill();
            answer(Tr("%1: not read within %2 seconds, so its reading was stopped")
                       .arg(files_, QString::number(kStopAfterMs / 1000)));
        });
    }

    void start(const QString& command, const QStringList& paths) {
        files_ = paths.join(QStringLiteral(", "));
        // "--" first, so that a file named like an option is read as a file.
        process_.start(
            command,
            QStringList{QStringLiteral("probe"), QStringLiteral("--json"), QStringLiteral("--")} + paths);
        stopTimer_.start(kStopAfterMs);
    }

    // Its answer is no longer wanted: the process is stopped, and this goes when it has ended.
    void abandon() {
        setObjectName(QString());
        answered();
        if (process_.state() == QProcess::NotRunning)
            deleteLater();
        else
            process_.kill();
    }

private:
    void finished(int status, QProcess::ExitStatus how) {
        deleteLater();
        if (done_ == nullptr)
            return;
        const QByteArray out = process_.readAllStandardOutput();
        QString err = QString::fromUtf8(process_.readAllStandardError()).section(QLatin1Char('\n'), 0, 0);
        if (how == QProcess::CrashExit) {
            answer(Tr("%1: the film reader stopped while reading it, which a damaged file can cause")
                       .arg(files_));
            return;
        }
        const QJsonObject film = QJsonDocument::fromJson(out).object();
        const FilmFacts facts{film.value(QLatin1String("minutes")).toDouble(),
                              static_cast<qint64>(film.value(QLatin1String("file_bytes")).toDouble())};
        if (status == 0 && facts.minutes > 0) {
            const auto done = done_;
            answered();
            done(facts);
            return;
        }
        const QString prefix = QStringLiteral("tessaly-bitrate-calc: ");
        if (err.startsWith(prefix))
            err.remove(0, prefix.size());
        answer(err.isEmpty() ? Tr("%1: the film reader gave no answer").arg(files_) : err);
    }

    // Says why the film cannot be read, once.
    void answer(const QString& why) {
        if (done_ == nullptr)
            return;
        answered();
        if (owner_) {
            const std::string prompt = Utf8(Tr("This film cannot be read:\n%1").arg(why));
            ShowMessage(owner_->window(), Message{prompt, {}});
        }
    }

    void answered() {
        if (done_ != nullptr)
            QGuiApplication::restoreOverrideCursor();
        done_ = nullptr;
        stopTimer_.stop();
    }

    QPointer<QWidget> owner_;
    std::function<void(const FilmFacts&)> done_;
    QString files_;
    QProcess process_;
    QTimer stopTimer_;
};

}  // namespace

FilmCommand FindFilmCommand() {
    const QString named = qEnvironmentVariable("TESSALY_BITRATE_CALC");
    if (!named.isEmpty())
        return {named, QFileInfo(named).isExecutable()};
#ifdef Q_OS_WIN
    const QString program = QStringLiteral("/tessaly-bitrate-calc.exe");
#else
    const QString program = QStringLiteral("/tessaly-bitrate-calc");
#endif
    const QString beside = QCoreApplication::applicationDirPath() + program;
    if (QFileInfo(beside).isExecutable())
        return {beside, true};
#ifdef TESSALY_BUILD_CALC
    if (QFileInfo(QStringLiteral(TESSALY_BUILD_CALC)).isExecutable())
        return {QStringLiteral(TESSALY_BUILD_CALC), true};
#endif
    return {beside, false};
}

void ReadFilmFor(QWidget* owner, const QStringList& paths, std::function<void(const FilmFacts&)> done) {
    if (auto* running = owner->findChild<QObject*>(QLatin1String(kReadName), Qt::FindDirectChildrenOnly))
        static_cast<FilmRead*>(running)->abandon();
    const FilmCommand command = FindFilmCommand();
    if (!command.found) {
        const std::string prompt =
            Utf8(Tr("This film cannot be read: the program that reads films, %1, is missing.")
                     .arg(QDir::toNativeSeparators(command.path)));
        ShowMessage(owner->window(), Message{prompt, {}});
        return;
    }
    (new FilmRead(owner, std::move(done)))->start(command.path, paths);
}

}  // namespace tessaly::ui
