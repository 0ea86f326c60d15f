// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/tabs/info_tab.h"

#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "ui/widgets/controls.h"
#include "ui/widgets/design.h"

namespace tessaly::ui {

namespace {

// The change log, newest entry first, in the author's own words and spelling.
const char* const kNewest =
    "01/11/01: Added an HD space calculator that calculates the amount of space you will need to Flask "
    "your VOB files to your HD.  Also added an audio bitrate calculator that will tell you the maximum "
    "Audio bit rate to use after you have flasked your VOB files; as your flasked AVI may be somewhat "
    "smaller than originally intended you may be able to increase the audio bit rate and get better "
    "quality sound than anticipated.";

const char* const kOlder =
    "01/07/01:  Fixed a small mathematical error in the calculations of the bitrate calculator, it "
    "should now be even more accurate.  Added Data conversion calculator; this has been fully tested "
    "and haven't found any errors.   The bitrate clculator is now on a tabbed form.  I make no "
    "warranties as to the usefullness, accuracy or whether or not it is safe to run this program on "
    "your computer.  If you get a virus from this program or it somehow trashes your computer, it is "
    "nothing that I coded into it so don't blame me.";

QLabel* MakeEntry(QWidget* parent, const char* name, const char* text, QRect twips) {
    QLabel* label =
        MakeLabel(parent, name, QString::fromLatin1(text), twips, Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    label->setFont(DesignFont(8.25));  // the window's font, set now so that the text is measured in it
    // With a substitute font the wrapped text can need a line more than designed; the tab is empty
    // below, so the entry grows downwards rather than losing its last line.
    label->resize(label->width(), std::max(label->height(), label->heightForWidth(label->width())));
    return label;
}

}  // namespace

QString InfoTab::caption() const { return tr("Info"); }

InfoTab::InfoTab(QWidget* parent) : TabPage(parent) {
    MakeEntry(canvas(), "Label43", kNewest, {585, 810, 6270, 1095});
    MakeEntry(canvas(), "Label37", kOlder, {585, 1890, 6270, 1275});

    QPushButton* exit = MakeExitButton(canvas(), "Command4", tr("Ex&it"), {5670, 5145, 1500, 780});
    connect(exit, &QPushButton::clicked, this, &InfoTab::exitRequested);
}

}  // namespace tessaly::ui
