#pragma once

#include <span>
#include <string>
#include <vector>

#include "servicelife/service_life.h"
#include "shell/entries.h"
#include "shell/outcome.h"
#include "shell/program_description.h"
#include "shell/report_listing.h"

namespace csp {

// The entries of the service-life page by name: gage, resistivity, ph and
// abrasion, with the page's presets as defaults.
std::span<const EntrySpec> serviceLifeEntries();

// Fills the page's record from the entries and does what "Next..." does:
// the report, or the page's refusal naming its entry, or a usage error for
// a gage or abrasion level the lists do not hold.
// With `picture`, the report's chart too, as SVG text.
Outcome produceServiceLife(const Entries& entries, ReportListing& listing, std::string* picture = nullptr);

// Fills the page's record from the entries, checks it as "Next..." does
// and estimates the life, without a report: `input` then holds the
// estimate (galvanizedLife, coatingRows). A refusal names its entry.
Outcome estimateServiceLife(const Entries& entries, ServiceLifeInput& input);

// The page's lists, each word beside the text the page shows for it: the
// thicknesses by gage and the abrasion levels. A gage or abrasion level the
// lists do not hold is a usage error, as for the report.
Outcome listServiceLifeChoices(const Entries& entries, std::vector<OfferedList>& lists);

// Ombrel as every front end sees it: entries, doors, lists and pages.
const ProgramDescription& serviceLifeProgram();

}  // namespace csp
