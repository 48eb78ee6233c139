#pragma once

#include <string>

#include "selection/selection.h"

namespace csp::selection {

// The alternatives as SVG: one bar per alternative, its steel per foot,
// ranked as the report ranks them, each marked with its galvanized life and
// what lasts the design life, the chosen one marked as the report marks it.
std::string drawSelectionChart(const SelectionResult& result);

}  // namespace csp::selection
