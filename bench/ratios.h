// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs a benchmark program and prints, after Google Benchmark's own table, how each measured
// routine compares with its baseline measured in the same run, as a ratio against a target.
#pragma once

#include <string>
#include <vector>

namespace tessaly::bench {

// One line of the ratio table: `subject` against `baseline`, both benchmark names as reported.
// `counter` names the user counter to compare; empty compares the CPU time per iteration,
// which other programs sharing the processor disturb less than the wall time.
struct Comparison {
    std::string subject;
    std::string baseline;
    std::string counter;
    double target = 0;  // the largest acceptable ratio; 0 for none
};

// Parses the command line, runs the benchmarks it selects and prints the ratio table for every
// comparison whose two sides both ran. Returns the program's exit status: 1 when a benchmark
// reported an error, else 0 (a missed target is marked in the table, as timing is noisy).
int RunAndCompare(int argc, char** argv, const std::vector<Comparison>& comparisons);

// The value at quantile q (0..1) of `samples`, by the nearest rank; 0 when there are none.
double Quantile(std::vector<double> samples, double q);

}  // namespace tessaly::bench
