#pragma once

#include <array>
#include <string>
#include <string_view>

#include "shell/outcome.h"

namespace csp {

// One row of the gage table. The thickness factor scales the life of
// 16 gage (factor 1.0) to the chosen wall.
struct Gage {
    double thickness;  // in.
    int number;
    double thicknessFactor;
    std::string_view listText;
};

inline constexpr std::array<Gage, 6> gageTable = {{
    {0.052, 18, 0.7, "0.052 (in)  18 Gage"},
    {0.064, 16, 1.0, "0.064 (in)  16 Gage"},
    {0.079, 14, 1.3, "0.079 (in)  14 Gage"},
    {0.109, 12, 1.8, "0.109 (in)  12 Gage"},
    {0.138, 10, 2.3, "0.138 (in)  10 Gage"},
    {0.168, 8, 2.8, "0.168 (in)    8 Gage"},
}};

inline constexpr int abrasionLevelCount = 4;

struct ServiceLifeInput {
    int thicknessIndex = 1;              // row of gageTable
    std::string resistivityText = "5000";  // ohm-cm, as typed
    std::string phText = "7.0";          // as typed
    int abrasionLevel = 0;               // level minus 1
    double estimatedLife = 0.0;          // years, unrounded; set by estimateLife
};

// The gage row of the record's thickness index (kept within the table).
const Gage& gageOf(const ServiceLifeInput& input);

// pH a number within 0..14, then resistivity a number within 100..100000
// ohm-cm; a misread text is refused before its range is checked.
Outcome validateServiceLifeInput(const ServiceLifeInput& input);

// Average invert life of galvanized pipe, in years, before rounding.
void estimateLife(ServiceLifeInput& input);

// estimatedLife rounded half up to whole years, at most 100.
int galvanizedLife(const ServiceLifeInput& input);
// 1.3 x estimatedLife rounded half up, without the 100-year limit.
int aluminumCoatedType2Life(const ServiceLifeInput& input);
// Levels 1 and 2, pH 5..9 and resistivity of at least 1500 ohm-cm.
bool aluminumCoatedType2NoteApplies(const ServiceLifeInput& input);

}  // namespace csp
