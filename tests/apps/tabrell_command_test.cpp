#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/apps/command_runner.h"

namespace csp::cli {
namespace {

Invocation run(std::vector<const char*> args) { return invokeCspReport(std::move(args)); }

TEST(TabrellCommand, WithoutOptionsPrintsTheMainPageDefaultsTable) {
    // Round 2-2/3 x 1/2 under H 20, Embankment AISI, helical, factor 1.0.
    const Invocation r = run({"tabrell"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_TRUE(r.out.starts_with(" Maximum Fill Heights for Steel Pipe\nH 20 Live Load            2-2/3 X 1/2 "
                                  "Corrugation\n-----"));
    EXPECT_NE(r.out.find("\n   12        12        213       266       373       480       587\n"), std::string::npos);
    EXPECT_NE(r.out.find("\nThe table is based on the following criteria (AISI embankment):\n  Pipe Type = Helical\n"),
              std::string::npos);
    EXPECT_NE(r.out.find("\n  Load Reduction Factor = 1.00 for fill heights not less than span.\n"), std::string::npos);
    EXPECT_TRUE(r.out.ends_with("\n  Minimum Fill Height taken as Span/ 8 but not less than  12 in.\n"));
    EXPECT_EQ(r.out.find('\r'), std::string::npos);
}

TEST(TabrellCommand, FollowUpPagesReachTheCriteriaBlock) {
    const Invocation r = run({"tabrell", "--shape", "15", "--conditions", "trench-aisi", "--trench", "special",
                              "--load-reduction", "0.86"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.out.ends_with(" \n"
                                "The table is based on the following criteria (AISI trench):\n"
                                "  Pipe Type = Helical\n"
                                "  Design Method = ASD\n"
                                "  Trench Type = Special\n"
                                "  Fill Density =   120 pcf (prism above pipe).\n"
                                "  Load Reduction Factor = 0.86 for fill heights not less than span.\n"
                                "  Flexibility Factor Limit = 0.220 I^1/3\n"
                                "  Safety Factor on Wall Area = 2.00\n"
                                "  Safety Factor on Buckling = 2.00 based on equations of AISI.\n"
                                "  Seam Strength check not required for helical pipe.\n"
                                "  Minimum Fill Height taken as Span/ 4 but not less than  12 in.\n"));
}

TEST(TabrellCommand, PipeArchRowsAsTheWizardShowsThem) {
    const Invocation e80 = run({"tabrell", "--shape", "11", "--live-load", "E80", "--conditions", "embankment-astm",
                                "--criteria", "hide"});
    EXPECT_EQ(e80.status, 0);
    EXPECT_NE(e80.out.find("\n  6-1  x  4-7     0.111    24       15           24           33\n"), std::string::npos);
    const Invocation h20 = run({"tabrell", "--shape", "11", "--conditions", "embankment-astm", "--criteria", "hide"});
    EXPECT_NE(h20.out.find("\n  6-1  x  4-7     0.111     12  16       12  24       12  33\n"), std::string::npos);
}

TEST(TabrellCommand, DesignAndTrenchChoicesReachTheTable) {
    const Invocation r = run({"tabrell", "--shape", "0", "--live-load", "H25", "--conditions", "trench-astm",
                              "--trench", "special", "--design", "lrfd", "--criteria", "hide"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\n   24        12         72       100       167       242\n"), std::string::npos);
    EXPECT_TRUE(r.out.ends_with("\n  120        30          0         0         0        37\n"));
}

TEST(TabrellCommand, AnnularBaseTakesTheSeamCheck) {
    const Invocation r = run({"tabrell", "--shape", "5", "--live-load", "E80", "--base", "annular",
                              "--load-reduction", "0.86", "--criteria", "hide"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\n   36        18         93       115       166       206       228\n"), std::string::npos);
    EXPECT_TRUE(r.out.ends_with("\n  144        36          0         0         0        42        52\n"));
}

TEST(TabrellCommand, OutputFileIsWrittenAsSaveAsWritesIt) {
    const auto path = temporaryReportPath("tabrell");
    const Invocation r = run({"tabrell", "--shape", "8", "-o", path.c_str()});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "");
    const std::string bytes = takeSavedBytes(path);
    EXPECT_TRUE(bytes.starts_with("Maximum Fill Heights for Corrugated Steel Pipe-arch\r\nH 20 Live Load "));
    EXPECT_TRUE(bytes.ends_with("  Minimum Fill Height taken as Span/ 8 but not less than  12 in.\r\n"));
}

struct StatusCase {
    std::vector<const char*> args;
    int status;
    const char* err;  // the whole standard error for a refusal; for a usage error, a part of it
};

class TabrellExitStatus : public testing::TestWithParam<StatusCase> {};

TEST_P(TabrellExitStatus, TellsReportRefusalAndUsageApart) {
    const Invocation r = run(GetParam().args);
    EXPECT_EQ(r.status, GetParam().status) << r.err;
    if (GetParam().status == 1) {
        EXPECT_EQ(r.err, GetParam().err);
    } else {
        EXPECT_NE(r.err.find(GetParam().err), std::string::npos) << r.err;
    }
    EXPECT_EQ(r.out, "");
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, TabrellExitStatus,
    testing::Values(
        StatusCase{{"tabrell", "--shape", "0", "--live-load", "E80"}, 1,
                   "csp-report tabrell: Railroad loadings not available for this product.\n"},
        StatusCase{{"tabrell", "--soil-density", "0.99"}, 1,
                   "csp-report tabrell: --soil-density: The soil density must be between 1 and 10000.\n"},
        StatusCase{{"tabrell", "--soil-density", "pcf"}, 1,
                   "csp-report tabrell: --soil-density: The soil density 'pcf' is not a number.\n"},
        StatusCase{{"tabrell", "--soil-density", ""}, 1,
                   "csp-report tabrell: --soil-density: The soil density '' is not a number.\n"},
        StatusCase{{"tabrell", "--load-reduction", "0"}, 1,
                   "csp-report tabrell: --load-reduction: The soil dead load reduction factor must be > 0 and <= 1.\n"},
        StatusCase{{"tabrell", "--load-reduction", "-0.5"}, 1,
                   "csp-report tabrell: --load-reduction: The soil dead load reduction factor must be > 0 and <= 1.\n"},
        // The main page is checked before the Load Reduction page.
        StatusCase{{"tabrell", "--load-reduction", "1.5", "--soil-density", "0"}, 1,
                   "csp-report tabrell: --soil-density: The soil density must be between 1 and 10000.\n"},
        StatusCase{{"tabrell", "-o", "/nonexistent-folder/t.txt"}, 1,
                   "csp-report tabrell: --output: Unable to open file /nonexistent-folder/t.txt for writing.\n"}));

INSTANTIATE_TEST_SUITE_P(
    UsageErrors, TabrellExitStatus,
    testing::Values(
        StatusCase{{"tabrell", "--design", "asd"}, 2, "--conditions embankment-aisi"},
        StatusCase{{"tabrell", "--shape", "6", "--base", "helical"}, 2, "--shape 6"},
        StatusCase{{"tabrell", "--shape", "4", "--conditions", "trench-astm", "--trench", "special"}, 2, "--shape 4"},
        StatusCase{{"tabrell", "--shape", "0", "--conditions", "embankment-astm", "--trench", "special"}, 2,
                   "--conditions embankment-astm"},
        StatusCase{{"tabrell", "--conditions", "trench-astm", "--load-reduction", "0.86"}, 2,
                   "--conditions trench-astm"},
        StatusCase{{"tabrell", "--conditions", "trench-astm", "--design", "aashto-lfd"}, 2, "asd and lrfd"},
        // A usage error is reported before a typed value is looked at.
        StatusCase{{"tabrell", "--soil-density", "abc", "--design", "lrfd"}, 2, "Select Design"},
        StatusCase{{"tabrell", "--shape", "16"}, 2, "--shape"},
        StatusCase{{"tabrell", "--shape", "four"}, 2, "--shape"},
        StatusCase{{"tabrell", "--live-load", "H30"}, 2, "--live-load"},
        StatusCase{{"tabrell", "--conditions", "trench"}, 2, "--conditions"},
        StatusCase{{"tabrell", "--criteria", "yes"}, 2, "--criteria"},
        StatusCase{{"tabrell", "--conditions", "embankment-astm", "--design", "lfd"}, 2, "--design"}));

TEST(TabrellCommand, EveryAskedPageMayBeAnsweredAtOnce) {
    const Invocation r = run({"tabrell", "--shape", "4", "--conditions", "embankment-astm", "--design", "aashto-lfd",
                              "--base", "annular"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\n  Design Method = AASHTO LFD\n"), std::string::npos);
    EXPECT_NE(r.out.find("\n  Pipe Type = Annular\n"), std::string::npos);
    EXPECT_NE(r.out.find("\n  Safety Factor on Seam Strength = 3.00\n"), std::string::npos);
}

}  // namespace
}  // namespace csp::cli
