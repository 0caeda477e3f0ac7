// TextToNumber and NumberToText beside the standard conversions they are built on.
#include <benchmark/benchmark.h>

#include <cfloat>
#include <charconv>
#include <cstdio>
#include <string>
#include <vector>

#include "check/numeric_text.h"

namespace {

const std::vector<std::string>& Inputs() {
    static const std::vector<std::string> inputs = {
        "3",
        "2.25",
        "0.0025",
        "1E+16",
        "1234567890123456789012345678901234567890",
        "1." + std::string(999, '7'),
    };
    return inputs;
}

const std::vector<double>& Numbers() {
    static const std::vector<double> numbers = {9, 2.25, 0.0009, 1e16, 1.0 / 3, DBL_MAX};
    return numbers;
}

void TextToNumberBench(benchmark::State& state) {
    const std::string& text = Inputs()[static_cast<std::size_t>(state.range(0))];
    for (auto _ : state) {
        benchmark::DoNotOptimize(TextToNumber(text));
    }
}

void FromCharsBench(benchmark::State& state) {
    const std::string& text = Inputs()[static_cast<std::size_t>(state.range(0))];
    for (auto _ : state) {
        double value;
        benchmark::DoNotOptimize(std::from_chars(text.data(), text.data() + text.size(), value));
        benchmark::DoNotOptimize(value);
    }
}

void NumberToTextBench(benchmark::State& state) {
    const double x = Numbers()[static_cast<std::size_t>(state.range(0))];
    for (auto _ : state) {
        benchmark::DoNotOptimize(NumberToText(x, "."));
    }
}

void ToCharsBench(benchmark::State& state) {
    const double x = Numbers()[static_cast<std::size_t>(state.range(0))];
    char buffer[32];
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::general, 15));
        benchmark::ClobberMemory();
    }
}

void SnprintfBench(benchmark::State& state) {
    const double x = Numbers()[static_cast<std::size_t>(state.range(0))];
    char buffer[32];
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::snprintf(buffer, sizeof buffer, "%.15G", x));
        benchmark::ClobberMemory();
    }
}

}  // namespace

BENCHMARK(TextToNumberBench)->DenseRange(0, 5);
BENCHMARK(FromCharsBench)->DenseRange(0, 5);
BENCHMARK(NumberToTextBench)->DenseRange(0, 5);
BENCHMARK(ToCharsBench)->DenseRange(0, 5);
BENCHMARK(SnprintfBench)->DenseRange(0, 5);
