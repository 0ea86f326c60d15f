// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What every result of a section offers: a context menu that copies its figure with or
// without its unit, a tooltip with the working that led to it (the same text screen readers
// get as its description), and Ctrl+C that copies the section's answer.
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class QWidget;

namespace tessaly::ui {

class Results : public QObject {
    Q_OBJECT

public:
    explicit Results(QObject* parent);
    ~Results() override;

    // `result` shows a figure in `unit`; `working` writes how it was reached, only when a
    // tooltip or a screen reader asks for it.
    void add(QWidget* result, const QString& unit, std::function<QString()> working);

    // Ctrl+C while one of `controls` has the focus and no text is selected in it copies the
    // text `answer` shows.
    void copyOnCtrlC(const QList<QWidget*>& controls, QWidget* answer);

    // A calculation ran, or an assistive tool has started listening: the descriptions screen
    // readers hold are stale. Cheap unless a tool is listening, and then rewritten once the
    // current event is done.
    void changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Rewrites every description now.
    void describe();

    struct Entry {
        QWidget* widget;
        QString unit;
        std::function<QString()> working;
    };

    const Entry* entryFor(const QObject* widget) const;
    void showMenu(const Entry& entry, const QPoint& globalPos);
    QString withUnit(const Entry& entry) const;

    std::vector<Entry> entries_;
    std::vector<std::pair<QObject*, QWidget*>> answers_;  // control, the answer it copies
    bool describePending_ = false;
};

}  // namespace tessaly::ui
