// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/tabs/bitrate_tab.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/units.h"
#include "core/video_bitrate.h"
#include "ui/films/film_fields.h"
#include "ui/results/accessibility.h"
#include "ui/results/results.h"
#include "ui/widgets/artwork.h"
#include "ui/widgets/controls.h"
#include "ui/widgets/design.h"
#include "ui/widgets/disc_menu.h"
#include "ui/widgets/grounds.h"
#include "ui/widgets/message.h"
#include "ui/widgets/text.h"

namespace tessaly::ui {

namespace {

const char* const kNote =
    "The DivX ;-) encoder is a variable bit rate encoder which essentially needs to use less data to "
    "represent a frame of video with low light, low detail and low action at a certain 'quality' level "
    "than it would to represent a frame with a lot of light, action and detail at the same 'quality' "
    "level.  Therefore it is able to lower the bit rate in frames of low light, action, and detail and "
    "raise it in frames of high action, light, and detail and it compensates on the LOW side, meaning "
    "it will reduce the average bit rate but not raise it above your specified bit rate in the "
    "encoder.  What does all this mean?  It means that; if you use this program to get your maximum "
    "video bit rate you will likely never end up with a file size that is too large to fit on the "
    "desired number of cd's.";

QLabel* MakeRowLabel(QWidget* parent, const char* name, const QString& caption, QRect twips,
                     Qt::Alignment alignment) {
    return MakeCaption(parent, name, caption, twips, alignment, 12, true);
}

QLineEdit* MakeRowField(QWidget* parent, const char* name, QRect twips, QLabel* caption, bool bold = false) {
    QLineEdit* field = MakeField(parent, name, twips, caption, DesignFont(12, bold));
    field->setAlignment(Qt::AlignCenter);
    return field;
}

QLabel* MakeOutputLabel(QWidget* parent, const char* name, QRect twips) {
    QLabel* label = MakeLabel(parent, name, QString(), twips, Qt::AlignHCenter | Qt::AlignTop);
    SetGround(label, Ground::Output);
    return label;
}

// The steps of the window's calculation, and the rates an encoder that counts k as 1000 needs to
// fit the same film in each container.
void WriteWorking(Lines& lines, const VideoBitrateOutcome& outcome,
                  const FieldCaptions<VideoBitrateField>& captions) {
    const VideoBitrateWorking& w = outcome.working;
    const QString kbitPerSecond = UnitText(kKbitPerSecond), mb = UnitText(kMegabytes);
    lines << WorkingTr("%1 min \u00d7 60 = %2 s").arg(lines.n(w.length), lines.n(w.seconds))
          << WorkingTr("audio: %1 %4 \u00f7 8 \u00d7 %2 s \u00f7 1024 %3")
                 .arg(lines.n(w.audioBitrate), lines.n(w.seconds),
                      lines.rounded(w.audioDataExact, w.audioData, kMegabytes), kbitPerSecond)
          << WorkingTr("video: %1 %4 \u2212 %2 %4 = %3 %4")
                 .arg(lines.n(w.size), lines.n(w.audioData), lines.n(w.videoData), mb)
          << WorkingTr("%1 %4 \u00d7 1024 \u00d7 8 \u00f7 %2 s %3")
                 .arg(lines.n(w.videoData), lines.n(w.seconds),
                      lines.rounded(w.videoBitrateExact, w.videoBitrate, kKbitPerSecond), mb);
    if (outcome.negative)
        lines << NegativeText(*outcome.negative, captions, lines);
    lines << UnitNote(lines);
    const Encoding assumed;
    if (const auto rates = EncoderRates(w.length, w.audioBitrate, w.size, assumed)) {
        lines << WorkingTr(
                     "For an encoder that counts k as 1000, leaving room for the container (%1 frames a "
                     "second, MP3 audio at %2k): AVI %3, MKV %4, MP4 %5 %6")
                     .arg(lines.n(assumed.frameRate), lines.n(w.audioBitrate), lines.n((*rates)[0]),
                          lines.n((*rates)[1]), lines.n((*rates)[2]), kbitPerSecond)
              << WorkingTr(
                     "MP4's answer leaves room for a timing entry for every audio frame, as audio from a "
                     "source with time stamps in whole milliseconds (PCM in Matroska) needs.");
    }
}

}  // namespace

QString BitrateTab::caption() const { return tr("Bitrate Calculator"); }

BitrateTab::BitrateTab(QWidget* parent) : TabPage(parent), separators_(LocaleSeparators()) {
    QWidget* c = canvas();
    const auto right = Qt::AlignRight;
    const auto left = Qt::AlignLeft;

    QLabel* lengthCaption = MakeRowLabel(c, "Label1", tr("length of movie"), {225, 615, 2025, 390}, right);
    length_ = MakeRowField(c, "txtMin", {2295, 615, 1215, 420}, lengthCaption);
    MakeRowLabel(c, "Label7", tr("min"), {3570, 615, 1095, 390}, left);

    QLabel* audioBitrateCaption =
        MakeRowLabel(c, "Label2", tr("audio bitrate"), {225, 1110, 2025, 390}, right);
    audioBitrate_ = MakeRowField(c, "txtAudBit", {2295, 1095, 1215, 420}, audioBitrateCaption);
    audioBitrate_->setText(QStringLiteral("128"));
    MakeRowLabel(c, "Label8", tr("kbit/sec"), {3570, 1110, 1095, 390}, left);

    QLabel* sizeCaption = MakeRowLabel(c, "Label4", tr("desired file size"), {225, 1605, 2025, 390}, right);
    size_ = MakeRowField(c, "txtSize", {2295, 1575, 1215, 420}, sizeCaption);
    size_->setText(QStringLiteral("700"));
    OfferDiscSizes(size_, separators_);
    MakeRowLabel(c, "Label10", tr("MB"), {3570, 1605, 1095, 390}, left);

    QLabel* videoBitrateCaption =
        MakeRowLabel(c, "Label5", tr("video bitrate"), {225, 2235, 2025, 390}, right);
    videoBitrate_ = MakeRowField(c, "txtVidBit", {2295, 2220, 1215, 420}, videoBitrateCaption, true);
    videoBitrate_->setText(QStringLiteral("0"));
    videoBitrate_->setEnabled(false);
    videoBitrate_->setFocusPolicy(Qt::NoFocus);
    // Disabled, so it takes neither typing nor focus, but its number must stay easy to read.
    SetGround(videoBitrate_, Ground::Output);
    QLabel* videoBitrateUnit = MakeRowLabel(c, "Label11", tr("kbit/sec"), {3570, 2220, 1095, 390}, left);

    QLabel* audioDataCaption = MakeLabel(c, "Label12", tr("total audio data"), {690, 2790, 1485, 225}, right);
    audioData_ = MakeOutputLabel(c, "audData", {2370, 2790, 855, 225});
    QLabel* audioDataUnit = MakeLabel(c, "Label15", tr("MB"), {3315, 2790, 540, 225});
    QLabel* videoDataCaption = MakeLabel(c, "Label13", tr("total video data"), {690, 3060, 1485, 225}, right);
    videoData_ = MakeOutputLabel(c, "lblVidData", {2370, 3060, 855, 225});
    QLabel* videoDataUnit = MakeLabel(c, "Label16", tr("MB"), {3315, 3060, 540, 225});
    MakeLabel(c, "Label17", tr("V 1.05.00"), {1725, 3465, 855, 285});

    auto* image = new QLabel(c);
    Place(image, "Image1", {4860, 420, 2520, 3675});
    image->setPixmap(CoverPicture());
    image->setScaledContents(true);

    QLabel* note = MakeLabel(c, "Label36", QString::fromLatin1(kNote), {135, 4155, 7350, 1680},
                             Qt::AlignHCenter | Qt::AlignTop);
    note->setWordWrap(true);
    SetGround(note, Ground::Output);

    QPushButton* exit = MakeExitButton(c, "Command1", tr("E&xit"), {360, 3405, 1275, 390}, false);
    QPushButton* exitBar = MakeExitButton(c, "Command3", tr("Exit"), {225, 5910, 7170, 210});

    addEtchedRectangle(180, 525, 4725, 3900);
    addEtchedRectangle(4860, 405, 7380, 4065);
    addStroke({QLine(4860, 4065, 7380, 4065), QPalette::Dark, 3});
    addEtchedRectangle(135, 4155, 7470, 5820);

    QWidget::setTabOrder(size_, audioBitrate_);
    QWidget::setTabOrder(audioBitrate_, length_);
    QWidget::setTabOrder(length_, exitBar);

    ReadAsResult(videoBitrate_, videoBitrateCaption, videoBitrateUnit);
    ReadAsResult(audioData_, audioDataCaption, audioDataUnit);
    ReadAsResult(videoData_, videoDataCaption, videoDataUnit);
    DescribeSection({c}, caption());

    // A film dropped anywhere on the tab gives its length, as on the length field itself.
    TakeFilmLength(length_, {this, audioBitrate_, size_});
    for (QLineEdit* input : {size_, audioBitrate_, length_})
        connect(input, &QLineEdit::textChanged, this, &BitrateTab::recalculate);
    captions_ = CaptionsOf<VideoBitrateField>({{VideoBitrateField::Length, lengthCaption},
                                               {VideoBitrateField::AudioBitrate, audioBitrateCaption},
                                               {VideoBitrateField::Size, sizeCaption}});
    results_ = new Results(this);
    const auto working = [this] {
        return WorkingText(runs_, captions_, FromUtf8(separators_.decimal), WriteWorking);
    };
    const QString kbitPerSecond = FromUtf8(kKbitPerSecond);
    const QString megabytes = FromUtf8(kMegabytes);
    results_->add(videoBitrate_, kbitPerSecond, working);
    results_->add(audioData_, megabytes, working);
    results_->add(videoData_, megabytes, working);
    results_->copyOnCtrlC({size_, audioBitrate_, length_, exit, exitBar}, videoBitrate_);
    connect(exit, &QPushButton::clicked, this, &BitrateTab::exitRequested);
    connect(exitBar, &QPushButton::clicked, this, &BitrateTab::exitRequested);
    // Second in the window's start-up: the film length, whose change runs the first calculation.
    atStartup(1, [this] { length_->setText(QStringLiteral("100")); });
}

void BitrateTab::recalculate() {
    const VideoBitrateOutcome outcome = CalcVideoBitrate(Utf8(length_->text()), Utf8(audioBitrate_->text()),
                                                         Utf8(size_->text()), separators_);
    runs_.record(outcome);
    results_->changed();
    if (outcome.texts) {
        videoBitrate_->setText(FromUtf8(outcome.texts->videoBitrate));
        ShowResult(audioData_, FromUtf8(outcome.texts->audioData));
        ShowResult(videoData_, FromUtf8(outcome.texts->videoData));
    }
    if (outcome.message)
        ShowMessage(window(), *outcome.message);
}

}  // namespace tessaly::ui
