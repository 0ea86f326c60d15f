// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/working.h"

#include <QCoreApplication>
#include <QStringList>
#include <array>

#include "ui/text.h"

namespace tessaly::ui {

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("Working", text); }

const char* const kBeyondRange =
    "A step gives a number beyond the range the calculation can hold, so it stops there.";

// Writes the recorded values with the window's decimal separator and collects the lines.
class Lines {
public:
    explicit Lines(const QString& decimal) : decimal_(Utf8(decimal)) {}

    // A value as the results show it.
    QString n(double x) const { return FromUtf8(NumberToText(x, decimal_)); }
    // A value that a later step rounds, cut short to two decimals.
    QString a(double x) const { return FromUtf8(ApproximateText(x, 2, decimal_)); }

    // "= exact unit", and ", rounded to rounded unit" where the rounding changed what is shown.
    QString rounded(double exact, double roundedValue, const QString& unit) const {
        QString text = QStringLiteral("= %1 %2").arg(a(exact), unit);
        if (n(exact) != n(roundedValue))
            text += Tr(", rounded to %1 %2").arg(n(roundedValue), unit);
        return text;
    }

    Lines& operator<<(const QString& line) {
        lines_ << line;
        return *this;
    }
    QString text() const { return lines_.join(QLatin1Char('\n')); }

private:
    std::string decimal_;
    QStringList lines_;
};

// Why the latest run stopped, then what the figures shown are. `fieldNames` holds the
// captions of the calculator's fields in the order of its field numbers.
template <typename Outcome, std::size_t FieldCount, typename Write>
QString WithFailure(const RunRecord<Outcome>& runs, const std::array<const char*, FieldCount>& fieldNames,
                    const QString& arithmeticStop, const QString& decimal, Write write) {
    const auto& latest = runs.latest;
    if (latest && !latest->failure) {
        Lines lines(decimal);
        write(lines, *latest);
        return lines.text();
    }
    Lines lines(decimal);
    if (latest && latest->failedField) {
        const QString field = Tr(fieldNames[static_cast<std::size_t>(*latest->failedField)]);
        if (*latest->failure == CalcFailure::NotANumber)
            lines << Tr("\u201c%1\u201d holds no number, so the calculation stops there.").arg(field);
        else
            lines << Tr("\u201c%1\u201d holds a number too large to calculate with, so the calculation stops "
                        "there.")
                         .arg(field);
    } else if (latest) {
        lines << arithmeticStop;
    }
    if (runs.shown) {
        lines << Tr("The figures shown come from the last complete calculation:");
        write(lines, *runs.shown);
    } else {
        lines << Tr("Nothing has been calculated yet.");
    }
    return lines.text();
}

QString UnitNote(const Lines& lines) {
    return Tr("1 MB = 1024 kB = 8192 kbit here; encoders that read k as 1000 give a file about %1 % smaller.")
        .arg(lines.n(2.3));
}

void WriteVideoBitrate(Lines& lines, const VideoBitrateOutcome& outcome) {
    const VideoBitrateSteps& w = outcome.steps;
    lines << Tr("%1 min \u00d7 60 = %2 s").arg(lines.n(w.length), lines.n(w.seconds))
          << Tr("audio: %1 kbit/s \u00f7 8 \u00d7 %2 s \u00f7 1024 %3")
                 .arg(lines.n(w.audioBitrate), lines.n(w.seconds),
                      lines.rounded(w.audioDataExact, w.audioData, "MB"))
          << Tr("video: %1 MB \u2212 %2 MB = %3 MB")
                 .arg(lines.n(w.size), lines.n(w.audioData), lines.n(w.videoData))
          << Tr("%1 MB \u00d7 1024 \u00d7 8 \u00f7 %2 s %3")
                 .arg(lines.n(w.videoData), lines.n(w.seconds),
                      lines.rounded(w.videoBitrateExact, w.videoBitrate, "kbit/s"));
    if (w.videoData < 0)
        lines << Tr("The audio alone (%1 MB) needs more than the desired size (%2 MB), so the video share "
                    "and the video bitrate are negative: no video fits.")
                     .arg(lines.n(w.audioData), lines.n(w.size));
    else if (w.length < 0)
        lines << Tr("The film length is negative, so the bitrate is negative too.");
    lines << UnitNote(lines);
}

