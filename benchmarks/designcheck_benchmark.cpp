// Complete design-check reports over a sweep of catalog combinations: every
// shape, profile, corner radius, size, thickness, seam type and offered
// installation, under each method and live load; and their pictures.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "designcheck/design_check.h"
#include "designcheck/design_check_pages.h"
#include "designcheck/design_check_picture.h"

namespace {

using namespace csp::designcheck;

struct Combination {
    MainPageEntries main;
    PropertiesPageEntries properties;
};

std::vector<Combination> sweep() {
    std::vector<Combination> combinations;
    const char* covers[] = {"1.5", "4", "12"};
    for (int shape = 0; shape < 3; ++shape) {
        const std::size_t profiles = profileEntries(static_cast<StructureShape>(shape)).size();
        for (int profile = 0; profile < static_cast<int>(profiles); ++profile) {
            const std::size_t radii = cornerRadiusEntries(static_cast<StructureShape>(shape), profile).size();
            for (int radius = 0; radius < static_cast<int>(radii); ++radius) {
                for (int method = 0; method < 6; ++method) {
                    Combination c;
                    c.main.shape = shape;
                    c.main.profileEntry = profile;
                    c.main.cornerRadiusEntry = radius;
                    c.main.method = method;
                    c.main.liveLoad = (profile + method) % 3;
                    c.main.coverText = covers[(shape + profile + method) % 3];
                    c.main.cornerPressureText = "4000";
                    DesignCheck lists;
                    storeMainPageSelections(c.main, lists);
                    const auto installations = installationTypeEntries(lists);
                    if (installations.empty()) continue;
                    const std::size_t sizes = shape == 0 ? 1 : spanEntries(lists).size();
                    const std::size_t thicknesses = thicknessEntries(lists).size();
                    for (std::size_t size = 0; size < sizes; size += 3) {
                        for (std::size_t thickness = 0; thickness < thicknesses; ++thickness) {
                            for (std::string_view corrugation : corrugationTypeEntries(lists)) {
                                for (std::string_view installation : installations) {
                                    c.properties.sizeEntry = static_cast<int>(size);
                                    c.properties.spanText = std::to_string(24 + 12 * thickness);
                                    c.properties.thicknessEntry = static_cast<int>(thickness);
                                    c.properties.corrugationTypeText = corrugation;
                                    c.properties.installationTypeText = std::string(installation);
                                    combinations.push_back(c);
                                }
                            }
                        }
                    }
                }
            }
        }
    }
    return combinations;
}

// The next combination stored as the pages store it.
void storeNext(const std::vector<Combination>& combinations, std::size_t& next, DesignCheck& check) {
    const Combination& c = combinations[next];
    next = next + 1 == combinations.size() ? 0 : next + 1;
    acceptMainPage(c.main, check);
    acceptPropertiesPage(c.properties, check);
    if (reductionPageAsked(check)) acceptReductionPage("0.86", check);
}

// Each combination is stored as the pages store it, then run.
void completeReports(benchmark::State& state) {
    const std::vector<Combination> combinations = sweep();
    DesignCheck check;
    std::size_t next = 0;
    std::size_t lines = 0;
    for (auto _ : state) {
        storeNext(combinations, next, check);
        check.run();
        lines += check.reportLines().count();
        benchmark::DoNotOptimize(check.reportLines().lines().data());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
    state.counters["combinations"] = static_cast<double>(combinations.size());
    state.counters["lines/report"] = static_cast<double>(lines) / static_cast<double>(state.iterations());
}
BENCHMARK(completeReports);

// The same checks computed without writing a report: what check and select
// ask for.
void recordsOnly(benchmark::State& state) {
    const std::vector<Combination> combinations = sweep();
    DesignCheck check;
    std::size_t next = 0;
    for (auto _ : state) {
        storeNext(combinations, next, check);
        check.compute();
        benchmark::DoNotOptimize(check.result().checks.data());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(recordsOnly);

// The picture of each checked structure, drawn from the run that wrote its
// report: what --svg adds to a report.
void pictures(benchmark::State& state) {
    const std::vector<Combination> combinations = sweep();
    std::vector<std::unique_ptr<DesignCheck>> checks;
    for (const Combination& c : combinations) {
        checks.push_back(std::make_unique<DesignCheck>());
        acceptMainPage(c.main, *checks.back());
        acceptPropertiesPage(c.properties, *checks.back());
        if (reductionPageAsked(*checks.back())) acceptReductionPage("0.86", *checks.back());
        checks.back()->run();
    }
    std::size_t next = 0, bytes = 0;
    for (auto _ : state) {
        const std::string picture = drawDesignCheckPicture(*checks[next]);
        next = next + 1 == checks.size() ? 0 : next + 1;
        bytes += picture.size();
        benchmark::DoNotOptimize(picture.data());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
    state.counters["bytes/picture"] = static_cast<double>(bytes) / static_cast<double>(state.iterations());
}
BENCHMARK(pictures);

}  // namespace

BENCHMARK_MAIN();
