#pragma once

#include <string_view>

namespace csp {

// Reads a number the user typed: leading blanks are skipped and the longest
// leading decimal number (sign, digits, point, exponent) is taken; a text
// that does not begin with one reads 0. Independent of the locale; hex,
// "inf" and "nan" are not numbers here. A magnitude beyond the range of a
// double reads as an infinity of its sign, one too small as zero.
double readTypedNumber(std::string_view text);

// Whether the text is a number and nothing else, blanks aside: "7,5" and
// "abc" are read in part or as 0, and are not.
bool isWholeTypedNumber(std::string_view text);

}  // namespace csp
