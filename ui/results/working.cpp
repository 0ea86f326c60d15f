// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/results/working.h"

#include <QCoreApplication>
#include <QStringList>
#include <array>

#include "core/container.h"
#include "ui/widgets/text.h"

namespace tessaly::ui {

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("Working", text); }

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

// Why the latest run stopped, in the words of the field to blame.
template <typename Field>
QString StopText(const Stop<Field>& stop, const FieldCaptions<Field>& captions) {
    const QString field = captions(stop.field);
    switch (stop.reason) {
    case StopReason::Empty:
    case StopReason::NotANumber:
        return Tr("\u201c%1\u201d holds no number, so the calculation stops there.").arg(field);
    case StopReason::TooLarge:
        return Tr("\u201c%1\u201d holds a number too large to calculate with, so the calculation stops "
                  "there.")
            .arg(field);
    case StopReason::TooSmall:
        return Tr("\u201c%1\u201d holds a number too close to 0 to calculate with, so the calculation stops "
                  "there.")
            .arg(field);
    case StopReason::Zero:
        return Tr("\u201c%1\u201d is 0, and no bitrate fills a size in no time (a division by zero).")
            .arg(field);
    case StopReason::ZeroByZero:
        break;
    }
    return Tr("\u201c%1\u201d is 0, and so is what would be shared over it (0 \u00f7 0).").arg(field);
}

// Why a figure of a completed run is negative; empty when none is.
template <typename Field>
QString NegativeText(const Negative<Field>& negative, const FieldCaptions<Field>& captions,
                     const Lines& lines, double part, double whole) {
    switch (negative.cause) {
    case NegativeCause::Typed:
        return Tr("\u201c%1\u201d holds a negative number, so the figures are not those of a real film.")
            .arg(captions(*negative.field));
    case NegativeCause::AudioExceedsSize:
        return Tr("The audio alone (%1 MB) needs more than the desired size (%2 MB), so the video share "
                  "and the video bitrate are negative: no video fits.")
            .arg(lines.n(part), lines.n(whole));
    case NegativeCause::AviSmallerThanWav:
        return Tr("The AVI (%1 MB) is smaller than the WAV audio it is said to hold (%2 MB), so its video "
                  "share is negative and the audio bitrate comes out too high.")
            .arg(lines.n(whole), lines.a(part));
    case NegativeCause::VideoExceedsSize:
        break;
    }
    return Tr("The video alone (%1 MB) needs more than the desired size (%2 MB), so no room is left for "
              "audio and the audio bitrate is negative.")
        .arg(lines.a(part), lines.n(whole));
}

// The working of the latest run, or why it stopped and then the working of the figures shown.
template <typename Outcome, typename Field, typename Write>
QString WithVerdict(const RunRecord<Outcome>& runs, const FieldCaptions<Field>& captions,
                    const QString& decimal, Write write) {
    const auto& latest = runs.latest;
    Lines lines(decimal);
    if (latest && latest->completed()) {
        write(lines, *latest, captions);
        return lines.text();
    }
    if (latest && latest->stop)
        lines << StopText(*latest->stop, captions);
    if (runs.shown) {
        lines << Tr("The figures shown come from the last complete calculation:");
        write(lines, *runs.shown, captions);
    } else {
        lines << Tr("Nothing has been calculated yet.");
    }
    return lines.text();
}

// The symbol written after the figure of the converter's box `box`, bits first.
QString Symbol(std::size_t box) { return FromUtf8(NamesOf(*DataUnitAt(static_cast<int>(box))).symbol); }

QString UnitNote(const Lines& lines) {
    return Tr("1 MB = 1024 kB = 8192 kbit here; encoders that read k as 1000 give a file about %1 % smaller.")
        .arg(lines.n(2.3));
}

