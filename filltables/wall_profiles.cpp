#include "filltables/wall_profiles.h"

#include "filltables/max_cover.h"

namespace csp {
namespace {

// 2-2/3 x 1/2 pipe in an AISI trench: the stiffer limit up to 42 in., the
// more lenient one from 78 in.
constexpr double smallSpanLimit = 0.043, smallSpanBound = 42.0;
constexpr double largeSpanLimit = 0.08, largeSpanBound = 78.0;

}  // namespace

double ribFlexibilityLimit(const RibFlexibilityLimits& limits, Conditions conditions, TrenchType trenchType,
                           std::size_t thickness) {
    const steel::RibLimitCoefficients& c = limits.coefficients;
    const double coefficient = !isTrenchConditions(conditions)    ? c.embankment
                               : trenchType == TrenchType::Special ? c.trenchSpecial
                                                                   : c.trenchStandard;
    return toFourDecimals(steel::ribbedWallFlexibilityLimit(coefficient, steel::inertiaPerInch(limits.walls[thickness])));
}

double aisiTrenchLimitBySpan(double span, double baseLimit) {
    if (span <= smallSpanBound) return smallSpanLimit;
    if (span >= largeSpanBound) return largeSpanLimit;
    return baseLimit;
}

double seamSafetyFactorOf(SeamRule rule, const FillTableRequest& request) {
    const double requested = request.seamSafetyFactor();
    switch (rule) {
    case SeamRule::Always: return requested;
    case SeamRule::WhenAnnular: return request.tableBase() == TableBase::Annular ? requested : noSeamCheck;
    case SeamRule::Never: break;
    }
    return noSeamCheck;
}

WallCell wallCellOf(const FillTableRequest& request, const Wall& wall, double span, const CellLimits& limits) {
    return {.liveLoad = request.liveLoad(),
            .bucklingEquation = request.bucklingEquation(),
            .span = span,
            .inertia = wall.inertia / 12.0,
            .area = wall.area / 12.0,
            .seamStrengthUpTo36 = wall.seamStrengthUpTo36,
            .seamStrengthOver36 = wall.seamStrengthOver36,
            .flexibilityLimit = limits.flexibilityLimit,
            .seamSafetyFactor = limits.seamSafetyFactor,
            .loadReductionFactor = limits.loadReductionFactor,
            .minimumCover = limits.minimumCover,
            .designMethod = request.designMethod(),
            .fillDensity = limits.fillDensity};
}

}  // namespace csp
