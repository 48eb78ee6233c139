#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "shell/report_listing.h"

namespace csp {

// What printing needs of a printer: a job, pages, the metrics of the
// printer's default font, and text drawn at a position in twips (1/1440
// inch) measured from the top-left of the printable area, y growing upward.
class PrinterDevice {
public:
    virtual ~PrinterDevice() = default;
    virtual void startJob(std::string_view documentName) = 0;
    virtual void startPage() = 0;
    virtual int fontHeightTwips() = 0;
    virtual int externalLeadingTwips() = 0;
    // `text` is a Windows-1252 line; (x, y) is its top-left corner.
    virtual void drawText(int xTwips, int yTwips, std::string_view text) = 0;
    virtual void endPage() = 0;
    virtual void endJob() = 0;
};

inline constexpr int printLeftMarginTwips = 720;
inline constexpr int printTopTwips = -1440;

// Prints the listing as one job named `documentName` (the program's name,
// which the print queue and a PDF's title show): one page, or two when a
// page-break line (the first line of the second page) is given and lies
// within the listing.
void printListing(const ReportListing* listing, PrinterDevice& device, std::string_view documentName,
                  std::optional<std::size_t> pageBreakLine = std::nullopt);

}  // namespace csp
