// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading a command's arguments: options named "--name", with or without a value, in any
// order, and the positional arguments between them.
#pragma once

#include <map>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly::cli {

// A mistake in how the program was called: the message names it, and the caller prints the
// usage after it and exits with status 2.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// How many values an option takes.
enum class Arity {
    Flag,      // none: --json
    One,       // one, and the option once: --length 100
    Repeated,  // one each time, and the option as often as wanted: --audio 128 --audio 192
    Many,      // one or more, all the words up to the next option: --length-of a.vob b.vob
};

// An option a command accepts, named without its leading "--".
struct OptionKind {
    std::string_view name;
    Arity arity = Arity::One;
};

struct Arguments {
    // name -> its values in the order given; none for a flag
    std::map<std::string, std::vector<std::string>, std::less<>> options;
    std::vector<std::string_view> positionals;

    bool has(std::string_view name) const { return options.find(name) != options.end(); }
    // The option's value, the first where it has several; "" when it was not given.
    std::string_view get(std::string_view name) const;
    // Every value of the option, in the order given; none when it was not given.
    std::span<const std::string> values(std::string_view name) const;
    // The value of an option the command cannot do without.
    std::string_view require(std::string_view name) const;
    // At most one of the two options may be given.
    void exclusive(std::string_view first, std::string_view second) const;
};

// "--name value" and "--name=value" both give a value; the word after a value-taking option is
// its value even when it starts with a single "-", so negative numbers need no "=", but a word
// that starts with "--" is the next option and the value is missing. An option of many values
// takes every word up to the next one that starts with "--". "--" ends the options.
// An unknown option, one given twice that is not Repeated, a missing value or a value given to
// a flag is a UsageError.
//   {"--length", "-100", "--size=700", "5"} -> length "-100", size "700", positional "5"
//   {"--length", "--size", "700"}           -> "--length needs a value"
Arguments ParseArguments(std::span<const std::string_view> args, std::span<const OptionKind> known);

}  // namespace tessaly::cli
