// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The four calculators as commands: each is one row that holds its usage, its options with
// their help, and the routine that reads them, runs the same core calculation as the window's
// section and gives back the results the window would show.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/arguments.h"

namespace tessaly::cli {

inline constexpr std::string_view kProgram = "tessaly-bitrate-calc";

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
    bool jsonOnly = false;        // a figure in a second unit, for --json alone
};

struct Report {
    std::vector<Result> results;  // the main result first
    std::string warning;          // why a result is negative; empty when none is
};

// A line of a command's help: an option with its value, or an operand.
struct HelpEntry {
    std::string_view option;  // "length" for --length; empty for an operand
    std::string_view value;   // "MIN", or a literal choice such as "48"; empty for a flag
    std::string_view text;
};

struct Command {
    std::string_view name;
    std::string_view synopsis;  // what follows the name in the usage line
    std::string_view summary;   // what the command answers, for its help
    std::span<const HelpEntry> entries;
    bool takesUnits;  // its operands and --to name data units
    Report (*run)(const Arguments& args);

    // "usage: tessaly-bitrate-calc video --length MIN ...", ending in a newline.
    std::string usage() const;
    // The usage, the summary and a line for each entry, then the units where it takes them.
    std::string help() const;
    // The options its arguments may hold, for reading them.
    std::vector<OptionKind> options() const;
};

// The four commands, in the window's order: video, hd-space, audio, convert.
std::span<const Command> Commands();

// The usage of every command, one line each, then --help and --version.
std::string GeneralUsage();

}  // namespace tessaly::cli
