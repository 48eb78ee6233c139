#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "shell/calculation_sheet.h"
#include "shell/report_listing.h"

namespace csp {

// What printing needs of a printer: a job, pages and their printable size,
// the metrics of the printer's default font, and text and pictures drawn
// at a position in twips (1/1440 inch) measured from the top-left of the
// printable area, y growing upward.
class PrinterDevice {
public:
    virtual ~PrinterDevice() = default;
    virtual void startJob(std::string_view documentName) = 0;
    virtual void startPage() = 0;
    virtual int printableWidthTwips() = 0;
    virtual int printableHeightTwips() = 0;
    virtual int fontHeightTwips() = 0;
    virtual int externalLeadingTwips() = 0;
    // `text` is a Windows-1252 line; (x, y) is its top-left corner.
    virtual void drawText(int xTwips, int yTwips, std::string_view text) = 0;
    // `svg` drawn as large as fits the box whose top-left corner is (x, y),
    // keeping its proportions.
    virtual void drawPicture(int xTwips, int yTwips, int widthTwips, int heightTwips, std::string_view svg) = 0;
    virtual void endPage() = 0;
    virtual void endJob() = 0;
};

// Half an inch all round; the first line's top stands on the top margin.
inline constexpr int printLeftMarginTwips = 720;
inline constexpr int printTopTwips = -720;
inline constexpr int printBottomMarginTwips = 720;

// One printout of a listing.
struct Printout {
    std::string_view documentName;  // the program's name: the print queue and a PDF's title show it
    SheetHeading heading;
    std::optional<std::size_t> pageBreakLine;  // the first line of the second page, where there is one
    std::string_view picture;                  // SVG; empty for none
};

// Prints the listing as one job: the pages of its calculation sheet
// (layOutCalculationSheet), one line height apart from the top margin,
// each page's footer on its last line.
void printListing(const ReportListing* listing, PrinterDevice& device, const Printout& printout);

}  // namespace csp
