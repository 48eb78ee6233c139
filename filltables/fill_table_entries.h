#pragma once

#include <span>
#include <string>

#include "shell/entries.h"
#include "shell/outcome.h"
#include "shell/program_description.h"
#include "shell/report_listing.h"

namespace csp {

// The entries of a fill-height table by name: the main page's five
// (shape, live-load, soil-density, conditions, criteria) and one per
// follow-up page (trench, design, base, load-reduction), with the pages'
// preselections as defaults.
std::span<const EntrySpec> fillTableEntries();

// Runs the page sequence on the entries: the main page, then each
// follow-up page the rule asks, then the table. A follow-up entry given for
// a page that is not asked, or a choice its page does not offer, is a usage
// error, found before any typed value is read; a refused value is the
// page's own message, naming its entry.
// With `picture`, the table's chart too, as SVG text.
Outcome produceFillTable(const Entries& entries, ReportListing& listing, std::string* picture = nullptr);

// The lists the pages would show for the entries given so far: the shapes,
// the main page's choices and the choices of each follow-up page the rule
// asks. A usage error in the entries the lists depend on is returned
// instead.
Outcome listFillTableChoices(const Entries& entries, std::vector<OfferedList>& lists);

// The shape list the shape entry selects from.
const ValueList& fillTableShapeList();

// Tabrell as every front end sees it: entries, doors, lists and pages.
const ProgramDescription& fillTableProgram();

}  // namespace csp
