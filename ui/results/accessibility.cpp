// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What screen readers hear beyond Qt's own: the numbers and units of the results, the combo
// box named by an option's caption, the section each control belongs to, and the window,
// which they announce as a window. Fields are named by their caption labels, their buddies.
#include "ui/results/accessibility.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QWidget>

namespace tessaly::ui {

namespace {

// Marks the controls that get an interface of their own below, and which: the value is a
// Kind, stored as an int.
constexpr const char* kKindProperty = "tessalyAccessibleKind";
// The unit a result is read with, translated; empty where the window shows none.
constexpr const char* kUnitProperty = "tessalyResultUnit";

enum class Kind { Result = 1, CaptionedCombo, Window };

Kind KindOf(const QObject* object) { return static_cast<Kind>(object->property(kKindProperty).toInt()); }

// What a screen reader reads out of a result: its number, then the unit shown after it.
QString Reading(const QWidget* result) {
    const QString number = result->property("text").toString();
    const QString unit = result->property(kUnitProperty).toString();
    return number.isEmpty() || unit.isEmpty() ? number : number + QLatin1Char(' ') + unit;
}

// A result shown in a label, or in a text box that takes neither typing nor focus: named by the
// caption beside it, its number is its value, and its text is the number with its unit, so a
// reader hears "total audio data, 94 MB". Qt's label interface would let the name hide the
// number, and its text box interface leaves out the unit.
class ResultAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    ResultAccessible(QWidget* result, QAccessible::Role role) : QAccessibleWidget(result, role) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text which) const override {
        if (which == QAccessible::Value)
            return widget()->property("text").toString();
        return QAccessibleWidget::text(which);
    }

    // A result box is disabled only to keep typing and focus out; its number is there to read.
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.disabled = false;
        return state;
    }

    // The text is read, never edited, selected or walked with a caret.
    QString text(int start, int end) const override { return Reading(widget()).mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(Reading(widget()).size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    int selectionCount() const override { return 0; }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }
};

// An editable combo box named by its caption, with its text as its value. Qt on Linux names
// a combo box by its text, so a reader would hear "224, combo box" and not what it is for.
// Its children are Qt's own: the drop-down list, then the edit field.
class CaptionedComboAccessible : public QAccessibleWidget {
public:
    explicit CaptionedComboAccessible(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    // Its text is its edit field's, for readers that read it from the combo box itself.
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (QAccessibleInterface* edit = child(1); edit && type == QAccessible::TextInterface)
            return edit->textInterface();
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text which) const override {
        if (which == QAccessible::Value)
            return combo()->currentText();
        return QAccessibleWidget::text(which);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = true;
        state.expandable = true;
        state.expanded = combo()->view()->isVisible();
        state.collapsed = !state.expanded;
        return state;
    }

    int childCount() const override { return 2; }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const QObject* object = child ? child->object() : nullptr;
        return object == combo()->view() ? 0 : object == combo()->lineEdit() ? 1 : -1;
    }
    QAccessibleInterface* child(int index) const override {
        QWidget* part = index == 0   ? static_cast<QWidget*>(combo()->view())
                        : index == 1 ? static_cast<QWidget*>(combo()->lineEdit())
                                     : nullptr;
        return part ? QAccessible::queryAccessibleInterface(part) : nullptr;
    }
    // The edit field holds the keyboard focus for the combo box.
    QAccessibleInterface* focusChild() const override { return child(1); }

    QStringList actionNames() const override { return {showMenuAction()}; }
    void doAction(const QString& action) override {
        if (action == showMenuAction())
            combo()->showPopup();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* CustomFactory(const QString&, QObject* object) {
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    switch (KindOf(object)) {
    case Kind::Result:
        return new ResultAccessible(
            widget, qobject_cast<QLabel*>(widget) ? QAccessible::StaticText : QAccessible::EditableText);
    case Kind::CaptionedCombo:
        return new CaptionedComboAccessible(static_cast<QComboBox*>(widget));
    case Kind::Window:
        // Qt gives a plain top-level widget the role of a client area; it is the window, and
        // its name is its title.
        return new QAccessibleWidget(widget, QAccessible::Window);
    }
    return nullptr;
}

// Gives `object` an interface from the factory above. Qt made and kept an interface for some
// controls when they were created; dropping it lets the next query go through the factory.
void Mark(QObject* object, Kind kind) {
    static const bool factoryInstalled = (QAccessible::installFactory(CustomFactory), true);
    Q_UNUSED(factoryInstalled);
    object->setProperty(kKindProperty, static_cast<int>(kind));
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(object))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

}  // namespace

void AnnounceAsWindow(QWidget* window) { Mark(window, Kind::Window); }

void ReadAsResult(QWidget* result, QLabel* caption, const QLabel* unit) {
    caption->setBuddy(result);
    if (unit)
        result->setProperty(kUnitProperty, unit->text());
    Mark(result, Kind::Result);
}

void NameCombo(QComboBox* combo, const QString& caption) {
    combo->setAccessibleName(caption);
    Mark(combo, Kind::CaptionedCombo);
    // The edit field inside holds the focus while the user types, so it carries the caption too.
    combo->lineEdit()->setAccessibleName(caption);
}

void DescribeSection(std::initializer_list<QWidget*> parts, const QString& heading) {
    const auto describe = [&heading](QWidget* widget) {
        const bool described = widget->property(kKindProperty).isValid() || !qobject_cast<QLabel*>(widget);
        if (described && !qobject_cast<QGroupBox*>(widget))
            widget->setAccessibleDescription(heading);
    };
    for (QWidget* part : parts) {
        describe(part);
        for (QWidget* widget : part->findChildren<QWidget*>())
            describe(widget);
    }
}

void ShowResult(QLabel* label, const QString& text) {
    if (label->text() == text)
        return;
    const QString before = Reading(label);
    label->setText(text);
    QAccessibleTextUpdateEvent changed(label, 0, before, Reading(label));
    QAccessible::updateAccessibility(&changed);
}

}  // namespace tessaly::ui
