// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/run.h"

#include <algorithm>
#include <vector>

#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/json.h"

namespace tessaly::cli {

namespace {

enum class Form { Lines, Value, Json };

std::string Format(const Report& report, Form form) {
    std::string out;
    if (form == Form::Value)
        return report.verdict.empty() ? report.results.front().text + "\n" : "";
    if (form == Form::Json) {
        for (const Result& r : report.results) {
            if (r.key.empty())
                continue;
            out += out.empty() ? "{\"" : ",\"";
            out += r.key;
            out += "\":";
            out += r.json.empty() ? JsonNumber(r.value) : r.json;
        }
        if (!report.verdict.empty())
            out += ",\"verdict\":" + JsonString(report.verdict);
        return out + "}\n";
    }
    for (const Result& r : report.results) {
        if (r.jsonOnly)
            continue;
        if (!r.caption.empty())
            out.append(r.caption).append(": ");
        out += r.text;
        if (!r.unit.empty())
            out.append(" ").append(r.unit);
        out += "\n";
    }
    return out;
}

std::string Complaint(std::string_view message) {
    return std::string(kProgram).append(": ").append(message).append("\n");
}

bool AskedForHelp(std::span<const std::string_view> args) {
    const auto end = std::find(args.begin(), args.end(), "--");
    return std::find(args.begin(), end, "--help") != end || std::find(args.begin(), end, "-h") != end;
}

// A usage error's message and the usage it breaks: the command's own, or every command's.
Run UsageFailure(std::string_view message, const Command* command) {
    return {2, "", Complaint(message) + (command ? command->usage() : GeneralUsage())};
}

}  // namespace

Run RunCommandLine(std::span<const std::string_view> argv) {
    if (argv.empty())
        return UsageFailure("no command given", nullptr);
    const std::string_view name = argv.front();
    if (name == "--help" || name == "-h")
        return {0, GeneralHelp(), ""};
    if (name == "--version")
        return {0, std::string(kProgram).append(" " TESSALY_VERSION "\n"), ""};

    const auto commands = Commands();
    const auto command =
        std::find_if(commands.begin(), commands.end(), [name](const Command& c) { return c.name == name; });
    if (command == commands.end())
        return UsageFailure(name.starts_with("-") ? "unknown option " + std::string(name)
                                                  : "unknown command \"" + std::string(name) + "\"",
                            nullptr);
    const std::span<const std::string_view> rest = argv.subspan(1);
    if (AskedForHelp(rest))
        return {0, command->help(), ""};

    try {
        const Arguments args = ParseArguments(rest, command->options());
        const bool operands = std::any_of(command->entries.begin(), command->entries.end(),
                                          [](const HelpEntry& e) { return e.option.empty(); });
        if (!operands && !args.positionals.empty())
            throw UsageError("unexpected argument \"" + std::string(args.positionals.front()) + "\"");
        args.exclusive("value", "json");
        const Report report = command->run(args);
        const Form form = args.has("json")                                         ? Form::Json
                          : args.has("value") || args.has("to") || report.textOnly ? Form::Value
                                                                                   : Form::Lines;
        std::string err;
        for (const std::string& warning : report.warnings)
            err += Complaint("warning: " + warning);
        if (!report.verdict.empty())
            err += Complaint("warning: " + report.verdict);
        return {report.verdict.empty() ? 0 : 1, Format(report, form), err, true};
    } catch (const UsageError& error) {
        return UsageFailure(error.what(), &*command);
    } catch (const ValueError& error) {
        return {1, "", Complaint(error.what())};
    }
}

}  // namespace tessaly::cli
