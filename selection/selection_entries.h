#pragma once

#include <span>
#include <string>

#include "shell/entries.h"
#include "shell/outcome.h"
#include "shell/program_description.h"
#include "shell/report_listing.h"

namespace csp::selection {

// The entries of a pipe selection by name: the site (shape, span, rise,
// cover or min-cover and max-cover, design life), the design check's loads
// and choices (live-load, method, soil-density, corner-pressure,
// load-reduction, corrugation, installation) and the service life's
// environment (resistivity, ph, abrasion), each read and refused as its
// program reads and refuses it.
std::span<const EntrySpec> selectionEntries();

// The selection's report for the entries, or the refusal or usage error.
// With `picture`, the picture of the alternatives too, as SVG text.
Outcome produceSelection(const Entries& entries, ReportListing& listing, std::string* picture = nullptr);

// The pipe selection as every front end sees it: its entries, doors and
// its one page; it has no lists.
const ProgramDescription& selectionProgram();

}  // namespace csp::selection