void WriteVideoBitrate(Lines& lines, const VideoBitrateOutcome& outcome,
                       const FieldCaptions<VideoBitrateField>& captions) {
    const VideoBitrateWorking& w = outcome.working;
    lines << Tr("%1 min \u00d7 60 = %2 s").arg(lines.n(w.length), lines.n(w.seconds))
          << Tr("audio: %1 kbit/s \u00f7 8 \u00d7 %2 s \u00f7 1024 %3")
                 .arg(lines.n(w.audioBitrate), lines.n(w.seconds),
                      lines.rounded(w.audioDataExact, w.audioData, "MB"))
          << Tr("video: %1 MB \u2212 %2 MB = %3 MB")
                 .arg(lines.n(w.size), lines.n(w.audioData), lines.n(w.videoData))
          << Tr("%1 MB \u00d7 1024 \u00d7 8 \u00f7 %2 s %3")
                 .arg(lines.n(w.videoData), lines.n(w.seconds),
                      lines.rounded(w.videoBitrateExact, w.videoBitrate, "kbit/s"));
    if (outcome.negative)
        lines << NegativeText(*outcome.negative, captions, lines, w.audioData, w.size);
    lines << UnitNote(lines);
    const Encoding assumed;
    if (const auto rates = EncoderRates(w.length, w.audioBitrate, w.size, assumed))
        lines
            << Tr("For an encoder that counts k as 1000, leaving room for the container (%1 frames a second, "
                  "MP3 audio at %2k): AVI %3, MKV %4, MP4 %5 kbit/s")
                   .arg(lines.n(assumed.frameRate), lines.n(w.audioBitrate), lines.n((*rates)[0]),
                        lines.n((*rates)[1]), lines.n((*rates)[2]));
}

void WriteHdSpace(Lines& lines, const HdSpaceOutcome& outcome, const FieldCaptions<HdSpaceField>& captions) {
    const HdSpaceWorking& w = outcome.working;
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
    if (outcome.negative)
        lines << NegativeText(*outcome.negative, captions, lines, 0, 0);
}

void WriteAudioBitrate(Lines& lines, const AudioBitrateOutcome& outcome,
                       const FieldCaptions<AudioBitrateField>& captions) {
    const AudioBitrateWorking& w = outcome.working;
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
    const int lowest = kStandardBitrates.front();
    if (outcome.suggestion)
        lines << Tr("suggested: %1 kbit/s, the largest of the steps %2 to %3 kbit/s not above %4 kbit/s")
                     .arg(QString::number(*outcome.suggestion), QString::number(lowest),
                          QString::number(kStandardBitrates.back()), lines.n(w.bitrate));
    else
        lines << Tr("suggested: too low, as %1 kbit/s is below the lowest step, %2 kbit/s")
                     .arg(lines.n(w.bitrate), QString::number(lowest));
    if (outcome.negative) {
        const bool wav = outcome.negative->cause == NegativeCause::AviSmallerThanWav;
        lines << NegativeText(*outcome.negative, captions, lines, wav ? w.wavSize : w.videoSize,
                              wav ? w.aviSize : w.desiredSize);
    }
    lines << UnitNote(lines);
}

}  // namespace

QString WorkingText(const RunRecord<VideoBitrateOutcome>& runs,
                    const FieldCaptions<VideoBitrateField>& captions, const QString& decimal) {
    return WithVerdict(runs, captions, decimal, WriteVideoBitrate);
}

QString WorkingText(const RunRecord<HdSpaceOutcome>& runs, const FieldCaptions<HdSpaceField>& captions,
                    const QString& decimal) {
    return WithVerdict(runs, captions, decimal, WriteHdSpace);
}

QString WorkingText(const RunRecord<AudioBitrateOutcome>& runs,
                    const FieldCaptions<AudioBitrateField>& captions, const QString& decimal) {
    return WithVerdict(runs, captions, decimal, WriteAudioBitrate);
}

QString ConversionWorking(const std::optional<Conversion>& latest, std::size_t box, const QString& decimal) {
    Lines lines(decimal);
    if (!latest || !latest->unit)
        return Tr("Nothing has been converted yet: type an amount and choose its unit in the list.");
    if (latest->stop && latest->stop->reason != StopReason::TooLarge)
        return Tr("The input is not a number, so there is nothing to convert and every box shows -.");
    if (latest->stop)
        return Tr(
            "The input is too large to show in bits, so there is nothing to convert and every box shows -.");
    const auto selected = static_cast<std::size_t>(*latest->unit);
    const QString from = Symbol(selected);
    if (box == selected) {
        lines << Tr("the input, as typed, in %1").arg(from);
    } else if (box < selected) {
        const BoxWorking& step = latest->working[box];
        lines << Tr("%1 %2 \u00d7 %3 = %4 %5 (1 %2 = %3 %5)")
                     .arg(lines.n(step.from), from, lines.n(step.factor), lines.n(step.result), Symbol(box));
    } else {
        for (std::size_t k = selected + 1; k <= box; ++k) {
            const BoxWorking& step = latest->working[k];
            lines << Tr("%1 %2 \u00f7 %3 = %4 %5")
                         .arg(lines.n(step.from), Symbol(k - 1), lines.n(step.factor), lines.n(step.result),
                              Symbol(k));
        }
    }
    lines << Tr("Every prefix here is a power of 1024: 1 kbit = 1024 bits, 1 kB = 1024 bytes.");
    return lines.text();
}

}  // namespace tessaly::ui
