// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/arguments.h"

#include <algorithm>
#include <cctype>

namespace tessaly::cli {

namespace {

std::string Dashed(std::string_view name) { return "--" + std::string(name); }

// "-x" or "-frob", which no command takes; "-5" and "-.5" are negative numbers, and "-" a word.
bool LooksLikeShortOption(std::string_view arg) {
    return arg.size() > 1 && arg[0] == '-' && arg[1] != '-' &&
           !std::isdigit(static_cast<unsigned char>(arg[1])) && arg[1] != '.';
}

}  // namespace

std::string_view Arguments::get(std::string_view name) const {
    const auto found = options.find(name);
    return found == options.end() || found->second.empty() ? std::string_view()
                                                           : std::string_view(found->second.front());
}

std::span<const std::string> Arguments::values(std::string_view name) const {
    const auto found = options.find(name);
    return found == options.end() ? std::span<const std::string>() : std::span(found->second);
}

std::string_view Arguments::require(std::string_view name) const {
    if (!has(name))
        throw UsageError("missing option " + Dashed(name));
    return get(name);
}

void Arguments::exclusive(std::string_view first, std::string_view second) const {
    if (has(first) && has(second))
        throw UsageError(Dashed(first) + " and " + Dashed(second) + " exclude each other");
}

Arguments ParseArguments(std::span<const std::string_view> args, std::span<const OptionKind> known) {
    Arguments parsed;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (!optionsEnded && LooksLikeShortOption(arg))
            throw UsageError("unknown option " + std::string(arg));
        if (optionsEnded || !arg.starts_with("--")) {
            parsed.positionals.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string_view name = arg.substr(2, equals == std::string_view::npos ? arg.npos : equals - 2);
        const auto option =
            std::find_if(known.begin(), known.end(), [name](const OptionKind& k) { return k.name == name; });
        if (option == known.end())
            throw UsageError("unknown option " + Dashed(name));
        if (parsed.has(name) && option->arity != Arity::Repeated)
            throw UsageError("option " + Dashed(name) + " given twice");

        std::vector<std::string>& values = parsed.options[std::string(name)];
        if (equals != std::string_view::npos) {
            if (option->arity == Arity::Flag)
                throw UsageError("option " + Dashed(name) + " takes no value");
            values.emplace_back(arg.substr(equals + 1));
        } else if (option->arity != Arity::Flag) {
            if (i + 1 == args.size() || args[i + 1].starts_with("--"))
                throw UsageError(Dashed(name) + " needs a value");
            values.emplace_back(args[++i]);
        }
        while (option->arity == Arity::Many && i + 1 < args.size() && !args[i + 1].starts_with("--"))
            values.emplace_back(args[++i]);
    }
    return parsed;
}

}  // namespace tessaly::cli
