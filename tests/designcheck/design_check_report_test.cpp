#include <gtest/gtest.h>

#include <algorithm>

#include "designcheck/design_check.h"
#include "tests/designcheck/check_inputs.h"

namespace csp::designcheck {
namespace {

using Lines = std::vector<std::string>;

TEST(DesignCheckReport, FortyEightInchHelicalPipeUnderAstmAsd) {
    const Lines expected = {
        "                               Verrick",
        " ",
        "Input Data",
        "    Structure Shape:      Round Pipe",
        "    Profile:              2-2/3 x 1/2",
        "    Diameter or Span, s:  48 in.",
        "    Thickness:            0.064 in.",
        "    Corrugation Type:     Helical",
        "    Soil Density, w:      120 pcf",
        "    Live Load:            H20",
        "    Cover, H:             1.5 ft",
        "    Installation Type:    Embankment",
        "    Design Method:        ASTM ASD",
        " ",
        "Design Check Summary:",
        "    Required Cross-Sectional Area    OK",
        "    Handling and Installation        OK",
        "    Minimum Cover                    OK",
        " ",
        "ALL DESIGN CHECKS ARE SATISFIED.",
        " ",
        "Earth Load:",
        "    EL = H * w",
        "    EL = 1.5 * 120 = 180 psf",
        " ",
        "Live Load + Impact:",
        "    LL + IL = 1300 psf",
        " ",
        "Design Pressure:",
        "    P = EL + (LL + IL)",
        "    P = 180 + 1300 = 1480 psf",
        " ",
        "Ring Compression Thrust:",
        "    T = P * (s/12)/2",
        "    T = 1480 * (48/12)/2 = 2960 lb/ft",
        " ",
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
        " ",
        "Required Cross-Sectional Area:",
        "    A = T*SF/F, where F is the lesser of Fy = 33,000 or Fc",
        "    A = 2960*2/33000 = 0.179 sq. in./ft",
        " ",
        "    Cross-Sectional Area Provided: 0.775 sq in./ft    OK",
        " ",
        "Handling and Installation:",
        "    FF = s^2/EI",
        "    FF = 48*48/(2.9e+07*0.001892) = 0.042 in./lb",
        " ",
        "    FF Limit: 0.043 in./lb    OK",
        " ",
        "Minimum Cover Requirement:",
        "    The cover must not be less than 1 ft and must not be less",
        "    than the following:",
        " ",
        "    If [(AL)d/(E*I)]^\xBD > 0.23 or < 0.45,",
        "        then Hmin = 0.55*(s/12)*[(AL)d/(E*I)]^\xBD  ft",
        "    If [(AL)d/(E*I)]^\xBD < 0.23, then Hmin = (1/8)*(s/12) ft",
        "    If [(AL)d/(E*I)]^\xBD > 0.45, then Hmin = (1/4)*(s/12) ft",
        " ",
        "    [(AL)d/(E*I)]^\xBD = [(32000)0.5/(2.9e+07*0.001892)]^\xBD",
        "                    = 0.540008",
        "    Therefore,  Hmin = (1/4)*(s/12) = (1/4)*(48/12) = 1 ft",
        " ",
        "    H = 1.5 ft   (1.5 >= 1ft) and (1.5 >= Hmin = 1)  OK",
    };
    DesignCheck check;
    store(CheckInputs{}, check);
    check.run();
    EXPECT_EQ(check.reportLines().lines(), expected);
    EXPECT_FALSE(check.failed());
    // The second printed page begins with the blank line before the area check.
    ASSERT_EQ(check.pageBreakLine(), 48);
    EXPECT_EQ(expected[48], " ");
    EXPECT_EQ(expected[49], "Required Cross-Sectional Area:");
}

TEST(DesignCheckReport, PageBreakFallsBeforeTheAreaCheckInEveryForm) {
    CheckInputs arch;
    arch.shape = StructureShape::PipeArch;
    arch.profile = Profile::SixByTwo;
    arch.cornerRadius = 31;
    arch.corrugation = "Bolted";
    for (CheckMethod method : {CheckMethod::AstmAsd, CheckMethod::AstmLrfd, CheckMethod::AashtoAsd,
                               CheckMethod::AashtoLfd, CheckMethod::AashtoLrfd, CheckMethod::Aisi}) {
        arch.method = method;
        arch.reductionFactor = method == CheckMethod::Aisi ? 0.86 : 0.0;
        DesignCheck check;
        store(arch, check);
        check.run();
        const Lines& lines = check.reportLines().lines();
        const auto page = static_cast<std::size_t>(check.pageBreakLine());
        ASSERT_LT(page + 1, lines.size());
        EXPECT_EQ(lines[page], " ");
        EXPECT_EQ(lines[page + 1], "Required Cross-Sectional Area:") << static_cast<int>(method);
    }
}

TEST(DesignCheckReport, PipeArchSummaryListsEveryCheckInOrder) {
    CheckInputs arch;
    arch.shape = StructureShape::PipeArch;
    arch.profile = Profile::ThreeByOne;
    arch.sizeIndex = 3;
    arch.cover = 2;
    arch.corrugation = "Annular";
    const Lines report = reportOf(arch);
    const auto summary = std::find(report.begin(), report.end(), "Design Check Summary:");
    ASSERT_NE(summary, report.end());
    EXPECT_EQ(Lines(summary - 1, summary + 8),
              (Lines{" ", "Design Check Summary:", "    Required Cross-Sectional Area    OK",
                     "    Required Seam Strength           OK", "    Handling and Installation        OK",
                     "    Minimum Cover                    OK", "    Corner Bearing Pressure          OK", " ",
                     "ALL DESIGN CHECKS ARE SATISFIED."}));
    EXPECT_EQ(*(summary - 2), "    Design Method:        ASTM ASD");
}

TEST(DesignCheckReport, InputDataGrowsWithTheRiseAndTheReductionFactor) {
    struct Case {
        const char* name;
        StructureShape shape;
        double reduction;
        std::size_t lines;
    };
    const Case cases[] = {{"round pipe", StructureShape::RoundPipe, 0, 12},
                          {"round pipe with K", StructureShape::RoundPipe, 0.86, 13},
                          {"pipe-arch", StructureShape::PipeArch, 0, 13},
                          {"pipe-arch with K", StructureShape::PipeArch, 0.86, 14}};
    for (const Case& c : cases) {
        CheckInputs inputs;
        inputs.shape = c.shape;
        inputs.method = CheckMethod::Aisi;
        inputs.reductionFactor = c.reduction;
        const Lines report = reportOf(inputs);
        const auto summary = std::find(report.begin(), report.end(), "Design Check Summary:");
        ASSERT_NE(summary, report.end());
        // From the blank line after the banner to the last Input Data line.
        EXPECT_EQ(static_cast<std::size_t>(summary - 1 - (report.begin() + 1)), c.lines) << c.name;
    }
    CheckInputs arch;
    arch.shape = StructureShape::PipeArch;
    arch.method = CheckMethod::Aisi;
    arch.reductionFactor = 0.86;
    const Lines report = reportOf(arch);
    EXPECT_EQ(report[5], "    Diameter or Span, s:  17 in.");
    EXPECT_EQ(report[6], "    Rise:                 13 in.");
    EXPECT_EQ(report[14], "    Load Reduction Factor: 0.86");
}

TEST(DesignCheckReport, SecondRunGivesTheSameReport) {
    CheckInputs inputs;
    inputs.method = CheckMethod::AashtoLfd;
    inputs.corrugation = "Annular";
    DesignCheck check;
    store(inputs, check);
    check.run();
    const Lines first = check.reportLines().lines();
    const int firstBreak = check.pageBreakLine();
    check.run();
    EXPECT_EQ(check.reportLines().lines(), first);
    EXPECT_EQ(check.pageBreakLine(), firstBreak);
    check.clearReport();
    EXPECT_TRUE(check.reportLines().isEmpty());
}

TEST(DesignCheckReport, FailedCheckIsClearedByTheNextRun) {
    CheckInputs inputs;
    inputs.span = 600;
    DesignCheck check;
    store(inputs, check);
    check.run();
    EXPECT_TRUE(check.failed());
    EXPECT_EQ(check.reportLines().line(19), "INDICATED DESIGN CHECKS WERE NOT SATISFIED.");
    check.setSpan(48);
    check.run();
    EXPECT_FALSE(check.failed());
    EXPECT_EQ(check.reportLines().line(19), "ALL DESIGN CHECKS ARE SATISFIED.");
}

TEST(DesignCheckReport, UnknownChoicesReadUnknown) {
    DesignCheck check;
    check.setShape(3);
    check.setProfile(9);
    check.setLiveLoad(-1);
    check.setMethod(6);
    EXPECT_EQ(check.shapeText(), "Unknown");
    EXPECT_EQ(check.profileText(), "Unknown");
    EXPECT_EQ(check.liveLoadText(), "Unknown");
    EXPECT_EQ(check.methodText(), "Unknown");
    check.setCover(2);
    check.setSoilDensity(120);
    check.run();  // every missing value reads 0; nothing crashes
    EXPECT_FALSE(contains(check.reportLines().lines(), "Corner Bearing Pressure on Soil:"));
    // With a span to carry, the missing wall area fails its check.
    check.setShape(0);
    check.setSpan(48);
    check.run();
    EXPECT_TRUE(contains(check.reportLines().lines(), "    Cross-Sectional Area Provided: 0 sq in./ft    NO GOOD"));
    EXPECT_TRUE(check.failed());
}

TEST(DesignCheckRecord, TypeTextsMustMatchExactly) {
    DesignCheck check;
    EXPECT_TRUE(check.setInstallationType("Trench, Special"));
    EXPECT_FALSE(check.setInstallationType("Trench,Standard"));
    EXPECT_FALSE(check.setInstallationType("trench, standard"));
    EXPECT_EQ(check.installationTypeText(), "Trench, Special");
    EXPECT_TRUE(check.setCorrugationType("Bolted"));
    EXPECT_FALSE(check.setCorrugationType("Helical "));
    EXPECT_EQ(check.corrugationType(), CorrugationType::Bolted);
}

}  // namespace
}  // namespace csp::designcheck
