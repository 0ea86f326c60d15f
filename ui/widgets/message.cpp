// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/widgets/message.h"

#include <QMessageBox>

#include "ui/widgets/design.h"
#include "ui/widgets/text.h"

namespace tessaly::ui {

void ShowMessage(QWidget* parent, const Message& message) {
    QMessageBox box(parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setWindowTitle(message.title.empty() ? kApplicationTitle : FromUtf8(message.title));
    box.setText(FromUtf8(message.prompt));
    box.setTextFormat(Qt::PlainText);
    box.setIcon(QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

}  // namespace tessaly::ui
