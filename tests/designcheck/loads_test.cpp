#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "designcheck/design_check.h"
#include "designcheck/live_load.h"
#include "tests/designcheck/check_inputs.h"

namespace csp::designcheck {
namespace {

TEST(LiveLoad, InterpolatesBetweenWholeFeetThroughTheTablesLastEntry) {
    struct Case {
        const char* name;
        LiveLoad liveLoad;
        double cover, withImpact, atCorners;
    };
    const Case cases[] = {
        {"H 20 at 1.5 ft: half way between 1800 and 800", LiveLoad::H20, 1.5, 1300, 1200},
        {"H 20 at 7 ft", LiveLoad::H20, 7, 175, 175},
        {"H 20 at 7.5 ft: within the last foot", LiveLoad::H20, 7.5, 137.5, 137.5},
        {"H 20 at 8 ft: the last entry at its own cover", LiveLoad::H20, 8, 100, 100},
        {"H 20 just past 8 ft", LiveLoad::H20, 8.01, 0, 0},
        {"H 25 at 8.5 ft", LiveLoad::H25, 8.5, 125, 125},
        {"H 25 at 9 ft", LiveLoad::H25, 9, 110, 110},
        {"H 25 just past 9 ft", LiveLoad::H25, 9.001, 0, 0},
        {"H 25 at 1.25 ft", LiveLoad::H25, 1.25, 2280 - 0.25 * 1130, 2000 - 0.25 * 850},
        {"E 80 at 29.5 ft", LiveLoad::E80, 29.5, 110, 110},
        {"E 80 at 30 ft", LiveLoad::E80, 30, 100, 100},
        {"E 80 past 30 ft", LiveLoad::E80, 30.5, 0, 0},
        {"E 80 at 2.5 ft", LiveLoad::E80, 2.5, 3565, 3565},
        {"H 20 below 1 ft extends the first foot", LiveLoad::H20, 0.5, 2300, 2000},
        {"a negative cover", LiveLoad::H20, -0.5, 0, 0},
        {"an endless cover", LiveLoad::E80, std::numeric_limits<double>::infinity(), 0, 0},
        {"no cover at all", LiveLoad::E80, std::numeric_limits<double>::quiet_NaN(), 0, 0},
        {"a live load past the list", static_cast<LiveLoad>(3), 2, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(liveLoadWithImpact(c.liveLoad, c.cover), c.withImpact) << c.name;
        EXPECT_DOUBLE_EQ(cornerLiveLoad(c.liveLoad, c.cover), c.atCorners) << c.name;
    }
}

TEST(LiveLoad, GivesEachListedValueAtItsOwnWholeFoot) {
    struct Table {
        LiveLoad liveLoad;
        std::vector<double> withImpact, atCorners;
    };
    const std::vector<double> e80 = {4500, 3800, 3330, 2860, 2400, 2130, 1860, 1600, 1350, 1100,
                                     950,  800,  730,  660,  600,  540,  480,  420,  360,  300,
                                     280,  260,  240,  220,  200,  180,  160,  140,  120,  100};
    const Table tables[] = {
        {LiveLoad::H20, {1800, 800, 600, 400, 250, 200, 175, 100}, {1600, 800, 600, 400, 250, 200, 175, 100}},
        {LiveLoad::H25, {2280, 1150, 720, 470, 320, 240, 180, 140, 110}, {2000, 1150, 720, 470, 320, 240, 180, 140, 110}},
        {LiveLoad::E80, e80, e80},
    };
    for (const Table& t : tables) {
        for (std::size_t k = 0; k < t.withImpact.size(); ++k) {
            const double cover = static_cast<double>(k + 1);
            EXPECT_EQ(liveLoadWithImpact(t.liveLoad, cover), t.withImpact[k]) << cover << " ft";
            EXPECT_EQ(cornerLiveLoad(t.liveLoad, cover), t.atCorners[k]) << cover << " ft";
        }
        const double past = static_cast<double>(t.withImpact.size()) + 1;
        EXPECT_EQ(liveLoadWithImpact(t.liveLoad, past), 0) << past << " ft";
        EXPECT_EQ(cornerLiveLoad(t.liveLoad, past), 0) << past << " ft";
    }
}

// The loads each method computes: P and T from the entries, Pf and Tf
// under a factored method, K applied to P only.
TEST(Loads, EachMethodComputesItsPressureAndThrust) {
    struct Case {
        const char* name;
        CheckMethod method;
        double cover, reduction;
        double earthLoad, liveLoadImpact, pressure, thrust, designPressure, factoredThrust;
    };
    const Case cases[] = {
        {"AISI with K", CheckMethod::Aisi, 2, 0.86, 240, 800, 894.4, 1788.8, 894.4, 0},
        {"ASTM ASD", CheckMethod::AstmAsd, 1.5, 0, 180, 1300, 1480, 2960, 1480, 0},
        {"ASTM LRFD: Pf and Tf, T kept", CheckMethod::AstmLrfd, 1.5, 0, 180, 1300, 1480, 2960, 2626, 5252},
        {"AASHTO LFD", CheckMethod::AashtoLfd, 1.5, 0, 180, 1300, 1480, 2960, 3173.3, 6346.6},
        {"K is never applied to Pf", CheckMethod::AashtoLrfd, 1.5, 0.5, 180, 1300, 740, 1480, 2626, 5252},
        {"a method past the list is allowable stress", static_cast<CheckMethod>(7), 1.5, 0, 180, 1300, 1480, 2960,
         1480, 0},
    };
    for (const Case& c : cases) {
        CheckInputs inputs;
        inputs.method = c.method;
        inputs.cover = c.cover;
        inputs.reductionFactor = c.reduction;
        DesignCheck check;
        store(inputs, check);
        const LoadResult loads = computeDesignCheck(check).loads;
        EXPECT_DOUBLE_EQ(loads.earthLoad, c.earthLoad) << c.name;
        EXPECT_DOUBLE_EQ(loads.liveLoadImpact, c.liveLoadImpact) << c.name;
        EXPECT_DOUBLE_EQ(loads.pressure, c.pressure) << c.name;
        EXPECT_DOUBLE_EQ(loads.thrust, c.thrust) << c.name;
        EXPECT_DOUBLE_EQ(loads.designPressure, c.designPressure) << c.name;
        EXPECT_DOUBLE_EQ(loads.factoredThrust, c.factoredThrust) << c.name;
    }
}

// The formula lines print the factors the formulas use.
TEST(Loads, BlocksShowEachMethodsFormula) {
    CheckInputs lrfd;
    lrfd.method = CheckMethod::AstmLrfd;
    const std::vector<std::string> report = reportOf(lrfd);
    EXPECT_EQ(blockOf(report, "Factored Load (Pressure):"),
              (std::vector<std::string>{"Factored Load (Pressure):", "    Pf = 1.95EL + 1.75(LL + IL)",
                                        "    Pf = 1.95(180) + 1.75(1300) = 2626 psf"}));
    EXPECT_EQ(blockOf(report, "Factored Thrust:"),
              (std::vector<std::string>{"Factored Thrust:", "    Tf = Pf * (s/12)/2",
                                        "    Tf = 2626 * (48/12)/2 = 5252 lb/ft"}));
    CheckInputs lfd;
    lfd.method = CheckMethod::AashtoLfd;
    EXPECT_EQ(blockOf(reportOf(lfd), "Factored Load (Pressure):"),
              (std::vector<std::string>{"Factored Load (Pressure):", "    Pf = 1.3[1.50EL + 1.67(LL + IL)]",
                                        "    Pf = 1.3(1.5(180) + 1.67(1300)) = 3173.3 psf"}));
    CheckInputs reduced;
    reduced.method = CheckMethod::Aisi;
    reduced.cover = 2;
    reduced.reductionFactor = 0.86;
    EXPECT_EQ(blockOf(reportOf(reduced), "Design Pressure:"),
              (std::vector<std::string>{"Design Pressure:", "    P = K[EL + (LL + IL)]",
                                        "    P = 0.86[240 + 800] = 894.4 psf"}));
}

}  // namespace
}  // namespace csp::designcheck
