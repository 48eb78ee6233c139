#include <gtest/gtest.h>

#include "designcheck/design_check.h"
#include "designcheck/live_load.h"
#include "tests/designcheck/check_inputs.h"

namespace csp::designcheck {
namespace {

TEST(LiveLoad, InterpolatesBetweenWholeFeetAndStopsPastTheTable) {
    struct Case {
        const char* name;
        LiveLoad liveLoad;
        double cover, withImpact, atCorners;
    };
    const Case cases[] = {
        {"H 20 at 1.5 ft: half way between 1800 and 800", LiveLoad::H20, 1.5, 1300, 1200},
        {"H 20 at 1 ft", LiveLoad::H20, 1, 1800, 1600},
        {"H 20 at 7 ft: the last foot the table covers", LiveLoad::H20, 7, 175, 175},
        {"H 20 just past 7 ft", LiveLoad::H20, 7.01, 0, 0},
        {"H 20 at 7.5 ft", LiveLoad::H20, 7.5, 0, 0},
        {"H 25 at 8 ft", LiveLoad::H25, 8, 140, 140},
        {"H 25 at 8.5 ft", LiveLoad::H25, 8.5, 0, 0},
        {"H 25 at 1.25 ft", LiveLoad::H25, 1.25, 2280 - 0.25 * 1130, 2000 - 0.25 * 850},
        {"E 80 at 29 ft", LiveLoad::E80, 29, 120, 120},
        {"E 80 at 30 ft", LiveLoad::E80, 30, 0, 0},
        {"E 80 at 2.5 ft", LiveLoad::E80, 2.5, 3565, 3565},
        {"H 20 below 1 ft extends the first foot", LiveLoad::H20, 0.5, 2300, 2000},
        {"a negative cover", LiveLoad::H20, -0.5, 0, 0},
        {"an endless cover", LiveLoad::E80, std::numeric_limits<double>::infinity(), 0, 0},
        {"a live load past the list", static_cast<LiveLoad>(3), 2, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(liveLoadWithImpact(c.liveLoad, c.cover), c.withImpact) << c.name;
        EXPECT_DOUBLE_EQ(cornerLiveLoad(c.liveLoad, c.cover), c.atCorners) << c.name;
    }
}

TEST(Loads, AisiWithReductionFactorShowsTheReducedPressure) {
    CheckInputs inputs;
    inputs.method = CheckMethod::Aisi;
    inputs.cover = 2;
    inputs.reductionFactor = 0.86;
    DesignCheck check;
    store(inputs, check);
    check.computeLoads();
    EXPECT_EQ(check.earthLoad(), 240);
    EXPECT_EQ(check.liveLoadImpact(), 800);
    EXPECT_DOUBLE_EQ(check.pressure(), 894.4);
    check.appendEarthLoadBlock();
    check.appendLiveLoadBlock();
    check.appendPressureBlock();
    check.appendThrustBlock();
    EXPECT_EQ(check.reportLines().lines(),
              (std::vector<std::string>{" ", "Earth Load:", "    EL = H * w", "    EL = 2 * 120 = 240 psf", " ",
                                        "Live Load + Impact:", "    LL + IL = 800 psf", " ", "Design Pressure:",
                                        "    P = K[EL + (LL + IL)]", "    P = 0.86[240 + 800] = 894.4 psf", " ",
                                        "Ring Compression Thrust:", "    T = P * (s/12)/2",
                                        "    T = 894.4 * (48/12)/2 = 1788.8 lb/ft"}));
}

TEST(Loads, LrfdFactorsThePressureButTheThrustKeepsTheDesignPressure) {
    CheckInputs inputs;
    inputs.method = CheckMethod::AstmLrfd;
    DesignCheck check;
    store(inputs, check);
    check.computeLoads();
    EXPECT_EQ(check.pressure(), 1480);
    EXPECT_EQ(check.thrust(), 2960);
    check.appendPressureBlock();
    check.appendThrustBlock();
    EXPECT_EQ(check.pressure(), 2626);
    EXPECT_EQ(check.thrust(), 2960);
    EXPECT_EQ(check.factoredThrust(), 5252);
    EXPECT_EQ(check.reportLines().lines(),
              (std::vector<std::string>{" ", "Factored Load (Pressure):", "    Pf = 1.95EL + 1.75(LL + IL)",
                                        "    Pf = 1.95(180) + 1.75(1300) = 2626 psf", " ", "Factored Thrust:",
                                        "    Tf = Pf * (s/12)/2", "    Tf = 2626 * (48/12)/2 = 5252 lb/ft"}));
}

TEST(Loads, LoadFactorDesignFactorsEarthAndLiveLoadSeparately) {
    CheckInputs inputs;
    inputs.method = CheckMethod::AashtoLfd;
    DesignCheck check;
    store(inputs, check);
    check.computeLoads();
    check.appendPressureBlock();
    check.appendThrustBlock();
    EXPECT_DOUBLE_EQ(check.pressure(), 3173.3);
    EXPECT_EQ(check.reportLines().lines(),
              (std::vector<std::string>{" ", "Factored Load (Pressure):", "    Pf = 1.3[1.50EL + 1.67(LL + IL)]",
                                        "    Pf = 1.3(1.5(180) + 1.67(1300)) = 3173.3 psf", " ", "Factored Thrust:",
                                        "    Tf = Pf * (s/12)/2", "    Tf = 3173.3 * (48/12)/2 = 6346.6 lb/ft"}));
}

TEST(Loads, ReductionIsNeverAppliedToTheFactoredPressure) {
    CheckInputs inputs;
    inputs.method = CheckMethod::AashtoLrfd;
    inputs.reductionFactor = 0.5;
    DesignCheck check;
    store(inputs, check);
    check.computeLoads();
    EXPECT_EQ(check.pressure(), 740);
    check.appendPressureBlock();
    EXPECT_EQ(check.pressure(), 2626);
}

TEST(Loads, MethodPastTheListWritesTheAllowableStressBlocks) {
    CheckInputs inputs;
    inputs.method = static_cast<CheckMethod>(7);
    DesignCheck check;
    store(inputs, check);
    check.computeLoads();
    check.appendPressureBlock();
    check.appendThrustBlock();
    EXPECT_EQ(check.reportLines().line(1), "Design Pressure:");
    EXPECT_EQ(check.reportLines().line(5), "Ring Compression Thrust:");
}

}  // namespace
}  // namespace csp::designcheck
