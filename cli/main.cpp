// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// tessaly-bitrate-calc: the calculator's four calculations for scripts, with exactly the
// window's numbers.

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "cli/arguments.h"
#include "cli/commands.h"

namespace tessaly::cli {

namespace {

constexpr std::string_view kHelp =
    "\n"
    "The video bitrate that makes a film fill a file of the desired size (video), the disk\n"
    "space of the intermediate AVI (hd-space), the audio bitrate still affordable once the AVI\n"
    "exists (audio), and an amount of data in bits, bytes and their 1024-based multiples\n"
    "(convert). Numbers are read with \".\" as the decimal point and \",\" for grouping.\n"
    "\n"
    "ENCODING is [--container avi|mkv|mp4] [--fps RATE] [--audio-codec mp3|aac|ac3] [--bps]:\n"
    "room for the container's own bytes, and rates in bits a second as encoders read them;\n"
    "hd-space takes only --container avi.\n"
    "'tessaly-bitrate-calc COMMAND --help' describes a command's options.\n"
    "\n"
    "Exit status: 0 with a result, 1 when a value gives none, 2 for a usage error.\n";

// The shortest text that reads back to the same double, and never "-0".
std::string JsonNumber(double x) {
    if (x == 0)
        x = 0;
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, x);
    return error == std::errc() ? std::string(buffer, end) : "null";
}

enum class Form { Lines, Value, Json };

std::string Format(const Report& report, Form form) {
    std::string out;
    if (form == Form::Value)
        return report.results.front().text + "\n";
    if (form == Form::Json) {
        for (const Result& r : report.results) {
            out += out.empty() ? "{\"" : ",\"";
            out += r.key;
            out += "\":";
            out += r.value ? JsonNumber(*r.value) : "null";
        }
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

bool Write(std::FILE* stream, std::string_view text) {
    return std::fwrite(text.data(), 1, text.size(), stream) == text.size() && std::fflush(stream) == 0;
}

void Complain(std::string_view message) {
    Write(stderr, std::string(kProgram).append(": ").append(message).append("\n"));
}

bool AskedForHelp(const std::vector<std::string_view>& args) {
    const auto end = std::find(args.begin(), args.end(), "--");
    return std::find(args.begin(), end, "--help") != end || std::find(args.begin(), end, "-h") != end;
}

// Writes a usage error's message and the usage it breaks: the command's own, or every command's.
int UsageFailure(const UsageError& error, const Command* command) {
    Complain(error.message);
    Write(stderr, command ? command->usage() : GeneralUsage());
    return 2;
}

int Run(const std::vector<std::string_view>& argv) {
    if (argv.empty())
        return UsageFailure({"no command given"}, nullptr);
    const std::string_view name = argv.front();
    if (name == "--help" || name == "-h")
        return Write(stdout, GeneralUsage().append(kHelp)) ? 0 : 1;
    if (name == "--version")
        return Write(stdout, std::string(kProgram).append(" " TESSALY_VERSION "\n")) ? 0 : 1;

    const auto commands = Commands();
    const auto command =
        std::find_if(commands.begin(), commands.end(), [name](const Command& c) { return c.name == name; });
    if (command == commands.end())
        return UsageFailure({name.starts_with("-") ? "unknown option " + std::string(name)
                                                   : "unknown command \"" + std::string(name) + "\""},
                            nullptr);
    const std::vector<std::string_view> rest(argv.begin() + 1, argv.end());
    if (AskedForHelp(rest))
        return Write(stdout, command->help()) ? 0 : 1;

    Report report;
    Form form = Form::Lines;
    try {
        const Arguments args = ParseArguments(rest, command->options());
        if (!command->takesUnits && !args.positionals.empty())
            throw UsageError{"unexpected argument \"" + std::string(args.positionals.front()) + "\""};
        args.exclusive("value", "json");
        form = args.has("json")                      ? Form::Json
               : args.has("value") || args.has("to") ? Form::Value
                                                     : Form::Lines;
        report = command->run(args);
    } catch (const UsageError& error) {
        return UsageFailure(error, &*command);
    }
    if (!Write(stdout, Format(report, form))) {
        Complain("cannot write the result");
        return 1;
    }
    if (!report.warning.empty())
        Complain(report.warning);
    return 0;
}

}  // namespace

}  // namespace tessaly::cli

int main(int argc, char** argv) {
    using namespace tessaly::cli;
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    try {
        return Run(args);
    } catch (const ValueError& error) {
        Complain(error.message);
        return 1;
    }
}
