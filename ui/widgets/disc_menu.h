// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The recordable discs in a desired-size field's context menu: picking one writes what one file
// may take on it, in MB, as if typed.
#pragma once

#include "core/numbers.h"

class QLineEdit;

namespace tessaly::ui {

// Adds an entry for every disc preset after the field's edit actions, "DVD±R: 4481.3261 MB",
// each writing its MB with `separators`' decimal, at most four decimals rounded down so that
// the file still fits; the field recalculates as when typed into.
void OfferDiscSizes(QLineEdit* field, const Separators& separators);

}  // namespace tessaly::ui
