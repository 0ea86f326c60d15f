// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/arguments.h"

#include <algorithm>

namespace tessaly::cli {

namespace {

std::string Dashed(std::string_view name) { return "--" + std::string(name); }

}  // namespace

std::string_view Arguments::get(std::string_view name) const {
    const auto found = options.find(name);
    return found == options.end() ? std::string_view() : std::string_view(found->second);
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
        if (parsed.has(name))
            throw UsageError("option " + Dashed(name) + " given twice");

        std::string value;
        if (equals != std::string_view::npos) {
            if (!option->takesValue)
                throw UsageError("option " + Dashed(name) + " takes no value");
            value = arg.substr(equals + 1);
        } else if (option->takesValue) {
            if (i + 1 == args.size() || args[i + 1].starts_with("--"))
                throw UsageError(Dashed(name) + " needs a value");
            value = args[++i];
        }
        parsed.options.emplace(name, std::move(value));
    }
    return parsed;
}

}  // namespace tessaly::cli
