#include "shell/calculation_sheet.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace csp {
namespace {

const SheetHeading heading{
    .job = {"Route 9 culvert at Mill Creek", "Culvert C-12", "A. Engineer", "B. Checker"},
    .programLine = "Verrick Version 1.0",
    .date = {2026, 3, 7},
};

TEST(JobBlock, FieldsStandInTheirColumnsWithTheDateAndTheProgramOnTheRight) {
    EXPECT_EQ(jobBlockLines(heading), (std::vector<std::string>{
        "Project:     Route 9 culvert at Mill Creek             Date: 2026-03-07",
        "Structure:   Culvert C-12                              Verrick Version 1.0",
        "Designed by: A. Engineer           Checked by: B. Checker",
        std::string(74, '-'),
        " ",
    }));
}

TEST(JobBlock, EmptyFieldsKeepTheirLabelsAndTypedTextStaysOnItsLineWithinItsRoom) {
    SheetHeading odd = heading;
    odd.job = {std::string(60, 'P'), "", "tab\there\r\nend", std::string(30, 'C')};
    const std::vector<std::string> lines = jobBlockLines(odd);
    EXPECT_EQ(lines[0], "Project:     " + std::string(40, 'P') + "  Date: 2026-03-07");
    EXPECT_EQ(lines[1], "Structure:" + std::string(45, ' ') + "Verrick Version 1.0");
    EXPECT_EQ(lines[2], "Designed by: tab here  end         Checked by: " + std::string(20, 'C'));
    for (const std::string& line : lines) EXPECT_LE(line.size(), sheetWidth) << line;

    // A longer program line ends at the rule's end, the date above it; a
    // field that reaches it pushes it along.
    odd.programLine = "Pipe Selection Version 1.0";
    odd.job.project = "Mill Creek";
    EXPECT_EQ(jobBlockLines(odd)[0], "Project:     Mill Creek" + std::string(25, ' ') + "Date: 2026-03-07");
    EXPECT_EQ(jobBlockLines(odd)[1], "Structure:" + std::string(38, ' ') + "Pipe Selection Version 1.0");
    odd.job.structure = std::string(40, 'S');
    EXPECT_EQ(jobBlockLines(odd)[1], "Structure:   " + std::string(40, 'S') + "  Pipe Selection Version 1.0");
}

// A listing of "Line 1", "Line 2", ...
ReportListing numberedLines(int count) {
    ReportListing listing;
    for (int i = 1; i <= count; ++i) listing.append("Line " + std::to_string(i));
    return listing;
}

// A picture drawn 8 lines wide: 400 x 300 is 6 lines high.
std::string pictureOf(int width, int height) {
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + std::to_string(width) + "\" height=\"" +
           std::to_string(height) + "\">";
}

struct ExpectedPage {
    int firstLine, lineCount;  // report lines, numbered from 1
    std::optional<PicturePlace> picture;
};

struct LayoutCase {
    const char* name;
    int lines;
    std::optional<std::size_t> pageBreak;
    int linesPerPage;
    std::string picture;
    std::vector<ExpectedPage> pages;
};

// 20 lines a page: 5 of job block, 2 of footer, 13 for the report.
const std::vector<LayoutCase> layoutCases = {
    {"a short report and its picture share the page, a blank line apart", 5, {}, 20, pictureOf(400, 300),
     {{1, 5, PicturePlace{11, 6}}}},
    {"Verrick's page-break line starts the second page, the picture below it", 10, 4, 20, pictureOf(400, 300),
     {{1, 4, {}}, {5, 6, PicturePlace{12, 6}}}},
    {"a full page continues on the next", 30, {}, 20, "", {{1, 13, {}}, {14, 13, {}}, {27, 4, {}}}},
    {"a picture that does not fit below the report takes a page of its own", 10, {}, 20, pictureOf(400, 300),
     {{1, 10, {}}, {0, 0, PicturePlace{5, 6}}}},
    {"a picture taller than a page shrinks to the page's room", 0, {}, 20, pictureOf(400, 2000),
     {{0, 0, PicturePlace{5, 13}}}},
    {"a picture of no known size takes a page's room", 2, {}, 20, R"(<svg width="0" height="3">)",
     {{1, 2, {}}, {0, 0, PicturePlace{5, 13}}}},
    {"a page-break line at or beyond the end gives one page", 3, 50, 20, "", {{1, 3, {}}}},
    {"a page-break line on the first line breaks nothing", 3, 0, 20, "", {{1, 3, {}}}},
    {"an empty listing prints one page with its job block and footer", 0, {}, 20, "", {{0, 0, {}}}},
    {"a page too short for a sheet still takes a line of the report", 3, {}, 4, "", {{1, 1, {}}, {2, 1, {}}, {3, 1, {}}}},
};

TEST(CalculationSheet, EveryPageHasTheJobBlockItsReportLinesAndPageNOfM) {
    const std::vector<std::string> head = jobBlockLines(heading);
    for (const LayoutCase& c : layoutCases) {
        SCOPED_TRACE(c.name);
        const ReportListing listing = numberedLines(c.lines);
        const std::vector<SheetPage> pages = layOutCalculationSheet(&listing, c.pageBreak, heading,
                                                                    {c.linesPerPage, 8.0}, c.picture);
        ASSERT_EQ(pages.size(), c.pages.size());
        for (std::size_t p = 0; p < pages.size(); ++p) {
            const SheetPage& page = pages[p];
            const ExpectedPage& want = c.pages[p];
            std::vector<std::string> lines = head;
            for (int i = 0; i < want.lineCount; ++i) lines.push_back("Line " + std::to_string(want.firstLine + i));
            EXPECT_EQ(page.lines, lines) << "page " << p + 1;
            EXPECT_EQ(page.picture.has_value(), want.picture.has_value()) << "page " << p + 1;
            if (page.picture && want.picture) {
                EXPECT_EQ(page.picture->firstLine, want.picture->firstLine) << "page " << p + 1;
                EXPECT_EQ(page.picture->lines, want.picture->lines) << "page " << p + 1;
            }
            const std::string footer = "Page " + std::to_string(p + 1) + " of " + std::to_string(pages.size());
            EXPECT_EQ(page.footer, std::string((sheetWidth - footer.size()) / 2, ' ') + footer);
            EXPECT_EQ(page.footerLine, std::max(c.linesPerPage, 8) - 1);
        }
    }
}

}  // namespace
}  // namespace csp
