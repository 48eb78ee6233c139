#pragma once

#include <array>
#include <span>

#include "filltables/fill_table_request.h"
#include "filltables/max_cover.h"
#include "shell/steel_catalog.h"

namespace csp {

// One standard wall thickness of a corrugation profile, per foot of wall.
struct Wall {
    double thickness;           // in.
    double area;                // A, in.^2/ft
    double inertia;             // I, in.^4/ft
    double seamStrengthUpTo36;  // lb/ft, spans up to 36 in.
    double seamStrengthOver36;  // lb/ft, spans over 36 in.
};

// Placeholder seam strength (lb/ft) of the profiles whose tables never take
// a seam check.
inline constexpr double unseamedStrength = 100000.0;

// A value to four decimals, as the tables list I per foot and the rib
// limits (positive values).
constexpr double toFourDecimals(double value) {
    return static_cast<double>(static_cast<long long>(value * 1e4 + 0.5)) / 1e4;
}

// A wall of the steel catalog as the tables take it: I per foot to four
// decimals, both seam columns, and the tables' own values where their
// source lists others.
constexpr Wall tableWall(const steel::Wall& wall) {
    const steel::FillTableOwnValues& own = wall.fillTables;
    const double inertiaPerFoot = toFourDecimals(wall.inertia * steel::inchesPerFoot / steel::inertiaScale);
    const steel::SeamStrength seam = wall.seam.value_or(steel::SeamStrength{unseamedStrength, unseamedStrength});
    return {.thickness = wall.thickness,
            .area = own.area.value_or(wall.area),
            .inertia = own.inertiaPerFoot.value_or(inertiaPerFoot),
            .seamStrengthUpTo36 = own.seamStrength.value_or(seam.shortSpans),
            .seamStrengthOver36 = own.seamStrength.value_or(seam.longSpans)};
}
// The first N walls of a profile.
template <std::size_t N>
constexpr std::array<Wall, N> tableWalls(std::span<const steel::Wall> walls) {
    std::array<Wall, N> rows{};
    for (std::size_t i = 0; i < N; ++i) rows[i] = tableWall(walls[i]);
    return rows;
}
template <std::size_t N>
constexpr std::array<Wall, N> tableWalls(const std::array<steel::Wall, N>& walls) {
    return tableWalls<N>(std::span<const steel::Wall>(walls));
}

inline constexpr auto ribs3by4Walls = tableWalls(steel::ribbedSevenHalf::walls);
inline constexpr auto ribs1by11Walls = tableWalls(steel::ribbedElevenHalf::walls);
inline constexpr auto compositeRibs3by4Walls = tableWalls(steel::compositeSevenHalf::walls);
inline constexpr auto compositeRibs1by11Walls = tableWalls(steel::compositeElevenHalf::walls);
inline constexpr auto corrugation2by2Walls = tableWalls(steel::twoThirdsByHalf::walls);
inline constexpr auto corrugation3by1Walls = tableWalls(steel::threeByOne::walls);
inline constexpr auto corrugation5by1Walls = tableWalls(steel::fiveByOne::walls);
// Bolted structural plate, as far as the tables list it.
inline constexpr auto corrugation6by2Walls = tableWalls<steel::sixByTwo::wallsInFillTables>(steel::sixByTwo::walls);
static_assert(corrugation6by2Walls.back().thickness == 0.28);

// Flexibility limits (in./lb) of a rib profile, by wall thickness: the
// installation's coefficient times I^(1/3) (steel::ribbedWallFlexibilityLimit),
// to four decimals.
struct RibFlexibilityLimits {
    steel::RibLimitCoefficients coefficients;
    std::span<const steel::Wall> walls;  // the catalog's, whose I the limits follow
};
// The composite rib tables take these too, scaled by the composite leniency
// (round_tables.h); the design check takes the composite wall's own I.
inline constexpr RibFlexibilityLimits ribs3by4Limits = {steel::ribbedSevenHalf::limitCoefficients,
                                                        steel::ribbedSevenHalf::walls};
inline constexpr RibFlexibilityLimits ribs1by11Limits = {steel::ribbedElevenHalf::limitCoefficients,
                                                         steel::ribbedElevenHalf::walls};

// The limit for a thickness under the request's installation: embankment,
// or trench split by trench type.
double ribFlexibilityLimit(const RibFlexibilityLimits& limits, Conditions conditions, TrenchType trenchType,
                           std::size_t thickness);

// Round and pipe-arch 2-2/3 x 1/2 under AISI trench conditions: the limit
// goes with the span D (in.); between the two bounds it is the base limit.
double aisiTrenchLimitBySpan(double span, double baseLimit);

// Which seam safety factor a table takes.
enum class SeamRule {
    Never,        // noSeamCheck
    WhenAnnular,  // the request's factor for annular pipe, noSeamCheck for helical
    Always,       // the request's factor (bolted seams)
};
double seamSafetyFactorOf(SeamRule rule, const FillTableRequest& request);

// Which flexibility limit a cell takes.
enum class FlexibilityRule {
    RequestFactor,               // the request's flexibilityFactor
    BySpanUnderAisiTrench,       // the request's, but by span under TrenchAisi
    PerThickness,                // the rib profile's limits
};

// The cell of one wall at span D (in.) under the request's live load and
// design criteria, with the table's own limits.
struct CellLimits {
    double flexibilityLimit;
    double seamSafetyFactor;
    double loadReductionFactor;
    double minimumCover;  // in.
    double fillDensity;   // pcf
};
WallCell wallCellOf(const FillTableRequest& request, const Wall& wall, double span, const CellLimits& limits);

}  // namespace csp
