// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/widgets/controls.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>

namespace tessaly::ui {

void Place(QWidget* widget, const char* name, QRect twips) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(TwipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, QRect twips,
                  Qt::Alignment alignment) {
    auto* label = new QLabel(caption, parent);
    Place(label, name, twips);
    label->setAlignment(alignment);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QGroupBox* MakeFrame(QWidget* parent, const char* name, const QString& caption, QRect twips) {
    auto* frame = new QGroupBox(caption, parent);
    Place(frame, name, twips);
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

QLineEdit* MakeField(QWidget* parent, const char* name, QRect twips, QLabel* caption, const QFont& font) {
    auto* field = new QLineEdit(parent);
    Place(field, name, twips);
    // Set even where it is the window's: a frame's bold caption font would pass down otherwise.
    field->setFont(font);
    NameAfter(field, caption);
    return field;
}

void NameAfter(QWidget* control, QLabel* caption) {
    caption->setBuddy(control);
    // Qt names a list by its accessible name alone, never by its buddy.
    if (qobject_cast<QAbstractItemView*>(control))
        control->setAccessibleName(caption->text());
}

QRadioButton* MakeOption(QWidget* parent, const char* name, const QString& caption, QRect twips) {
    auto* option = new QRadioButton(caption, parent);
    Place(option, name, twips);
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

QPushButton* MakeExitButton(QWidget* parent, const char* name, const QString& caption, QRect twips,
                            bool inTabOrder) {
    auto* button = new QPushButton(caption, parent);
    Place(button, name, twips);
    if (!inTabOrder)
        button->setFocusPolicy(Qt::ClickFocus);
    return button;
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
