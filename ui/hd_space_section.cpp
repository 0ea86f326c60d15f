// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/hd_space_section.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

#include "core/hd_space.h"
#include "ui/accessibility.h"
#include "ui/audio_hd_controls.h"
#include "ui/design.h"
#include "ui/message.h"
#include "ui/results.h"
#include "ui/text.h"

namespace tessaly::ui {

namespace {

const char* const kNote =
    "This will calculate the amount of space required to Flask your VOB files to DivX -;) AVI "
    "format with PCM (WAV) Audio.";

const char* const kComboBitrates[] = {"64", "96", "112", "128", "160", "192", "224", "256", "320", "384", "512"};

}  // namespace

HdSpaceSection::HdSpaceSection(QWidget* canvas, const Separators& separators)
    : QObject(canvas), separators_(separators) {
    const auto right = Qt::AlignRight;
    MakeCaption(canvas, "Label9", tr("HD Space Calculator"), {270, 495, 2985, 330}, Qt::AlignLeft, 12, true);
    MakeNote(canvas, "Label45", QString::fromLatin1(kNote), {270, 945, 2985, 645}, 1755 - 945);

    QGroupBox* frame1 = MakeFrame(canvas, "Frame1", tr("Video"), {180, 1755, 3120, 1275});
    MakeCaption(frame1, "Label34", tr("Movie Length (mins):"), {180, 315, 1590, 330}, right);
    text10_ = MakeTextBox(frame1, "Text10", {1800, 270, 1095, 285});
    MakeCaption(frame1, "Label39", tr("Video Bitrate (kbits/s):"), {135, 765, 1635, 330}, right);
    text11_ = MakeTextBox(frame1, "Text11", {1800, 720, 1095, 285});

    QGroupBox* frame2 = MakeFrame(canvas, "Frame2", tr("Audio"), {180, 3105, 3120, 1725});
    MakeCaption(frame2, "Label41", tr("Audio Sampling Rate"), {135, 270, 2220, 240}, Qt::AlignLeft, 9.75);
    option1_ = MakeOption(frame2, "Option1", tr("48 KHz (almost all DVD's)"), {90, 630, 2310, 240});
    option2_ = MakeOption(frame2, "Option2", tr("44.1 KHz"), {90, 967, 1320, 240});
    option3_ = MakeOption(frame2, "Option3", tr("Other  (kbits/sec):"), {90, 1305, 1590, 240});
    option1_->setChecked(true);
    audioGroup_ = new QButtonGroup(this);
    for (QRadioButton* option : {option1_, option2_, option3_})
        audioGroup_->addButton(option);
    TabIntoSelectedOption(audioGroup_);

    combo1_ = new QComboBox(frame2);
    combo1_->setObjectName(QStringLiteral("Combo1"));
    Place(combo1_, 1710, 1260, 1140, 315);
    combo1_->setFont(DesignFont(8.25));
    combo1_->setEditable(true);
    // The list is a fixed menu of bitrates: Enter must not add the typed text to it, and
    // typing "1" must stay "1" rather than be completed to the first item starting with it.
    combo1_->setInsertPolicy(QComboBox::NoInsert);
    combo1_->setCompleter(nullptr);
    combo1_->setEditText(QStringLiteral("224"));

    QGroupBox* frame3 = MakeFrame(canvas, "Frame3", tr("HD"), {180, 4905, 3120, 1140});
    MakeCaption(frame3, "Label40", tr("Space Required On Hard Drive "), {90, 270, 2805, 330}, Qt::AlignLeft,
                9.75);
    label44_ = MakeCaption(frame3, "Label44", QString(), {720, 675, 1320, 330}, Qt::AlignHCenter, 9.75, true);
    label44_->setFrameStyle(QFrame::Box | QFrame::Plain);
    // Opaque, so a new result repaints the label alone and not the frame and page beneath it.
    label44_->setAutoFillBackground(true);
    MakeCaption(frame3, "Label42", tr("MB's"), {2160, 720, 735, 285}, Qt::AlignLeft, 9.75);

    QWidget::setTabOrder(text10_, text11_);
    QWidget::setTabOrder(text11_, option1_);
    QWidget::setTabOrder(option1_, option2_);
    QWidget::setTabOrder(option2_, option3_);
    QWidget::setTabOrder(option3_, combo1_);

    results_ = new Results(this);
    results_->add(label44_, QStringLiteral("MB"),
                  [this] { return HdSpaceWorking(runs_, FromUtf8(separators_.decimal)); });
    results_->copyOnCtrlC({text10_, text11_, option1_, option2_, option3_, combo1_}, label44_);

    connect(text10_, &QLineEdit::textChanged, this, &HdSpaceSection::recalculate);
    connect(text11_, &QLineEdit::textChanged, this, &HdSpaceSection::recalculate);
    // Typing in the combo or choosing from its list changes its text; a choice that leaves
    // the text as it was must recompute too. A choice that changes it so runs twice, which
    // shows nothing more, as this section has no message to show.
    connect(combo1_, &QComboBox::editTextChanged, this, &HdSpaceSection::recalculate);
    connect(combo1_, &QComboBox::activated, this, &HdSpaceSection::recalculate);
    connect(option1_, &QRadioButton::clicked, this, &HdSpaceSection::chooseWav);
    connect(option2_, &QRadioButton::clicked, this, &HdSpaceSection::chooseWav);
    connect(option3_, &QRadioButton::clicked, this, &HdSpaceSection::chooseOtherBitrate);
}

void HdSpaceSection::disableCombo() { combo1_->setEnabled(false); }

void HdSpaceSection::loadDefaults() {
    text10_->setText(QStringLiteral("100"));
    text11_->setText(QStringLiteral("827"));
}

void HdSpaceSection::loadComboItems() {
    // Filling an empty editable combo makes its first item current and so replaces the
    // text; the text it showed stays, with no item chosen and no calculation run.
    const QSignalBlocker quiet(combo1_);
    const QString text = combo1_->currentText();
    for (const char* bitrate : kComboBitrates)
        combo1_->addItem(QString::fromLatin1(bitrate));
    combo1_->setCurrentIndex(-1);
    combo1_->setEditText(text);
}

QWidget* HdSpaceSection::firstInTabOrder() const { return text10_; }
QWidget* HdSpaceSection::lastInTabOrder() const { return combo1_; }

void HdSpaceSection::chooseWav() {
    combo1_->setEnabled(false);
    recalculate();
}

void HdSpaceSection::chooseOtherBitrate() {
    combo1_->setEnabled(true);
    recalculate();
}

void HdSpaceSection::recalculate() {
    HdAudio audio = HdAudio::None;
    if (option1_->isChecked())
        audio = HdAudio::Wav48kHz;
    else if (option2_->isChecked())
        audio = HdAudio::Wav44kHz;
    else if (option3_->isChecked())
        audio = HdAudio::OtherBitrate;
    const HdSpaceOutcome outcome = CalcHDSpace(Utf8(text10_->text()), Utf8(text11_->text()), audio,
                                               Utf8(combo1_->currentText()), separators_);
    runs_.record(outcome);
    results_->changed();
    if (outcome.text)
        ShowResult(label44_, FromUtf8(*outcome.text));
    if (outcome.message)
        ShowMessage(label44_->window(), *outcome.message);
}

}  // namespace tessaly::ui
