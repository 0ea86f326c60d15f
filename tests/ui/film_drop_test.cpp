// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Films dropped on the window and chosen from its fields' menus, on media made here with
// ffmpeg: the drops come as the window system delivers them, to the window, which finds the
// widget under the pointer; the film is read by the command in a process of its own. A length
// lands within a frame, a size to the byte; a broken file, a missing command and one that hangs
// leave every field as it was and say why in the real message box.
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMimeData>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <cmath>

#include "support/modal.h"
#include "support/typing.h"
#include "support/window.h"

namespace {

const QString kTitle = QStringLiteral("Tessaly Video Bitrate Calculator");

// Drags `files` from a file manager (which also offers their paths as text) to `widget`'s
// middle and drops them there; whether the window took them.
bool Drop(QWidget* widget, const QStringList& files) {
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& file : files)
        urls << QUrl::fromLocalFile(file);
    data.setUrls(urls);
    data.setText(files.join(QLatin1Char('\n')));
    QWindow* window = widget->window()->windowHandle();
    const QPoint at = widget->mapTo(widget->window(), widget->rect().center());
    const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
    QDragEnterEvent enter(at, offered, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(window, &enter);
    if (!enter.isAccepted() || enter.dropAction() != Qt::CopyAction)
        return false;
    QDropEvent drop(at, offered, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(window, &drop);
    return drop.isAccepted() && drop.dropAction() == Qt::CopyAction;
}

}  // namespace

class FilmDropTest : public QObject, protected WindowTest {
    Q_OBJECT

    QTemporaryDir media;
    QString in(const QString& name) const { return media.filePath(name); }

    // Waits until `field` changes or a message box has been answered; its text then.
    QString awaitChange(QLineEdit* field, const QString& before, const ModalAnswerer& answerer) {
        static_cast<void>(
            QTest::qWaitFor([&] { return field->text() != before || answerer.count() > 0; }, 10000));
        return field->text();
    }

private slots:
    void initTestCase() {
        const QString ff = QStringLiteral("nice -n 5 ffmpeg -nostdin -hide_banner -loglevel error -y ");
        const QString film = ff + "-f lavfi -i testsrc2=s=160x120:r=25:d=%1 -f lavfi -i sine=r=48000:d=%1 ";
        const QString steps[] = {
            film.arg(7.5) + "-c:v libx264 -preset ultrafast -c:a libmp3lame clip.mkv",
            film.arg(3) + "-c:v mpeg4 -c:a libmp3lame clip.avi",
            film.arg(12) + "-c:v mpeg2video -c:a ac3 -f dvd title.vob",
            "split -b $(( $(stat -c %s title.vob) / 3 / 2048 * 2048 + 2048 )) -d -a 1 title.vob VTS_01_",
            "cp clip.mkv 'Füße und Öl – été.mkv' && " + ff +
                "-i clip.mkv -c copy whole.mp4 && "
                "head -c 9000 whole.mp4 > cut.mp4",
            ": > empty.mkv && echo 'not a film' > text.mkv && head -c 65536 /dev/urandom > random.mkv",
            "mkdir folder && mkfifo fifo.mkv && truncate -s 50G large.mkv",
            "printf '#!/bin/sh\\nexec sleep 30\\n' > stuck && printf '#!/bin/sh\\nkill -SEGV $$\\n' > crash "
            "&& "
            "chmod +x stuck crash",
        };
        if (QProcess::execute("sh", {"-c", "ffmpeg -hide_banner -encoders 2>/dev/null | grep -q libx264"}) !=
            0) {
            if (qEnvironmentVariable("TESSALY_REQUIRE_ENCODER") == "1")
                QFAIL("no ffmpeg with libx264, and TESSALY_REQUIRE_ENCODER=1");
            QSKIP("no ffmpeg with libx264");
        }
        for (const QString& step : steps)
            QCOMPARE(QProcess::execute("sh", {"-c", "cd '" + media.path() + "' && " + step}), 0);
    }

    void init() {
        qunsetenv("TESSALY_BITRATE_CALC");
        window = OpenWindow();
        QVERIFY(window);
    }

    void cleanup() {
        window.reset();
        QLocale::setDefault(QLocale::c());
    }

    // Opens `field`'s menu, chooses `entry`, and types `file` into the file dialog's name field.
    bool Choose(QLineEdit* field, const char* entry, const QString& file) {
        QTimer answer;
        connect(&answer, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (auto* name = dialog ? dialog->findChild<QLineEdit*>("fileNameEdit") : nullptr) {
                answer.stop();
                name->setText(file);
                QTest::keyClick(name, Qt::Key_Return);
            }
        });
        answer.start(20);
        return ChooseFromMenu(field, QString::fromUtf8(entry));
    }

