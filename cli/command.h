// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A command of tessaly-bitrate-calc is one row: its usage, its options with their help, and the
// routine that reads them, runs the core's calculation and gives back the results the window
// would show. Each command's file registers its row; the general usage and help, each command's
// help and the completion are built from the rows.
#pragma once

#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "cli/arguments.h"

namespace tessaly::cli {

inline constexpr std::string_view kProgram = "tessaly-bitrate-calc";

// A value that gives no result (not a number, a zero length, a result beyond the range of a
// double): the message names the option, and the program exits with status 1.
struct ValueError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct Result {
    std::string caption;          // "video bitrate", "audio track 2 data"; empty for the converter's lines
    std::string text;             // as the window shows it
    std::string_view unit;        // "kbit/s", "MB", "bits", ...; empty for none
    std::string key;              // its name in the JSON object
    std::optional<double> value;  // the number behind the text; none is JSON's null
    bool jsonOnly = false;        // a figure in a second unit, for --json alone
    // The JSON value when it is no number ("\"stored_duration\"", true, a list); an empty key
    // leaves the line out of the JSON object.
    std::string json = {};
};

struct Report {
    std::vector<Result> results;  // the main result first
    // Why the answer is no real one (a figure came out negative): the figures are still shown,
    // with this, but --value prints nothing and the status is 1. Empty for a real answer.
    std::string verdict;
    // What the answer may not mean what was meant by, each a line; the answer stands.
    std::vector<std::string> warnings;
    // The first result's text is the whole output, as with --value (--ffmpeg's passes).
    bool textOnly = false;
};

// A line of a command's help: an option with its value, or an operand.
struct HelpEntry {
    std::string_view option;  // "length" for --length; empty for an operand
    std::string_view value;   // "MIN", or a literal choice such as "48"; empty for a flag
    std::string_view text;
    // The default, written after the text as "; 25"; from the core, so that it is written once.
    std::string (*byDefault)() = nullptr;
    // The option may be given again for another value (an audio track each); a value ending in
    // "..." ("FILE...") takes every word up to the next option.
    bool repeatable = false;
};

struct Command {
    int order;  // its place in the usage and the help: the window's order
    std::string_view name;
    std::string_view synopsis;  // what follows the name in the usage line
    std::string_view summary;   // what the command answers, for its help
    // What it answers, as the general help names it: "the disk space of the intermediate AVI".
    std::string_view answers;
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

// Adds a command to the program; each command's file registers its row once, before main runs.
bool Register(const Command& command);

// Every command, in the order their rows give.
std::span<const Command> Commands();

// The usage of every command, one line each, then --help and --version.
std::string GeneralUsage();

// The general usage, then what each command answers, how values are read, the options that
// say how the film is encoded and the exit statuses.
std::string GeneralHelp();

}  // namespace tessaly::cli
