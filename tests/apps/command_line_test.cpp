#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "filltables/shape_table.h"
#include "tests/apps/command_runner.h"

namespace csp::cli {
namespace {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST(CommandLine, EveryHelpFitsEightyColumnsAndNamesValuesAndUnitsInWords) {
    struct Case {
        std::vector<const char*> args;
        std::vector<const char*> shown;
    };
    const Case cases[] = {
        {{"--help"}, {"Exit status:", "Examples:", "  ombrel ", "  tabrell ", "  verrick "}},
        {{"ombrel", "--help"}, {"-o, --output FILE", "--resistivity OHM-CM", "in ohm-cm", "--gage GAGE", "--version"}},
        {{"tabrell", "--help"}, {"--soil-density PCF", "in pcf", "--shape N", "(default 4)", "--list", "--strict"}},
        {{"check", "--help"}, {"Usage: csp-report check [OPTION]... FILE", "--reports DIR", "Exit status"}},
        {{"select", "--help"},
         {"--span IN", "--min-cover FT", "--life YEARS", "--load-reduction REDUCTION", "--ph PH", "--csv", "--svg FILE"}},
        {{"verrick", "--help"},
         {"--cover FT", "in ft", "--span IN", "in in.", "--corner-pressure PSF", "in psf", "--method METHOD"}},
    };
    for (const Case& c : cases) {
        const Invocation help = invokeCspReport(c.args);
        EXPECT_EQ(help.status, 0);
        EXPECT_EQ(help.err, "");
        for (const std::string& line : linesOf(help.out)) EXPECT_LE(line.size(), 80u) << line;
        for (const char* text : c.shown) EXPECT_NE(help.out.find(text), std::string::npos) << c.args[0] << ": " << text;
        EXPECT_EQ(help.out.find("TEXT"), std::string::npos) << "parser type text in " << c.args[0];
    }
    // The shapes are positions: the help names each as the list shows it.
    const std::string tabrell = invokeCspReport({"tabrell", "--help"}).out;
    for (std::size_t i = 0; i < shapeProfileTexts.size(); ++i)
        EXPECT_NE(tabrell.find(std::to_string(i) + "  " + std::string(shapeProfileTexts[i]) + "\n"), std::string::npos)
            << i;
    for (const char* subcommand : {"ombrel", "tabrell", "verrick"})
        EXPECT_EQ(invokeCspReport({subcommand, "--version"}).out, "csp-report " CSP_VERSION "\n");
}

struct MessageCase {
    const char* name;
    std::vector<const char*> args;
    int status;
    const char* err;  // the first line of standard error
};

TEST(CommandLine, MessagesStartWithTheCommandAndNameWhatWentWrong) {
    const MessageCase cases[] = {
        {"unknown subcommand",
         {"tabrel"},
         2,
         "csp-report: 'tabrel' is not a subcommand; the subcommands are ombrel, "
         "tabrell, verrick, check, select"},
        {"no subcommand", {}, 2, "csp-report: a subcommand is needed: ombrel, tabrell, verrick, check, select"},
        {"entry before the subcommand",
         {"--ph", "7", "ombrel"},
         2,
         "csp-report: unknown option '--ph'; the entries go after the subcommand (ombrel, tabrell, verrick, check, "
         "select)"},
        {"unexpected arguments in order",
         {"ombrel", "one", "--two", "three"},
         2,
         "csp-report ombrel: unexpected arguments: one --two three"},
        {"a value missing", {"verrick", "--cover"}, 2, "csp-report verrick: --cover: a value is needed"},
        {"a word for a position",
         {"verrick", "--profile", "first"},
         2,
         "csp-report verrick: --profile: 'first' is not in the round profile list, which offers:"},
        {"a word the list does not hold",
         {"tabrell", "--live-load", "HS20"},
         2,
         "csp-report tabrell: --live-load: 'HS20' is not one of H20, H25, E80"},
        {"an empty choice",
         {"ombrel", "--abrasion", ""},
         2,
         "csp-report ombrel: --abrasion: '' is not one of 1, 2, 3, 4"},
        {"an empty output name",
         {"ombrel", "-o", ""},
         2,
         "csp-report ombrel: --output: an empty file name; use - for standard output"},
        {"a refusal names its entry",
         {"ombrel", "--ph", "15"},
         1,
         "csp-report ombrel: --ph: The pH must be between 0 and 14."},
        {"a refusal of no one entry",
         {"tabrell", "--shape", "1", "--live-load", "E80"},
         1,
         "csp-report tabrell: Railroad loadings not available for this product."},
        {"a number in its unit warns",
         {"ombrel", "--resistivity", "3000 ohm-cm"},
         0,
         "csp-report ombrel: warning: --resistivity '3000 ohm-cm' is read as 3000"},
        {"and is refused when strict",
         {"ombrel", "--resistivity", "3000 ohm-cm", "--strict"},
         1,
         "csp-report ombrel: --resistivity: '3000 ohm-cm' is not a number (the page would read it as 3000)"},
        {"letters after a number without a unit are refused",
         {"ombrel", "--ph", "7 pH"},
         1,
         "csp-report ombrel: --ph: The pH '7 pH' is not a number."},
        {"a misread number is refused", {"ombrel", "--ph", "7,5"}, 1, "csp-report ombrel: --ph: The pH '7,5' is not a number."},
        {"a whole number with blanks is no warning", {"ombrel", "--ph", " 7.5 "}, 0, ""},
    };
    for (const MessageCase& c : cases) {
        const Invocation r = invokeCspReport(c.args);
        EXPECT_EQ(r.status, c.status) << c.name;
        EXPECT_EQ(linesOf(r.err).empty() ? "" : linesOf(r.err).front(), c.err) << c.name;
        if (c.status == 2) {
            EXPECT_NE(r.err.find("\nTry 'csp-report"), std::string::npos) << c.name;
        }
        if (c.status != 0) {
            EXPECT_EQ(r.out, "") << c.name;
        }
    }
}

TEST(CommandLine, AHalfReadNumberGivesThePagesReportAndARepeatedOptionItsLastValue) {
    // The report shows the resistivity as typed, and computes with the 3000
    // the page reads.
    std::string halfRead = invokeCspReport({"ombrel", "--resistivity", "3000 Ohm-cm"}).out;
    const std::string plain = invokeCspReport({"ombrel", "--resistivity", "3000"}).out;
    const std::string typed = "Resistivity:    3000 Ohm-cm";
    ASSERT_NE(halfRead.find(typed), std::string::npos);
    halfRead.replace(halfRead.find(typed), typed.size(), "Resistivity:    3000");
    EXPECT_EQ(halfRead, plain);
    EXPECT_EQ(invokeCspReport({"ombrel", "--gage", "8", "--gage", "12"}).out,
              invokeCspReport({"ombrel", "--gage", "12"}).out);
}

TEST(CommandLine, ListShowsWhatThePagesOfferForTheEntriesGivenSoFar) {
    struct Case {
        std::vector<const char*> args;
        std::vector<const char*> shown, notShown;
    };
    const Case cases[] = {
        {{"verrick", "--shape", "pipe-arch", "--profile", "3", "--corner-radius", "31", "--list"},
         {"--profile: Profiles of the pipe-arch\n", "                6  TEST\n", "               31  31 inch\n",
          "                1  162 x 114 in.\n", "                8  0.38 in.\n", "           bolted  Bolted\n"},
         {"helical  Helical"}},
        {{"verrick", "--profile", "6", "--method", "aashto-lfd", "--list"},
         {"--thickness: Thicknesses\n", "--installation: Installation types under aashto-lfd\n"},
         {"--size:", "embankment"}},
        {{"tabrell", "--shape", "9", "--conditions", "trench-astm", "--list"},
         {"               15  pipe-arch-3/4x1x11-1/2         Pipe-arch with 3/4 x 1 x 11-1/2 profile\n", "--design: Select Design\n",
          "             lrfd  LRFD\n--base: Base for Tables\n",
          "              E80  E 80\n--conditions: Conditions/Criteria\n"},
         {"aashto-lfd", "--trench:", "--load-reduction:"}},
    };
    for (const Case& c : cases) {
        const Invocation r = invokeCspReport(c.args);
        EXPECT_EQ(r.status, 0) << r.err;
        for (const char* text : c.shown) EXPECT_NE(r.out.find(text), std::string::npos) << text << "\n" << r.out;
        for (const char* text : c.notShown) EXPECT_EQ(r.out.find(text), std::string::npos) << text << "\n" << r.out;
    }
    EXPECT_EQ(invokeCspReport({"verrick", "--shape", "round", "--profile", "9", "--list"}).status, 2);
}

TEST(CommandLine, OutputDashWritesTheSavedBytesToStandardOutput) {
    const auto path = temporaryReportPath("dash");
    ASSERT_EQ(invokeCspReport({"verrick", "--shape", "underpass", "-o", path.c_str()}).status, 0);
    const Invocation dash = invokeCspReport({"verrick", "--shape", "underpass", "-o", "-"});
    EXPECT_EQ(dash.status, 0);
    EXPECT_EQ(dash.out, takeSavedBytes(path));
    EXPECT_FALSE(std::filesystem::exists("-"));
}

#ifndef _WIN32
TEST(CommandLine, AFailedWriteToStandardOutputIsAnError) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
    const auto errors = temporaryReportPath("full");
    const std::string command = std::string(CSP_REPORT_BINARY) + " ombrel > /dev/full 2> " + errors;
    const int status = std::system(command.c_str());
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(takeSavedBytes(errors), "csp-report: write error: No space left on device\n");
}
#endif

}  // namespace
}  // namespace csp::cli
