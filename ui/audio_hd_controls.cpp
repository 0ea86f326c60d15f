// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/audio_hd_controls.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>

#include "ui/design.h"

namespace tessaly::ui {

namespace {
void PlaceNamed(QWidget* widget, const char* name, QRect twips) {
    widget->setObjectName(QString::fromLatin1(name));
    Place(widget, twips.x(), twips.y(), twips.width(), twips.height());
}
}  // namespace

QGroupBox* MakeFrame(QWidget* parent, const char* name, const QString& caption, QRect twips) {
    auto* frame = new QGroupBox(caption, parent);
    PlaceNamed(frame, name, twips);
    frame->setFont(DesignFont(8.25, true));
    return frame;
}

QLabel* MakeCaption(QWidget* parent, const char* name, const QString& caption, QRect twips,
                    Qt::Alignment alignment, double points, bool bold) {
    QLabel* label = MakeLabel(parent, name, caption, twips, alignment | Qt::AlignTop);
    label->setFont(DesignFont(points, bold));
    return label;
}

QLabel* MakeNote(QWidget* parent, const char* name, const QString& text, QRect twips, int roomTwips) {
    QLabel* note = MakeCaption(parent, name, text, twips, Qt::AlignHCenter);
    note->setWordWrap(true);
    const int needed = note->heightForWidth(note->width());
    if (needed > note->height())
        note->resize(note->width(), std::min(needed, Pixels(roomTwips)));
    return note;
}

QLineEdit* MakeTextBox(QWidget* parent, const char* name, QRect twips) {
    auto* field = new QLineEdit(parent);
    PlaceNamed(field, name, twips);
    // A frame's bold caption font would otherwise pass down to what it holds.
    field->setFont(DesignFont(8.25));
    return field;
}

QRadioButton* MakeOption(QWidget* parent, const char* name, const QString& caption, QRect twips) {
    auto* option = new QRadioButton(caption, parent);
    PlaceNamed(option, name, twips);
    option->setFont(DesignFont(8.25));
    // Where the fonts at hand set the caption wider than the design's, the button grows to
    // the right rather than cut its last letters.
    QStyleOptionButton style;
    style.initFrom(option);
    const QRect contents = option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option);
    const int needed = contents.left() + option->fontMetrics().horizontalAdvance(caption) + 1;
    if (needed > option->width())
        option->resize(needed, option->height());
    return option;
}

void TabIntoSelectedOption(QButtonGroup* group) {
    const auto follow = [group] {
        const QAbstractButton* selected = group->checkedButton();
        if (!selected)
            return;  // no WAV audio: the rate buttons are disabled and out of reach anyway
        for (QAbstractButton* option : group->buttons()) {
            const int policy = option->focusPolicy();
            option->setFocusPolicy(static_cast<Qt::FocusPolicy>(option == selected ? policy | Qt::TabFocus
                                                                                   : policy & ~Qt::TabFocus));
        }
    };
    QObject::connect(group, &QButtonGroup::buttonToggled, group, follow);
    follow();
}

}  // namespace tessaly::ui
