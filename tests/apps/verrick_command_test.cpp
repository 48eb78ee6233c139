#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/apps/command_runner.h"

namespace csp::cli {
namespace {

Invocation run(std::vector<const char*> args) {
    args.insert(args.begin(), "verrick");
    return invokeCspReport(args);
}

TEST(VerrickCommand, WithoutOptionsChecksThePagesPresets) {
    const Invocation r = run({});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_TRUE(r.out.starts_with("                               Verrick\n \nInput Data\n"
                                  "    Structure Shape:      Round Pipe\n    Profile:              2-2/3 x 1/2\n"
                                  "    Diameter or Span, s:  48 in.\n    Thickness:            0.064 in.\n"
                                  "    Corrugation Type:     Helical\n    Soil Density, w:      120 pcf\n"
                                  "    Live Load:            H20\n    Cover, H:             1.5 ft\n"
                                  "    Installation Type:    Embankment\n    Design Method:        ASTM ASD\n"));
    EXPECT_NE(r.out.find("    r = (I/A)^\u00BD = (0.001892*12/0.775)^\u00BD = 0.171159 in.\n"), std::string::npos);
    EXPECT_TRUE(r.out.ends_with("    H = 1.5 ft   (1.5 >= 1ft) and (1.5 >= Hmin = 1)  OK\n"));
    EXPECT_EQ(r.out.find('\r'), std::string::npos);
}

TEST(VerrickCommand, OptionsReachTheReport) {
    const Invocation r = run({"--shape", "pipe-arch", "--profile", "3", "--corner-radius", "31", "--size", "1",
                              "--thickness", "8", "--live-load", "E80", "--method", "aisi", "--soil-density", "110",
                              "--cover", "20", "--corner-pressure", "6000", "--reduction", "0.86",
                              "--installation", "trench-standard"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("    Profile:              6x2 31(in) Corner Radius\n"
                         "    Diameter or Span, s:  162 in.\n    Rise:                 114 in.\n"
                         "    Thickness:            0.38 in.\n    Corrugation Type:     Bolted\n"
                         "    Soil Density, w:      110 pcf\n    Live Load:            E80\n"
                         "    Cover, H:             20 ft\n    Installation Type:    Trench, Standard\n"
                         "    Design Method:        AISI\n    Load Reduction Factor: 0.86\n \n"
                         "Design Check Summary:\n"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find(" psf < 6000 psf  OK\n"), std::string::npos);
}

TEST(VerrickCommand, UnderpassSizeIndexFollowsTheLabelledList) {
    const Invocation r = run({"--shape", "underpass", "--size", "4"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("    Diameter or Span, s:  70 in.\n    Rise:                 98 in.\n"), std::string::npos);
    EXPECT_NE(r.out.find("    Profile:              6x2\n"), std::string::npos);
}

TEST(VerrickCommand, OutputFileIsWrittenAsSaveAsWritesIt) {
    const auto path = temporaryReportPath("verrick");
    const Invocation r = run({"-o", path.c_str()});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "");
    const std::string bytes = takeSavedBytes(path);
    EXPECT_TRUE(bytes.starts_with("                               Verrick\r\n \r\nInput Data\r\n"));
    EXPECT_NE(bytes.find("    r = (I/A)^\xBD = (0.001892*12/0.775)^\xBD = 0.171159 in.\r\n"), std::string::npos);
    EXPECT_TRUE(bytes.ends_with("(1.5 >= Hmin = 1)  OK\r\n"));
}

struct StatusCase {
    const char* name;
    std::vector<const char*> args;
    int status;
    const char* err;  // a refusal's whole standard error; "" to check only that there is one
};

class VerrickExitStatus : public testing::TestWithParam<StatusCase> {};

TEST_P(VerrickExitStatus, RefusesWithThePagesMessageOrReportsMisuse) {
    const Invocation r = run(GetParam().args);
    EXPECT_EQ(r.status, GetParam().status) << r.err;
    if (GetParam().status == 0) {
        EXPECT_EQ(r.err, "");
        EXPECT_NE(r.out, "");
    } else {
        EXPECT_EQ(r.out, "");
        if (*GetParam().err) {
            EXPECT_EQ(r.err, GetParam().err);
        } else {
            EXPECT_NE(r.err, "");
        }
    }
}

const StatusCase statusCases[] = {
    // The main page first, then the properties page, then the reduction factor.
    {"soil density before cover", {"--soil-density", "0", "--cover", "0"}, 1,
     "csp-report verrick: --soil-density: The soil density must be between 1 and 10000.\n"},
    {"cover before corner pressure", {"--shape", "pipe-arch", "--cover", "0.99", "--corner-pressure", "0"}, 1,
     "csp-report verrick: --cover: The cover must be >= 1.\n"},
    {"corner pressure before the span", {"--shape", "underpass", "--corner-pressure", "abc"}, 1,
     "csp-report verrick: --corner-pressure: The corner pressure 'abc' is not a number.\n"},
    {"empty span", {"--span", ""}, 1, "csp-report verrick: --span: The span '' is not a number.\n"},
    {"span before the reduction factor", {"--method", "aisi", "--span", "-1", "--reduction", "0"}, 1,
     "csp-report verrick: --span: The span must be > 0.\n"},
    {"composite ribbed under AASHTO", {"--profile", "6", "--method", "aashto-lfd"}, 1,
     "csp-report verrick: No installation type is available for this profile and design method.\n"},
    {"main page before the properties page", {"--cover", "0", "--profile", "7", "--method", "aashto-asd"}, 1,
     "csp-report verrick: --cover: The cover must be >= 1.\n"},
    {"reduction factor 0", {"--method", "aisi", "--cover", "4", "--reduction", "0"}, 1,
     "csp-report verrick: --load-reduction: The reduction factor must be > 0.\n"},
    {"reduction factor by its preset", {"--method", "aisi", "--cover", "4"}, 0, ""},
    {"round pipe with a corner pressure", {"--corner-pressure", "4000"}, 2, ""},
    {"pipe-arch with a typed span", {"--shape", "pipe-arch", "--span", "60"}, 2, ""},
    {"round pipe with a size", {"--size", "0"}, 2, ""},
    {"corner radius for a 3 x 1 pipe-arch", {"--shape", "pipe-arch", "--profile", "1", "--corner-radius", "18"}, 2, ""},
    {"corner radius for an underpass", {"--shape", "underpass", "--corner-radius", "31"}, 2, ""},
    {"corner radius of 24 in.", {"--shape", "pipe-arch", "--profile", "3", "--corner-radius", "24"}, 2, ""},
    {"ninth round profile", {"--profile", "8"}, 2, ""},
    {"eighth pipe-arch profile", {"--shape", "pipe-arch", "--profile", "7"}, 2, ""},
    {"second underpass profile", {"--shape", "underpass", "--profile", "1"}, 2, ""},
    {"negative profile", {"--profile", "-1"}, 2, ""},
    {"size past the 31 in. list", {"--shape", "pipe-arch", "--profile", "3", "--corner-radius", "31", "--size", "24"},
     2, ""},
    {"last size of the 18 in. list", {"--shape", "pipe-arch", "--profile", "3", "--size", "33"}, 0, ""},
    {"size past the underpass list", {"--shape", "underpass", "--size", "22"}, 2, ""},
    {"sixth thickness of 2-2/3 x 1/2", {"--thickness", "5"}, 2, ""},
    {"annular 5 x 1", {"--profile", "2", "--corrugation", "annular"}, 2, ""},
    {"helical 6 x 2", {"--profile", "3", "--corrugation", "helical"}, 2, ""},
    {"special trench for 2-2/3 x 1/2", {"--installation", "trench-special"}, 2, ""},
    {"standard trench under AASHTO", {"--method", "aashto-asd", "--installation", "trench-standard"}, 2, ""},
    {"installation where none is offered", {"--profile", "6", "--method", "aashto-lrfd", "--installation", "embankment"},
     2, ""},
    {"reduction factor not asked under ASTM", {"--cover", "10", "--reduction", "0.86"}, 2, ""},
    {"reduction factor not asked with shallow cover", {"--method", "aisi", "--cover", "3.9", "--reduction", "0.86"},
     2, ""},
    {"reduction factor not asked over the widest 3 x 1 pipe-arch",
     {"--shape", "pipe-arch", "--profile", "1", "--size", "16", "--method", "aisi", "--cover", "5", "--reduction", "0.9"},
     2, ""},
    {"reduction factor asked over the narrowest 3 x 1 pipe-arch",
     {"--shape", "pipe-arch", "--profile", "1", "--size", "0", "--method", "aisi", "--cover", "5", "--reduction", "0.9"},
     0, ""},
    {"usage before typed values", {"--soil-density", "0", "--shape", "pipe-arch", "--span", "5"}, 2, ""},
    {"unknown method", {"--method", "lrfd"}, 2, ""},
    {"unknown live load", {"--live-load", "HS20"}, 2, ""},
    {"profile not a number", {"--profile", "x"}, 2, ""},
};

INSTANTIATE_TEST_SUITE_P(Cases, VerrickExitStatus, testing::ValuesIn(statusCases),
                         [](const testing::TestParamInfo<StatusCase>& info) {
                             std::string name;
                             for (const char* c = info.param.name; *c; ++c)
                                 name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                             return name;
                         });

TEST(VerrickCommand, ReductionFactorAppliesOnlyWhenAsked) {
    const Invocation asked = run({"--method", "aisi", "--cover", "4", "--reduction", "0.86"});
    ASSERT_EQ(asked.status, 0) << asked.err;
    EXPECT_NE(asked.out.find("    Load Reduction Factor: 0.86\n"), std::string::npos);
    EXPECT_NE(asked.out.find("    P = 0.86[480 + 400] = 756.8 psf\n"), std::string::npos);
    const Invocation preset = run({"--method", "aisi", "--cover", "4"});
    EXPECT_NE(preset.out.find("    Load Reduction Factor: 1\n"), std::string::npos);
    const Invocation shallow = run({"--method", "aisi", "--cover", "3.9"});
    EXPECT_EQ(shallow.out.find("Load Reduction Factor"), std::string::npos);
}

}  // namespace
}  // namespace csp::cli
