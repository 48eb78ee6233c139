#pragma once

#include <array>
#include <string_view>

#include "servicelife/service_life.h"

namespace csp {

// How each abrasion level reads on the page's list and in the
// "Abrasion Level Details" box.
struct AbrasionLevelText {
    std::string_view listEntry;
    std::string_view detailLabel;
    std::string_view detail;
};

inline constexpr std::array<AbrasionLevelText, abrasionLevelCount> abrasionLevelTexts = {{
    {"Level 1: Non-Abrasive", "Level 1:", "Non-abrasive - No bedload."},
    {"Level 2: Low Abrasion", "Level 2:",
     "Low Abrasion - Minor bedloads of sand and gravel and velocities of 5 ft/sec. or less, or storm sewer applications."},
    {"Level 3: Moderate Abrasion", "Level 3:",
     "Moderate Abrasion - Bedloads of sand and gravel with velocities between 5 and 15 ft/sec."},
    {"Level 4: Severe Abrasion", "Level 4:",
     "Severe Abrasion - Heavy bedloads of gravel and rock with velocities exceeding 15 ft/sec."},
}};

}  // namespace csp
