// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/bitrate_tab.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/video_bitrate.h"
#include "ui/accessibility.h"
#include "ui/artwork.h"
#include "ui/design.h"
#include "ui/grounds.h"
#include "ui/message.h"
#include "ui/results.h"
#include "ui/text.h"

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

QLineEdit* MakeField(QWidget* parent, const char* name, const QString& text, QRect twips, bool bold) {
    auto* field = new QLineEdit(text, parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setGeometry(TwipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    field->setAlignment(Qt::AlignCenter);
    field->setFont(DesignFont(12, bold));
    return field;
}

QLabel* MakeRowLabel(QWidget* parent, const char* name, const QString& caption, QRect twips,
                     Qt::Alignment alignment) {
    QLabel* label = MakeLabel(parent, name, caption, twips, alignment | Qt::AlignTop);
    label->setFont(DesignFont(12, true));
    return label;
}

QLabel* MakeOutputLabel(QWidget* parent, const char* name, QRect twips) {
    QLabel* label = MakeLabel(parent, name, QString(), twips, Qt::AlignHCenter | Qt::AlignTop);
    SetGround(label, Ground::Output);
    return label;
}

}  // namespace

BitrateTab::BitrateTab(QWidget* parent) : TabPage(parent), separators_(LocaleSeparators()) {
    QWidget* c = canvas();
    const auto right = Qt::AlignRight;
    const auto left = Qt::AlignLeft;

    MakeRowLabel(c, "Label1", tr("length of movie"), {225, 615, 2025, 390}, right);
    txtMin_ = MakeField(c, "txtMin", QString(), {2295, 615, 1215, 420}, false);
    MakeRowLabel(c, "Label7", tr("min"), {3570, 615, 1095, 390}, left);

    MakeRowLabel(c, "Label2", tr("audio bitrate"), {225, 1110, 2025, 390}, right);
    txtAudBit_ = MakeField(c, "txtAudBit", QStringLiteral("128"), {2295, 1095, 1215, 420}, false);
    MakeRowLabel(c, "Label8", tr("kbit/sec"), {3570, 1110, 1095, 390}, left);

    MakeRowLabel(c, "Label4", tr("desired file size"), {225, 1605, 2025, 390}, right);
    txtSize_ = MakeField(c, "txtSize", QStringLiteral("700"), {2295, 1575, 1215, 420}, false);
    MakeRowLabel(c, "Label10", tr("MB"), {3570, 1605, 1095, 390}, left);

    MakeRowLabel(c, "Label5", tr("video bitrate"), {225, 2235, 2025, 390}, right);
    txtVidBit_ = MakeField(c, "txtVidBit", QStringLiteral("0"), {2295, 2220, 1215, 420}, true);
    txtVidBit_->setEnabled(false);
    txtVidBit_->setFocusPolicy(Qt::NoFocus);
    // Disabled, so it takes neither typing nor focus, but its number must stay easy to read.
    SetGround(txtVidBit_, Ground::Output);
    MakeRowLabel(c, "Label11", tr("kbit/sec"), {3570, 2220, 1095, 390}, left);

    MakeLabel(c, "Label12", tr("total audio data"), {690, 2790, 1485, 225}, right);
    audData_ = MakeOutputLabel(c, "audData", {2370, 2790, 855, 225});
    MakeLabel(c, "Label15", tr("MB"), {3315, 2790, 540, 225});
    MakeLabel(c, "Label13", tr("total video data"), {690, 3060, 1485, 225}, right);
    lblVidData_ = MakeOutputLabel(c, "lblVidData", {2370, 3060, 855, 225});
    MakeLabel(c, "Label16", tr("MB"), {3315, 3060, 540, 225});
    MakeLabel(c, "Label17", tr("V 1.05.00"), {1725, 3465, 855, 285});

    auto* image = new QLabel(c);
    image->setObjectName(QStringLiteral("Image1"));
    Place(image, 4860, 420, 2520, 3675);
    image->setPixmap(CoverPicture());
    image->setScaledContents(true);

    QLabel* note = MakeLabel(c, "Label36", QString::fromLatin1(kNote), {135, 4155, 7350, 1680},
                             Qt::AlignHCenter | Qt::AlignTop);
    note->setWordWrap(true);
    SetGround(note, Ground::Output);

    command1_ = new QPushButton(tr("E&xit"), c);
    command1_->setObjectName(QStringLiteral("Command1"));
    Place(command1_, 360, 3405, 1275, 390);
    command1_->setFocusPolicy(Qt::ClickFocus);  // the Tab key passes it by
    command3_ = new QPushButton(tr("Exit"), c);
    command3_->setObjectName(QStringLiteral("Command3"));
    Place(command3_, 225, 5910, 7170, 210);

    addEtchedRectangle(180, 525, 4725, 3900);
    addEtchedRectangle(4860, 405, 7380, 4065);
    addStroke({QLine(4860, 4065, 7380, 4065), QPalette::Dark, 3});
    addEtchedRectangle(135, 4155, 7470, 5820);

    QWidget::setTabOrder(txtSize_, txtAudBit_);
    QWidget::setTabOrder(txtAudBit_, txtMin_);
    QWidget::setTabOrder(txtMin_, command3_);

    for (QLineEdit* input : {txtSize_, txtAudBit_, txtMin_})
        connect(input, &QLineEdit::textChanged, this, &BitrateTab::recalculate);
    results_ = new Results(this);
    const auto working = [this] { return VideoBitrateWorking(runs_, FromUtf8(separators_.decimal)); };
    results_->add(txtVidBit_, QStringLiteral("kbit/s"), working);
    results_->add(audData_, QStringLiteral("MB"), working);
    results_->add(lblVidData_, QStringLiteral("MB"), working);
    results_->copyOnCtrlC({txtSize_, txtAudBit_, txtMin_, command1_, command3_}, txtVidBit_);
    connect(command1_, &QPushButton::clicked, this, &BitrateTab::exitRequested);
    connect(command3_, &QPushButton::clicked, this, &BitrateTab::exitRequested);
}

void BitrateTab::loadDefaults() { txtMin_->setText(QStringLiteral("100")); }

void BitrateTab::recalculate() {
    const VideoBitrateOutcome outcome = CalcVideoBitrate(Utf8(txtMin_->text()), Utf8(txtAudBit_->text()),
                                                         Utf8(txtSize_->text()), separators_);
    runs_.record(outcome);
    results_->changed();
    if (outcome.texts) {
        txtVidBit_->setText(FromUtf8(outcome.texts->videoBitrate));
        ShowResult(audData_, FromUtf8(outcome.texts->audioData));
        ShowResult(lblVidData_, FromUtf8(outcome.texts->videoData));
    }
    if (outcome.message)
        ShowMessage(window(), *outcome.message);
}

}  // namespace tessaly::ui
