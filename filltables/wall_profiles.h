#pragma once

#include <array>

#include "filltables/fill_table_request.h"
#include "filltables/max_cover.h"

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

//                                            thickness  A       I        seam <= 36  seam > 36
inline constexpr std::array<Wall, 4> ribs3by4Walls = {{
    {0.064, 0.509, 0.03385, unseamedStrength, unseamedStrength},
    {0.079, 0.712, 0.0444, unseamedStrength, unseamedStrength},
    {0.109, 1.184, 0.0664, unseamedStrength, unseamedStrength},
    {0.138, 1.717, 0.0892, unseamedStrength, unseamedStrength},
}};
inline constexpr std::array<Wall, 3> ribs1by11Walls = {{
    {0.064, 0.374, 0.055, unseamedStrength, unseamedStrength},
    {0.079, 0.524, 0.073, unseamedStrength, unseamedStrength},
    {0.109, 0.883, 0.1111, unseamedStrength, unseamedStrength},
}};
inline constexpr std::array<Wall, 4> compositeRibs3by4Walls = {{
    {0.064, 0.52, 0.0332, unseamedStrength, unseamedStrength},
    {0.079, 0.728, 0.0435, unseamedStrength, unseamedStrength},
    {0.109, 1.212, 0.0651, unseamedStrength, unseamedStrength},
    {0.138, 1.758, 0.0874, unseamedStrength, unseamedStrength},
}};
inline constexpr std::array<Wall, 3> compositeRibs1by11Walls = {{
    {0.064, 0.371, 0.045, unseamedStrength, unseamedStrength},
    {0.079, 0.521, 0.0594, unseamedStrength, unseamedStrength},
    {0.109, 0.878, 0.0897, unseamedStrength, unseamedStrength},
}};
inline constexpr std::array<Wall, 5> corrugation2by2Walls = {{  // 2-2/3 x 1/2
    {0.064, 0.775, 0.0227, 16700, 21600},
    {0.079, 0.968, 0.0287, 18200, 29800},
    {0.109, 1.356, 0.0411, 23400, 46800},
    {0.138, 1.744, 0.0544, 24500, 49000},
    {0.168, 2.133, 0.0687, 25600, 51300},
}};
// The 0.064 in. wall's seam is 28700 lb/ft in the fill-height tables, where
// the design check lists 26700: each keeps the value of its own source
// table, and they are not to be merged.
inline constexpr std::array<Wall, 5> corrugation3by1Walls = {{
    {0.064, 0.89, 0.1039, 28700, 28700},
    {0.079, 1.113, 0.1306, 35700, 35700},
    {0.109, 1.56, 0.1855, 53000, 53000},
    {0.138, 2.008, 0.2421, 63700, 63700},
    {0.168, 2.458, 0.301, 70700, 70700},
}};
inline constexpr std::array<Wall, 5> corrugation5by1Walls = {{
    {0.064, 0.794, 0.1062, unseamedStrength, unseamedStrength},
    {0.079, 0.992, 0.1331, unseamedStrength, unseamedStrength},
    {0.109, 1.39, 0.1878, unseamedStrength, unseamedStrength},
    {0.138, 1.788, 0.2438, unseamedStrength, unseamedStrength},
    {0.168, 2.186, 0.3011, unseamedStrength, unseamedStrength},
}};
inline constexpr std::array<Wall, 7> corrugation6by2Walls = {{  // bolted structural plate
    {0.111, 1.556, 0.725, 42000, 42000},
    {0.140, 2.003, 0.938, 62000, 62000},
    {0.170, 2.449, 1.154, 81000, 81000},
    {0.188, 2.739, 1.296, 93000, 93000},
    {0.218, 3.199, 1.523, 112000, 112000},
    {0.249, 3.658, 1.754, 132000, 132000},
    {0.280, 4.119, 1.99, 144000, 144000},
}};

// Flexibility limits (in./lb) of a rib profile, by wall thickness: the
// installation's coefficient times (I / 12)^(1/3), to four decimals.
struct RibFlexibilityLimits {
    std::array<double, 4> embankment;
    std::array<double, 4> trenchStandard;
    std::array<double, 4> trenchSpecial;
};

inline constexpr RibFlexibilityLimits ribs3by4Limits = {
    {0.0307, 0.0336, 0.0384, 0.0423},
    {0.0372, 0.0407, 0.0465, 0.0513},
    {0.0519, 0.0568, 0.0649, 0.0716},
};
inline constexpr RibFlexibilityLimits ribs1by11Limits = {
    {0.0232, 0.0256, 0.0294},
    {0.0271, 0.0298, 0.0342},
    {0.0365, 0.0402, 0.0462},
};

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
