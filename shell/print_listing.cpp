#include "shell/print_listing.h"

namespace csp {
namespace {

struct PageCursor {
    int lineHeight;
    int y;
};

PageCursor startPage(PrinterDevice& device) {
    device.startPage();
    return {device.fontHeightTwips() + device.externalLeadingTwips(), printTopTwips};
}

}  // namespace

void printListing(const ReportListing* listing, PrinterDevice& device, std::string_view documentName,
                  std::optional<std::size_t> pageBreakLine) {
    device.startJob(documentName);
    PageCursor cursor = startPage(device);
    const std::size_t count = listing ? listing->count() : 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (pageBreakLine && *pageBreakLine == i) {
            device.endPage();
            cursor = startPage(device);
        }
        cursor.y -= cursor.lineHeight;
        device.drawText(printLeftMarginTwips, cursor.y, listing->lines()[i]);
    }
    device.endPage();
    device.endJob();
}

}  // namespace csp
