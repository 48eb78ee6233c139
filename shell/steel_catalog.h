#pragma once

#include <array>
#include <cstddef>
#include <optional>

// The steel sections of every corrugation profile and its standard
// pipe-arch sizes: the one place the design check and the fill-height
// tables take them from.
//
// Units: thickness in.; area A in sq in/ft; moment of inertia I x 10^3, in
// in^4/in (the design check divides by 10^3; the fill-height tables list I
// per foot, I x 12 / 10^3, to four decimals); seam strength lb/ft; spans
// and rises in in.; radii in in., but a 6 x 2 plate's in ft, as its tables
// list them (only their ratio counts in the fill-height tables, and the
// design check rounds Rt to whole inches).
//
// Where the two programs' sources list a value differently, the catalog
// keeps the design check's and names the fill-height tables' own beside
// it; each program keeps the value of its own source table, and they are
// not to be merged.
namespace csp::steel {

// The catalog lists I x 10^3 (in^4/in).
inline constexpr double inertiaScale = 1000.0;
inline constexpr double inchesPerFoot = 12.0;

// Seam strength of a wall, lb/ft: a short span's, and any other span's.
// Only the 2-2/3 x 1/2 walls have a weaker short-span value.
struct SeamStrength {
    double shortSpans;
    double longSpans;
};
constexpr std::optional<SeamStrength> seams(double shortSpans, double longSpans) {
    return SeamStrength{shortSpans, longSpans};
}
constexpr std::optional<SeamStrength> seam(double everySpan) { return SeamStrength{everySpan, everySpan}; }
// A profile whose seams have no rated strength: neither program checks them.
inline constexpr std::optional<SeamStrength> notRated = std::nullopt;

// The short-span seam value holds for spans under 42 in. in the design
// check, and up to 36 in. in the fill-height tables.
inline constexpr double designCheckShortSpansBelow = 42.0;  // in.
inline constexpr double fillTableShortSpansUpTo = 36.0;     // in.

// A wall's values that the fill-height tables' source lists otherwise than
// the conversion of the catalog's; none where it lists the same.
struct FillTableOwnValues {
    std::optional<double> area;            // sq in/ft
    std::optional<double> inertiaPerFoot;  // in^4/ft
    std::optional<double> seamStrength;    // lb/ft, every span
};
inline constexpr std::optional<double> catalogValue = std::nullopt;
inline constexpr FillTableOwnValues catalogValues = {catalogValue, catalogValue, catalogValue};

// One standard wall thickness of a profile.
struct Wall {
    double thickness;  // in.
    double area;       // A, sq in/ft
    double inertia;    // I x 10^3, in^4/in
    std::optional<SeamStrength> seam;
    FillTableOwnValues fillTables;
};

// I of a wall, in^4/in.
constexpr double inertiaPerInch(const Wall& wall) { return wall.inertia / inertiaScale; }

// Standard pipe-arch sizes, in table order, one value per size in each
// column: span and rise (in.), top and corner radius Rt and Rc.
template <std::size_t N>
struct ArchSizes {
    std::array<double, N> span, rise, topRadius, cornerRadius;
};

// 6 x 2 plate pipe-arches of one corner radius Rc: span and rise in in.,
// Rt in ft.
template <std::size_t N>
struct PlateArchSizes {
    int cornerRadius;  // in.
    std::array<double, N> span, rise, topRadius;
};

// A ribbed wall's flexibility limit (in./lb) is a coefficient c times
// I^(1/3), I in in^4/in, c by installation.
struct RibLimitCoefficients {
    double embankment, trenchStandard, trenchSpecial;
};
// A composite ribbed wall's limit is 5% more lenient. The design check
// applies this to the composite wall's own I; the fill-height tables scale
// the ribbed wall's limit, to four decimals, as their source lists it.
inline constexpr double compositeRibLeniency = 1.05;

// c I^(1/3), with the exponent as the design tables write it (0.333333).
double ribbedWallFlexibilityLimit(double coefficient, double inertiaPerInch);

//                             thickness  A      I x 10^3  seam (short, long spans)  fill tables' own values

namespace twoThirdsByHalf {  // 2-2/3 x 1/2
inline constexpr std::array<Wall, 5> walls = {{
    {0.064, 0.775, 1.892, seams(16700, 21600), catalogValues},
    {0.079, 0.968, 2.392, seams(18200, 29800), catalogValues},
    {0.109, 1.356, 3.425, seams(23400, 46800), catalogValues},
    {0.138, 1.744, 4.533, seams(24500, 49000), catalogValues},
    {0.168, 2.133, 5.725, seams(25600, 51300), catalogValues},
}};
inline constexpr ArchSizes<12> arches = {
    .span = {17, 21, 24, 28, 35, 42, 49, 57, 64, 71, 77, 83},
    .rise = {13, 15, 18, 20, 24, 29, 33, 38, 43, 47, 52, 57},
    .topRadius = {8.625, 10.75, 11.875, 14, 17.875, 21.5, 25.125, 28.625, 32.25, 35.75, 39.375, 43},
    .cornerRadius = {3.5, 4.125, 4.875, 5.5, 6.875, 8.25, 9.625, 11, 12.375, 13.75, 15.125, 16.5},
};
// The fill-height tables' source lists the radii to a tenth.
inline constexpr std::array<double, 12> fillTableTopRadius = {8.6,  10.75, 11.9, 14.0, 17.9, 21.5,
                                                              25.1, 28.6,  32.2, 35.7, 39.4, 43.0};
inline constexpr std::array<double, 12> fillTableCornerRadius = {3.5, 4.1,  4.9,   5.5,  6.9,  8.2,
                                                                 9.6, 11.0, 12.4, 13.75, 15.1, 16.5};
}  // namespace twoThirdsByHalf

namespace threeByOne {  // 3 x 1
// The 0.064 in. wall's seam is 26700 lb/ft in the design check, 28700 in
// the fill-height tables.
inline constexpr std::array<Wall, 5> walls = {{
    {0.064, 0.89, 8.658, seam(26700), {.area = catalogValue, .inertiaPerFoot = catalogValue, .seamStrength = 28700}},
    {0.079, 1.113, 10.883, seam(35700), catalogValues},
    {0.109, 1.56, 15.458, seam(53000), catalogValues},
    {0.138, 2.008, 20.175, seam(63700), catalogValues},
    {0.168, 2.458, 25.083, seam(70700), catalogValues},
}};
// Shared by the 5 x 1 pipe-arches.
inline constexpr ArchSizes<17> arches = {
    .span = {53, 60, 66, 73, 81, 87, 95, 103, 112, 117, 128, 137, 142, 150, 157, 164, 171},
    .rise = {41, 46, 51, 55, 59, 63, 67, 71, 75, 79, 83, 87, 91, 96, 101, 105, 110},
    .topRadius = {28.0625, 29.375, 32.625, 36.75, 39.5, 43.375, 47, 51.25, 54.875, 59.375, 63.25, 67.375, 71.625, 76,
                  80, 82, 85},
    .cornerRadius = {10.1875, 18.75, 20.75, 22.875, 20.875, 22.625, 24.375, 26.125, 27.75, 29.5, 31.25, 33, 34.75, 36,
                     38, 40, 41},
};
// The fill-height tables' source lists the radii to a tenth, and the
// 53 x 41 size's as 25.9 and 16.6 in.
inline constexpr std::array<double, 17> fillTableTopRadius = {25.9, 29.4, 32.6, 36.8, 39.5, 43.4, 47, 51.2, 54.9,
                                                              59.4, 63.2, 67.4, 71.6, 76,   80,   82, 85};
inline constexpr std::array<double, 17> fillTableCornerRadius = {16.6, 18.75, 20.75, 22.9, 20.9, 22.6,
                                                                 24.4, 26.1,  27.75, 29.5, 31.2, 33,
                                                                 34.75, 36,   38,    40,   41};
}  // namespace threeByOne

namespace fiveByOne {  // 5 x 1
// The fill-height tables' source lists I as 0.1878 and 0.3011 in^4/ft for
// the 0.109 and 0.168 in. walls (these give 0.1866 and 0.3004), and A as
// 2.186 sq in/ft for the 0.168 in. wall.
inline constexpr std::array<Wall, 5> walls = {{
    {0.064, 0.794, 8.85, notRated, catalogValues},
    {0.079, 0.992, 11.092, notRated, catalogValues},
    {0.109, 1.39, 15.55, notRated, {.area = catalogValue, .inertiaPerFoot = 0.1878, .seamStrength = catalogValue}},
    {0.138, 1.788, 20.317, notRated, catalogValues},
    {0.168, 2.196, 25.032, notRated, {.area = 2.186, .inertiaPerFoot = 0.3011, .seamStrength = catalogValue}},
}};
}  // namespace fiveByOne

namespace sixByTwo {  // 6 x 2 bolted structural plate
inline constexpr std::array<Wall, 9> walls = {{
    {0.111, 1.556, 60.417, seam(42000), catalogValues},
    {0.14, 2.003, 78.167, seam(62000), catalogValues},
    {0.17, 2.449, 96.167, seam(81000), catalogValues},
    {0.188, 2.739, 108, seam(93000), catalogValues},
    {0.218, 3.199, 126.917, seam(112000), catalogValues},
    {0.249, 3.658, 146.167, seam(132000), catalogValues},
    {0.28, 4.119, 165.834, seam(144000), catalogValues},
    {0.318, 4.671, 190, seam(235000), catalogValues},
    {0.38, 5.613, 232, seam(285000), catalogValues},
}};
// The fill-height tables' source stops at the 0.280 in. wall.
inline constexpr std::size_t wallsInFillTables = 7;

inline constexpr PlateArchSizes<34> arches18 = {
    .cornerRadius = 18,
    .span = {73,  76,  81,  84,  87,  92,  95,  98,  103, 106, 112, 114, 117, 123, 128, 131, 137,
             139, 142, 148, 150, 152, 154, 161, 167, 169, 171, 178, 184, 186, 188, 190, 197, 199},
    .rise = {55, 57, 59, 61, 63, 65, 67, 69, 71, 73, 75, 77, 79, 81, 83, 85, 87,
             89, 91, 93, 95, 97, 100, 101, 103, 105, 107, 109, 111, 113, 115, 118, 119, 121},
    .topRadius = {3.07, 3.18, 3.42, 3.53, 3.63, 3.88, 3.98, 4.08, 4.33, 4.42, 4.68, 4.78,
                  4.86, 5.13, 5.41, 5.49, 5.78, 5.85, 5.93, 6.23, 6.29, 6.37, 6.44, 6.73,
                  7.03, 7.09, 7.16, 7.47, 7.78, 7.83, 7.89, 7.96, 8.27, 8.33},
};
inline constexpr PlateArchSizes<24> arches31 = {
    .cornerRadius = 31,
    .span = {159, 162, 168, 170, 173, 179, 184, 187, 190, 195, 198, 204,
             206, 209, 215, 217, 223, 225, 231, 234, 236, 239, 245, 247},
    .rise = {112, 114, 116, 118, 120, 122, 124, 126, 128, 130, 132, 134,
             136, 138, 140, 142, 144, 146, 148, 150, 152, 154, 156, 158},
    .topRadius = {6.68, 6.78, 7.03, 7.13, 7.22, 7.48, 7.76, 7.84, 7.93, 8.21, 8.29, 8.58,
                  8.65, 8.73, 9.02, 9.09, 9.38, 9.46, 9.75, 9.83, 9.9,  9.98, 10.27, 10.33},
};
// Underpasses: Rt and Rc in ft.
inline constexpr ArchSizes<22> underpasses = {
    .span = {68, 68, 69, 70, 70, 146, 155, 158, 166, 169, 174, 178, 186, 188, 196, 197, 201, 207, 220, 229, 234, 244},
    .rise = {69, 78, 88, 92, 98, 132, 134, 142, 146, 154, 161, 168, 172, 180, 185, 192, 195, 204, 203, 206, 211, 213},
    .topRadius = {2.25, 2.42, 2.33, 2.5,  2.33, 5.67, 6.17, 6.08, 6.42, 6.42, 6.5,
                  6.58, 6.92, 6.83, 7.17, 7.33, 7.42, 7.5,  8.25, 8.75, 8.92, 9.5},
    .cornerRadius = {1.5,  1.5,  1.5,  1.5,  1.5,  3.17, 3.17, 3.17, 3.17, 3.17, 3.17,
                     3.17, 3.17, 3.17, 3.17, 3.17, 3.17, 3.92, 3.92, 3.92, 3.92, 3.92},
};
}  // namespace sixByTwo

// --- Ribbed profiles ---------------------------------------------------------

// Pipe-arches of every ribbed profile; the 3/4 x 1 x 11-1/2 ones are the
// first nine sizes.
namespace ribbedArches {
inline constexpr ArchSizes<16> sizes = {
    .span = {20, 23, 27, 33, 40, 46, 53, 60, 66, 73, 81, 87, 95, 103, 112, 117},
    .rise = {16, 19, 21, 26, 31, 36, 41, 46, 51, 55, 59, 63, 67, 71, 75, 79},
    .topRadius = {10.25, 11.625, 13.5, 16.625, 20.25, 23.25, 26.625, 29.375, 32.625, 36.75, 39.5, 43.375, 47, 51.25,
                  54.875, 59.375},
    .cornerRadius = {5, 5.375, 5.75, 7.125, 8.375, 9.75, 11.125, 18.75, 20.75, 22.875, 20.875, 22.625, 24.375, 26.125,
                     27.75, 29.5},
};
inline constexpr std::size_t elevenHalfSizes = 9;
// The 40 x 31 size's Rc is 8.375 in. in the design check, 8.625 in. in the
// fill-height tables.
inline constexpr std::size_t fortyByThirtyOne = 4;
inline constexpr double fillTableFortyByThirtyOneCornerRadius = 8.625;
static_assert(sizes.span[fortyByThirtyOne] == 40 && sizes.rise[fortyByThirtyOne] == 31);
}  // namespace ribbedArches

namespace ribbedSevenHalf {  // 3/4 x 3/4 x 7-1/2 ribbed
// The fill-height tables' source lists the 0.064 in. wall's I to five
// decimals, 0.03385 in^4/ft.
inline constexpr std::array<Wall, 4> walls = {{
    {0.064, 0.509, 2.821, notRated, {.area = catalogValue, .inertiaPerFoot = 0.03385, .seamStrength = catalogValue}},
    {0.079, 0.712, 3.701, notRated, catalogValues},
    {0.109, 1.184, 5.537, notRated, catalogValues},
    {0.138, 1.717, 7.433, notRated, catalogValues},
}};
inline constexpr RibLimitCoefficients limitCoefficients = {0.217, 0.263, 0.367};
}  // namespace ribbedSevenHalf

namespace ribbedElevenHalf {  // 3/4 x 1 x 11-1/2 ribbed
inline constexpr std::array<Wall, 3> walls = {{
    {0.064, 0.374, 4.58, notRated, catalogValues},
    {0.079, 0.524, 6.08, notRated, catalogValues},
    {0.109, 0.883, 9.26, notRated, catalogValues},
}};
inline constexpr RibLimitCoefficients limitCoefficients = {0.14, 0.163, 0.22};
}  // namespace ribbedElevenHalf

// The composite ribbed walls take their ribbed profile's coefficients.
namespace compositeSevenHalf {  // 3/4 x 3/4 x 7-1/2 composite ribbed
inline constexpr std::array<Wall, 4> walls = {{
    {0.064, 0.52, 2.768, notRated, catalogValues},
    {0.079, 0.728, 3.628, notRated, catalogValues},
    {0.109, 1.212, 5.424, notRated, catalogValues},
    {0.138, 1.758, 7.28, notRated, catalogValues},
}};
}  // namespace compositeSevenHalf

namespace compositeElevenHalf {  // 3/4 x 1 x 11-1/2 composite ribbed
inline constexpr std::array<Wall, 3> walls = {{
    {0.064, 0.371, 3.753, notRated, catalogValues},
    {0.079, 0.521, 4.949, notRated, catalogValues},
    {0.109, 0.878, 7.472, notRated, catalogValues},
}};
}  // namespace compositeElevenHalf

}  // namespace csp::steel
