// Every fill-height table the wizard can produce at 120 pcf, in one pass,
// and how many heap allocations that costs per report line; then the same
// with each table's chart.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdlib>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "filltables/fill_table_chart.h"
#include "filltables/fill_table_request.h"
#include "filltables/wizard_choices.h"

namespace {

std::size_t allocations = 0;

}  // namespace

// Counts every allocation of the process; the matching deletes hand the
// memory back to malloc's free.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
#pragma GCC diagnostic pop

namespace {

// The Load Reduction page's preselection and its suggested value.
constexpr std::array<std::string_view, 2> loadReductionTexts = {"1.0", "0.86"};

struct Sweep {
    std::size_t tables = 0, refused = 0, lines = 0;
};

Sweep generateEveryTable() {
    Sweep sweep;
    csp::forEachWizardRequest("120", loadReductionTexts, [&](csp::FillTableRequest& request) {
        request.report().clear();
        if (!request.generate()) ++sweep.refused;
        sweep.lines += request.report().count();
        ++sweep.tables;
        benchmark::DoNotOptimize(request.report().lines().data());
    });
    return sweep;
}

void everyWizardTable(benchmark::State& state) {
    Sweep sweep;
    const std::size_t before = allocations;
    for (auto _ : state) sweep = generateEveryTable();
    const double passes = static_cast<double>(state.iterations());
    state.counters["tables"] = static_cast<double>(sweep.tables);
    state.counters["refused"] = static_cast<double>(sweep.refused);
    state.counters["lines"] = static_cast<double>(sweep.lines);
    state.counters["allocs/line"] = static_cast<double>(allocations - before) / passes / static_cast<double>(sweep.lines);
}
BENCHMARK(everyWizardTable)->Unit(benchmark::kMillisecond);

// The same pass with each table's chart drawn beside it: what --svg adds.
void everyWizardTableWithChart(benchmark::State& state) {
    std::size_t bytes = 0, charts = 0;
    for (auto _ : state) {
        csp::forEachWizardRequest("120", loadReductionTexts, [&](csp::FillTableRequest& request) {
            request.report().clear();
            if (!request.generate()) return;
            const std::string chart = csp::drawFillTableChart(request);
            bytes += chart.size();
            ++charts;
            benchmark::DoNotOptimize(chart.data());
        });
    }
    state.counters["charts"] = static_cast<double>(charts) / static_cast<double>(state.iterations());
    state.counters["bytes/chart"] = static_cast<double>(bytes) / static_cast<double>(charts);
}
BENCHMARK(everyWizardTableWithChart)->Unit(benchmark::kMillisecond);

// The charts alone, of tables generated beforehand: what a picture costs
// beside everyWizardTable's cost of a report.
void everyWizardChart(benchmark::State& state) {
    std::vector<csp::FillTableRequest> generated;
    csp::forEachWizardRequest("120", loadReductionTexts, [&](csp::FillTableRequest& request) {
        request.report().clear();
        if (request.generate()) generated.push_back(request);
    });
    for (auto _ : state)
        for (const csp::FillTableRequest& request : generated) {
            const std::string chart = csp::drawFillTableChart(request);
            benchmark::DoNotOptimize(chart.data());
        }
    state.counters["charts"] = static_cast<double>(generated.size());
}
BENCHMARK(everyWizardChart)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
