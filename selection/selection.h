#pragma once

#include <optional>
#include <string>
#include <vector>

#include "designcheck/design_check_result.h"
#include "servicelife/service_life.h"
#include "shell/entries.h"
#include "shell/outcome.h"

namespace csp::selection {

// What lasts the design life on a wall: galvanizing alone, Aluminum Coated
// Type 2, or galvanizing with a non-metallic coating, as the service-life
// report names them.
struct Protection {
    std::string name;  // Windows-1252
    int life;          // total years, as the service-life report takes them
};
inline constexpr std::string_view galvanizedName = "Galvanized";
inline constexpr std::string_view aluminumCoatedType2Name = "Aluminum Coated Type 2";

// Why a wall of a profile was chosen.
enum class ChosenFor {
    Structure,  // the thinnest wall that passes every check at every cover
    Life,       // the thinnest thicker wall whose galvanized life reaches the design life
};

// The site's cover at which a wall's greatest demand over capacity occurs.
struct GoverningCheck {
    designcheck::SummaryCheck check;
    double ratio;       // D/C
    double cover;       // ft
    std::string coverText;  // as the design check was given it
};

// One wall of one profile for the site, or a profile that has none.
struct Alternative {
    std::string profile;      // as the shape's profile list shows it; a 6 x 2 pipe-arch with its corner radius
    std::string corrugation;  // the corrugation type the design check took
    std::string size;         // the diameter (120) or span x rise (81 x 59), as the size list labels it
    // None when no wall passes, or the profile cannot be had for the site:
    // `remark` says why (the check that fails the thickest wall).
    std::optional<double> thickness;  // in.
    std::string remark;
    ChosenFor chosenFor;
    double steelWeight;         // bare steel, lb/ft: A x periphery x unit weight
    bool weightApproximate;     // the periphery is of a schematic outline
    GoverningCheck governing;
    int galvanizedLife;      // years, of `lifeGage`
    int lifeGage;            // the gage whose life was taken
    bool lifeOfOwnGage;      // the wall is that gage's thickness
    std::vector<Protection> reaching;  // what lasts the design life, galvanizing first
    // The entries that reproduce the numbers: the design check at the
    // governing cover and the service life at the life's gage.
    Entries designCheckEntries, serviceLifeEntries;

    bool carries() const { return thickness.has_value(); }
    bool meetsBoth() const { return carries() && !reaching.empty(); }
};

// The site as the selection read it, for the report's entries block.
struct Site {
    designcheck::StructureShape shape;
    std::string spanText, riseText;  // rise empty for a round pipe
    std::string minCoverText, maxCoverText;
    double minCover, maxCover;  // ft
    int designLife;             // years
    std::string liveLoad, method, soilDensityText;
    ServiceLifeInput environment;  // resistivity, pH and abrasion level
};

struct SelectionResult {
    Site site;
    // Ranked lightest first; profiles without a wall after them.
    std::vector<Alternative> alternatives;

    // The lightest alternative that meets both structure and life; none
    // when no alternative does.
    const Alternative* chosen() const;
};

// Chooses the walls for a site given by the selection's entries
// (selectionEntries): for each profile the shape offers, its smallest
// listed size with at least the span and rise, the thinnest wall that
// passes every check of the design check at every whole foot of the cover
// range and at its ends, and what makes it last the design life; where
// galvanizing alone falls short, also the thinnest thicker wall whose
// galvanized life is long enough. A refused entry is the design check's or
// the service life's own refusal, naming the selection's entry.
Outcome computeSelection(const Entries& entries, SelectionResult& result);

// The gage whose galvanized life a wall takes: its own, the thinner of the
// two listed gages it lies between, 8 gage above 0.168 in., 18 gage below
// 0.052 in.; a row of gageTable.
std::size_t lifeGageRow(double thickness);

}  // namespace csp::selection
