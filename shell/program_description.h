#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "shell/entries.h"
#include "shell/outcome.h"
#include "shell/program_texts.h"
#include "shell/report_listing.h"

namespace csp {

namespace pages {
class ProgramPages;
}

// One program as every front end sees it: its name and texts, its entries,
// its front door (the report alone, or with its picture), the lists its
// pages offer, and the model of its pages. Each engine describes its own
// program once; csp-report, the desktop mains and the browser modules read
// that description.
struct ProgramDescription {
    std::string_view name;         // csp-report's subcommand, the browser page's file
    std::string_view description;  // one line of csp-report's help
    ProgramId id;
    std::span<const EntrySpec> (*entries)();
    // The one door: the report, and with `picture` the report's picture
    // too, as SVG text.
    Outcome (*produce)(const Entries& entries, ReportListing& listing, std::string* picture);
    // The lists its pages would show (--list); none for a program without
    // lists to choose from.
    Outcome (*lists)(const Entries& entries, std::vector<OfferedList>& lists);
    // The entry whose whole list csp-report's help shows; empty for none.
    std::string_view listedInHelp;
    // The program's pages, on their presets.
    std::unique_ptr<pages::ProgramPages> (*pages)();
};

}  // namespace csp
