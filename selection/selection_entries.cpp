#include "selection/selection_entries.h"

#include <array>

#include "designcheck/design_check_entries.h"
#include "designcheck/design_check_pages.h"
#include "selection/selection.h"
#include "selection/selection_chart.h"
#include "selection/selection_report.h"
#include "servicelife/service_life_entries.h"
#include "shell/typed_number.h"

namespace csp::selection {

// The selection's page (selection_page_model.cpp).
std::unique_ptr<pages::ProgramPages> makeSelectionPages();

namespace {

const EntrySpec& designCheckEntry(std::string_view name) { return *findEntry(designcheck::designCheckEntries(), name); }
const EntrySpec& serviceLifeEntry(std::string_view name) { return *findEntry(serviceLifeEntries(), name); }

constexpr std::string_view defaultDesignLife = "50";  // years
constexpr std::string_view years = "years";

// The design check's and the service life's own entries where the
// selection takes them as they are; its own for the site.
std::array<EntrySpec, 17> makeSpecs() {
    return {{
        designCheckEntry("shape"),
        typedEntry("span", designcheck::defaultRoundSpanText, units::inches.shown,
                   "Diameter of a round pipe, or the least span of a pipe-arch or underpass, as typed"),
        typedEntry("rise", "0", units::inches.shown, "Least rise of a pipe-arch or underpass, as typed"),
        typedEntry("cover", designcheck::defaultCoverText, units::feet.shown,
                   "Cover over the crown, as typed: the least and the greatest cover both"),
        typedEntry("min-cover", {}, units::feet.shown, "Least cover over the crown, as typed (default: the cover)"),
        typedEntry("max-cover", {}, units::feet.shown, "Greatest cover over the crown, as typed (default: the cover)"),
        typedEntry("life", defaultDesignLife, years, "Design service life, whole years from 1 to 100"),
        designCheckEntry("live-load"),
        designCheckEntry("method"),
        designCheckEntry("soil-density"),
        designCheckEntry("corner-pressure"),
        designCheckEntry("load-reduction"),
        designCheckEntry("corrugation"),
        designCheckEntry("installation"),
        serviceLifeEntry("resistivity"),
        serviceLifeEntry("ph"),
        serviceLifeEntry("abrasion"),
    }};
}

}  // namespace

std::span<const EntrySpec> selectionEntries() {
    static const std::array<EntrySpec, 17> specs = makeSpecs();
    return specs;
}

Outcome produceSelection(const Entries& entries, ReportListing& listing, std::string* picture) {
    SelectionResult result;
    Outcome computed = computeSelection(entries, result);
    if (!computed) return computed;
    appendSelectionReport(result, listing);
    if (picture) *picture = drawSelectionChart(result);
    return computed;
}

const ProgramDescription& selectionProgram() {
    static const ProgramDescription program = {
        .name = "select",
        .description = "Lightest wall of each profile for a site's cover range and design life",
        .id = ProgramId::Selector,
        .entries = selectionEntries,
        .produce = produceSelection,
        .lists = nullptr,
        .listedInHelp = {},
        .pages = makeSelectionPages,
    };
    return program;
}

}  // namespace csp::selection
