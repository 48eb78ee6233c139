#include "shell/print_listing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace csp {
namespace {

// Records what a printer would be asked to do. Its page holds 20 lines of
// 240 twips between the margins, 6 inches of text wide.
class RecordingPrinter : public PrinterDevice {
public:
    struct Drawn {
        int page, x, y;
        std::string text;  // the line, or "picture WxH" with the picture's box
        bool operator==(const Drawn&) const = default;
    };
    void startJob(std::string_view name) override { events.push_back("job " + std::string(name)); }
    void startPage() override {
        ++page;
        events.push_back("page");
    }
    int printableWidthTwips() override { return 6 * 1440 + 2 * printLeftMarginTwips; }
    int printableHeightTwips() override { return 20 * 240 + 720 + printBottomMarginTwips + 100; }
    int fontHeightTwips() override { return 200; }
    int externalLeadingTwips() override { return 40; }
    void drawText(int x, int y, std::string_view text) override { drawn.push_back({page, x, y, std::string(text)}); }
    void drawPicture(int x, int y, int width, int height, std::string_view svg) override {
        drawn.push_back({page, x, y, "picture " + std::to_string(width) + "x" + std::to_string(height)});
        pictures.emplace_back(svg);
    }
    void endPage() override { events.push_back("end page"); }
    void endJob() override { events.push_back("end job"); }

    int page = 0;
    std::vector<std::string> events;
    std::vector<Drawn> drawn;
    std::vector<std::string> pictures;
};

const SheetHeading heading{{"Mill Creek", "C-12", "AE", "BC"}, "Verrick Version 1.0", {2026, 3, 7}};

// The top of a page's line: the first on the top margin, the next one line
// height (240 twips) below.
int top(int line) { return printTopTwips - 240 * line; }

TEST(PrintListing, EachPageDrawsItsSheetLinesOneLineHeightApartAndItsFooterOnTheLastLine) {
    ReportListing listing;
    for (int i = 1; i <= 8; ++i) listing.append("Line " + std::to_string(i));
    // 6 inches wide is 36 lines; 400 x 300 is 27, more than a page holds.
    const std::string picture = R"(<svg width="400" height="300">)";
    RecordingPrinter printer;
    printListing(&listing, printer, {"Verrick", heading, 5, picture});

    EXPECT_EQ(printer.events, (std::vector<std::string>{"job Verrick", "page", "end page", "page", "end page", "page",
                                                        "end page", "end job"}));
    const std::vector<std::string> head = jobBlockLines(heading);
    std::vector<RecordingPrinter::Drawn> want;
    auto sheetPage = [&](int page, int first, int count, const char* footer) {
        for (int line = 0; line < 5; ++line) want.push_back({page, 720, top(line), head[line]});
        for (int i = 0; i < count; ++i) want.push_back({page, 720, top(5 + i), "Line " + std::to_string(first + i)});
        if (count == 0) want.push_back({page, 720, top(5), "picture 8640x3120"});
        want.push_back({page, 720, top(19), std::string(31, ' ') + footer});
    };
    sheetPage(1, 1, 5, "Page 1 of 3");
    sheetPage(2, 6, 3, "Page 2 of 3");
    sheetPage(3, 0, 0, "Page 3 of 3");
    EXPECT_EQ(printer.drawn, want);
    EXPECT_EQ(printer.pictures, std::vector<std::string>{picture});
}

TEST(PrintListing, AnAbsentListingPrintsOnePageWithItsJobBlockAndFooter) {
    RecordingPrinter printer;
    printListing(nullptr, printer, {"Ombrel", heading, {}, {}});
    EXPECT_EQ(printer.events, (std::vector<std::string>{"job Ombrel", "page", "end page", "end job"}));
    ASSERT_EQ(printer.drawn.size(), 6u);
    EXPECT_EQ(printer.drawn.back().text, std::string(31, ' ') + "Page 1 of 1");
}

}  // namespace
}  // namespace csp
