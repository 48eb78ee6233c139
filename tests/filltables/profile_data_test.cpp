#include <gtest/gtest.h>

#include <span>

#include "filltables/arch_tables.h"
#include "filltables/shape_table.h"
#include "filltables/wall_profiles.h"

namespace csp {
namespace {

// Kept as a test rather than at compile time: a sanitizing build does not
// fold the comparison of a table's address with null.
TEST(ShapeTable, EveryRowAgreesWithItsTable) {
    for (const ShapeSpec& spec : shapeSpecs) EXPECT_TRUE(agreesWithItsTable(spec)) << spec.text;
}

TEST(WallData, HeavierWallsAreStifferAndStronger) {
    const std::span<const Wall> profiles[] = {ribs3by4Walls,         ribs1by11Walls,       compositeRibs3by4Walls,
                                              compositeRibs1by11Walls, corrugation2by2Walls, corrugation3by1Walls,
                                              corrugation5by1Walls,  corrugation6by2Walls};
    for (std::span<const Wall> walls : profiles)
        for (std::size_t i = 1; i < walls.size(); ++i) {
            EXPECT_GT(walls[i].thickness, walls[i - 1].thickness);
            EXPECT_GT(walls[i].area, walls[i - 1].area);
            EXPECT_GT(walls[i].inertia, walls[i - 1].inertia);
            EXPECT_GE(walls[i].seamStrengthOver36, walls[i - 1].seamStrengthOver36);
        }
}

}  // namespace
}  // namespace csp
