#pragma once

#include <string>
#include <vector>

namespace csp {

// One row of cells as CSV, quoting a cell only where it needs it (a comma,
// a quote or a line end in it), a quote within doubled.
std::string csvRow(const std::vector<std::string>& cells);

}  // namespace csp
