#pragma once

#include <functional>
#include <istream>
#include <string>
#include <vector>

#include "shell/csv_row.h"
#include "shell/outcome.h"

namespace csp::cli {

// Reads CSV text (quoted fields, commas and quotes within them, CR LF or
// LF; blank lines skipped) row by row, as it comes, handing each row's
// cells to `onRow`; stops early when `onRow` returns false. Malformed text
// (a quote within an unquoted field, a quoted field left open) is refused,
// naming the row where it was found.
Outcome readCsvRows(std::istream& in, const std::function<bool(std::vector<std::string>& cells)>& onRow);

using csp::csvRow;

}  // namespace csp::cli
