// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Prints the disc presets for fit_test.sh, one a line: name, sectors, ISO 9660's and UDF's
// sectors, the file's bytes.
#include <iostream>

#include "core/discs.h"

int main() {
    for (const tessaly::DiscPreset& d : tessaly::kDiscPresets)
        std::cout << d.name << ' ' << d.sectors << ' ' << d.isoSectors << ' ' << d.udfSectors << ' '
                  << d.fileBytes() << '\n';
}
