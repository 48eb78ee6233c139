#pragma once

#include <span>
#include <string>

#include "designcheck/design_check.h"
#include "shell/entries.h"
#include "shell/outcome.h"
#include "shell/program_description.h"

namespace csp::designcheck {

// The entries of a design check by name, with the pages' presets as
// defaults: the main page's (shape, profile, live-load, method,
// soil-density, cover, corner-pressure, corner-radius), the properties
// page's (span or size, thickness, corrugation, installation) and the Load
// Reduction Factor page's (reduction).
std::span<const EntrySpec> designCheckEntries();

// What a run of the door writes besides the record.
enum class DesignCheckOutput { Report, RecordOnly };

// Runs the pages on the entries and then the check, whose record and (when
// asked) report `check` then holds. An entry the pages would not offer, or one given for a page
// or field the structure does not have, is a usage error, found before any
// typed value is read; a refused value is the page's own message, naming
// its entry.
Outcome produceDesignCheck(const Entries& entries, DesignCheck& check,
                           DesignCheckOutput output = DesignCheckOutput::Report);
// The lists the pages would show for the entries given so far: the shapes;
// the profiles of the shape; the corner radii of a 6 x 2 pipe-arch; the
// sizes (span x rise), thicknesses, corrugation and installation types the
// profile offers. A usage error in the entries the lists depend on is
// returned instead.
Outcome listDesignCheckChoices(const Entries& entries, std::vector<OfferedList>& lists);

// The entries as a checked structure used them, in the entries' order: the
// given text or the default, the corrugation and installation types the
// pages picked, and an empty text for an entry the structure does not have
// (a round pipe's corner pressure, a pipe-arch's span, a corner radius other
// than the 6 x 2 pipe-arch's, a reduction factor that was not asked).
Entries entriesAsUsed(const Entries& given, const DesignCheck& check);

// The same, giving the report; with `picture`, the picture of the checked
// structure too, as SVG text.
Outcome produceDesignCheckReport(const Entries& entries, ReportListing& listing, std::string* picture = nullptr);

// The list a position entry (profile, size, thickness) selects from for a
// structure of this shape whose main page `check` holds; none for another
// entry.
const ValueList* designCheckValueList(std::string_view entry, int shape, const DesignCheck& check);

// Verrick as every front end sees it: entries, doors, lists and pages.
const ProgramDescription& designCheckProgram();

}  // namespace csp::designcheck
