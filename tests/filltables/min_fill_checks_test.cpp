#include <gtest/gtest.h>

#include "filltables/min_fill_checks.h"

namespace csp {
namespace {

// The message of a refused check, or "accepted".
std::string refusalOf(const Outcome& outcome) { return outcome ? "accepted" : outcome.message; }

struct RoundCheckCase {
    const char* name;
    LiveLoad liveLoad;
    double minimumCover;  // in.
    double maxCover;      // ft, before the check
    DesignMethod design;
    double equivalentFillHeight;  // ft
    double maxCoverAfter;         // ft
};

class RoundLiveLoadCheck : public testing::TestWithParam<RoundCheckCase> {};

TEST_P(RoundLiveLoadCheck, FindsTheWorstCombinedPressure) {
    const RoundCheckCase& c = GetParam();
    double maxCover = c.maxCover, equivalent = -1.0;
    ASSERT_TRUE(minFillCheck(c.liveLoad, c.minimumCover, maxCover, equivalent, 120.0, c.design));
    EXPECT_NEAR(equivalent, c.equivalentFillHeight, 0.005);
    EXPECT_EQ(maxCover, c.maxCoverAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RoundLiveLoadCheck,
    testing::Values(
        // 1800 + 120 psf at 1 ft; 0.95 x 16 = 15.2 just fits.
        RoundCheckCase{"H20At12InchesKeepsACoverOf15Point2", LiveLoad::H20, 12, 15.2, DesignMethod::Asd, 16.0, 15.2},
        RoundCheckCase{"H20At12InchesZeroesACoverOf15", LiveLoad::H20, 12, 15.0, DesignMethod::Asd, 16.0, 0.0},
        // 1800 - 0.5 x 1000 interpolated at 1.5 ft, plus 180.
        RoundCheckCase{"H20At18InchesInterpolatesBetweenWholeFeet", LiveLoad::H20, 18, 50, DesignMethod::Asd,
                       1480.0 / 120, 50},
        RoundCheckCase{"H20UnderLrfdScalesTheWheelLoad", LiveLoad::H20, 12, 50, DesignMethod::Lrfd, 14.46, 50},
        RoundCheckCase{"H20UnderAashtoLfdScalesTheWheelLoad", LiveLoad::H20, 12, 50, DesignMethod::AashtoLfd, 17.7, 50},
        // 8 x 120 + 100 at 8 ft exceeds 600 + 360 at 3 ft.
        RoundCheckCase{"H20At36InchesTheDeepestFootGoverns", LiveLoad::H20, 36, 50, DesignMethod::Asd, 1060.0 / 120,
                       50},
        // Only 3 ft are looked at under a 3.5 ft cover.
        RoundCheckCase{"H20UnderAShallowCoverLooksAtThreeFeet", LiveLoad::H20, 12, 3.5, DesignMethod::Asd, 16.0, 0.0},
        RoundCheckCase{"H25At12Inches", LiveLoad::H25, 12, 50, DesignMethod::Asd, 20.0, 50},
        RoundCheckCase{"E80At12Inches", LiveLoad::E80, 12, 50, DesignMethod::Asd, 38.5, 50},
        RoundCheckCase{"E80At24InchesTheTwoFootPressureGoverns", LiveLoad::E80, 24, 50, DesignMethod::Asd,
                       4040.0 / 120, 50},
        // i2 = 20: 20 x 120 + 300 = 2700 psf stays below the 2 ft value.
        RoundCheckCase{"E80Under20Point5FeetZeroesTheCell", LiveLoad::E80, 24, 20.5, DesignMethod::Asd, 4040.0 / 120,
                       0.0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RoundLiveLoadCheck, AMinimumCoverAtTheDepthCapIsAnInputError) {
    double maxCover = 20.0, equivalent = -1.0;
    EXPECT_EQ(refusalOf(minFillCheckH20(96, maxCover, equivalent, 120, DesignMethod::Asd)), "Input error. Try again. Code:MinFillChkH20-1 Value:8 8");
    EXPECT_EQ(maxCover, 20.0);
    EXPECT_EQ(equivalent, -1.0);

    EXPECT_EQ(refusalOf(minFillCheckH25(6, maxCover, equivalent, 120, DesignMethod::Asd)), "Input error. Try again. Code:MinFillChkH25-1 Value:0 9");
    // The railroad check reports under the H 20 code.
    EXPECT_EQ(refusalOf(minFillCheckE80(360, maxCover, equivalent, 120, DesignMethod::Asd)), "Input error. Try again. Code:MinFillChkH20-1 Value:30 20");
}

TEST(RoundLiveLoadCheck, ANonPositiveFillDensityIsAnInputError) {
    double maxCover = 20.0, equivalent = -1.0;
    EXPECT_EQ(refusalOf(minFillCheckH20(12, maxCover, equivalent, 0.0, DesignMethod::Asd)), "Input error. Try again. Code:MinFillChkH20-2 Value:0.000000");
    EXPECT_EQ(refusalOf(minFillCheckH25(12, maxCover, equivalent, -5.5, DesignMethod::Asd)), "Input error. Try again. Code:MinFillChkH25-2 Value:-5.500000");
    EXPECT_EQ(maxCover, 20.0);
    EXPECT_EQ(equivalent, -1.0);
}

TEST(ArchLiveLoadCheck, H20Over18InchSpanSpreadsTheWheelOverTheSpan) {
    // L1 = 40, L2 = 64.66: factor 0.6186 on 1600 psf, plus 120 psf of soil.
    double maxCover = 50.0, equivalent = 0.0;
    ASSERT_TRUE(archMinFillCheckH20(12, maxCover, equivalent, 18, 120));
    EXPECT_NEAR(equivalent, (40.0 / 64.66 * 1600 + 120) / 120, 1e-9);
    EXPECT_NEAR(equivalent, 9.25, 0.005);
    EXPECT_EQ(maxCover, 50.0);
}

TEST(ArchLiveLoadCheck, H20Over43InchSpanTakesTheWiderSpread) {
    // L2 = 98.91 > 72: factor 2 x 40 / 170.91; a 1.5 ft cover looks at 1 ft only.
    double maxCover = 1.5, equivalent = 0.0;
    ASSERT_TRUE(archMinFillCheckH20(12, maxCover, equivalent, 43, 120));
    EXPECT_NEAR(equivalent, (0.4681 * 1600 + 120) / 120, 0.001);
    EXPECT_EQ(maxCover, 0.0);
}

// The design check's corner bearing takes 2000 psf here; the tables keep
// their own source's value.
TEST(ArchLiveLoadCheck, H25AtTheFirstFootUses2580Psf) {
    double maxCover = 1.5, equivalent = 0.0;
    ASSERT_TRUE(archMinFillCheckH25(12, maxCover, equivalent, 18, 120));
    EXPECT_NEAR(equivalent, (40.0 / 64.66 * 2580 + 120) / 120, 1e-9);
}

TEST(ArchLiveLoadCheck, E80SpreadsOverTheSpanAndDividesBy1Point5) {
    // L1 = 12 x 1.75 + 96 = 117 at 1 ft; L2 = 1.37 x 60 + 117.
    double maxCover = 1.5, equivalent = 0.0;
    ASSERT_TRUE(archMinFillCheckE80(12, maxCover, equivalent, 60, 120));
    EXPECT_NEAR(equivalent, (117.0 / (82.2 + 117.0) * 4500 / 1.5 + 120) / 120, 1e-9);
}

TEST(ArchLiveLoadCheck, H25UnderACoverAboveTheCapLooksDownToTheCap) {
    double maxCover = 12.0, equivalent = 0.0;
    EXPECT_TRUE(archMinFillCheckH25(12, maxCover, equivalent, 18, 120));
}

TEST(ArchLiveLoadCheck, AMinimumCoverBelowOneFootIsAnInputErrorUnderTheH20Code) {
    double maxCover = 50.0, equivalent = -1.0;
    EXPECT_EQ(refusalOf(archMinFillCheckE80(6, maxCover, equivalent, 60, 120)), "Input error. Try again. Code:MinFillChkH20-1 Value:0 30");
    EXPECT_EQ(maxCover, 50.0);
    EXPECT_EQ(equivalent, -1.0);
}

}  // namespace
}  // namespace csp
