// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The command table and the help written from it: each command's usage and help, and the
// general usage and help, so that a new command is its row and nothing else.
#include <algorithm>
#include <vector>

#include "cli/command.h"
#include "core/data_units.h"
#include "core/discs.h"
#include "core/numbers.h"

namespace tessaly::cli {

namespace {

std::vector<Command>& Table() {
    static std::vector<Command> commands;
    return commands;
}

// Every name of every unit, each once, in the converter's order.
std::string UnitNames() {
    std::string joined;
    for (const DataUnit unit : kDataUnits) {
        for (const std::string_view name : AllNamesOf(unit))
            joined.append(joined.empty() ? "" : " ").append(name);
    }
    return joined;
}

// The width the help is written to.
constexpr std::size_t kHelpWidth = 90;

// `text` broken into lines of at most `width` characters at its blanks.
std::string Wrapped(std::string_view text, std::size_t width) {
    std::string out, line;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find(' ', start), text.size());
        const std::string_view word = text.substr(start, end - start);
        if (!line.empty() && line.size() + 1 + word.size() > width) {
            out += line + "\n";
            line.clear();
        }
        line.append(line.empty() ? "" : " ").append(word);
        start = end + 1;
    }
    return out + line + "\n";
}

bool Takes(const Command& command, std::string_view value) {
    return std::any_of(command.entries.begin(), command.entries.end(),
                       [value](const HelpEntry& e) { return e.value == value; });
}

// How a length and a size may be written, for a command that takes them; a size's discs with
// what one file may take on each and how that is worked out.
std::string WrittenForms(const Command& command) {
    std::string text;
    if (Takes(command, "LENGTH"))
        text +=
            "\nLENGTH is minutes (100, 92.5), H:MM:SS or M:SS (1:40:00, 92:10, 1:32:10.5), or a\n"
            "number with s, min or h (5530s, 100min, 1.5h).\n";
    if (!Takes(command, "SIZE"))
        return text;
    std::string size =
        "SIZE is MB (700), a number with a unit (10000000B, 700MiB, 4.7GiB, 8 kbit; the units of '";
    size.append(kProgram).append(
        " convert --help'), or a disc by its name, for what one file may take on it once its file "
        "system has its share (ISO 9660 or UDF, whichever takes more):");
    text.append("\n").append(Wrapped(size, kHelpWidth));
    std::string names, discs;
    for (const DiscPreset& preset : kDiscPresets) {
        // Appended piece by piece: GCC 12 at -O3 takes " " + std::string(...) for an overlapping copy.
        names.append(" ").append(preset.name);
        discs.append("  ").append(preset.name);
        if (!preset.alias.empty()) {
            names.append(" ").append(preset.alias);
            discs.append(" or ").append(preset.alias);
        }
        discs.append(", ").append(preset.label).append(": ").append(RoundTripText(preset.fileMegabytes()));
        discs.append(" MB\n      ").append(DiscArithmetic(preset)).append("\n");
    }
    return text + "discs:" + names + "\n" + discs;
}

// The choices of a command's --container, where it takes the option.
std::string_view ContainerChoices(const Command& command) {
    const auto entry = std::find_if(command.entries.begin(), command.entries.end(),
                                    [](const HelpEntry& e) { return e.option == "container"; });
    return entry == command.entries.end() ? std::string_view() : entry->value;
}

}  // namespace

bool Register(const Command& command) {
    std::vector<Command>& table = Table();
    table.insert(std::upper_bound(table.begin(), table.end(), command,
                                  [](const Command& a, const Command& b) { return a.order < b.order; }),
                 command);
    return true;
}

std::span<const Command> Commands() { return Table(); }

std::string Command::usage() const {
    return "usage: " + std::string(kProgram) + " " + std::string(name) + " " + std::string(synopsis) + "\n";
}

