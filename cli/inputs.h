// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The numeric inputs of a command as given: each option's text, and, for a length or a size
// written as people write them (1:40:00, 5530s, 10000000B, dvd), the minutes or MB the
// calculation reads.
#pragma once

#include <string>
#include <string_view>

#include "cli/arguments.h"

namespace tessaly::cli {

// A numeric input with the field of the calculation it fills and the name its messages call it by.
template <typename Field>
struct Input {
    Field field;
    std::string name;   // "--length", or "value" for the converter's amount
    std::string text;   // what the calculation reads
    std::string typed;  // as given, for the messages
};

// The value of the option --`name`, which the command cannot do without, read as a number.
template <typename Field>
Input<Field> Option(const Arguments& args, Field field, std::string_view name) {
    const std::string text(args.require(name));
    return {field, "--" + std::string(name), text, text};
}

// The text a calculation reads for a film length in any of its forms; a malformed running
// time is a UsageError that shows the forms taken.
std::string LengthText(std::string_view option, std::string_view typed);
// The same for a size with a unit or a disc's name; an unknown unit is a UsageError.
std::string SizeText(std::string_view option, std::string_view typed);

// --`name` as a film length: minutes, H:MM:SS, M:SS or seconds with their unit.
template <typename Field>
Input<Field> LengthOption(const Arguments& args, Field field, std::string_view name) {
    Input<Field> input = Option(args, field, name);
    input.text = LengthText(input.name, input.typed);
    return input;
}

// --`name` as a size: MB, a number with its unit, or a disc.
template <typename Field>
Input<Field> SizeOption(const Arguments& args, Field field, std::string_view name) {
    Input<Field> input = Option(args, field, name);
    input.text = SizeText(input.name, input.typed);
    return input;
}

}  // namespace tessaly::cli
