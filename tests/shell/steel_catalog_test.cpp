// Both programs read their walls, pipe-arch sizes and rib limits from the
// steel catalog (shell/steel_catalog.h). These sweeps hold what the design
// check reads to what the fill-height tables read, so that the values their
// sources list differently, named here, are the only differences.
#include "shell/steel_catalog.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "designcheck/design_check.h"
#include "designcheck/profile_catalog.h"
#include "filltables/arch_tables.h"
#include "filltables/round_tables.h"
#include "filltables/wall_profiles.h"

namespace csp {
namespace {

namespace dc = designcheck;

// A value the fill-height tables' source lists otherwise than the design
// check's: of a wall (I per foot, to four decimals) or of a pipe-arch size.
struct Difference {
    std::string_view table;  // the fill-height table's H 20 line
    std::size_t row;         // wall or size, in that table's order
    std::string_view field;
    double designCheck, fillTables;
};

// Holds each pair of values equal but the listed differences, each of which
// a sweep must meet once.
class Differences {
public:
    explicit Differences(std::span<const Difference> listed) : listed_(listed), met_(listed.size()) {}

    void expectSame(std::string_view table, std::size_t row, std::string_view field, double designCheck,
                    double fillTables) {
        for (std::size_t i = 0; i < listed_.size(); ++i)
            if (listed_[i].table == table && listed_[i].row == row && listed_[i].field == field) {
                ++met_[i];
                EXPECT_EQ(designCheck, listed_[i].designCheck) << field << ", row " << row;
                EXPECT_EQ(fillTables, listed_[i].fillTables) << field << ", row " << row;
                return;
            }
        EXPECT_EQ(designCheck, fillTables) << field << ", row " << row;
    }
    void expectEachMet() const {
        for (std::size_t i = 0; i < listed_.size(); ++i)
            EXPECT_EQ(met_[i], 1) << listed_[i].table << ": " << listed_[i].field << ", row " << listed_[i].row;
    }

private:
    std::span<const Difference> listed_;
    std::vector<int> met_;
};

TEST(SteelCatalog, BothProgramsReadEveryWallAlikeButWhereTheirSourcesDiffer) {
    const std::string_view threeByOne = roundProfiles[5].liveLoadLine[0], fiveByOne = roundProfiles[6].liveLoadLine[0],
                           ribs = roundProfiles[0].liveLoadLine[0];
    const Difference differences[] = {
        {threeByOne, 0, "short-span seam", 26700, 28700},  // 0.064 in.
        {threeByOne, 0, "seam", 26700, 28700},
        {fiveByOne, 2, "I", 0.1866, 0.1878},  // 0.109 in.
        {fiveByOne, 4, "A", 2.196, 2.186},    // 0.168 in.
        {fiveByOne, 4, "I", 0.3004, 0.3011},
        {ribs, 0, "I", 0.0339, 0.03385},  // 0.064 in.
    };
    struct Pair {
        dc::Profile profile;
        const RoundProfile& table;
        std::size_t designCheckWalls;
    };
    // The fill-height tables' 6 x 2 walls stop at 0.280 in.
    const Pair pairs[] = {
        {dc::Profile::RibbedSevenHalf, roundProfiles[0], 4},  {dc::Profile::RibbedElevenHalf, roundProfiles[1], 3},
        {dc::Profile::CompositeSevenHalf, roundProfiles[2], 4}, {dc::Profile::CompositeElevenHalf, roundProfiles[3], 3},
        {dc::Profile::TwoThirdsByHalf, roundProfiles[4], 5},  {dc::Profile::ThreeByOne, roundProfiles[5], 5},
        {dc::Profile::FiveByOne, roundProfiles[6], 5},        {dc::Profile::SixByTwo, roundProfiles[7], 9},
    };
    // Each program takes the weaker 2-2/3 x 1/2 seam at 36 in., the other at 48 in.
    constexpr double shortSpan = 36, longSpan = 48;
    Differences listed(differences);
    for (const Pair& pair : pairs) {
        const dc::ProfileCatalog catalog(*dc::profileData(static_cast<int>(pair.profile)));
        const std::string_view table = pair.table.liveLoadLine[0];
        SCOPED_TRACE(table);
        EXPECT_EQ(catalog.walls().size(), pair.designCheckWalls);
        for (std::size_t i = 0; i < pair.table.walls.size(); ++i) {
            const int wall = static_cast<int>(i);
            const Wall& row = pair.table.walls[i];
            EXPECT_EQ(catalog.thickness(wall), row.thickness);
            listed.expectSame(table, i, "A", *catalog.area(wall), row.area);
            listed.expectSame(table, i, "I", toFourDecimals(*catalog.inertia(wall) * 12 / 1000), row.inertia);
            // A wall the design check does not seam-check, the tables never do.
            listed.expectSame(table, i, "short-span seam",
                              catalog.seamStrength(wall, shortSpan).value_or(unseamedStrength), row.seamStrengthUpTo36);
            listed.expectSame(table, i, "seam", catalog.seamStrength(wall, longSpan).value_or(unseamedStrength),
                              row.seamStrengthOver36);
        }
    }
    listed.expectEachMet();
}

TEST(SteelCatalog, BothProgramsListThePipeArchSizesAlikeButWhereTheirSourcesDiffer) {
    const std::string_view threeByOne = archProfiles[1].liveLoadLine[0], ribs = archProfiles[6].liveLoadLine[0],
                           narrowRibs = archProfiles[7].liveLoadLine[0];
    // The composite ribbed profiles meet the last two once more.
    const Difference differences[] = {
        {threeByOne, 0, "Rt", 28.0625, 25.9},  // 53 x 41
        {threeByOne, 0, "Rc", 10.1875, 16.6},
        {ribs, 4, "Rc", 8.375, 8.625},  // 40 x 31
        {narrowRibs, 4, "Rc", 8.375, 8.625},
    };
    // The tables' source lists the 2-2/3 x 1/2, 3 x 1 and 5 x 1 radii to a tenth.
    constexpr double toATenth = 0.05 + 1e-9;
    struct Pair {
        const ArchProfile& table;
        dc::Profile profile;
        int cornerRadius;       // in., of the 6 x 2 pipe-arches; 0: the profile's size list
        std::size_t firstSize;  // of the design check's list
        double radiusTolerance;
    };
    const Pair pairs[] = {
        {archProfiles[0], dc::Profile::TwoThirdsByHalf, 0, 0, toATenth},
        {archProfiles[1], dc::Profile::ThreeByOne, 0, 0, toATenth},
        {archProfiles[2], dc::Profile::FiveByOne, 0, arch_data::first5by1Size, toATenth},
        {archProfiles[3], dc::Profile::SixByTwo, 18, 0, 0.0},
        {archProfiles[4], dc::Profile::SixByTwo, 31, 0, 0.0},
        {archProfiles[5], dc::Profile::SixByTwo, 0, 0, 0.0},
        {archProfiles[6], dc::Profile::RibbedSevenHalf, 0, 0, 0.0},
        {archProfiles[7], dc::Profile::RibbedElevenHalf, 0, 0, 0.0},
        {archProfiles[6], dc::Profile::CompositeSevenHalf, 0, 0, 0.0},
        {archProfiles[7], dc::Profile::CompositeElevenHalf, 0, 0, 0.0},
    };
    Differences listed(differences), composites(std::span<const Difference>(differences).last(2));
    for (const Pair& pair : pairs) {
        const dc::ProfileData& data = *dc::profileData(static_cast<int>(pair.profile));
        Differences& expected = data.ribKind == dc::RibKind::Composite ? composites : listed;
        dc::SizeList sizes = data.sizes;
        std::optional<double> plateCorner;  // ft, as the tables take it
        for (const dc::CornerRadiusSizes& arch : data.cornerRadiusSizes)
            if (arch.cornerRadius == pair.cornerRadius) {
                sizes = arch.sizes;
                plateCorner = arch.cornerRadius / 12.0;
            }
        const std::string_view table = pair.table.liveLoadLine[0];
        SCOPED_TRACE(table);
        ASSERT_EQ(sizes.span.size(), pair.firstSize + pair.table.span.size());
        for (std::size_t i = 0; i < pair.table.span.size(); ++i) {
            const std::size_t size = pair.firstSize + i;
            EXPECT_EQ(sizes.span[size], pair.table.span[i]) << i;
            EXPECT_EQ(sizes.rise[size], pair.table.rise[i]) << i;
            const auto expectRadius = [&](std::string_view field, double designCheck, double fillTables) {
                if (std::abs(designCheck - fillTables) > pair.radiusTolerance)
                    expected.expectSame(table, i, field, designCheck, fillTables);
            };
            expectRadius("Rt", sizes.topRadius[size], pair.table.topRadius[i]);
            expectRadius("Rc", plateCorner ? *plateCorner : sizes.cornerRadius[size], pair.table.cornerRadius[i]);
        }
    }
    listed.expectEachMet();
    composites.expectEachMet();
}

// The rib limits c I^(1/3) as the tables' source lists them, to four
// decimals, by wall: embankment, standard trench, special trench. The
// design check takes the same limit unrounded.
TEST(SteelCatalog, BothProgramsDeriveTheRibLimitsTheTablesList) {
    using Limits = std::array<double, 3>;
    const Limits sevenHalf[] = {{0.0307, 0.0372, 0.0519}, {0.0336, 0.0407, 0.0568},
                                {0.0384, 0.0465, 0.0649}, {0.0423, 0.0513, 0.0716}};
    const Limits elevenHalf[] = {{0.0232, 0.0271, 0.0365}, {0.0256, 0.0298, 0.0402}, {0.0294, 0.0342, 0.0462}};
    struct Case {
        dc::Profile profile;
        const RibFlexibilityLimits& limits;
        std::span<const Limits> listed;
    };
    const Case cases[] = {{dc::Profile::RibbedSevenHalf, ribs3by4Limits, sevenHalf},
                          {dc::Profile::RibbedElevenHalf, ribs1by11Limits, elevenHalf}};
    struct Installation {
        Conditions conditions;
        TrenchType trench;
        std::string_view text;
    };
    const Installation installations[] = {{Conditions::EmbankmentAisi, TrenchType::Standard, "Embankment"},
                                          {Conditions::TrenchAisi, TrenchType::Standard, "Trench, Standard"},
                                          {Conditions::TrenchAisi, TrenchType::Special, "Trench, Special"}};
    for (const Case& c : cases)
        for (std::size_t wall = 0; wall < c.listed.size(); ++wall)
            for (std::size_t k = 0; k < std::size(installations); ++k) {
                const Installation& installation = installations[k];
                SCOPED_TRACE(std::string(dc::profileData(static_cast<int>(c.profile))->name) + ", wall " +
                             std::to_string(wall) + ", " + std::string(installation.text));
                const double table = ribFlexibilityLimit(c.limits, installation.conditions, installation.trench, wall);
                EXPECT_EQ(table, c.listed[wall][k]);

                dc::DesignCheck check;
                check.setProfile(static_cast<int>(c.profile));
                check.setShape(static_cast<int>(dc::StructureShape::RoundPipe));
                check.setMethod(static_cast<int>(dc::CheckMethod::Aisi));
                ASSERT_TRUE(check.setInstallationType(installation.text));
                check.setThicknessIndex(static_cast<int>(wall));
                ASSERT_TRUE(check.flexibilityLimit());
                EXPECT_EQ(toFourDecimals(*check.flexibilityLimit()), table);
            }
}

}  // namespace
}  // namespace csp
