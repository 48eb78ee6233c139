#include "servicelife/service_life.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "shell/typed_number.h"

namespace csp {
namespace {

constexpr double minimumPh = 0.0, maximumPh = 14.0;
constexpr double minimumResistivity = 100.0, maximumResistivity = 100000.0;
constexpr int maximumLife = 100;

// Above this pH the life follows the resistivity alone.
constexpr double alkalinePhLimit = 7.3;

double resistivity(const ServiceLifeInput& input) { return readTypedNumber(input.resistivityText); }
double ph(const ServiceLifeInput& input) { return readTypedNumber(input.phText); }

// Whole years, rounded half up. Kept within an int's range whatever the
// input, so that an unchecked record cannot make the conversion undefined.
int wholeYears(double years) {
    const double rounded = years + 0.5;
    if (!(rounded >= 0.0)) return 0;
    return static_cast<int>(std::min(rounded, 1e6));
}

}  // namespace

const Gage& gageOf(const ServiceLifeInput& input) {
    const int last = static_cast<int>(gageTable.size()) - 1;
    return gageTable[static_cast<std::size_t>(std::clamp(input.thicknessIndex, 0, last))];
}

Outcome validateServiceLifeInput(const ServiceLifeInput& input) {
    if (Outcome read = checkTypedNumber("pH", input.phText); !read) return std::move(read).from("ph");
    const double p = ph(input);
    if (!(p >= minimumPh && p <= maximumPh)) return Outcome::failure("The pH must be between 0 and 14.").from("ph");
    if (Outcome read = checkTypedNumber("resistivity", input.resistivityText, units::ohmCentimetres); !read)
        return std::move(read).from("resistivity");
    const double r = resistivity(input);
    if (!(r >= minimumResistivity && r <= maximumResistivity))
        return Outcome::failure("The resistivity must be between 100 and 100000.").from("resistivity");
    return Outcome::success();
}

void estimateLife(ServiceLifeInput& input) {
    const double r = resistivity(input);
    const double p = ph(input);
    double life = 0.0;
    if (p > alkalinePhLimit) {
        life = 3.82 * std::pow(r, 0.41);
    } else {
        // At pH 0 the logarithm is minus infinity, and so is the life.
        life = gageOf(input).thicknessFactor * 35.85 * (std::log10(r) - std::log10(2160.0 - 2490.0 * std::log10(p)));
    }
    input.estimatedLife = life < 0.0 ? 0.0 : life;
}

int galvanizedLife(const ServiceLifeInput& input) { return std::min(wholeYears(input.estimatedLife), maximumLife); }

int aluminumCoatedType2Life(const ServiceLifeInput& input) { return wholeYears(1.3 * input.estimatedLife); }

bool aluminumCoatedType2NoteApplies(const ServiceLifeInput& input) {
    const double p = ph(input);
    return input.abrasionLevel <= 1 && p >= 5.0 && p <= 9.0 && resistivity(input) >= 1500.0;
}

}  // namespace csp
