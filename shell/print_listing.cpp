#include "shell/print_listing.h"

#include <algorithm>

namespace csp {

void printListing(const ReportListing* listing, PrinterDevice& device, const Printout& printout) {
    device.startJob(printout.documentName);
    device.startPage();
    const int lineHeight = std::max(1, device.fontHeightTwips() + device.externalLeadingTwips());
    const int textWidth = device.printableWidthTwips() - 2 * printLeftMarginTwips;
    const SheetGeometry geometry{
        (device.printableHeightTwips() + printTopTwips - printBottomMarginTwips) / lineHeight,
        static_cast<double>(textWidth) / lineHeight,
    };
    const std::vector<SheetPage> pages =
        layOutCalculationSheet(listing, printout.pageBreakLine, printout.heading, geometry, printout.picture);
    auto lineTop = [&](int line) { return printTopTwips - line * lineHeight; };

    for (std::size_t page = 0; page < pages.size(); ++page) {
        if (page > 0) {
            device.endPage();
            device.startPage();
        }
        const SheetPage& sheet = pages[page];
        for (std::size_t line = 0; line < sheet.lines.size(); ++line)
            device.drawText(printLeftMarginTwips, lineTop(static_cast<int>(line)), sheet.lines[line]);
        if (sheet.picture)
            device.drawPicture(printLeftMarginTwips, lineTop(sheet.picture->firstLine), textWidth,
                               sheet.picture->lines * lineHeight, printout.picture);
        device.drawText(printLeftMarginTwips, lineTop(sheet.footerLine), sheet.footer);
    }
    device.endPage();
    device.endJob();
}

}  // namespace csp
