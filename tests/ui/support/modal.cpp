// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/modal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>

ModalAnswerer::ModalAnswerer(std::function<void(QMessageBox*)> whileOpen) : whileOpen_(std::move(whileOpen)) {
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, &ModalAnswerer::poll);
    timer_.start();
}

void ModalAnswerer::poll() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible() || box->property("answered").toBool())
        return;
    box->setProperty("answered", true);

    SeenMessage message{box->windowTitle(), box->text(), {}};
    for (QAbstractButton* button : box->buttons())
        message.buttons << button->text();
    seen_ << message;
    if (whileOpen_)
        whileOpen_(box);

    QAbstractButton* ok = box->button(QMessageBox::Ok);
    if (!ok)
        ok = box->buttons().value(0);
    if (ok)
        QTest::mouseClick(ok, Qt::LeftButton);
    else
        box->reject();
}
