// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How fast the numeric rules read and write numbers next to the standard library doing the
// same conversions, and what one run of each calculator costs from field texts to output texts.
#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <cmath>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "core/audio_bitrate.h"
#include "core/data_units.h"
#include "core/hd_space.h"
#include "core/numbers.h"
#include "core/video_bitrate.h"
#include "ratios.h"

namespace tessaly::bench {
namespace {

const Separators kSeparators;  // '.' and ','

// Texts a user types, in four forms. `plain` is the same number as std::from_chars must be
// given it: from_chars knows no grouping, so a grouped text's baseline is its ungrouped twin.
struct TextCase {
    std::string_view typed;
    std::string_view plain;
};

struct TextSet {
    const char* name;
    std::vector<TextCase> cases;
};

const std::vector<TextSet>& TextSets() {
    static const std::vector<TextSet> sets = {
        {"integers",
         {{"827", "827"},
          {"700", "700"},
          {"1700", "1700"},
          {"100", "100"},
          {"5872025600", "5872025600"},
          {"-5", "-5"},
          {"0", "0"},
          {"734003200", "734003200"}}},
        {"decimals",
         {{"683.5", "683.5"},
          {"0.333333333333333", "0.333333333333333"},
          {"172.266", "172.266"},
          {"5.46875", "5.46875"},
          {".5", ".5"},
          {"0.68359375", "0.68359375"},
          {"1098.6", "1098.6"},
          {"-12.25", "-12.25"}}},
        {"exponents",
         {{"1e3", "1e3"},
          {"9.31322574615479E-10", "9.31322574615479E-10"},
          {"1E+15", "1E+15"},
          {"6.02214076e23", "6.02214076e23"},
          {"2.5e-5", "2.5e-5"},
          {"1E-05", "1E-05"},
          {"9.00719925474099E+15", "9.00719925474099E+15"},
          {"-3e100", "-3e100"}}},
        {"grouped",
         {{"1,024", "1024"},
          {"5,872,025,600", "5872025600"},
          {"1,234,567.89", "1234567.89"},
          {"734,003,200", "734003200"},
          {"10,000", "10000"},
          {"-1,700", "-1700"},
          {"999,999,999,999", "999999999999"},
          {"65,536.5", "65536.5"}}},
    };
    return sets;
}

// Both readers must agree on every text, or the race between them means nothing.
bool ReadersAgree(const TextSet& set) {
    for (const TextCase& c : set.cases) {
        double expected = 0;
        const auto [end, ec] = std::from_chars(c.plain.data(), c.plain.data() + c.plain.size(), expected);
        const NumberResult read = FieldToNumber(c.typed, kSeparators);
        if (ec != std::errc() || end != c.plain.data() + c.plain.size() || !read.ok() ||
            read.value != expected)
            return false;
    }
    return true;
}

void ReadWithFieldToNumber(benchmark::State& state, const TextSet* set) {
    if (!ReadersAgree(*set))
        state.SkipWithError("FieldToNumber and std::from_chars read these texts differently");
    for (auto _ : state) {
        for (const TextCase& c : set->cases)
            benchmark::DoNotOptimize(FieldToNumber(c.typed, kSeparators));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(set->cases.size()));
}

void ReadWithFromChars(benchmark::State& state, const TextSet* set) {
    for (auto _ : state) {
        for (const TextCase& c : set->cases) {
            double value = 0;
            benchmark::DoNotOptimize(std::from_chars(c.plain.data(), c.plain.data() + c.plain.size(), value));
            benchmark::DoNotOptimize(value);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(set->cases.size()));
}

// Doubles across the whole range a result can take: each decade from 1e-300 to 1e300 with a
// random significand, both signs, and the integers and fractions the calculators write.
const std::vector<double>& Doubles() {
    static const std::vector<double> values = [] {
        std::vector<double> v = {827,        94,      606,        1704,    135,  128,
                                 5872025600, 5.46875, 0.68359375, 1.0 / 3, 683.5};
        std::mt19937_64 random(20240601);
        std::uniform_real_distribution<double> significand(1, 10);
        for (int exponent = -300; exponent <= 300; exponent += 7) {
            const double x = significand(random) * std::pow(10.0, exponent);
            v.push_back(exponent % 2 ? -x : x);
        }
        return v;
    }();
    return values;
}

void WriteWithNumberToText(benchmark::State& state) {
    for (auto _ : state) {
        for (double x : Doubles())
            benchmark::DoNotOptimize(NumberToText(x));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(Doubles().size()));
}

void WriteWithToChars(benchmark::State& state) {
    std::array<char, 32> buffer{};
    for (auto _ : state) {
        for (double x : Doubles()) {
            benchmark::DoNotOptimize(std::to_chars(buffer.data(), buffer.data() + buffer.size(), x,
                                                   std::chars_format::scientific, 14));
            benchmark::ClobberMemory();
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(Doubles().size()));
}

// One run of each calculator as its tab makes it: the window's start-up figures.
void VideoBitrate(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(CalcVideoBitrate("100", "128", "700", kSeparators));
}

void HdSpace(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(CalcHDSpace("100", "827", WavRate::Rate48kHz, "224", kSeparators));
}

void AudioBitrate(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(CalcAudioBitrate("100", "1700", "700", WavRate::Rate48kHz, kSeparators));
}

void DataConversion(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(ConvertData("700", DataUnit::Megabytes, kSeparators));
}

std::vector<Comparison> Register() {
    std::vector<Comparison> comparisons;
    for (const TextSet& set : TextSets()) {
        const std::string subject = std::string("FieldToNumber/") + set.name;
        const std::string baseline = std::string("std::from_chars/") + set.name;
        benchmark::RegisterBenchmark(subject.c_str(), ReadWithFieldToNumber, &set);
        benchmark::RegisterBenchmark(baseline.c_str(), ReadWithFromChars, &set);
        comparisons.push_back({subject, baseline, "", 2.0});
    }
    benchmark::RegisterBenchmark("NumberToText", WriteWithNumberToText);
    benchmark::RegisterBenchmark("std::to_chars/scientific14", WriteWithToChars);
    comparisons.push_back({"NumberToText", "std::to_chars/scientific14", "", 1.5});

    benchmark::RegisterBenchmark("CalcVideoBitrate", VideoBitrate);
    benchmark::RegisterBenchmark("CalcHDSpace", HdSpace);
    benchmark::RegisterBenchmark("CalcAudioBitrate", AudioBitrate);
    benchmark::RegisterBenchmark("ConvertData", DataConversion);
    return comparisons;
}

}  // namespace
}  // namespace tessaly::bench

int main(int argc, char** argv) {
    const auto comparisons = tessaly::bench::Register();
    return tessaly::bench::RunAndCompare(argc, argv, comparisons);
}
