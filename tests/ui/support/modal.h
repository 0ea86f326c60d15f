// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Answers the program's real modal message boxes from a timer, the way a user would: it
// waits for the box to open, notes what it says, and clicks its OK button.
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>

class QMessageBox;

struct SeenMessage {
    QString title;
    QString text;
    QStringList buttons;  // the texts of its buttons
};

class ModalAnswerer : public QObject {
    Q_OBJECT

public:
    // `whileOpen` runs while each box is still open, before OK is clicked.
    explicit ModalAnswerer(std::function<void(QMessageBox*)> whileOpen = {});

    const QList<SeenMessage>& seen() const { return seen_; }
    qsizetype count() const { return seen_.size(); }

private:
    void poll();

    std::function<void(QMessageBox*)> whileOpen_;
    QList<SeenMessage> seen_;
    QTimer timer_;
};
