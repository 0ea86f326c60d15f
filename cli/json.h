// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// JSON values as the command writes them.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tessaly::cli {

// The shortest text that reads back to the same double, and never "-0"; null for none:
//   827 -> 827, 0.1 -> 0.1, -0.0 -> 0, 1e21 -> 1e+21
std::string JsonNumber(std::optional<double> x);

// A JSON string: the text between quotes, its quotes, backslashes and control characters
// escaped: a"b\ -> "a\"b\\", a tab -> "\u0009"
std::string JsonString(std::string_view text);

// A list of texts: {"a.vob", "b.vob"} -> ["a.vob","b.vob"]
std::string JsonStrings(std::span<const std::string> texts);

}  // namespace tessaly::cli
