#pragma once

#include <string>

#include "shell/outcome.h"
#include "shell/report_listing.h"

namespace csp {

// Saves the listing as a text file: every line exactly as held, each
// followed by CR LF. The file is written beside the target under a
// temporary name and moved over it only once every line is written, so a
// save that fails part-way leaves the file that was there untouched.
// Failures: "Unable to open file %s for writing." and
// "Unable to successfully write file %s.", with the path as given.
Outcome writeListingFile(const ReportListing* listing, const std::string& path);

}  // namespace csp
