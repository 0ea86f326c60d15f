// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The whole of tessaly-bitrate-calc but for writing: its arguments in, what it prints on each
// stream and its exit status out, so that the program and the fuzz target run the same entry.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace tessaly::cli {

struct Run {
    int status = 0;       // 0 with a result, 1 when a value gives none, 2 for a usage error
    std::string out;      // for standard output
    std::string err;      // for standard error, written after it
    bool result = false;  // `out` holds a result, whose failed writing is worth a message
};

// The program's arguments, without its own name.
Run RunCommandLine(std::span<const std::string_view> args);

}  // namespace tessaly::cli
