#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/apps/command_runner.h"

namespace csp::cli {
namespace {

Invocation run(std::vector<const char*> args) { return invokeCspReport(std::move(args)); }

TEST(OmbrelCommand, WithoutOptionsPrintsTheStartValuesReport) {
    const Invocation r = run({"ombrel"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_TRUE(r.out.starts_with("Input Data:\n  Thickness:      0.064 (in)  16 Gage\n  Resistivity:    5000\n"));
    EXPECT_NE(r.out.find("None                                             0           70       70   \n"),
              std::string::npos);
    EXPECT_NE(r.out.find("Aluminum Coated Type 2 without non-metallic coating: 75 year total life.\n"),
              std::string::npos);
    EXPECT_TRUE(r.out.ends_with("Note A: Review state and local design criteria.\n"));
    EXPECT_EQ(r.out.find('\r'), std::string::npos);
}

TEST(OmbrelCommand, OptionsReachTheReportAsTyped) {
    const Invocation r = run({"ombrel", "--gage", "8", "--resistivity", "5000.0", "--ph", "8", "--abrasion", "4"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("  Thickness:      0.168 (in)    8 Gage\n  Resistivity:    5000.0\n  pH:             8\n"
                         "  Abrasion Level: 4\n"),
              std::string::npos);
    EXPECT_NE(r.out.find("Estimated Life for Abrasion Level 4:"), std::string::npos);
}

TEST(OmbrelCommand, WindowsCharactersInARefusedTextPrintAsUtf8) {
    const Invocation r = run({"ombrel", "--ph", "7\u00BD"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "csp-report ombrel: --ph: The pH '7\u00BD' is not a number.\n");
}

TEST(OmbrelCommand, OutputFileIsWrittenAsSaveAsWritesIt) {
    const auto path = temporaryReportPath("ombrel");
    const Invocation r = run({"ombrel", "--resistivity", "5000 Ohm-cm", "-o", path.c_str()});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "");
    const std::string bytes = takeSavedBytes(path);
    EXPECT_TRUE(bytes.starts_with("Input Data:\r\n  Thickness:      0.064 (in)  16 Gage\r\n"));
    EXPECT_NE(bytes.find("  Resistivity:    5000 Ohm-cm\r\n"), std::string::npos);
    EXPECT_TRUE(bytes.ends_with("Note A: Review state and local design criteria.\r\n"));
}

struct StatusCase {
    std::vector<const char*> args;
    int status;
    const char* err;  // the whole standard error, or "" to check only that it is not empty
};

class ExitStatus : public testing::TestWithParam<StatusCase> {};

TEST_P(ExitStatus, TellsReportRefusalAndUsageApart) {
    const Invocation r = run(GetParam().args);
    EXPECT_EQ(r.status, GetParam().status) << r.err;
    if (*GetParam().err) {
        EXPECT_EQ(r.err, GetParam().err);
    } else {
        EXPECT_NE(r.err, "");
    }
    if (GetParam().status != 0) {
        EXPECT_EQ(r.out, "");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExitStatus,
    testing::Values(StatusCase{{"ombrel", "--ph", "15"}, 1, "csp-report ombrel: --ph: The pH must be between 0 and 14.\n"},
                    StatusCase{{"ombrel", "--resistivity", "abc"}, 1,
                               "csp-report ombrel: --resistivity: The resistivity 'abc' is not a number.\n"},
                    StatusCase{{"ombrel", "--ph", "-1", "--resistivity", "1"}, 1,
                               "csp-report ombrel: --ph: The pH must be between 0 and 14.\n"},
                    StatusCase{{"ombrel", "-o", "/nonexistent-folder/r.txt"}, 1,
                               "csp-report ombrel: --output: Unable to open file /nonexistent-folder/r.txt for writing.\n"},
                    StatusCase{{"ombrel", "--resistivity="}, 1,
                               "csp-report ombrel: --resistivity: The resistivity '' is not a number.\n"},
                    StatusCase{{"ombrel", "--gage", "15"}, 2, ""}, StatusCase{{"ombrel", "--abrasion", "5"}, 2, ""},
                    StatusCase{{"ombrel", "--abrasion", "x"}, 2, ""}, StatusCase{{"ombrel", "--colour", "red"}, 2, ""},
                    StatusCase{{}, 2, ""}, StatusCase{{"nosuch"}, 2, ""}));

TEST(OmbrelCommand, ListShowsThePagesListsAndEachWordReachesTheReportAsListed) {
    const Invocation list = run({"ombrel", "--list"});
    ASSERT_EQ(list.status, 0) << list.err;
    EXPECT_EQ(list.err, "");
    EXPECT_EQ(list.out,
              "--gage: Thickness\n"
              "               18  0.052 (in)  18 Gage\n"
              "               16  0.064 (in)  16 Gage\n"
              "               14  0.079 (in)  14 Gage\n"
              "               12  0.109 (in)  12 Gage\n"
              "               10  0.138 (in)  10 Gage\n"
              "                8  0.168 (in)    8 Gage\n"
              "--abrasion: Abrasion Level\n"
              "                1  Level 1: Non-Abrasive\n"
              "                2  Level 2: Low Abrasion\n"
              "                3  Level 3: Moderate Abrasion\n"
              "                4  Level 4: Severe Abrasion\n");
    // Every word the list offers gives the report of the line it stands beside.
    std::istringstream lines(list.out);
    std::string option;
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("--")) {
            option = line.substr(0, line.find(':'));
            continue;
        }
        const std::size_t keyAt = line.find_first_not_of(' ');
        const std::size_t textAt = line.find("  ", keyAt);
        const std::string key = line.substr(keyAt, textAt - keyAt), text = line.substr(textAt + 2);
        const Invocation report = run({"ombrel", option.c_str(), key.c_str()});
        ASSERT_EQ(report.status, 0) << option << " " << key << ": " << report.err;
        const std::string shown = option == "--gage" ? "  Thickness:      " + text + "\n"
                                                     : "  Abrasion Level: " + key + "\n";
        EXPECT_NE(report.out.find(shown), std::string::npos) << option << " " << key;
    }
    // A word the lists do not hold is the usage error the report gives.
    for (const char* option : {"--gage", "--abrasion"}) {
        const Invocation bad = run({"ombrel", "--list", option, "7"});
        EXPECT_EQ(bad.status, 2) << option;
        EXPECT_EQ(bad.out, "") << option;
        EXPECT_TRUE(bad.err.starts_with(std::string("csp-report ombrel: ") + option + ": ")) << bad.err;
    }
}

TEST(OmbrelCommand, HelpAndVersionSucceedOnStandardOutput) {
    const Invocation help = run({"ombrel", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--resistivity"), std::string::npos);
    const Invocation version = run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(version.out.starts_with("csp-report "));
}

}  // namespace
}  // namespace csp::cli