void WriteHdSpace(Lines& lines, const HdSpaceOutcome& outcome) {
    const HdSpaceSteps& w = outcome.steps;
    lines << Tr("%1 min \u00d7 60 = %2 s").arg(lines.n(w.length), lines.n(w.seconds))
          << Tr("video: %1 s \u00d7 %2 kbit/s \u00f7 8 \u00f7 1024 %3")
                 .arg(lines.n(w.seconds), lines.n(w.videoBitrate),
                      lines.rounded(w.videoSizeExact, w.videoSize, "MB"));
    const QString audioSize = Tr("%1 kB/s \u00d7 %2 s \u00f7 1024 %3")
                                  .arg(lines.n(w.audioRate), lines.n(w.seconds),
                                       lines.rounded(w.audioSizeExact, w.audioSize, "MB"));
    switch (w.audio) {
    case HdAudio::Wav48kHz:
        lines << Tr("audio: 48 KHz WAV, %1").arg(audioSize);
        break;
    case HdAudio::Wav44kHz:
        lines << Tr("audio: 44.1 KHz WAV, %1").arg(audioSize);
        break;
    case HdAudio::OtherBitrate:
        lines << Tr("audio: %1 kbit/s \u00f7 8 = %2 kB/s; %3")
                     .arg(lines.n(w.otherBitrate), lines.n(w.audioRate), audioSize);
        break;
    case HdAudio::None:
        lines << Tr("audio: no audio option chosen, 0 MB");
        break;
    }
    lines << Tr("%1 MB + %2 MB %3")
                 .arg(lines.n(w.videoSize), lines.n(w.audioSize),
                      lines.rounded(w.total, w.spaceRequired, "MB"));
    if (w.spaceRequired < 0)
        lines << Tr("A negative film length or bitrate gives a negative space.");
}

void WriteAudioBitrate(Lines& lines, const AudioBitrateOutcome& outcome) {
    const AudioBitrateSteps& w = outcome.steps;
    lines << Tr("%1 min \u00d7 60 = %2 s").arg(lines.n(w.length), lines.n(w.seconds));
    if (w.wav == WavAudio::None)
        lines << Tr("no WAV audio in the AVI: 0 MB");
    else
        lines << Tr("WAV audio in the AVI: %1 kB/s \u00d7 %2 s \u00f7 1024 = %3 MB")
                     .arg(lines.n(w.wavRate), lines.n(w.seconds), lines.a(w.wavSize));
    lines << Tr("video: %1 MB \u2212 %2 MB = %3 MB")
                 .arg(lines.n(w.aviSize), lines.a(w.wavSize), lines.a(w.videoSize))
          << Tr("room for audio: %1 MB \u2212 %2 MB = %3 MB")
                 .arg(lines.n(w.desiredSize), lines.a(w.videoSize), lines.a(w.room))
          << Tr("%1 MB \u00d7 8 \u00d7 1024 \u00f7 %2 s %3")
                 .arg(lines.a(w.room), lines.n(w.seconds),
                      lines.rounded(w.bitrateExact, w.bitrate, "kbit/s"));
    if (w.bitrate >= kLowestSuggestion)
        lines << Tr("suggested: %1 kbit/s, the largest of the steps %2 to %3 kbit/s not above %4 kbit/s")
                     .arg(FromUtf8(*outcome.suggestionText), QString::number(kLowestSuggestion),
                          QString::number(kHighestSuggestion), lines.n(w.bitrate));
    else
        lines << Tr("suggested: too low, as %1 kbit/s is below the lowest step, %2 kbit/s")
                     .arg(lines.n(w.bitrate), QString::number(kLowestSuggestion));
    if (w.room < 0)
        lines
            << Tr("The video alone (%1 MB) needs more than the desired size (%2 MB), so no room is left for "
                  "audio and the audio bitrate is negative.")
                   .arg(lines.a(w.videoSize), lines.n(w.desiredSize));
    lines << UnitNote(lines);
}

