#pragma once

#include "servicelife/service_life.h"
#include "shell/outcome.h"
#include "shell/report_listing.h"

namespace csp {

// What "Next..." does with the entries: checks them, estimates the life and
// appends the report. A refused input appends nothing and leaves the
// estimate as it was.
Outcome produceServiceLifeReport(ServiceLifeInput& input, ReportListing& listing);

}  // namespace csp
