#pragma once

#include <string>

#include "designcheck/design_check.h"

namespace csp::designcheck {

// The checked structure as SVG, beside its verdicts: a cross-section to
// scale with the ground surface, the fill depth H dimensioned in feet, the
// outline from the catalog's span, rise and radii ("schematic" where the
// catalog lacks a radius the outline needs), the axle load arrow with its
// name, and the Design Check Summary in the report's order, a NO GOOD
// boxed, crossed and bold. Reads the check as its last run left it.
std::string drawDesignCheckPicture(const DesignCheck& check);

}  // namespace csp::designcheck
