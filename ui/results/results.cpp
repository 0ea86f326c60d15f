// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/results/results.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QToolTip>
#include <algorithm>

#include "ui/widgets/text.h"

namespace tessaly::ui {

namespace {

// Whether an assistive tool listens, and the sections to describe again when one starts.
// Qt's own interface of a line edit takes its description from the widget, so the working
// is written there, and only while someone can read it.
class Listeners : public QAccessible::ActivationObserver {
public:
    static Listeners& instance() {
        static Listeners listeners;
        return listeners;
    }

    bool active() const { return active_; }
    void add(Results* results) { all_.push_back(results); }
    void remove(Results* results) { all_.erase(std::remove(all_.begin(), all_.end(), results), all_.end()); }

    void accessibilityActiveChanged(bool active) override {
        active_ = active;
        if (active) {
            for (Results* results : all_)
                results->changed();
        }
    }

private:
    Listeners() : active_(QAccessible::isActive()) { QAccessible::installActivationObserver(this); }

    bool active_;
    std::vector<Results*> all_;
};

QString ShownText(const QWidget* widget) { return widget->property("text").toString(); }

}  // namespace

Results::Results(QObject* parent) : QObject(parent) { Listeners::instance().add(this); }

Results::~Results() { Listeners::instance().remove(this); }

void Results::add(QWidget* result, const QString& unit, std::function<QString()> working) {
    entries_.push_back({result, unit, std::move(working)});
    result->installEventFilter(this);
}

void Results::copyOnCtrlC(const QList<QWidget*>& controls, QWidget* answer) {
    for (QWidget* control : controls) {
        answers_.emplace_back(control, answer);
        control->installEventFilter(this);
    }
}

void Results::changed() {
    if (!Listeners::instance().active() || describePending_)
        return;
    describePending_ = true;
    // Later, so that several calculations of one event, and the names given to the controls
    // while the window is built, are followed by one description each.
    QTimer::singleShot(0, this, &Results::describe);
}

void Results::describe() {
    describePending_ = false;
    for (const Entry& entry : entries_)
        entry.widget->setAccessibleDescription(entry.working());
}

const Results::Entry* Results::entryFor(const QObject* widget) const {
    const auto found = std::find_if(entries_.begin(), entries_.end(),
                                    [widget](const Entry& entry) { return entry.widget == widget; });
    return found == entries_.end() ? nullptr : &*found;
}

QString Results::withUnit(const Entry& entry) const {
    const QString text = ShownText(entry.widget);
    // "too low" and "-" are no amounts, and carry no unit.
    if (!FieldToNumber(Utf8(text), LocaleSeparators()).ok())
        return text;
    return text + QLatin1Char(' ') + entry.unit;
}

void Results::showMenu(const Entry& entry, const QPoint& globalPos) {
    const QString text = ShownText(entry.widget);
    const QString textWithUnit = withUnit(entry);
    // A box the user can select in keeps the toolkit's own Copy and Select All below ours.
    auto* edit = qobject_cast<QLineEdit*>(entry.widget);
    QMenu* menu = edit && edit->isEnabled() ? edit->createStandardContextMenu() : new QMenu(entry.widget);
    menu->setObjectName(QStringLiteral("ResultMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction* before = menu->actions().value(0);
    auto* copy = new QAction(tr("Copy"), menu);
    auto* copyWithUnit = new QAction(tr("Copy with unit"), menu);
    copy->setEnabled(!text.isEmpty());
    copyWithUnit->setEnabled(!text.isEmpty());
    connect(copy, &QAction::triggered, menu, [text] { QApplication::clipboard()->setText(text); });
    connect(copyWithUnit, &QAction::triggered, menu,
            [textWithUnit] { QApplication::clipboard()->setText(textWithUnit); });
    menu->insertAction(before, copy);
    menu->insertAction(before, copyWithUnit);
    if (before)
        menu->insertSeparator(before);
    menu->popup(globalPos);
}

bool Results::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ToolTip:
        if (const Entry* entry = entryFor(watched)) {
            auto* help = static_cast<QHelpEvent*>(event);
            QToolTip::showText(help->globalPos(), entry->working(), entry->widget);
            return true;
        }
        break;
    case QEvent::ContextMenu:
        if (const Entry* entry = entryFor(watched)) {
            showMenu(*entry, static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        }
        break;
    case QEvent::KeyPress: {
        const auto answer = std::find_if(answers_.begin(), answers_.end(),
                                         [watched](const auto& pair) { return pair.first == watched; });
        if (answer == answers_.end() || !static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy))
            break;
        auto* edit = qobject_cast<QLineEdit*>(watched);
        if (auto* combo = qobject_cast<QComboBox*>(watched))
            edit = combo->lineEdit();
        if (edit && edit->hasSelectedText())
            break;  // the toolkit copies the selection
        QApplication::clipboard()->setText(ShownText(answer->second));
        return true;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tessaly::ui
