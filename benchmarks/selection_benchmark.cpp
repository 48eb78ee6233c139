// The pipe selection of one round site: every wall of all eight round pipe
// profiles walked over a 2 to 30 ft cover range, with each wall's life, as
// csp-report select computes it; and its report and chart written.
#include <benchmark/benchmark.h>

#include "selection/selection.h"
#include "selection/selection_chart.h"
#include "selection/selection_report.h"

namespace {

using namespace csp::selection;

csp::Entries roundSite() {
    csp::Entries site;
    site.set("span", "60");
    site.set("min-cover", "2");
    site.set("max-cover", "30");
    site.set("life", "75");
    site.set("ph", "6.5");
    site.set("resistivity", "3000");
    return site;
}

void roundSiteTwoToThirtyFeet(benchmark::State& state) {
    const csp::Entries site = roundSite();
    std::size_t alternatives = 0;
    for (auto _ : state) {
        SelectionResult result;
        benchmark::DoNotOptimize(computeSelection(site, result).ok());
        alternatives = result.alternatives.size();
    }
    state.counters["alternatives"] = static_cast<double>(alternatives);
}
BENCHMARK(roundSiteTwoToThirtyFeet)->Unit(benchmark::kMillisecond);

void reportAndChart(benchmark::State& state) {
    SelectionResult result;
    computeSelection(roundSite(), result);
    for (auto _ : state) {
        csp::ReportListing listing;
        appendSelectionReport(result, listing);
        const std::string chart = drawSelectionChart(result);
        benchmark::DoNotOptimize(chart.data());
    }
}
BENCHMARK(reportAndChart)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
