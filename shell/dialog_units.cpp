#include "shell/dialog_units.h"

#include <cstdint>

namespace csp {
namespace {

constexpr int horizontalUnitsPerChar = 4;
constexpr int verticalUnitsPerChar = 8;

// value * numerator / denominator, rounded half away from zero, in a width
// that cannot overflow.
int scaled(int value, int numerator, int denominator) {
    const std::int64_t product = std::int64_t{value} * numerator;
    const std::int64_t half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

}  // namespace

int averageCharWidth(int widthOfTheAlphabets) { return (widthOfTheAlphabets / 26 + 1) / 2; }

int horizontalPixels(int dialogUnits, DialogBaseUnits base) {
    return scaled(dialogUnits, base.charWidth, horizontalUnitsPerChar);
}

int verticalPixels(int dialogUnits, DialogBaseUnits base) {
    return scaled(dialogUnits, base.charHeight, verticalUnitsPerChar);
}

ClientSize toPixels(DialogSize size, DialogBaseUnits base) {
    return {horizontalPixels(size.width, base), verticalPixels(size.height, base)};
}

ClientRect toPixels(DialogRect rect, DialogBaseUnits base) {
    return {horizontalPixels(rect.x, base), verticalPixels(rect.y, base), horizontalPixels(rect.x + rect.width, base),
            verticalPixels(rect.y + rect.height, base)};
}

}  // namespace csp
