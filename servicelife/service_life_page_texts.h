#pragma once

#include <string_view>

namespace csp {

// What Ombrel's main page says around its lists and fields; the list
// entries come from gageTable and abrasionLevelTexts.
inline constexpr std::string_view thicknessLabel = "Thickness";
inline constexpr std::string_view resistivityLabel = "Resistivity";
inline constexpr std::string_view resistivityUnit = "Ohm-cm";
inline constexpr std::string_view phLabel = "pH";
inline constexpr std::string_view abrasionLevelLabel = "Abrasion Level";
inline constexpr std::string_view moreInfoButtonText = "More Info...";
inline constexpr std::string_view serviceLifeNextButtonText = "Next...";
inline constexpr std::string_view serviceLifeDoneButtonText = "Done";
inline constexpr std::string_view abrasionLevelDetailsTitle = "Abrasion Level Details";

}  // namespace csp
