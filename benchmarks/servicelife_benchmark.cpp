// A service-life report and its chart, through the program's front door,
// over the page's gages and abrasion levels; and each saved to a file.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "servicelife/service_life_entries.h"
#include "shell/listing_file.h"
#include "shell/svg_writer.h"

namespace {

std::vector<csp::Entries> grid() {
    std::vector<csp::Entries> entries;
    for (const char* gage : {"18", "16", "14", "12", "10", "8"})
        for (const char* abrasion : {"1", "2", "3", "4"}) {
            csp::Entries e;
            e.set("gage", gage);
            e.set("abrasion", abrasion);
            e.set("resistivity", "2000");
            e.set("ph", "6.5");
            entries.push_back(e);
        }
    return entries;
}

void report(benchmark::State& state) {
    const std::vector<csp::Entries> entries = grid();
    std::size_t next = 0;
    for (auto _ : state) {
        csp::ReportListing listing;
        benchmark::DoNotOptimize(csp::produceServiceLife(entries[next], listing));
        next = (next + 1) % entries.size();
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(report);

void reportWithChart(benchmark::State& state) {
    const std::vector<csp::Entries> entries = grid();
    std::size_t next = 0;
    for (auto _ : state) {
        csp::ReportListing listing;
        std::string chart;
        benchmark::DoNotOptimize(csp::produceServiceLife(entries[next], listing, &chart));
        next = (next + 1) % entries.size();
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(reportWithChart);

// What the user waits for with -o and --svg: the report saved as Save As
// saves it (a temporary file, synced and moved over the target), and the
// picture saved the same way.
void saveReportAndChart(benchmark::State& state) {
    const std::string folder = std::filesystem::temp_directory_path().string();
    const std::string report = folder + "/servicelife-benchmark.txt", chart = folder + "/servicelife-benchmark.svg";
    csp::ReportListing listing;
    std::string picture;
    (void)csp::produceServiceLife(grid().front(), listing, &picture);
    for (auto _ : state) {
        if (state.range(0) == 0)
            benchmark::DoNotOptimize(csp::writeListingFile(&listing, report));
        else
            benchmark::DoNotOptimize(csp::writePictureFile(picture, chart));
    }
    std::filesystem::remove(report);
    std::filesystem::remove(chart);
}
BENCHMARK(saveReportAndChart)->Arg(0)->Arg(1)->ArgName("picture")->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
