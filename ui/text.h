// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Passing field texts between Qt's strings and the core's UTF-8 ones.
#pragma once

#include <QLocale>
#include <QString>
#include <string>

#include "core/numbers.h"

namespace tessaly::ui {

inline std::string Utf8(const QString& text) { return text.toStdString(); }
inline QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }

// The separators of the user's numeric locale (the application's default locale).
inline Separators LocaleSeparators(const QLocale& locale = QLocale()) {
    return {Utf8(locale.decimalPoint()), Utf8(locale.groupSeparator())};
}

}  // namespace tessaly::ui
