// A data row that leaves out a fact does not compile: built with the
// engines' errors, this file fails unless CSP_COMPLETE gives every field.
#include "designcheck/profile_catalog.h"
#include "filltables/shape_table.h"

namespace {

constexpr csp::designcheck::ProfileData profile = {
    .name = "new profile",
    .listTexts = {"new profile", {}, {}},
    .corrugationDepth = 1.0,
    .ribKind = csp::designcheck::RibKind::None,
    .corrugationTypes = {true, false, false},
    .installations = {},
    .walls = {},
    .sizes = {},
    .underpassSizes = false,
    .cornerRadiusSizes = {},
    .radiiInFeet = false,
    .flexibility = {},
    .aisiTrenchRoundLimit = nullptr,
#ifdef CSP_COMPLETE
    .railwayCoverDivisor = 4.0,
#endif
};

constexpr csp::ShapeSpec shape = {
    .text = "Round pipe with a new corrugation",
    .rib = nullptr,
    .baseChoice = false,
#ifdef CSP_COMPLETE
    .flexibility = {0.033, 0.06, 0.0433, 0.06},
#endif
    .aisiTrenchLines = {},
    .round = &csp::roundProfiles[5],
    .arch = nullptr,
};

}  // namespace

int main() { return profile.corrugationDepth > 0.0 && shape.round ? 0 : 1; }
