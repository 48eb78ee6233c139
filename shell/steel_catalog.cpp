#include "shell/steel_catalog.h"

#include <cmath>

namespace csp::steel {
namespace {

// The cube root of I, as the design tables write its exponent.
constexpr double ribbedLimitExponent = 0.333333;

}  // namespace

double ribbedWallFlexibilityLimit(double coefficient, double inertiaPerInch) {
    return coefficient * std::pow(inertiaPerInch, ribbedLimitExponent);
}

}  // namespace csp::steel