    // Each drop (or choice from the menu, in a German window from there on) lands in its field
    // within a frame, a size to the byte, or changes nothing and says why. "Image1", "Label36"
    // and txtSize are the first tab's elsewhere: their drops go to txtMin.
    void dropsWriteTheFieldOrSayWhy() {
        const struct {
            int tab;
            const char* onto;
            QStringList files;
            const char* field;
            double want;  // seconds, or bytes for Text14; 0 for a file that cannot be read
            const char* why;
            const char* menu = nullptr;  // the entry chosen instead of a drop
        } rows[] = {
            {0, "txtMin", {"clip.mkv"}, "txtMin", 7.5, nullptr},
            {0, "Image1", {"clip.avi"}, "txtMin", 3, nullptr},
            {0, "txtSize", {"clip.mkv"}, "txtMin", 7.5, nullptr},
            {1, "Text10", {"VTS_01_2", "VTS_01_0", "VTS_01_1"}, "Text10", 12, nullptr},  // in order of names
            {1, "Text13", {"Füße und Öl – été.mkv"}, "Text13", 7.5, nullptr},
            {1, "Text14", {"clip.avi"}, "Text14", double(QFileInfo(in("clip.avi")).size()), nullptr},
            {0, "txtMin", {"missing.mkv"}, "txtMin", 0, "missing.mkv: no such file"},
            {0, "txtMin", {"folder"}, "txtMin", 0, "folder: a folder"},
            {0, "txtMin", {"empty.mkv"}, "txtMin", 0, "empty.mkv: the file is empty"},
            {0, "Label36", {"text.mkv"}, "txtMin", 0, "text.mkv: not a film"},
            {0, "txtMin", {"random.mkv"}, "txtMin", 0, "random.mkv: not a film"},
            {1, "Text10", {"cut.mp4"}, "Text10", 0, "cut.mp4: an MP4 without its index"},
            {1, "Text14", {"text.mkv"}, "Text14", 0, "text.mkv: not a film"},
            {1, "Text13", {"fifo.mkv"}, "Text13", 0, "fifo.mkv: a named pipe (FIFO)"},
            {1, "Text13", {"/dev/zero"}, "Text13", 0, "/dev/zero: a device"},
            {0, "txtMin", {"large.mkv"}, "txtMin", 0, "large.mkv: not a film"},
            {0, "txtMin", {"clip.avi"}, "txtMin", 3, nullptr, "Length of a video file…"},
            {1,
             "Text14",
             {"clip.mkv"},
             "Text14",
             double(QFileInfo(in("clip.mkv")).size()),
             nullptr,
             "Size of a file…"},
        };
        for (const auto& row : rows) {
            if (row.menu && QLocale().language() != QLocale::German) {
                QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
                window = OpenWindow();
            }
            const QString what = QStringLiteral("%1 on %2").arg(row.files.join(' '), row.onto);
            QVERIFY2(ClickTab(window.get(), row.tab), qPrintable(what));
            auto* field = find<QLineEdit>(row.field);
            const QString before = field->text(), size = find<QLineEdit>("txtSize")->text();
            QStringList files;
            for (const QString& file : row.files)
                files << (file.startsWith('/') ? file : in(file));
            ModalAnswerer answerer;
            QVERIFY2(row.menu ? Choose(field, row.menu, files.front()) : Drop(find(row.onto), files),
                     qPrintable(what));
            const QString text = awaitChange(field, before, answerer);
            if (row.why) {
                QVERIFY2(answerer.count() == 1 && text == before, qPrintable(what + ": " + text));
                QCOMPARE(answerer.seen().front().title, kTitle);
                QVERIFY2(answerer.seen().front().text.contains(row.why),
                         qPrintable(answerer.seen().front().text));
                continue;
            }
            QVERIFY2(answerer.count() == 0, qPrintable(what + ": " + answerer.seen().value(0).text));
            QCOMPARE(find<QLineEdit>("txtSize")->text(), size);
            const bool mb = QLatin1String(row.field) == QLatin1String("Text14");
            const double got = QLocale().toDouble(text) * (mb ? 1048576 : 60);
            const double slack = mb ? 52.5 : 1.0 / 25 + 0.003;  // four decimals of MB, or a frame
            QVERIFY2(std::abs(got - row.want) <= slack, qPrintable(what + ": " + text));
            if (row.tab == 0)  // as typing would: the calculation ran
                QVERIFY(find<QLineEdit>("txtVidBit")->text() != QLatin1String("827"));
        }
    }

    // A command that is not there, one that crashes as a demuxer's fault would take it down, and
    // one that never answers while the window keeps answering.
    void missingOrStuckCommand() {
        const struct {
            QString command;
            const char* why;
        } rows[] = {
            {"/nonexistent/tessaly-bitrate-calc", "/nonexistent/tessaly-bitrate-calc, is missing"},
            {in("crash"), "clip.mkv: the film reader stopped while reading it"},
            {in("stuck"), "not read within 6 seconds"},
        };
        for (const auto& row : rows) {
            qputenv("TESSALY_BITRATE_CALC", row.command.toUtf8());
            auto* length = find<QLineEdit>("txtMin");
            ModalAnswerer answerer;
            QVERIFY(Drop(length, {in("clip.mkv")}));
            Retype(find<QLineEdit>("txtAudBit"), "256");  // the window answers meanwhile
            QCOMPARE(find<QLineEdit>("txtVidBit")->text(), QString("699"));
            QTRY_COMPARE_WITH_TIMEOUT(answerer.count(), 1, 10000);
            QVERIFY2(answerer.seen().front().text.contains(row.why),
                     qPrintable(answerer.seen().front().text));
            QCOMPARE(length->text(), QString("100"));
            Retype(find<QLineEdit>("txtAudBit"), "128");
        }
    }
};

QTEST_MAIN(FilmDropTest)
#include "film_drop_test.moc"
