// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/tabs/hd_space_section.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

#include "core/hd_space.h"
#include "core/units.h"
#include "ui/films/film_fields.h"
#include "ui/results/accessibility.h"
#include "ui/results/results.h"
#include "ui/widgets/controls.h"
#include "ui/widgets/design.h"
#include "ui/widgets/text.h"

namespace tessaly::ui {

namespace {

const char* const kNote =
    "This will calculate the amount of space required to Flask your VOB files to DivX -;) AVI "
    "format with PCM (WAV) Audio.";

// The combo's list: the standard audio bitrates, and 512 kbit/s above them.
constexpr int kComboTopBitrate = 512;

void WriteWorking(Lines& lines, const HdSpaceOutcome& outcome, const FieldCaptions<HdSpaceField>& captions) {
    const HdSpaceWorking& w = outcome.working;
    lines << WorkingTr("%1 min \u00d7 60 = %2 s").arg(lines.n(w.length), lines.n(w.seconds))
          << WorkingTr("video: %1 s \u00d7 %2 %4 \u00f7 8 \u00f7 1024 %3")
                 .arg(lines.n(w.seconds), lines.n(w.videoBitrate),
                      lines.rounded(w.videoSizeExact, w.videoSize, kMegabytes), UnitText(kKbitPerSecond));
    const QString audioSize =
        WorkingTr("%1 %4 \u00d7 %2 s \u00f7 1024 %3")
            .arg(lines.n(w.audioRate), lines.n(w.seconds),
                 lines.rounded(w.audioSizeExact, w.audioSize, kMegabytes), UnitText(kKilobytesPerSecond));
    if (w.wav == WavRate::Rate48kHz)
        lines << WorkingTr("audio: 48 KHz WAV, %1").arg(audioSize);
    else if (w.wav == WavRate::Rate44kHz)
        lines << WorkingTr("audio: 44.1 KHz WAV, %1").arg(audioSize);
    else
        lines << WorkingTr("audio: %1 %4 \u00f7 8 = %2 %5; %3")
                     .arg(lines.n(w.otherBitrate), lines.n(w.audioRate), audioSize, UnitText(kKbitPerSecond),
                          UnitText(kKilobytesPerSecond));
    lines << WorkingTr("%1 %4 + %2 %4 %3")
                 .arg(lines.n(w.videoSize), lines.n(w.audioSize),
                      lines.rounded(w.total, w.spaceRequired, kMegabytes), UnitText(kMegabytes));
    if (outcome.negative)
        lines << NegativeText(*outcome.negative, captions, lines);
}

}  // namespace

HdSpaceSection::HdSpaceSection(QWidget* canvas, const Separators& separators)
    : QObject(canvas), separators_(separators) {
    const auto right = Qt::AlignRight;
    QLabel* heading = MakeCaption(canvas, "Label9", tr("HD Space Calculator"), {270, 495, 2985, 330},
                                  Qt::AlignLeft, 12, true);
    MakeNote(canvas, "Label45", QString::fromLatin1(kNote), {270, 945, 2985, 645}, 1755 - 945);

    QGroupBox* video = MakeFrame(canvas, "Frame1", tr("Video"), {180, 1755, 3120, 1275});
    QLabel* lengthCaption =
        MakeCaption(video, "Label34", tr("Movie Length (mins):"), {180, 315, 1590, 330}, right);
    length_ = MakeField(video, "Text10", {1800, 270, 1095, 285}, lengthCaption);
    QLabel* videoBitrateCaption =
        MakeCaption(video, "Label39", tr("Video Bitrate (kbits/s):"), {135, 765, 1635, 330}, right);
    videoBitrate_ = MakeField(video, "Text11", {1800, 720, 1095, 285}, videoBitrateCaption);

    QGroupBox* audio = MakeFrame(canvas, "Frame2", tr("Audio"), {180, 3105, 3120, 1725});
    MakeCaption(audio, "Label41", tr("Audio Sampling Rate"), {135, 270, 2220, 240}, Qt::AlignLeft, 9.75);
    wav48kHz_ = MakeOption(audio, "Option1", tr("48 KHz (almost all DVD's)"), {90, 630, 2310, 240});
    wav44kHz_ = MakeOption(audio, "Option2", tr("44.1 KHz"), {90, 967, 1320, 240});
    otherBitrateOption_ = MakeOption(audio, "Option3", tr("Other  (kbits/sec):"), {90, 1305, 1590, 240});
    wav48kHz_->setChecked(true);
    audioGroup_ = new QButtonGroup(this);
    for (QRadioButton* option : {wav48kHz_, wav44kHz_, otherBitrateOption_})
        audioGroup_->addButton(option);
    TabIntoSelectedOption(audioGroup_);

    otherBitrate_ = new QComboBox(audio);
    Place(otherBitrate_, "Combo1", {1710, 1260, 1140, 315});
    otherBitrate_->setFont(DesignFont(8.25));
    otherBitrate_->setEditable(true);
    // The list is a fixed menu of bitrates: Enter must not add the typed text to it, and
    // typing "1" must stay "1" rather than be completed to the first item starting with it.
    otherBitrate_->setInsertPolicy(QComboBox::NoInsert);
    otherBitrate_->setCompleter(nullptr);
    otherBitrate_->setEditText(QStringLiteral("224"));

    QGroupBox* hd = MakeFrame(canvas, "Frame3", tr("HD"), {180, 4905, 3120, 1140});
    QLabel* spaceCaption = MakeCaption(hd, "Label40", tr("Space Required On Hard Drive "),
                                       {90, 270, 2805, 330}, Qt::AlignLeft, 9.75);
    spaceRequired_ =
        MakeCaption(hd, "Label44", QString(), {720, 675, 1320, 330}, Qt::AlignHCenter, 9.75, true);
    spaceRequired_->setFrameStyle(QFrame::Box | QFrame::Plain);
    // Opaque, so a new result repaints the label alone and not the frame and page beneath it.
    spaceRequired_->setAutoFillBackground(true);
    QLabel* spaceUnit = MakeCaption(hd, "Label42", tr("MB's"), {2160, 720, 735, 285}, Qt::AlignLeft, 9.75);

    QWidget::setTabOrder(length_, videoBitrate_);
    QWidget::setTabOrder(videoBitrate_, wav48kHz_);
    QWidget::setTabOrder(wav48kHz_, wav44kHz_);
    QWidget::setTabOrder(wav44kHz_, otherBitrateOption_);
    QWidget::setTabOrder(otherBitrateOption_, otherBitrate_);

    ReadAsResult(spaceRequired_, spaceCaption, spaceUnit);
    NameCombo(otherBitrate_, otherBitrateOption_->text());
    DescribeSection({heading, video, audio, hd}, heading->text());

    captions_ = CaptionsOf<HdSpaceField>({{HdSpaceField::Length, lengthCaption},
                                          {HdSpaceField::VideoBitrate, videoBitrateCaption},
                                          {HdSpaceField::OtherBitrate, otherBitrateOption_}});
    results_ = new Results(this);
    results_->add(spaceRequired_, FromUtf8(kMegabytes), [this] {
        return WorkingText(runs_, captions_, FromUtf8(separators_.decimal), WriteWorking);
    });
    results_->copyOnCtrlC({length_, videoBitrate_, wav48kHz_, wav44kHz_, otherBitrateOption_, otherBitrate_},
                          spaceRequired_);

    TakeFilmLength(length_);
    connect(length_, &QLineEdit::textChanged, this, &HdSpaceSection::recalculate);
    connect(videoBitrate_, &QLineEdit::textChanged, this, &HdSpaceSection::recalculate);
    // Typing in the combo or choosing from its list changes its text; a choice that leaves
    // the text as it was must recompute too. A choice that changes it so runs twice, which
    // shows nothing more, as this section has no message to show.
    connect(otherBitrate_, &QComboBox::editTextChanged, this, &HdSpaceSection::recalculate);
    connect(otherBitrate_, &QComboBox::activated, this, &HdSpaceSection::recalculate);
    connect(wav48kHz_, &QRadioButton::clicked, this, &HdSpaceSection::chooseWav);
    connect(wav44kHz_, &QRadioButton::clicked, this, &HdSpaceSection::chooseWav);
    connect(otherBitrateOption_, &QRadioButton::clicked, this, &HdSpaceSection::chooseOtherBitrate);
}

void HdSpaceSection::disableCombo() { otherBitrate_->setEnabled(false); }

void HdSpaceSection::loadDefaults() {
    length_->setText(QStringLiteral("100"));
    videoBitrate_->setText(QStringLiteral("827"));
}

void HdSpaceSection::loadComboItems() {
    // Filling an empty editable combo makes its first item current and so replaces the
    // text; the text it showed stays, with no item chosen and no calculation run.
    const QSignalBlocker quiet(otherBitrate_);
    const QString text = otherBitrate_->currentText();
    for (const int bitrate : kStandardBitrates)
        otherBitrate_->addItem(QString::number(bitrate));
    otherBitrate_->addItem(QString::number(kComboTopBitrate));
    otherBitrate_->setCurrentIndex(-1);
    otherBitrate_->setEditText(text);
}

QWidget* HdSpaceSection::lastInTabOrder() const { return otherBitrate_; }

void HdSpaceSection::chooseWav() {
    otherBitrate_->setEnabled(false);
    recalculate();
}

void HdSpaceSection::chooseOtherBitrate() {
    otherBitrate_->setEnabled(true);
    recalculate();
}

void HdSpaceSection::recalculate() {
    std::optional<WavRate> wav;  // none: the other bitrate
    if (wav48kHz_->isChecked())
        wav = WavRate::Rate48kHz;
    else if (wav44kHz_->isChecked())
        wav = WavRate::Rate44kHz;
    const HdSpaceOutcome outcome = CalcHDSpace(Utf8(length_->text()), Utf8(videoBitrate_->text()), wav,
                                               Utf8(otherBitrate_->currentText()), separators_);
    runs_.record(outcome);
    results_->changed();
    if (outcome.text)
        ShowResult(spaceRequired_, FromUtf8(*outcome.text));
}

}  // namespace tessaly::ui
