#include <gtest/gtest.h>

#include <cmath>

#include "filltables/max_cover.h"

namespace csp {
namespace {

// The message of a refused check, or "accepted".
std::string refusalOf(const Outcome& outcome) { return outcome ? "accepted" : outcome.message; }

// 2-2/3 x 1/2 at 0.064 in. under H 20 at 120 pcf, 12 in. minimum cover.
WallCell lightCorrugatedWall(double span) {
    return {.liveLoad = LiveLoad::H20,
            .bucklingEquation = BucklingEquation::AashtoAstm,
            .span = span,
            .inertia = 0.0227 / 12,
            .area = 0.775 / 12,
            .seamStrengthUpTo36 = 16700,
            .seamStrengthOver36 = 21600,
            .flexibilityLimit = 0.043,
            .seamSafetyFactor = noSeamCheck,
            .loadReductionFactor = 1.0,
            .minimumCover = 12,
            .designMethod = DesignMethod::Asd,
            .fillDensity = 120};
}

struct CellCase {
    const char* name;
    WallCell cell;
    double maxCover;
};

WallCell with(WallCell cell, auto change) {
    change(cell);
    return cell;
}

class MaxCover : public testing::TestWithParam<CellCase> {};

TEST_P(MaxCover, GivesTheGoverningLimit) {
    double maxCover = 0.0;
    ASSERT_TRUE(computeMaxCover(GetParam().cell, maxCover));
    EXPECT_NEAR(maxCover, GetParam().maxCover, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MaxCover,
    testing::Values(
        // 39,600 x 0.0645833 / 48; D1 = 70.65 in., so no buckling.
        CellCase{"At48InchesTheWallAreaGoverns", lightCorrugatedWall(48), 53.28125},
        // sqrt(0.043 x 29e6 x 0.0018917) = 48.57 in.
        CellCase{"At60InchesTheWallIsTooFlexible", lightCorrugatedWall(60), 0.0},
        CellCase{"At48InchesWithASeamCheckTheSeamGoverns",
                 with(lightCorrugatedWall(48), [](WallCell& c) { c.seamSafetyFactor = 3.0; }), 30.0},
        CellCase{"At36InchesTheSmallSpanSeamStrengthCounts",
                 with(lightCorrugatedWall(36), [](WallCell& c) { c.seamSafetyFactor = 3.0; }), 16700.0 / 180 / 3},
        // 21,600 / 240 x 0.3435897435897436; the safety factor plays no part.
        CellCase{"UnderLrfdTheFactoredSeamStrengthGoverns", with(lightCorrugatedWall(48), [](WallCell& c) {
                     c.seamSafetyFactor = 3.0;
                     c.designMethod = DesignMethod::Lrfd;
                 }),
                 21600.0 / 240 * 0.3435897435897436},
        CellCase{"UnderE80TheRailLoadFitsBelowTheWallArea",
                 with(lightCorrugatedWall(48), [](WallCell& c) { c.liveLoad = LiveLoad::E80; }), 53.28125},
        // The seam limit 30 falls below 0.95 x 38.5 = 36.575.
        CellCase{"UnderE80ASeamLimitOf30CannotCarryTheTrain", with(lightCorrugatedWall(48), [](WallCell& c) {
                     c.liveLoad = LiveLoad::E80;
                     c.seamSafetyFactor = 3.0;
                 }),
                 0.0},
        CellCase{"LighterFillCarriesMore", with(lightCorrugatedWall(48), [](WallCell& c) { c.fillDensity = 100; }),
                 63.9375},
        // AISI: no buckling below 294 r = 50.3 in.; the seam limit 45 ft is at
        // least one span, so it is raised by 1 / 0.86.
        CellCase{"AisiSeamLimitRaisedByTheLoadReduction", with(lightCorrugatedWall(48), [](WallCell& c) {
                     c.bucklingEquation = BucklingEquation::Aisi;
                     c.seamSafetyFactor = 2.0;
                     c.loadReductionFactor = 0.86;
                     c.flexibilityLimit = 0.0433;
                 }),
                 45.0 / 0.86},
        // A factor of 100 is a safety factor: 0.9 ft of cover fails the live load.
        CellCase{"OnlyTheExactNoSeamValueSwitchesTheSeamCheckOff",
                 with(lightCorrugatedWall(48), [](WallCell& c) { c.seamSafetyFactor = 100.0; }), 0.0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MaxCover, AWallTooFlexibleLeavesTheCallersValue) {
    double maxCover = -7.0;
    EXPECT_TRUE(computeMaxCover(lightCorrugatedWall(60), maxCover));
    EXPECT_EQ(maxCover, -7.0);
}

TEST(MaxCover, ALoadReductionAboveOneAbandonsTheTableWithoutAMessage) {
    WallCell cell = lightCorrugatedWall(48);
    cell.bucklingEquation = BucklingEquation::Aisi;
    cell.seamSafetyFactor = 2.0;
    cell.loadReductionFactor = 1.2;
    double maxCover = 0.0;
    EXPECT_EQ(refusalOf(computeMaxCover(cell, maxCover)), "");
}

TEST(MaxCover, ACoverLessThanOneSpanIsNotRaisedByTheLoadReduction) {
    // 240 in. of 6 x 2 at 0.280 in. under 400 pcf: about 15.6 ft, less than
    // the 20 ft span.
    WallCell cell = {.liveLoad = LiveLoad::H20,
                     .bucklingEquation = BucklingEquation::Aisi,
                     .span = 240,
                     .inertia = 1.99 / 12,
                     .area = 4.119 / 12,
                     .seamStrengthUpTo36 = 144000,
                     .seamStrengthOver36 = 144000,
                     .flexibilityLimit = 0.02,
                     .seamSafetyFactor = 2.0,
                     .loadReductionFactor = 1.0,
                     .minimumCover = 12,
                     .designMethod = DesignMethod::Asd,
                     .fillDensity = 400};
    double full = 0.0, reduced = 0.0;
    ASSERT_TRUE(computeMaxCover(cell, full));
    cell.loadReductionFactor = 0.5;
    ASSERT_TRUE(computeMaxCover(cell, reduced));
    EXPECT_GT(full, 10.0);
    EXPECT_LT(full, 20.0);
    EXPECT_EQ(reduced, full);
}

TEST(MaxCover, AFailedLiveLoadCheckAbandonsTheTableWithItsMessage) {
    WallCell cell = lightCorrugatedWall(48);
    cell.minimumCover = 96;
    double maxCover = 0.0;
    EXPECT_EQ(refusalOf(computeMaxCover(cell, maxCover)), "Input error. Try again. Code:MinFillChkH20-1 Value:8 8");
}

// The unreduced wall-area limit of a cell, for comparing the buckling curve.
double wallAreaLimit(const WallCell& cell) { return 39600 * cell.area / cell.span * 120 / cell.fillDensity; }

// A stiff, strong wall under no live load worth speaking of, so that only
// the wall area and buckling decide.
WallCell slenderWall(BucklingEquation equation, double span) {
    WallCell cell = lightCorrugatedWall(span);
    cell.bucklingEquation = equation;
    cell.flexibilityLimit = 1e6;
    cell.fillDensity = 1.0;  // H becomes large; the live load no longer matters
    return cell;
}

double reductionAt(BucklingEquation equation, double span) {
    const WallCell cell = slenderWall(equation, span);
    double maxCover = 0.0;
    EXPECT_TRUE(computeMaxCover(cell, maxCover));
    return maxCover / wallAreaLimit(cell);
}

TEST(Buckling, AashtoAstmCurveIsContinuousAtItsBounds) {
    const double r = std::sqrt(0.0227 / 0.775);
    const double e = 29e6, fu = 45000, fy = 33000, k = 0.22;
    const double d1 = r * std::sqrt(48 * e * (fu - fy)) / (k * fu);
    const double d2 = (r / k) * std::sqrt(24 * e / fu);
    EXPECT_DOUBLE_EQ(reductionAt(BucklingEquation::AashtoAstm, d1 * 0.999999), 1.0);
    EXPECT_NEAR(reductionAt(BucklingEquation::AashtoAstm, d1 * 1.000001), 1.0, 1e-5);
    // Inelastic and elastic buckling meet at D2 at fu / 2.
    EXPECT_NEAR(reductionAt(BucklingEquation::AashtoAstm, d2 * 0.999999), 22500.0 / fy, 1e-5);
    EXPECT_NEAR(reductionAt(BucklingEquation::AashtoAstm, d2 * 1.000001), 22500.0 / fy, 1e-5);
}

TEST(Buckling, AisiCurveStartsAtTheYieldStressAndMeetsTheElasticCurve) {
    const double r = std::sqrt(0.0227 / 0.775);
    EXPECT_DOUBLE_EQ(reductionAt(BucklingEquation::Aisi, 294 * r * 0.999999), 1.0);
    // 40,000 - 0.081 x 294^2 = 32,998.7 psi, just under fy.
    EXPECT_NEAR(reductionAt(BucklingEquation::Aisi, 294 * r * 1.000001), (40000 - 0.081 * 294 * 294) / 33000, 1e-5);
    EXPECT_NEAR(reductionAt(BucklingEquation::Aisi, 500 * r * 0.999999), 19750.0 / 33000, 1e-5);
    EXPECT_NEAR(reductionAt(BucklingEquation::Aisi, 500 * r * 1.000001), 4.93e9 / 250000 / 33000, 1e-5);
}

}  // namespace
}  // namespace csp
