// Formatting a typical report line with the report formatter and with the
// C library, for comparison.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "shell/number_format.h"

namespace {

constexpr const char* coatingRow = "%-45.45s  %3d          %3d      %3d   %s";
constexpr const char* radiusLine = "    r = (I/A)^\xBD = (%g*12/%g)^\xBD = %g in.";

void reportFormatterCoatingRow(benchmark::State& state) {
    std::string line;
    for (auto _ : state) {
        line.clear();
        csp::formatTo(line, coatingRow, "Polymer Precoated with Polymerized Asphalt", 80, 70, 100, "");
        benchmark::DoNotOptimize(line.data());
    }
}
BENCHMARK(reportFormatterCoatingRow);

void snprintfCoatingRow(benchmark::State& state) {
    char line[128];
    for (auto _ : state) {
        std::snprintf(line, sizeof line, coatingRow, "Polymer Precoated with Polymerized Asphalt", 80, 70, 100, "");
        benchmark::DoNotOptimize(line);
    }
}
BENCHMARK(snprintfCoatingRow);

void reportFormatterRadiusLine(benchmark::State& state) {
    std::string line;
    double inertia = 0.0604, area = 0.775;
    for (auto _ : state) {
        benchmark::DoNotOptimize(inertia);
        line.clear();
        csp::formatTo(line, radiusLine, inertia, area, 0.964311);
        benchmark::DoNotOptimize(line.data());
    }
}
BENCHMARK(reportFormatterRadiusLine);

void snprintfRadiusLine(benchmark::State& state) {
    char line[128];
    double inertia = 0.0604, area = 0.775;
    for (auto _ : state) {
        benchmark::DoNotOptimize(inertia);
        std::snprintf(line, sizeof line, radiusLine, inertia, area, 0.964311);
        benchmark::DoNotOptimize(line);
    }
}
BENCHMARK(snprintfRadiusLine);

void reportFormatterFillCell(benchmark::State& state) {
    std::string line;
    for (auto _ : state) {
        line.clear();
        csp::formatTo(line, "%9.0f%7.0f%4.2f", 53.28125, 30.925, 0.125);
        benchmark::DoNotOptimize(line.data());
    }
}
BENCHMARK(reportFormatterFillCell);

void snprintfFillCell(benchmark::State& state) {
    char line[128];
    for (auto _ : state) {
        std::snprintf(line, sizeof line, "%9.0f%7.0f%4.2f", 53.28125, 30.925, 0.125);
        benchmark::DoNotOptimize(line);
    }
}
BENCHMARK(snprintfFillCell);

}  // namespace

BENCHMARK_MAIN();
