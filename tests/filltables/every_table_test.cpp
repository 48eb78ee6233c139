#include <gtest/gtest.h>

#include "filltables/shape_table.h"
#include "filltables/wizard_choices.h"

namespace csp {
namespace {

// Every table the wizard can ask for, at the lightest and heaviest soil it
// accepts and with load reduction factors down to the smallest double, is
// produced; only the rib pipe under railroad loading is refused.
TEST(EveryWizardTable, IsProducedOrRefusedForRailroadRibPipe) {
    constexpr std::array<std::string_view, 3> loadReductions = {"1.0", "0.86", "4.9e-324"};
    for (const char* density : {"1", "120", "10000"}) {
        std::size_t tables = 0;
        forEachWizardRequest(density, loadReductions, [&](FillTableRequest& request) {
            request.report().clear();
            ++tables;
            const Outcome generated = request.generate();
            if (generated) {
                // Under the heaviest soil a round table may end before its first row.
                EXPECT_GE(request.report().count(), 9u);
                return;
            }
            const ShapeSpec& spec = *shapeSpecOf(request.shape());
            EXPECT_TRUE(spec.isRibProfile() && spec.round && request.liveLoad() == LiveLoad::E80)
                << request.shape() << " " << generated.message;
            EXPECT_EQ(generated.message, "Railroad loadings not available for this product.");
        });
        EXPECT_GT(tables, 1000u);
    }
}

}  // namespace
}  // namespace csp