std::string Command::help() const {
    const auto term = [](const HelpEntry& entry) {
        if (entry.option.empty())
            return std::string(entry.value);
        return "--" + std::string(entry.option) + (entry.value.empty() ? "" : " ") + std::string(entry.value);
    };
    std::size_t width = 0;
    for (const HelpEntry& entry : entries)
        width = std::max(width, term(entry).size() + 2);
    // Each entry's text in a column of its own, wrapped to the help's width, its further lines
    // below its first.
    std::string text = usage() + "\n" + std::string(summary) + "\n\n";
    for (const HelpEntry& entry : entries) {
        std::string line(2, ' ');
        line += term(entry);
        line.resize(width + 2, ' ');
        std::string body(entry.text);
        if (entry.byDefault)
            body += "; " + entry.byDefault();
        std::replace(body.begin(), body.end(), '\n', ' ');
        const std::string wrapped = Wrapped(body, kHelpWidth - std::min(width + 2, kHelpWidth / 2));
        for (const char c : std::string_view(wrapped).substr(0, wrapped.size() - 1)) {
            line += c;
            if (c == '\n')
                line.append(width + 2, ' ');
        }
        text += line + "\n";
    }
    text += WrittenForms(*this);
    if (takesUnits)
        text += "\nunits: " + UnitNames() + "\n";
    return text;
}

std::vector<OptionKind> Command::options() const {
    std::vector<OptionKind> kinds;
    for (const HelpEntry& entry : entries) {
        const bool known = std::any_of(kinds.begin(), kinds.end(),
                                       [&entry](const OptionKind& k) { return k.name == entry.option; });
        if (entry.option.empty() || known)
            continue;
        // "FILE..." or several words ("INPUT OUTPUT") take every word up to the next option.
        const Arity arity = entry.value.empty() ? Arity::Flag
                            : entry.value.ends_with("...") || entry.value.find(' ') != std::string_view::npos
                                ? Arity::Many
                            : entry.repeatable ? Arity::Repeated
                                               : Arity::One;
        kinds.push_back({entry.option, arity});
    }
    return kinds;
}

std::string GeneralUsage() {
    std::string text;
    for (const Command& command : Commands())
        text += (text.empty() ? "usage: " : "       ") + command.usage().substr(7);
    return text + "       " + std::string(kProgram) + " --help | --version\n";
}

std::string GeneralHelp() {
    // "The video bitrate ... (video), the disk space ... (hd-space), ... and an amount ... (convert)."
    std::string answers;
    const std::span<const Command> commands = Commands();
    for (std::size_t i = 0; i < commands.size(); ++i) {
        const std::string_view joint = i == 0 ? "" : i + 1 == commands.size() ? ", and " : ", ";
        answers.append(joint).append(commands[i].answers).append(" (").append(commands[i].name).append(")");
    }
    answers[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(answers[0])));
    answers += ". Numbers are read with \".\" as the decimal point and \",\" for grouping.";

    // The commands whose --container takes fewer containers than the others.
    std::string_view widest;
    for (const Command& command : commands)
        widest = std::max(widest, ContainerChoices(command),
                          [](std::string_view a, std::string_view b) { return a.size() < b.size(); });
    std::string encoding =
        "ENCODING is [--container " + std::string(widest) +
        "] [--fps RATE] [--audio-codec mp3|aac|ac3] [--bps]: room for the container's own bytes, and "
        "rates in bits a second as encoders read them";
    for (const Command& command : commands) {
        const std::string_view choices = ContainerChoices(command);
        if (!choices.empty() && choices != widest)
            encoding += "; " + std::string(command.name) + " takes only --container " + std::string(choices);
    }
    encoding += ".";

    return GeneralUsage() + "\n" + Wrapped(answers, kHelpWidth) + "\n" + Wrapped(encoding, kHelpWidth) + "'" +
           std::string(kProgram) +
           " COMMAND --help' describes a command's options.\n"
           "\n"
           "Exit status: 0 with a result, 1 when a value or a file gives none or check finds the file\n"
           "over its size, 2 for a usage error.\n";
}

}  // namespace tessaly::cli
