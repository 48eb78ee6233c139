#include "shell/print_listing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace csp {
namespace {

// Records what a printer would be asked to do.
class RecordingPrinter : public PrinterDevice {
public:
    struct Text {
        int page, x, y;
        std::string text;
        bool operator==(const Text&) const = default;
    };
    void startJob(std::string_view name) override { events.push_back("job " + std::string(name)); }
    void startPage() override {
        ++page;
        events.push_back("page");
    }
    int fontHeightTwips() override { return 200; }
    int externalLeadingTwips() override { return 40; }
    void drawText(int x, int y, std::string_view text) override { texts.push_back({page, x, y, std::string(text)}); }
    void endPage() override { events.push_back("end page"); }
    void endJob() override { events.push_back("end job"); }

    int page = 0;
    std::vector<std::string> events;
    std::vector<Text> texts;
};

ReportListing threeLines() {
    ReportListing listing;
    listing.append("first");
    listing.append(" ");
    listing.append("third");
    return listing;
}

TEST(PrintListing, OnePageWithLinesOneLineHeightApartBelowTheTopInch) {
    RecordingPrinter printer;
    const ReportListing listing = threeLines();
    printListing(&listing, printer, "Tabrell");
    EXPECT_EQ(printer.events, (std::vector<std::string>{"job Tabrell", "page", "end page", "end job"}));
    EXPECT_EQ(printer.texts, (std::vector<RecordingPrinter::Text>{
                                 {1, 720, -1680, "first"}, {1, 720, -1920, " "}, {1, 720, -2160, "third"}}));
}

TEST(PrintListing, APageBreakLineStartsTheSecondPageAtTheTopAgain) {
    RecordingPrinter printer;
    const ReportListing listing = threeLines();
    printListing(&listing, printer, "Verrick", 1);
    EXPECT_EQ(printer.events,
              (std::vector<std::string>{"job Verrick", "page", "end page", "page", "end page", "end job"}));
    EXPECT_EQ(printer.texts, (std::vector<RecordingPrinter::Text>{
                                 {1, 720, -1680, "first"}, {2, 720, -1680, " "}, {2, 720, -1920, "third"}}));
}

TEST(PrintListing, APageBreakAtOrBeyondTheEndGivesOnePage) {
    for (std::size_t pageBreak : {std::size_t{3}, std::size_t{50}}) {
        RecordingPrinter printer;
        const ReportListing listing = threeLines();
        printListing(&listing, printer, "Verrick", pageBreak);
        EXPECT_EQ(printer.page, 1);
        EXPECT_EQ(printer.texts.size(), 3u);
    }
}

TEST(PrintListing, AnEmptyOrAbsentListingPrintsOneBlankPage) {
    RecordingPrinter printer;
    printListing(nullptr, printer, "Ombrel");
    EXPECT_EQ(printer.events, (std::vector<std::string>{"job Ombrel", "page", "end page", "end job"}));
    EXPECT_TRUE(printer.texts.empty());
}

}  // namespace
}  // namespace csp
