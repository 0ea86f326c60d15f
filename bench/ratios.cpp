// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Ratio table printed after the benchmark report, from the results that report already shows.
#include "ratios.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>

namespace tessaly::bench {

namespace {

// Keeps every run's figures while the console reporter prints them as usual.
class RecordingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.error_occurred) {
                failed_ = true;
                continue;
            }
            if (run.run_type != Run::RT_Iteration && run.aggregate_name != "median")
                continue;
            Figures& figures = figures_[run.run_name.function_name];
            figures["cpu_time"] = run.GetAdjustedCPUTime();
            for (const auto& [name, counter] : run.counters)
                figures[name] = counter.value;
        }
        ConsoleReporter::ReportRuns(runs);
    }

    bool failed() const { return failed_; }

    const double* find(const std::string& name, const std::string& counter) const {
        const auto run = figures_.find(name);
        if (run == figures_.end())
            return nullptr;
        const auto value = run->second.find(counter.empty() ? "cpu_time" : counter);
        return value == run->second.end() ? nullptr : &value->second;
    }

private:
    using Figures = std::map<std::string, double>;
    std::map<std::string, Figures> figures_;
    bool failed_ = false;
};

}  // namespace

double Quantile(std::vector<double> samples, double q) {
    if (samples.empty())
        return 0;
    const auto rank = static_cast<std::size_t>(std::ceil(q * static_cast<double>(samples.size())));
    const auto index = std::min(samples.size() - 1, rank == 0 ? 0 : rank - 1);
    std::nth_element(samples.begin(), samples.begin() + static_cast<std::ptrdiff_t>(index), samples.end());
    return samples[index];
}

int RunAndCompare(int argc, char** argv, const std::vector<Comparison>& comparisons) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    bool missed = false;
    bool header = false;
    for (const Comparison& c : comparisons) {
        const double* subject = reporter.find(c.subject, c.counter);
        const double* baseline = reporter.find(c.baseline, c.counter);
        if (!subject || !baseline || *baseline <= 0)
            continue;
        if (!header) {
            std::printf("\n%-44s %-30s %8s %8s\n", "subject", "baseline", "ratio", "target");
            header = true;
        }
        const double ratio = *subject / *baseline;
        const bool met = c.target <= 0 || ratio <= c.target;
        missed = missed || !met;
        const std::string what = c.counter.empty() ? c.subject : c.subject + " [" + c.counter + "]";
        if (c.target > 0)
            std::printf("%-44s %-30s %7.2fx %7.2fx%s\n", what.c_str(), c.baseline.c_str(), ratio, c.target,
                        met ? "" : "  MISSED");
        else
            std::printf("%-44s %-30s %7.2fx %8s\n", what.c_str(), c.baseline.c_str(), ratio, "-");
    }
    if (missed)
        std::printf(
            "A ratio above its target is marked MISSED; rerun on a quiet machine before profiling.\n");
    return reporter.failed() ? 1 : 0;
}

}  // namespace tessaly::bench
