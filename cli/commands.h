// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The four calculators as commands: each reads its options, runs the same core routine as the
// window's section and gives back the results the window would show.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/arguments.h"

namespace tessaly::cli {

// A value that gives no result (not a number, a zero length, a result beyond the range of a
// double): the message names the option, and the caller exits with status 1.
struct ValueError {
    std::string message;
};

struct Result {
    std::string_view caption;     // "video bitrate"; empty for the converter's lines
    std::string text;             // as the window shows it
    std::string_view unit;        // "kbit/s", "MB", "bits", ...; empty for none
    std::string_view key;         // its name in the JSON object
    std::optional<double> value;  // the number behind the text; none is JSON's null
};

struct Report {
    std::vector<Result> results;  // the main result first
    std::string warning;          // why a result is negative; empty when none is
};

struct Command {
    std::string_view name;
    std::span<const OptionKind> options;
    bool takesOperands;     // only convert takes arguments that are not options
    std::string_view help;  // printed by "COMMAND --help"
    Report (*run)(const Arguments& args);
};

// The four commands, in the window's order: video, hd-space, audio, convert.
std::span<const Command> Commands();

}  // namespace tessaly::cli
