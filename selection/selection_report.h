#pragma once

#include "selection/selection.h"
#include "shell/report_listing.h"

namespace csp::selection {

// The selection's report: the site's entries, one line per alternative
// ranked lightest first (the lightest that meets both structure and life
// marked), each followed by its governing check, what lasts the design
// life, and the csp-report commands of its design check and service life.
void appendSelectionReport(const SelectionResult& result, ReportListing& listing);

// The same alternatives as CSV, one line each after the header row.
void appendSelectionCsv(const SelectionResult& result, ReportListing& listing);
inline constexpr std::string_view selectionCsvHeader =
    "profile,corrugation,size,thickness,steel lb/ft,governing check,max D/C,governing cover,galvanized life,"
    "life gage,reaches design life";

// The csp-report command that gives the alternative's design check at its
// governing cover, and the one that gives its service life; list values by
// value.
std::string designCheckCommand(const Alternative& alternative);
std::string serviceLifeCommand(const Alternative& alternative);

}  // namespace csp::selection
