// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// tessaly-bitrate-calc: the calculator's calculations for scripts, with exactly the window's
// numbers.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command.h"
#include "cli/run.h"

namespace {

bool Write(std::FILE* stream, std::string_view text) {
    return std::fwrite(text.data(), 1, text.size(), stream) == text.size() && std::fflush(stream) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace tessaly::cli;
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const Run run = RunCommandLine(args);
    if (!Write(stdout, run.out)) {
        if (run.result)
            Write(stderr, std::string(kProgram) + ": cannot write the result\n");
        return 1;
    }
    Write(stderr, run.err);
    return run.status;
}
