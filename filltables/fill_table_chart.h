#pragma once

#include <string>

#include "filltables/fill_table_request.h"

namespace csp {

// The chart of the table the request last generated, as SVG: maximum cover
// (ft) against span, one line per column of the table (a wall thickness of
// a round pipe, a corner bearing pressure of a pipe-arch), the rows'
// minimum cover dashed, and the table's title lines and conditions as its
// caption. A cell of 0 (not allowed) is not drawn, so a line ends where its
// wall stops serving.
std::string drawFillTableChart(const FillTableRequest& request);

}  // namespace csp
