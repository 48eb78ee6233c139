#pragma once

#include <span>
#include <string>
#include <string_view>

#include "shell/number_format.h"

namespace csp {

// Appends one row of a fill-height table: `format` holds only conversions
// with a width ("%9.0f", "%-3.0f", "%2i") and the text between them. A
// number that does not fit its column's width, or is not finite, shows as
// the column filled with '*', so that the columns after it stay in place;
// a maximum cover divided by a tiny load reduction factor does that.
void appendTableRow(std::string& out, std::string_view format, std::span<const FormatArg> cells);

}  // namespace csp
