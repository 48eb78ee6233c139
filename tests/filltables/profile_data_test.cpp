#include <gtest/gtest.h>

#include <cmath>
#include <span>

#include "filltables/arch_tables.h"
#include "filltables/shape_table.h"
#include "filltables/wall_profiles.h"

namespace csp {
namespace {

// A rib profile's limit is its printed coefficient times (I / 12)^(1/3),
// cut to four decimals; a mistyped inertia or limit breaks the match.
template <std::size_t N>
void expectLimitsFollowTheCoefficients(const std::array<Wall, N>& walls, const RibFlexibilityLimits& limits,
                                       double embankment, double standard, double special) {
    for (std::size_t i = 0; i < N; ++i) {
        const double cubeRoot = std::cbrt(walls[i].inertia / 12);
        EXPECT_NEAR(limits.embankment[i], embankment * cubeRoot, 1e-4) << i;
        EXPECT_NEAR(limits.trenchStandard[i], standard * cubeRoot, 1e-4) << i;
        EXPECT_NEAR(limits.trenchSpecial[i], special * cubeRoot, 1e-4) << i;
    }
}

// Kept as a test rather than at compile time: a sanitizing build does not
// fold the comparison of a table's address with null.
TEST(ShapeTable, EveryRowAgreesWithItsTable) {
    for (const ShapeSpec& spec : shapeSpecs) EXPECT_TRUE(agreesWithItsTable(spec)) << spec.text;
}

TEST(RibProfileData, FlexibilityLimitsFollowTheCoefficients) {
    expectLimitsFollowTheCoefficients(ribs3by4Walls, ribs3by4Limits, 0.217, 0.263, 0.367);
    expectLimitsFollowTheCoefficients(ribs1by11Walls, ribs1by11Limits, 0.140, 0.163, 0.220);
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

// The design check lists 26700 lb/ft and 8.375 in. for these two (and 2000
// psf for the pipe-arch H 25 load at 1 ft: ArchLiveLoadCheck); the tables
// keep their own source's values.
TEST(WallData, ValuesThatDifferFromTheDesignCheckStayAsTheTablesListThem) {
    EXPECT_EQ(corrugation3by1Walls[0].seamStrengthOver36, 28700);
    EXPECT_EQ(arch_data::spanRib[4], 40);
    EXPECT_EQ(arch_data::rcRib[4], 8.625);
}

}  // namespace
}  // namespace csp
