// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs tessaly-bitrate-calc's whole command line, the input's lines being its arguments, through
// the entry main runs, and holds what it prints to its promise: status 0 prints a result;
// status 2 prints nothing on standard output and one line and the usage on standard error;
// status 1 prints one line and nothing else, or, for an answer that is no real one, its figures
// with warnings only. Commands that read files are left out: they are the film reader's
// fuzz target's business, and a fuzzer must not wander the file system.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cli/run.h"
#include "fuzz/check.h"

namespace {

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        lines.push_back(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    return lines;
}

bool ReadsFiles(std::string_view arg) {
    return arg == "probe" || arg == "check" || arg.starts_with("--length-of");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tessaly;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> args;
    for (std::size_t start = 0; start <= input.size();) {
        const std::size_t end = std::min(input.find('\n', start), input.size());
        args.push_back(input.substr(start, end - start));
        start = end + 1;
    }
    if (std::any_of(args.begin(), args.end(), ReadsFiles))
        return 0;

    const cli::Run run = cli::RunCommandLine(args);
    const std::vector<std::string_view> err = Lines(run.err);
    const std::string detail =
        "status " + std::to_string(run.status) + "\nout: " + run.out + "\nerr: " + run.err;
    const auto complaint = [](std::string_view line) { return line.starts_with("tessaly-bitrate-calc: "); };
    const auto warning = [](std::string_view line) {
        return line.starts_with("tessaly-bitrate-calc: warning: ");
    };
    TESSALY_CHECK(run.out.empty() || run.out.back() == '\n', input, detail);
    TESSALY_CHECK(run.err.empty() || run.err.back() == '\n', input, detail);
    switch (run.status) {
    case 0:
        TESSALY_CHECK(!run.out.empty(), input, detail);
        TESSALY_CHECK(std::all_of(err.begin(), err.end(), warning), input, detail);
        break;
    case 1:
        TESSALY_CHECK(!err.empty() && std::all_of(err.begin(), err.end(), complaint), input, detail);
        if (!run.out.empty() || err.size() > 1)
            TESSALY_CHECK(std::all_of(err.begin(), err.end(), warning), input, detail);
        break;
    case 2:
        TESSALY_CHECK(
            run.out.empty() && err.size() >= 2 && complaint(err[0]) && err[1].starts_with("usage: "), input,
            detail);
        TESSALY_CHECK(std::all_of(err.begin() + 2, err.end(),
                                  [](std::string_view l) { return l.starts_with("       "); }),
                      input, detail);
        break;
    default:
        TESSALY_CHECK(false, input, detail);
    }
    return 0;
}
