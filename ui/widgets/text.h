// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Passing field texts between Qt's strings and the core's UTF-8 ones.
#pragma once

#include <QLocale>
#include <QString>
#include <string>
#include <string_view>

#include "core/numbers.h"

namespace tessaly::ui {

inline std::string Utf8(const QString& text) { return text.toStdString(); }
inline QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A caption as a sentence quotes it: without the colon and blanks it ends with.
//   "Movie Length (mins):" -> "Movie Length (mins)"
inline QString CaptionText(QString caption) {
    while (caption.endsWith(QLatin1Char(':')) || caption.endsWith(QLatin1Char(' ')))
        caption.chop(1);
    return caption;
}

// The separators of the user's numeric locale (the application's default locale).
inline Separators LocaleSeparators(const QLocale& locale = QLocale()) {
    return {Utf8(locale.decimalPoint()), Utf8(locale.groupSeparator())};
}

}  // namespace tessaly::ui
