// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/films/film_fields.h"

#include <QCollator>
#include <QCoreApplication>
#include <QDropEvent>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <algorithm>

#include "core/numbers.h"
#include "ui/films/film_reading.h"
#include "ui/widgets/field_menu.h"
#include "ui/widgets/text.h"

namespace tessaly::ui {

namespace {

enum class Fact { Length, Size };

QString Tr(const char* text) { return QCoreApplication::translate("FilmFields", text); }

// The file dialog's filter: what films and their sound come in, in either case, as a DVD names
// its files in capitals.
QString Filter(Fact fact) {
    const QStringList video{"mkv", "mp4", "m4v", "avi", "vob", "mpg",  "mpeg", "ts",  "m2ts",
                            "mts", "mov", "wmv", "asf", "flv", "webm", "ogv",  "ogm", "divx"};
    const QStringList sound{"mp3", "ac3", "aac", "m4a", "dts", "wav", "flac", "ogg", "mka"};
    const auto patterns = [](const QStringList& suffixes) {
        QStringList all;
        for (const QString& suffix : suffixes)
            all << QStringLiteral("*.") + suffix << QStringLiteral("*.") + suffix.toUpper();
        return all.join(QLatin1Char(' '));
    };
    QString filter = Tr("Video files (%1)").arg(patterns(video));
    if (fact == Fact::Length)
        filter += QStringLiteral(";;") + Tr("Sound files (%1)").arg(patterns(sound));
    return filter + QStringLiteral(";;") + Tr("All files (*)");
}

QString Written(double x) {
    const double shown = RoundHalfEven(x, 4);
    return FromUtf8(NumberToText(shown > 0 ? shown : x, Utf8(QLocale().decimalPoint())));
}

void Read(QLineEdit* field, Fact fact, QStringList paths) {
    QCollator byName;
    byName.setNumericMode(true);  // VTS_01_9.VOB before VTS_01_10.VOB
    std::sort(paths.begin(), paths.end(), byName);
    ReadFilmFor(field, paths, [field = QPointer<QLineEdit>(field), fact](const FilmFacts& film) {
        if (field)
            WriteAsTyped(
                field,
                Written(fact == Fact::Length ? film.minutes : static_cast<double>(film.fileBytes) / 1048576));
    });
}

// The files a drag carries, when it carries files of this machine and nothing else; it is
// taken as a copy, so that the file manager never moves the file away.
QStringList DraggedFiles(QDropEvent* drag) {
    QStringList files;
    const Qt::DropActions actions = drag->possibleActions();
    if (!drag->mimeData()->hasUrls() || !(actions & (Qt::CopyAction | Qt::LinkAction)))
        return {};
    for (const QUrl& url : drag->mimeData()->urls()) {
        if (!url.isLocalFile())
            return {};
        files << url.toLocalFile();
    }
    drag->setDropAction(actions & Qt::CopyAction ? Qt::CopyAction : Qt::LinkAction);
    drag->accept();
    return files;
}

class Drops : public QObject {
public:
    Drops(QLineEdit* field, Fact fact) : QObject(field), field_(field), fact_(fact) {}

    void watch(QWidget* widget) {
        widget->setAcceptDrops(true);
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
            return false;
        const QStringList files = DraggedFiles(static_cast<QDropEvent*>(event));
        // Read once the drop has ended: a message box opened within it would keep the file
        // manager waiting for the drop to finish.
        if (type == QEvent::Drop && !files.isEmpty())
            QTimer::singleShot(0, field_,
                               [field = field_, fact = fact_, files] { Read(field, fact, files); });
        return !files.isEmpty();
    }

private:
    QLineEdit* field_;
    Fact fact_;
};

void Take(QLineEdit* field, Fact fact, std::initializer_list<QWidget*> alsoFrom) {
    auto* drops = new Drops(field, fact);
    drops->watch(field);
    for (QWidget* widget : alsoFrom)
        drops->watch(widget);
    ExtendFieldMenu(field, [field, fact](QMenu* menu) {
        const QString entry = fact == Fact::Length ? Tr("Length of a video file…") : Tr("Size of a file…");
        menu->addAction(entry, field, [field, fact, entry] {
            static QString folder;  // the last one chosen from, while the program runs
            const QString title = QString(entry).remove(QChar(0x2026));
            // The filter's names alone: each pattern comes in two cases.
            const auto options = QFileDialog::HideNameFilterDetails;
            QWidget* window = field->window();
            QStringList files =
                fact == Fact::Length
                    ? QFileDialog::getOpenFileNames(window, title, folder, Filter(fact), nullptr, options)
                    : QStringList{QFileDialog::getOpenFileName(window, title, folder, Filter(fact), nullptr,
                                                               options)};
            files.removeAll(QString());
            if (files.isEmpty())
                return;
            folder = QFileInfo(files.front()).absolutePath();
            Read(field, fact, files);
        });
    });
}

}  // namespace

void TakeFilmLength(QLineEdit* field, std::initializer_list<QWidget*> alsoFrom) {
    Take(field, Fact::Length, alsoFrom);
}

void TakeFileSize(QLineEdit* field) { Take(field, Fact::Size, {}); }

}  // namespace tessaly::ui
