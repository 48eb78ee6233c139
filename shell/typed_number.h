#pragma once

#include <span>
#include <string>
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

// The unit a typed field is in: as the entries show it ("in."), as its
// refusal names it ("inches"), and the spellings that may follow the number,
// compared in any case.
struct TypedUnit {
    std::string_view shown;
    std::string_view named;
    std::span<const std::string_view> spellings;
};

namespace units {
inline constexpr std::string_view feetSpellings[] = {"ft", "feet", "foot"};
inline constexpr std::string_view inchSpellings[] = {"in", "inch", "inches"};
inline constexpr std::string_view pcfSpellings[] = {"pcf"};
inline constexpr std::string_view psfSpellings[] = {"psf"};
inline constexpr std::string_view ohmCmSpellings[] = {"ohm-cm", "ohm cm", "ohmcm"};

inline constexpr TypedUnit feet{"ft", "ft", feetSpellings};                  // cover
inline constexpr TypedUnit inches{"in.", "inches", inchSpellings};           // span
inline constexpr TypedUnit poundsPerCubicFoot{"pcf", "pcf", pcfSpellings};   // soil density
inline constexpr TypedUnit poundsPerSquareFoot{"psf", "psf", psfSpellings};  // corner pressure
inline constexpr TypedUnit ohmCentimetres{"ohm-cm", "ohm-cm", ohmCmSpellings};  // resistivity
}  // namespace units

// The unit an entry shows ("ft", "in."); none for a field without a unit.
const TypedUnit* typedUnitShownAs(std::string_view shown);

// Whether the text after a typed text's number is blank or the unit, with
// or without a blank before it and a period after it: "8ft", "8 ft.",
// "8 Feet". With no unit, only blanks may follow.
bool endsInItsUnit(std::string_view text, const TypedUnit* unit);

// A field's text refused when misread, with the message the page shows:
// "The cover '12,5' is not a number." `field` names the field as its page
// labels it, in lower case. A text followed by anything but the field's
// unit is refused too: "The cover '2.4 m' is not in ft."; a field without a
// unit refuses any letters after its number as misread. Each field's
// refusal comes just before its own checks; the caller names the entry with
// from().
Outcome checkTypedNumber(std::string_view field, std::string_view text, const TypedUnit* unit = nullptr);
inline Outcome checkTypedNumber(std::string_view field, std::string_view text, const TypedUnit& unit) {
    return checkTypedNumber(field, text, &unit);
}

// The number of a typed text as it was typed, without what follows it:
// "8" of "8 ft", "1e3" of "1e3in"; empty when there is none.
std::string_view typedNumberPart(std::string_view text);

}  // namespace csp
