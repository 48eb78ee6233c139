#pragma once

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "shell/entries.h"
#include "shell/outcome.h"
#include "shell/report_listing.h"

namespace csp::cli {

// One report subcommand: a program's entries and its front door, which
// gives the report, the program's refusal or a usage error.
struct ReportProgram {
    std::string_view name;
    std::string_view description;
    std::span<const EntrySpec> (*entries)();
    Outcome (*produce)(const Entries& entries, ReportListing& listing);
    // The lists its pages would show (--list); none for a program without
    // lists to choose from.
    Outcome (*lists)(const Entries& entries, std::vector<OfferedList>& lists) = nullptr;
    // The entry whose whole list the help shows; empty for none.
    std::string_view listedInHelp = {};
    // The same door, giving the picture beside the report (--svg).
    Outcome (*producePicture)(const Entries& entries, ReportListing& listing, std::string& picture) = nullptr;
};

// The report subcommands, in the order the help lists them.
std::span<const ReportProgram> reportPrograms();

// Parses the arguments and runs the chosen subcommand: the report goes to
// `out` as UTF-8 lines, or to the -o file exactly as Save As writes it (to
// `out` for "-o -"), and the picture to the --svg file the same way (to
// `out` for "--svg -"); messages go to `err`. Returns the exit status:
// 0 report, 1 refused, 2 usage error.
int runCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err);
// The same, with `in` as standard input ("csp-report check -").
int runCommandLine(int argc, const char* const* argv, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace csp::cli
