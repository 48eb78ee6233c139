#pragma once

#include <ostream>

#include "shell/entries.h"
#include "shell/report_listing.h"

namespace csp::cli {

// What `csp-report select` writes: the report, or the CSV of its
// alternatives.
enum class SelectOutput { Report, Csv };

// `csp-report select`: the pipe selection for a site (the selection's
// entries). The report or CSV goes to `listing`, the picture, when asked
// for, to `picture`; a refusal or usage error is written to `err`. Returns
// the exit status: 0 when an alternative meets both structure and life, 1
// when none does or an entry is refused, 2 for a usage error.
int runSelect(const Entries& site, SelectOutput output, ReportListing& listing, std::string* picture,
              std::ostream& err);

}  // namespace csp::cli
