#include <gtest/gtest.h>

#include <sstream>

#include "apps/csp-report/csv_rows.h"
#include "selection/selection_report.h"
#include "tests/apps/command_runner.h"

namespace csp::cli {
namespace {

// The arguments of a command line the report prints, after "csp-report".
std::vector<std::string> wordsAfter(const std::string& line, std::size_t at) {
    std::vector<std::string> words;
    std::istringstream split(line.substr(at + std::string("csp-report ").size()));
    for (std::string word; split >> word;) words.push_back(word);
    return words;
}

Invocation invokeWords(const std::vector<std::string>& words) {
    std::vector<const char*> args;
    for (const std::string& word : words) args.push_back(word.c_str());
    return invokeCspReport(args);
}

TEST(SelectCommand, EachAlternativesCommandsGiveItsPassingCheckAndItsLife) {
    const Invocation r = invokeCspReport({"select", "--span", "120", "--min-cover", "2", "--max-cover", "30", "--method",
                                          "aisi", "--live-load", "E80", "--reduction", "0.86", "--life", "75",
                                          "--ph", "6.5", "--resistivity", "3000"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::istringstream lines(r.out);
    int checks = 0, lives = 0;
    for (std::string line; std::getline(lines, line);) {
        if (const std::size_t at = line.find("csp-report verrick "); at != std::string::npos) {
            const Invocation check = invokeWords(wordsAfter(line, at));
            EXPECT_EQ(check.status, 0) << line << "\n" << check.err;
            EXPECT_NE(check.out.find("ALL DESIGN CHECKS ARE SATISFIED."), std::string::npos) << line;
            ++checks;
        }
        if (const std::size_t at = line.find("csp-report ombrel "); at != std::string::npos) {
            EXPECT_EQ(invokeWords(wordsAfter(line, at)).status, 0) << line;
            ++lives;
        }
    }
    EXPECT_GE(checks, 2);
    EXPECT_EQ(lives, checks);
}

TEST(SelectCommand, ExitsZeroOnlyWhenAnAlternativeMeetsBothAndSaysWhy) {
    struct Case {
        std::vector<const char*> args;
        int status;
        const char* shown;
    };
    const Case cases[] = {
        {{"select", "--span", "120", "--cover", "30", "--method", "aisi", "--live-load", "E80"}, 0,
         "> the lightest alternative that meets both structure and life"},
        {{"select", "--span", "144", "--cover", "200", "--soil-density", "150"}, 1, "no wall passes"},
        {{"select", "--life", "100", "--ph", "4", "--resistivity", "150", "--abrasion", "4"}, 1,
         "No alternative meets both structure and life."},
        {{"select", "--corrugation", "annular"}, 0, "not made as annular pipe"},
        {{"select", "--method", "aashto-lfd"}, 0, "No installation type is available"},
        {{"select", "--shape", "underpass", "--span", "60", "--rise", "100", "--min-cover", "2", "--max-cover", "5"}, 0,
         "146 x 132"},
        {{"select", "--cover", "0.5"}, 1, "csp-report select: --cover: The cover must be >= 1."},
        {{"select", "--min-cover", "12", "--max-cover", "4"}, 1,
         "csp-report select: --min-cover: The least cover (12 ft) must not be greater than the greatest (4 ft)."},
        {{"select", "--life", "0"}, 1, "--life: The design life must be a whole number of years from 1 to 100."},
        {{"select", "--rise", "40"}, 2, "--rise: a round pipe's span is its diameter"},
        {{"select", "--thickness", "2"}, 2, "unexpected arguments: --thickness 2"},
        {{"select", "--svg", "-"}, 2, "--svg -: standard output already takes the report"},
        {{"select", "--csv"}, 0, "profile,corrugation,size,thickness,steel lb/ft,governing check"},
    };
    for (const Case& c : cases) {
        const Invocation r = invokeCspReport(c.args);
        EXPECT_EQ(r.status, c.status) << c.args[1] << "\n" << r.err;
        EXPECT_NE((r.out + r.err).find(c.shown), std::string::npos) << c.args[1] << "\n" << r.out << r.err;
    }
}

TEST(SelectCommand, SavesTheReportCsvAndPictureAsTheOtherSubcommandsDo) {
    const std::string report = temporaryReportPath("select-report"), picture = temporaryReportPath("select-picture");
    const std::vector<const char*> site = {"select", "--shape", "pipe-arch", "--span", "60", "--rise", "40",
                                           "--min-cover", "2", "--max-cover", "12"};
    const Invocation shown = invokeCspReport(site);
    std::vector<const char*> saving = site;
    for (const char* arg : {"-o", report.c_str(), "--svg", picture.c_str()}) saving.push_back(arg);
    const Invocation saved = invokeCspReport(saving);
    ASSERT_EQ(saved.status, 0) << saved.err;
    EXPECT_EQ(saved.out, "");
    std::string crlf;
    for (char c : shown.out) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(takeSavedBytes(report), crlf);
    const std::string svg = takeSavedBytes(picture);
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find("data-chosen=\"yes\""), std::string::npos);

    std::vector<const char*> csv = site;
    csv.push_back("--csv");
    std::istringstream in(invokeCspReport(csv).out);
    std::vector<std::vector<std::string>> rows;
    ASSERT_TRUE(readCsvRows(in, [&](std::vector<std::string>& cells) {
        rows.push_back(cells);
        return true;
    }));
    ASSERT_GT(rows.size(), 1u);
    EXPECT_EQ(csvRow(rows[0]), selection::selectionCsvHeader);
    for (const auto& row : rows) EXPECT_EQ(row.size(), rows[0].size()) << csvRow(row);
}

}  // namespace
}  // namespace csp::cli
