// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs the data unit conversion on an arbitrary input text with every list position, none
// selected and one past the end included.
#include <cstdint>

#include "core/data_units.h"
#include "fuzz/check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tessaly;
    const fuzz::FieldInput<1> in(data, size);
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const int index = in.choice(10) - 1;  // -1 is "nothing selected", 8 lies past the list
    const auto unit = DataUnitAt(index);
    const Conversion conversion = ConvertData(in.fields[0], unit, in.separators());

    TESSALY_CHECK(conversion.written <= kDataUnitCount, input, "wrote past the last box");
    if (!unit) {
        TESSALY_CHECK(conversion.written == 0 && !conversion.failure && !conversion.message, input,
                      "converted without a unit");
        return 0;
    }
    fuzz::CheckFrame(conversion.written == kDataUnitCount && !conversion.clearAll, conversion,
                     CalcFailure::NotANumber, input);
    TESSALY_CHECK(conversion.clearAll == conversion.failure.has_value(), input,
                  "failure left numbers standing");
    const auto selected = static_cast<std::size_t>(index);
    for (std::size_t box = 0; box < conversion.written; ++box) {
        if (box == selected)
            TESSALY_CHECK(conversion.texts[box] == in.fields[0], input, "the input box was changed");
        else
            fuzz::CheckOutput(conversion.texts[box], in.separators(), input);
    }
    return 0;
}
