// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's one dialog: the modal message box that reports a failed calculation.
#pragma once

#include "core/calculation.h"

class QWidget;

namespace tessaly::ui {

// Shows `message` in a modal box with a single OK button, titled with the message's title
// or, where it has none, the application's title; returns when the user has closed it.
void ShowMessage(QWidget* parent, const Message& message);

}  // namespace tessaly::ui
