// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/inputs.h"

#include <cctype>

#include "cli/encoding.h"
#include "core/data_size.h"
#include "core/film_length.h"

namespace tessaly::cli {

std::string LengthText(std::string_view option, std::string_view typed) {
    const FilmLength length = ReadFilmLength(typed, kSeparators);
    if (length.error) {
        const std::string why = *length.error == LengthError::TimePartTooLarge
                                    ? "minutes and seconds after a colon are below 60"
                                    : "not a length";
        throw UsageError(std::string(option) + ": \"" + std::string(typed) + "\": " + why +
                         "; give minutes (100), H:MM:SS or M:SS (1:40:00, 92:10, 1:32:10.5) or a number "
                         "with s, min or h (5530s)");
    }
    return length.fieldText;
}

std::string SizeText(std::string_view option, std::string_view typed) {
    const DataSize size = ReadDataSize(typed, kSeparators);
    const std::size_t first = typed.find_first_not_of(' ');
    if (!size.ok() && first != std::string_view::npos &&
        std::isalpha(static_cast<unsigned char>(typed[first]))) {
        std::string discs;
        for (const DiscPreset& preset : kDiscPresets)
            discs.append(discs.empty() ? "" : ", ")
                .append(preset.name)
                .append(preset.alias.empty() ? "" : " or " + std::string(preset.alias));
        throw UsageError(std::string(option) + ": \"" + std::string(typed) +
                         "\": no disc of that name; the discs are " + discs);
    }
    if (size.error)
        throw UsageError(std::string(option) + ": \"" + std::string(typed) +
                         "\": unknown unit; give MB (700), a number with a unit (10000000B, 700MiB, "
                         "4.7GiB) or a disc (cd, dvd, bd; see --help)");
    return size.fieldText;
}

}  // namespace tessaly::cli
