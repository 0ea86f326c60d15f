// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/run.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "cli/arguments.h"
#include "cli/command.h"

namespace tessaly::cli {

namespace {

// The shortest text that reads back to the same double, and never "-0".
std::string JsonNumber(double x) {
    if (x == 0)
        x = 0;
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, x);
    return error == std::errc() ? std::string(buffer, end) : "null";
}

enum class Form { Lines, Value, Json };

// A JSON string: the text between quotes, its quotes, backslashes and control characters escaped.
std::string JsonString(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            static constexpr char kHex[] = "0123456789abcdef";
            out += "\\u00";
            out += kHex[(c >> 4) & 0xf];
            out += kHex[c & 0xf];
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string Format(const Report& report, Form form) {
    std::string out;
    if (form == Form::Value)
        return report.verdict.empty() ? report.results.front().text + "\n" : "";
    if (form == Form::Json) {
        for (const Result& r : report.results) {
            out += out.empty() ? "{\"" : ",\"";
            out += r.key;
            out += "\":";
            out += r.value ? JsonNumber(*r.value) : "null";
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
        if (!command->takesUnits && !args.positionals.empty())
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
