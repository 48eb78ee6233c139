// Heap allocations while tables are computed: none per cell, about one per
// report line. This program counts every operator new of the process.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "filltables/max_cover.h"
#include "filltables/wizard_choices.h"

namespace {
std::size_t allocations = 0;
}

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

namespace csp {
namespace {

TEST(Allocations, ComputingCellsAllocatesNothing) {
    const std::size_t before = allocations;
    for (LiveLoad load : {LiveLoad::H20, LiveLoad::H25, LiveLoad::E80})
        for (double span = 12; span <= 312; span += 6) {
            const WallCell cell = {.liveLoad = load,
                                   .bucklingEquation = BucklingEquation::Aisi,
                                   .span = span,
                                   .inertia = 1.99 / 12,
                                   .area = 4.119 / 12,
                                   .seamStrengthUpTo36 = 144000,
                                   .seamStrengthOver36 = 144000,
                                   .flexibilityLimit = 0.02,
                                   .seamSafetyFactor = 2.0,
                                   .loadReductionFactor = 0.86,
                                   .minimumCover = 24,
                                   .designMethod = DesignMethod::Lrfd,
                                   .fillDensity = 120};
            double maxCover = 0.0;
            EXPECT_TRUE(computeMaxCover(cell, maxCover));
        }
    EXPECT_EQ(allocations - before, 0u);
}

TEST(Allocations, EveryWizardTableCostsAboutOneAllocationPerLine) {
    constexpr std::array<std::string_view, 1> loadReductions = {"0.86"};
    std::size_t tables = 0;
    forEachWizardRequest("120", loadReductions, [&](FillTableRequest& request) {
        FillTableRequest fresh = request;
        fresh.report() = ReportListing();
        const std::size_t before = allocations;
        (void)fresh.generate();
        const std::size_t used = allocations - before;
        // One per line, plus the listing's growth, the scratch line and the
        // criteria block's joined texts: nothing that grows with the cells.
        EXPECT_LE(used, fresh.report().count() + 24) << request.shape();
        ++tables;
    });
    EXPECT_GT(tables, 500u);
}

}  // namespace
}  // namespace csp
