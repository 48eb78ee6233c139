#pragma once

#include <string_view>

#include "shell/outcome.h"

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

// Whether a typed text is misread: no number can be read from its start
// ("", "abc", ","), a digit follows the number read ("12,5", "1.00.86",
// "4,000", "5 5"), or the number is beyond the range of a double ("1e400").
// Letters and blanks after the number ("120 pcf") are not a misreading.
bool isMisreadTypedNumber(std::string_view text);

// A field's text refused when misread, with the message the page shows:
// "The cover '12,5' is not a number." `field` names the field as its page
// labels it, in lower case. Each field's refusal comes just before its own
// checks; the caller names the entry with from().
Outcome checkTypedNumber(std::string_view field, std::string_view text);

}  // namespace csp