// The arithmetic failures of a calculator that divides by the film length: 0 with something
// to share is a division by zero, 0 with nothing to share is 0 / 0.
template <typename Outcome>
QString LengthStop(const std::optional<Outcome>& latest, const char* nothingToShare) {
    if (latest && latest->failure == CalcFailure::DivisionByZero)
        return Tr("The film length is 0, and no bitrate fills a size in no time (a division by zero).");
    if (latest && latest->steps.seconds == 0)
        return Tr(nothingToShare);
    return Tr(kBeyondRange);
}

constexpr std::array<const char*, kDataUnitCount> kSymbols{"bits", "bytes", "kbit", "kB",
                                                           "Mbit", "MB",    "Gbit", "GB"};

}  // namespace

QString VideoBitrateWorking(const RunRecord<VideoBitrateOutcome>& runs, const QString& decimal) {
    const std::array<const char*, 3> fields{"length of movie", "audio bitrate", "desired file size"};
    return WithFailure(
        runs, fields, LengthStop(runs.latest, "The film length and the video share are both 0 (0 \u00f7 0)."),
        decimal, WriteVideoBitrate);
}

QString HdSpaceWorking(const RunRecord<HdSpaceOutcome>& runs, const QString& decimal) {
    const std::array<const char*, 3> fields{"Movie Length (mins)", "Video Bitrate (kbits/s)",
                                            "Other (kbits/sec)"};
    return WithFailure(runs, fields, Tr(kBeyondRange), decimal, WriteHdSpace);
}

QString AudioBitrateWorking(const RunRecord<AudioBitrateOutcome>& runs, const QString& decimal) {
    const std::array<const char*, 3> fields{"Movie Length (mins)", "Flasked AVI size (MB's)",
                                            "Desired File Size (MB's)"};
    return WithFailure(
        runs, fields,
        LengthStop(runs.latest, "The film length and the room for audio are both 0 (0 \u00f7 0)."), decimal,
        WriteAudioBitrate);
}

QString ConversionWorking(const std::optional<Conversion>& latest, std::size_t box, const QString& decimal) {
    Lines lines(decimal);
    if (!latest || !latest->unit)
        return Tr("Nothing has been converted yet: type an amount and choose its unit in the list.");
    if (latest->failure == CalcFailure::NotANumber)
        return Tr("The input is not a number, so there is nothing to convert and every box shows -.");
    if (latest->failure)
        return Tr(
            "The input is too large to show in bits, so there is nothing to convert and every box shows -.");
    const auto selected = static_cast<std::size_t>(*latest->unit);
    const QString from = QLatin1String(kSymbols[selected]);
    if (box == selected) {
        lines << Tr("the input, as typed, in %1").arg(from);
    } else if (box < selected) {
        const ConversionStep& step = latest->steps[box];
        lines << Tr("%1 %2 \u00d7 %3 = %4 %5 (1 %2 = %3 %5)")
                     .arg(lines.n(step.from), from, lines.n(step.factor), lines.n(step.result),
                          QLatin1String(kSymbols[box]));
    } else {
        for (std::size_t k = selected + 1; k <= box; ++k) {
            const ConversionStep& step = latest->steps[k];
            lines << Tr("%1 %2 \u00f7 %3 = %4 %5")
                         .arg(lines.n(step.from), QLatin1String(kSymbols[k - 1]), lines.n(step.factor),
                              lines.n(step.result), QLatin1String(kSymbols[k]));
        }
    }
    lines << Tr("Every prefix here is a power of 1024: 1 kbit = 1024 bits, 1 kB = 1024 bytes.");
    return lines.text();
}

QString DataUnitSymbol(std::size_t box) { return QLatin1String(kSymbols[box]); }

}  // namespace tessaly::ui
