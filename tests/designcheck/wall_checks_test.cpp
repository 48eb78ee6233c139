#include <gtest/gtest.h>

#include <cmath>

#include "designcheck/design_check.h"
#include "tests/designcheck/check_inputs.h"

namespace csp::designcheck {
namespace {

TEST(Buckling, ThinTwoThirdsWallOf48InchPipeBucklesInelastically) {
    CheckInputs inputs;  // 2-2/3 x 1/2 at 0.064 in., 48 in., ASTM ASD
    const std::vector<std::string> report = reportOf(inputs);
    EXPECT_EQ(blockOf(report, "Buckling Check:"),
              (std::vector<std::string>{
                  "Buckling Check:",
                  "    If s < (r/k)*(24E/FU)^\xBD then Fc = Fu - (Fu^2/48E)*(ks/r)^2",
                  "    If s > (r/k)*(24E/Fu)^\xBD then Fc = 12E/(ks/r)^2",
                  " ",
                  "    r = (I/A)^\xBD = (0.001892*12/0.775)^\xBD = 0.171159 in.",
                  "    (r/k)*(24E/Fu)^\xBD = (0.171159/0.22)*(24*2.9e+07/45000)^\xBD",
                  "                     = 96.7556 in.",
                  "    Fc = Fu - (Fu^2/48E)*(ks/r)^2",
                  "       = 45000 - (45000^2/(48*2.9e+07))*(0.22*48/0.171159)^2",
                  "       = 39463 psi",
                  " ",
                  "    Since 39463 > 33000 buckling does not control.",
              }));
    EXPECT_TRUE(contains(report, "    A = 2960*2/33000 = 0.179 sq. in./ft"));
}

TEST(Buckling, SameWallAt120InchesBucklesElasticallyAndControls) {
    CheckInputs inputs;
    inputs.span = 120;
    DesignCheck check;
    store(inputs, check);
    check.run();
    EXPECT_NEAR(check.result().buckling.radiusOfGyration, 0.171159, 5e-7);
    EXPECT_NEAR(check.result().buckling.stress, 14627.57, 0.01);  // not rounded
    const std::vector<std::string> block = blockOf(check.reportLines().lines(), "Buckling Check:");
    ASSERT_EQ(block.size(), 12u);
    EXPECT_EQ(std::vector<std::string>(block.begin() + 7, block.end()),
              (std::vector<std::string>{"    Fc = 12E/(ks/r)^2", "       = 12*2.9e+07/(0.22*120/0.171159)^2",
                                        "       = 14627.6 psi", " ", "    Since 14627.6 < 33000 buckling controls."}));
    EXPECT_TRUE(contains(check.reportLines().lines(), "    A = 7400*2/14627.6 = 1.012 sq. in./ft"));
}

TEST(Buckling, StressOfExactlyYieldDoesNotControl) {
    CheckInputs inputs;
    const double r = std::sqrt(12 * 0.001892 / 0.775);
    // The span whose inelastic Fc rounds to 33,000 psi.
    inputs.span = r / 0.22 * std::sqrt((45000.0 - 33000.0) / 1.4547413793103448);
    DesignCheck check;
    store(inputs, check);
    check.run();
    EXPECT_EQ(check.result().buckling.stress, 33000);
    EXPECT_FALSE(check.result().buckling.controls);
    EXPECT_EQ(check.result().area.designStress, 33000);
    EXPECT_TRUE(contains(check.reportLines().lines(), "    Since 33000 > 33000 buckling does not control."));
}

TEST(Buckling, AisiEquationsFollowTheSlenderness) {
    CheckInputs slender;
    slender.method = CheckMethod::Aisi;
    slender.span = 120;
    EXPECT_EQ(blockOf(reportOf(slender), "Buckling Check:"),
              (std::vector<std::string>{"Buckling Check:", "    If r < 500 then Fc = 40,000 - 0.081(D/r)^2",
                                        "    If r > 500 then Fc = 4.93*10^9/(D/r)^2", " ",
                                        "    r = (I/A)^\xBD = (0.001892*12/0.775)^\xBD = 0.171159 in.",
                                        "    D/r = 120/0.171159 = 701.102", " ", "    Since 701.102 >= 500,",
                                        "    Fc = 4.93*10^9/(D/r)^2", "       = 4.93*10^9/(701.102)^2 = 10029.6 psi",
                                        " ", "    Since 10029.6 < 33000 buckling controls."}));

    CheckInputs stocky = slender;
    stocky.span = 48;
    const std::vector<std::string> block = blockOf(reportOf(stocky), "Buckling Check:");
    EXPECT_EQ(std::vector<std::string>(block.begin() + 5, block.end()),
              (std::vector<std::string>{"    D/r = 48/0.171159 = 280.441", " ", "    Since 280.441 < 500,",
                                        "    Fc = 40,000 - 0.081*(D/r)^2", "       = 40,000 - 0.081*(280.441)^2 = 33629.6 psi",
                                        " ", "    Since 33629.6 > 33000 buckling does not control."}));
}

TEST(Buckling, AisiSlendernessOfExactly600) {
    DesignCheck check;
    CheckInputs inputs;
    inputs.method = CheckMethod::Aisi;
    inputs.span = 600 * std::sqrt(12 * 0.001892 / 0.775);
    store(inputs, check);
    check.run();
    EXPECT_NEAR(check.result().buckling.stress, 13694.4, 0.05);
}

TEST(AreaCheck, AreaEqualToTheRoundedRequirementPasses) {
    // T = 639.375 pcf x 10 ft x 4 ft / 2 = 12787.5 lb/ft; A = 25575/33000 = 0.775.
    CheckInputs inputs;
    inputs.soilDensity = 639.375;
    inputs.cover = 10;
    const std::vector<std::string> exact = blockOf(reportOf(inputs), "Required Cross-Sectional Area:");
    EXPECT_EQ(exact, (std::vector<std::string>{"Required Cross-Sectional Area:",
                                               "    A = T*SF/F, where F is the lesser of Fy = 33,000 or Fc",
                                               "    A = 12787.5*2/33000 = 0.775 sq. in./ft", " ",
                                               "    Cross-Sectional Area Provided: 0.775 sq in./ft    OK"}));
    EXPECT_TRUE(resultOf(inputs).find(SummaryCheck::CrossSectionalArea)->ok);
    inputs.soilDensity = 640;
    const DesignCheckResult above = resultOf(inputs);
    EXPECT_EQ(above.area.required, 0.776);
    EXPECT_FALSE(above.find(SummaryCheck::CrossSectionalArea)->ok);
    EXPECT_TRUE(above.failed);
}

TEST(AreaCheck, FactoredFormsDivideByTheirFactor) {
    CheckInputs lrfd;
    lrfd.method = CheckMethod::AashtoLrfd;
    lrfd.corrugation = "Annular";
    EXPECT_EQ(blockOf(reportOf(lrfd), "Required Cross-Sectional Area:"),
              (std::vector<std::string>{"Required Cross-Sectional Area:",
                                        "    A = Tf/(phi)F where F is the lesser of Fy = 33,000 or Fc",
                                        "                  and phi is the resistance factor for wall area and buckling.",
                                        "    A = 5252/(1*33000) = 0.159 sq. in./ft", " ",
                                        "    Cross-Sectional Area Provided: 0.775 sq in./ft    OK"}));
    CheckInputs lfd = lrfd;
    lfd.method = CheckMethod::AashtoLfd;
    EXPECT_EQ(blockOf(reportOf(lfd), "Required Cross-Sectional Area:"),
              (std::vector<std::string>{"Required Cross-Sectional Area:",
                                        "    A = Tf/(phi)F where F is the lesser of Fy = 33,000 or Fc",
                                        "                  and phi is the capacity modification factor.",
                                        "    A = 6346.6/(0.67*33000) = 0.287 sq. in./ft", " ",
                                        "    Cross-Sectional Area Provided: 0.775 sq in./ft    OK"}));
    lfd.corrugation = "Helical";
    EXPECT_TRUE(contains(reportOf(lfd), "    A = 6346.6/(1*33000) = 0.192 sq. in./ft"));
}

TEST(SeamCheck, SeamStrengthEqualToTheRequirementFails) {
    // T = 360 x 10 x 4 / 2 = 7200 lb/ft; SS = 3 T = 21600, the 48 in. seam.
    CheckInputs inputs;
    inputs.corrugation = "Annular";
    inputs.soilDensity = 360;
    inputs.cover = 10;
    const DesignCheckResult equal = resultOf(inputs);
    ASSERT_TRUE(equal.seam);
    EXPECT_EQ(equal.seam->required, 21600);
    EXPECT_EQ(equal.seam->provided, 21600);
    EXPECT_FALSE(equal.find(SummaryCheck::SeamStrength)->ok);
    inputs.soilDensity = 359;
    EXPECT_TRUE(resultOf(inputs).find(SummaryCheck::SeamStrength)->ok);
}

TEST(SeamCheck, FormsAndSafetyFactorsByMethod) {
    struct Case {
        CheckMethod method;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {CheckMethod::AashtoAsd, {"    SS = T*SF", "    SS = 2960 * 3 = 8880 lb/ft"}},
        {CheckMethod::Aisi, {"    SS = T*SF", "    SS = 2960 * 2 = 5920 lb/ft"}},
        {CheckMethod::AstmLrfd,
         {"    SS = Tf/phi, where phi is the resistance factor for seam strength.",
          "    SS = 5252 / 0.67 = 7838.81 lb/ft"}},
        {CheckMethod::AashtoLfd,
         {"    SS = Tf/phi, where phi is the capacity modification factor.", "    SS = 6346.6 / 0.67 = 9472.54 lb/ft"}},
    };
    for (const Case& c : cases) {
        CheckInputs inputs;
        inputs.method = c.method;
        inputs.corrugation = "Annular";
        const std::vector<std::string> block = blockOf(reportOf(inputs), "Required Seam Strength:");
        ASSERT_EQ(block.size(), 5u) << static_cast<int>(c.method);
        EXPECT_EQ(std::vector<std::string>(block.begin() + 1, block.begin() + 3), c.lines);
    }
}

TEST(SeamCheck, OnlyJointedSeamsOfSeamProfilesAreChecked) {
    struct Case {
        const char* name;
        Profile profile;
        std::string_view corrugation;
        bool checked;
    };
    const Case cases[] = {
        {"helical 2-2/3 x 1/2", Profile::TwoThirdsByHalf, "Helical", false},
        {"annular 3 x 1", Profile::ThreeByOne, "Annular", true},
        {"bolted 6 x 2", Profile::SixByTwo, "Bolted", true},
        {"annular 5 x 1", Profile::FiveByOne, "Annular", false},
        {"annular ribbed", Profile::RibbedSevenHalf, "Annular", false},
        {"bolted composite ribbed", Profile::CompositeElevenHalf, "Bolted", false},
    };
    for (const Case& c : cases) {
        CheckInputs inputs;
        inputs.profile = c.profile;
        inputs.corrugation = c.corrugation;
        const DesignCheckResult r = resultOf(inputs);
        EXPECT_EQ(r.seam.has_value(), c.checked) << c.name;
        EXPECT_EQ(r.find(SummaryCheck::SeamStrength) != nullptr, c.checked) << c.name;
    }
}

}  // namespace
}  // namespace csp::designcheck
