#include "servicelife/service_life_report.h"

#include <algorithm>

#include "shell/number_format.h"

namespace csp {
namespace {

// The row whose name runs on to a second line.
constexpr std::size_t invertCoatedRow = 6;
constexpr std::string_view invertCoatedContinued = "Invert Coated";

void appendInputData(const ServiceLifeInput& input, ReportListing& listing) {
    listing.append("Input Data:");
    listing.append(format("  Thickness:      %s", gageOf(input).listText));
    listing.append("  Resistivity:    " + input.resistivityText);
    listing.append("  pH:             " + input.phText);
    listing.append(format("  Abrasion Level: %d", input.abrasionLevel + 1));
    listing.append(" ");
}

void appendCoatingTable(const ServiceLifeInput& input, ReportListing& listing) {
    listing.append(coatingTableHeading(input));
    listing.append("                                            Coating      Galvanized  Total");
    listing.append("COATING                                     Add-On Life  Life      Life");
    listing.append("------------------------------------------  -----------  ----------- ------");
    listing.append(" ");

    for (const CoatingRow& row : coatingRows(input)) {
        listing.append(format("%-45.45s  %3d          %3d      %3d   %s", row.name, row.addOn, row.galvanized,
                              row.total, ""));
        if (!row.nameContinued.empty()) listing.append("    " + std::string(row.nameContinued));
        listing.append(" ");
    }
}

void appendAluminumCoatedType2Note(int aluminumLife, ReportListing& listing) {
    if (aluminumLife < aluminumCoatedType2Ceiling)
        listing.append(format("Aluminum Coated Type 2 without non-metallic coating: %d to 75 year total life.", aluminumLife));
    else
        listing.append("Aluminum Coated Type 2 without non-metallic coating: 75 year total life.");
    listing.append("    (Note A)");
}

void appendGeneralNote(ReportListing& listing) {
    listing.append(" ");
    listing.append("---------------------------------------------------------------------------");
    listing.append("General Note: The calculations performed by this program are based on the guidance");
    listing.append("              provided in the KORVA Durability Guide.  By using this program, the user");
    listing.append("              acknowledges his/her understanding of the Guide and its conditions.");
    listing.append(" ");
    listing.append("              Coating add-on life is based on water-side conditions and may ");
    listing.append("              vary within environmental ranges. Soil-side life is typically");
    listing.append("              100 years with any of the coatings designated for additional");
    listing.append("              soil-side protection.");
}

}  // namespace

std::string coatingName(const CoatingRow& row) {
    std::string name(row.name);
    if (!row.nameContinued.empty()) (name += ' ') += row.nameContinued;
    return name;
}

std::string coatingTableHeading(const ServiceLifeInput& input) {
    if (input.abrasionLevel <= 1) return "Estimated Life for Abrasion Level 1/2:";
    return format("Estimated Life for Abrasion Level %d:", input.abrasionLevel + 1);
}

std::vector<CoatingRow> coatingRows(const ServiceLifeInput& input) {
    std::vector<CoatingRow> rows;
    const int galvanized = galvanizedLife(input);
    const auto level = static_cast<std::size_t>(std::clamp(input.abrasionLevel, 0, abrasionLevelCount - 1));
    for (std::size_t row = 0; row < coatingAddOnTable.size(); ++row) {
        if (!coatingListed(row, input.abrasionLevel)) continue;
        const CoatingAddOn& coating = coatingAddOnTable[row];
        const int addOn = coating.addOnLife[level];
        rows.push_back({coating.name, row == invertCoatedRow ? invertCoatedContinued : std::string_view(), addOn,
                        galvanized, std::min(galvanized + addOn, maximumTotalLife)});
    }
    return rows;
}

bool coatingListed(std::size_t row, int abrasionLevel) {
    switch (abrasionLevel) {
    case 0:
    case 1: return true;
    case 2: return row != 0 && row != 1 && row != 7;
    default: return row == 5 || row == 6 || row == 10;
    }
}

void buildServiceLifeReport(const ServiceLifeInput& input, ReportListing& listing) {
    appendInputData(input, listing);
    appendCoatingTable(input, listing);
    const bool note = aluminumCoatedType2NoteApplies(input);
    if (note) appendAluminumCoatedType2Note(aluminumCoatedType2Life(input), listing);
    appendGeneralNote(listing);
    if (note) {
        listing.append(" ");
        listing.append("Note A: Review state and local design criteria.");
    }
}

}  // namespace csp
