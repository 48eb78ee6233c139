#include "designcheck/profile_catalog.h"

#include <algorithm>

#include "shell/number_format.h"

namespace csp::designcheck {
namespace {

// Column helpers: every column of one list has the same length, checked by
// the compiler.
template <std::size_t N>
constexpr WallList wallList(const double (&thickness)[N], const double (&area)[N], const double (&inertia)[N]) {
    return {thickness, area, inertia};
}
template <std::size_t N>
constexpr SizeList sizeList(const double (&span)[N], const double (&rise)[N], const double (&topRadius)[N],
                            const double (&cornerRadius)[N]) {
    return {span, rise, topRadius, cornerRadius};
}

constexpr std::optional<double> none = std::nullopt;
constexpr ShapeLimits every(double limit) { return {limit, limit, limit}; }
constexpr ShapeLimits noLimit = {none, none, none};
//                                    round   pipe-arch  underpass

// A profile without seam strengths, whose seams are not checked.
constexpr SeamStrengths noSeams = {.strength = {}, .shortSpans = {}, .shortSpanLimit = 0.0};

constexpr ChoiceFlags helicalOnly = {true, false, false};
constexpr ChoiceFlags helicalAnnular = {true, true, false};
constexpr ChoiceFlags boltedOnly = {false, false, true};

// Allowed installations:                 Embankment, Trench Standard, Trench Special
constexpr InstallationRules corrugatedInstallations = {.astm = {true, true, false},
                                                       .aashto = {true, false, false},
                                                       .aisi = {true, true, false}};
constexpr InstallationRules ribbedInstallations = {.astm = {true, true, true},
                                                   .aashto = {true, true, false},
                                                   .aisi = {true, true, true}};
constexpr InstallationRules compositeRibbedInstallations = {.astm = {true, true, true},
                                                            .aashto = {false, false, false},
                                                            .aisi = {true, true, true}};

// --- 2-2/3 x 1/2 -----------------------------------------------------------
namespace twoThirdsByHalf {
constexpr double thickness[] = {0.064, 0.079, 0.109, 0.138, 0.168};
constexpr double area[] = {0.775, 0.968, 1.356, 1.744, 2.133};
constexpr double inertia[] = {1.892, 2.392, 3.425, 4.533, 5.725};
constexpr double seamUnder42[] = {16700, 18200, 23400, 24500, 25600};
constexpr double seamFrom42[] = {21600, 29800, 46800, 49000, 51300};
static_assert(std::size(seamUnder42) == std::size(thickness) && std::size(seamFrom42) == std::size(thickness));
constexpr double seamSpanLimit = 42.0;  // in.

constexpr double archSpan[] = {17, 21, 24, 28, 35, 42, 49, 57, 64, 71, 77, 83};
constexpr double archRise[] = {13, 15, 18, 20, 24, 29, 33, 38, 43, 47, 52, 57};
constexpr double archTop[] = {8.625, 10.75, 11.875, 14, 17.875, 21.5, 25.125, 28.625, 32.25, 35.75, 39.375, 43};
constexpr double archCorner[] = {3.5, 4.125, 4.875, 5.5, 6.875, 8.25, 9.625, 11, 12.375, 13.75, 15.125, 16.5};

// AISI, round pipe, standard trench: the limit rises with the span.
constexpr std::optional<double> aisiTrenchRoundLimit(double span) {
    if (span <= 42.0) return 0.043;
    if (span < 72.0) return 0.06;
    if (span >= 72.0) return 0.08;
    return none;
}
constexpr ProfileData data = {
    .name = "2-2/3 x 1/2",
    .listTexts = {"2-2/3 x 1/2", "2-2/3 x 1/2", {}},
    .corrugationDepth = 0.5, .ribKind = RibKind::None,
    .corrugationTypes = helicalAnnular,
    .installations = corrugatedInstallations,
    .walls = wallList(thickness, area, inertia),
    .seams = {.strength = seamFrom42, .shortSpans = seamUnder42, .shortSpanLimit = seamSpanLimit},
    .sizes = sizeList(archSpan, archRise, archTop, archCorner),
    .underpassSizes = false, .cornerRadiusSizes = {}, .radiiInFeet = false,
    .flexibility = {.astm = {every(0.043), every(0.06), noLimit},
                    .aashto = {every(0.043), noLimit, noLimit},
                    // Round pipe in a standard trench: by span, below.
                    .aisi = {ShapeLimits{0.0433, 0.065, 0.0433}, ShapeLimits{none, 0.06, none}, noLimit}},
    .aisiTrenchRoundLimit = aisiTrenchRoundLimit, .railwayCoverDivisor = 4.0,
};

}  // namespace twoThirdsByHalf

// --- 3 x 1 and 5 x 1 share their pipe-arch sizes and limits ----------------
namespace threeByOneArches {
constexpr double span[] = {53, 60, 66, 73, 81, 87, 95, 103, 112, 117, 128, 137, 142, 150, 157, 164, 171};
constexpr double rise[] = {41, 46, 51, 55, 59, 63, 67, 71, 75, 79, 83, 87, 91, 96, 101, 105, 110};
constexpr double top[] = {28.0625, 29.375, 32.625, 36.75, 39.5, 43.375, 47,   51.25, 54.875,
                          59.375,  63.25,  67.375, 71.625, 76,  80,     82,   85};
constexpr double corner[] = {10.1875, 18.75, 20.75, 22.875, 20.875, 22.625, 24.375, 26.125, 27.75,
                             29.5,    31.25, 33,    34.75,  36,     38,     40,     41};
constexpr SizeList sizes = sizeList(span, rise, top, corner);
constexpr MethodFamilyRules flexibility = {.astm = {every(0.033), every(0.06), noLimit},
                                           .aashto = {every(0.033), noLimit, noLimit},
                                           .aisi = {ShapeLimits{0.0433, 0.065, 0.0433}, every(0.06), noLimit}};
}  // namespace threeByOneArches

namespace threeByOne {
constexpr double thickness[] = {0.064, 0.079, 0.109, 0.138, 0.168};
constexpr double area[] = {0.89, 1.113, 1.56, 2.008, 2.458};
constexpr double inertia[] = {8.658, 10.883, 15.458, 20.175, 25.083};
// The 0.064 in. wall's seam is 26700 lb/ft in the design check, where the
// fill-height tables list 28700: each keeps the value of its own source
// table, and they are not to be merged.
constexpr double seam[] = {26700, 35700, 53000, 63700, 70700};
static_assert(std::size(seam) == std::size(thickness));

constexpr ProfileData data = {
    .name = "3 x 1",
    .listTexts = {"3 x 1", "3 x 1", {}},
    .corrugationDepth = 1.0, .ribKind = RibKind::None,
    .corrugationTypes = helicalAnnular,
    .installations = corrugatedInstallations,
    .walls = wallList(thickness, area, inertia),
    .seams = {.strength = seam, .shortSpans = {}, .shortSpanLimit = 0.0},
    .sizes = threeByOneArches::sizes,
    .underpassSizes = false, .cornerRadiusSizes = {}, .radiiInFeet = false,
    .flexibility = threeByOneArches::flexibility,
    .aisiTrenchRoundLimit = nullptr, .railwayCoverDivisor = 4.0,
};
}  // namespace threeByOne

namespace fiveByOne {
constexpr double thickness[] = {0.064, 0.079, 0.109, 0.138, 0.168};
constexpr double area[] = {0.794, 0.992, 1.39, 1.788, 2.196};
constexpr double inertia[] = {8.85, 11.092, 15.55, 20.317, 25.032};

constexpr ProfileData data = {
    .name = "5x1",
    .listTexts = {"5 x 1", "5 x 1", {}},
    .corrugationDepth = 1.0, .ribKind = RibKind::None,
    .corrugationTypes = helicalOnly,
    .installations = corrugatedInstallations,
    .walls = wallList(thickness, area, inertia),
    .seams = noSeams,
    .sizes = threeByOneArches::sizes,
    .underpassSizes = false, .cornerRadiusSizes = {}, .radiiInFeet = false,
    .flexibility = threeByOneArches::flexibility,
    .aisiTrenchRoundLimit = nullptr, .railwayCoverDivisor = 4.0,
};
}  // namespace fiveByOne

// --- 6 x 2 structural plate --------------------------------------------------
namespace sixByTwo {
constexpr double thickness[] = {0.111, 0.14, 0.17, 0.188, 0.218, 0.249, 0.28, 0.318, 0.38};
constexpr double area[] = {1.556, 2.003, 2.449, 2.739, 3.199, 3.658, 4.119, 4.671, 5.613};
constexpr double inertia[] = {60.417, 78.167, 96.167, 108, 126.917, 146.167, 165.834, 190, 232};
constexpr double seam[] = {42000, 62000, 81000, 93000, 112000, 132000, 144000, 235000, 285000};
static_assert(std::size(seam) == std::size(thickness));

// Pipe-arches with an 18 in. corner radius; Rt in feet.
constexpr double arch18Span[] = {73,  76,  81,  84,  87,  92,  95,  98,  103, 106, 112, 114,
                                 117, 123, 128, 131, 137, 139, 142, 148, 150, 152, 154, 161,
                                 167, 169, 171, 178, 184, 186, 188, 190, 197, 199};
constexpr double arch18Rise[] = {55, 57, 59, 61, 63, 65, 67,  69,  71,  73,  75,  77,  79,  81,  83,  85,  87,
                                 89, 91, 93, 95, 97, 100, 101, 103, 105, 107, 109, 111, 113, 115, 118, 119, 121};
constexpr double arch18Top[] = {3.07, 3.18, 3.42, 3.53, 3.63, 3.88, 3.98, 4.08, 4.33, 4.42, 4.68, 4.78,
                                4.86, 5.13, 5.41, 5.49, 5.78, 5.85, 5.93, 6.23, 6.29, 6.37, 6.44, 6.73,
                                7.03, 7.09, 7.16, 7.47, 7.78, 7.83, 7.89, 7.96, 8.27, 8.33};
static_assert(std::size(arch18Rise) == std::size(arch18Span) && std::size(arch18Top) == std::size(arch18Span));

// Pipe-arches with a 31 in. corner radius; Rt in feet.
constexpr double arch31Span[] = {159, 162, 168, 170, 173, 179, 184, 187, 190, 195, 198, 204,
                                 206, 209, 215, 217, 223, 225, 231, 234, 236, 239, 245, 247};
constexpr double arch31Rise[] = {112, 114, 116, 118, 120, 122, 124, 126, 128, 130, 132, 134,
                                 136, 138, 140, 142, 144, 146, 148, 150, 152, 154, 156, 158};
constexpr double arch31Top[] = {6.68, 6.78, 7.03, 7.13, 7.22, 7.48, 7.76, 7.84, 7.93, 8.21, 8.29, 8.58,
                                8.65, 8.73, 9.02, 9.09, 9.38, 9.46, 9.75, 9.83, 9.9,  9.98, 10.27, 10.33};
static_assert(std::size(arch31Rise) == std::size(arch31Span) && std::size(arch31Top) == std::size(arch31Span));

// Underpasses; Rt and Rc in feet.
constexpr double underpassSpan[] = {68,  68,  69,  70,  70,  146, 155, 158, 166, 169, 174,
                                    178, 186, 188, 196, 197, 201, 207, 220, 229, 234, 244};
constexpr double underpassRise[] = {69,  78,  88,  92,  98,  132, 134, 142, 146, 154, 161,
                                    168, 172, 180, 185, 192, 195, 204, 203, 206, 211, 213};
constexpr double underpassTop[] = {2.25, 2.42, 2.33, 2.5,  2.33, 5.67, 6.17, 6.08, 6.42, 6.42, 6.5,
                                   6.58, 6.92, 6.83, 7.17, 7.33, 7.42, 7.5,  8.25, 8.75, 8.92, 9.5};
constexpr double underpassCorner[] = {1.5,  1.5,  1.5,  1.5,  1.5,  3.17, 3.17, 3.17, 3.17, 3.17, 3.17,
                                      3.17, 3.17, 3.17, 3.17, 3.17, 3.17, 3.92, 3.92, 3.92, 3.92, 3.92};
constexpr SizeList underpassSizes = sizeList(underpassSpan, underpassRise, underpassTop, underpassCorner);
constexpr CornerRadiusSizes arches[] = {
    {18, "18 inch", "6x2 18(in) Corner Radius", {arch18Span, arch18Rise, arch18Top, {}}},
    {31, "31 inch", "6x2 31(in) Corner Radius", {arch31Span, arch31Rise, arch31Top, {}}},
};

constexpr ShapeLimits embankmentLimits = {0.02, 0.03, 0.03};
constexpr ProfileData data = {
    .name = "6x2",
    .listTexts = {"6 x 2", "6 x 2", "6 x 2"},
    .corrugationDepth = 2.0, .ribKind = RibKind::None,
    .corrugationTypes = boltedOnly,
    .installations = corrugatedInstallations,
    .walls = wallList(thickness, area, inertia),
    .seams = {.strength = seam, .shortSpans = {}, .shortSpanLimit = 0.0},
    .sizes = underpassSizes,
    .underpassSizes = true, .cornerRadiusSizes = arches, .radiiInFeet = true,
    .flexibility = {.astm = {embankmentLimits, every(0.02), noLimit},
                    .aashto = {embankmentLimits, noLimit, noLimit},
                    .aisi = {embankmentLimits, embankmentLimits, noLimit}},
    .aisiTrenchRoundLimit = nullptr, .railwayCoverDivisor = 5.0,
};
}  // namespace sixByTwo

// --- Ribbed profiles: the limits are coefficients of I^0.333333 -----------
namespace ribbedSevenHalfArches {
constexpr double span[] = {20, 23, 27, 33, 40, 46, 53, 60, 66, 73, 81, 87, 95, 103, 112, 117};
constexpr double rise[] = {16, 19, 21, 26, 31, 36, 41, 46, 51, 55, 59, 63, 67, 71, 75, 79};
constexpr double top[] = {10.25, 11.625, 13.5,  16.625, 20.25,  23.25, 26.625, 29.375,
                          32.625, 36.75, 39.5, 43.375, 47,     51.25, 54.875, 59.375};
// The 40 x 31 size's Rc is 8.375 in. here, where the fill-height tables
// list 8.625: each keeps the value of its own source table, and they are
// not to be merged.
constexpr double corner[] = {5,     5.375,  5.75,   7.125,  8.375,  9.75,   11.125, 18.75,
                             20.75, 22.875, 20.875, 22.625, 24.375, 26.125, 27.75,  29.5};
constexpr SizeList sizes = sizeList(span, rise, top, corner);
constexpr InstallationLimits coefficients = {every(0.217), every(0.263), every(0.367)};
}  // namespace ribbedSevenHalfArches

namespace ribbedElevenHalfArches {
constexpr double span[] = {20, 23, 27, 33, 40, 46, 53, 60, 66};
constexpr double rise[] = {16, 19, 21, 26, 31, 36, 41, 46, 51};
constexpr double top[] = {10.25, 11.625, 13.5, 16.625, 20.25, 23.25, 26.625, 29.375, 32.625};
constexpr double corner[] = {5, 5.375, 5.75, 7.125, 8.375, 9.75, 11.125, 18.75, 20.75};
constexpr SizeList sizes = sizeList(span, rise, top, corner);
constexpr InstallationLimits coefficients = {every(0.14), every(0.163), every(0.22)};
}  // namespace ribbedElevenHalfArches

// Ribbed pipe is not designed to AASHTO in a special trench.
constexpr InstallationLimits withoutSpecialTrench(const InstallationLimits& limits) {
    return {limits[0], limits[1], noLimit};
}
// Composite ribbed pipe has no AASHTO design.
constexpr InstallationLimits noAashtoDesign = {noLimit, noLimit, noLimit};

namespace ribbedSevenHalf {
constexpr double thickness[] = {0.064, 0.079, 0.109, 0.138};
constexpr double area[] = {0.509, 0.712, 1.184, 1.717};
constexpr double inertia[] = {2.821, 3.701, 5.537, 7.433};
constexpr auto& limits = ribbedSevenHalfArches::coefficients;

constexpr ProfileData data = {
    .name = "3/4 x 3/4 x 7-1/2 Ribbed",
    .listTexts = {"3/4 x 3/4 x 7-1/2 Ribbed", "3/4 x 3/4 x 7-1/2 Ribbed", {}},
    .corrugationDepth = 0.75, .ribKind = RibKind::Ribbed,
    .corrugationTypes = helicalOnly,
    .installations = ribbedInstallations,
    .walls = wallList(thickness, area, inertia),
    .seams = noSeams,
    .sizes = ribbedSevenHalfArches::sizes,
    .underpassSizes = false, .cornerRadiusSizes = {}, .radiiInFeet = false,
    .flexibility = {.astm = limits, .aashto = withoutSpecialTrench(limits), .aisi = limits},
    .aisiTrenchRoundLimit = nullptr, .railwayCoverDivisor = 4.0,
};
}  // namespace ribbedSevenHalf

namespace ribbedElevenHalf {
constexpr double thickness[] = {0.064, 0.079, 0.109};
constexpr double area[] = {0.374, 0.524, 0.883};
constexpr double inertia[] = {4.58, 6.08, 9.26};
constexpr auto& limits = ribbedElevenHalfArches::coefficients;

constexpr ProfileData data = {
    .name = "3/4 x 1 x 11-1/2 Ribbed",
    .listTexts = {"3/4 x 1 x 11-1/2 Ribbed", "3/4 x 1 x 11-1/2 Ribbed", {}},
    .corrugationDepth = 1.0, .ribKind = RibKind::Ribbed,
    .corrugationTypes = helicalOnly,
    .installations = ribbedInstallations,
    .walls = wallList(thickness, area, inertia),
    .seams = noSeams,
    .sizes = ribbedElevenHalfArches::sizes,
    .underpassSizes = false, .cornerRadiusSizes = {}, .radiiInFeet = false,
    .flexibility = {.astm = limits, .aashto = withoutSpecialTrench(limits), .aisi = limits},
    .aisiTrenchRoundLimit = nullptr, .railwayCoverDivisor = 4.0,
};
}  // namespace ribbedElevenHalf

namespace compositeSevenHalf {
constexpr double thickness[] = {0.064, 0.079, 0.109, 0.138};
constexpr double area[] = {0.52, 0.728, 1.212, 1.758};
constexpr double inertia[] = {2.768, 3.628, 5.424, 7.28};
constexpr auto& limits = ribbedSevenHalfArches::coefficients;

constexpr ProfileData data = {
    .name = "3/4 x 3/4 x 7-1/2 Composite Ribbed",
    // Its pipe-arch is offered under a working title.
    .listTexts = {"3/4 x 3/4 x 7-1/2 Composite Ribbed", "TEST", {}},
    .corrugationDepth = 0.75, .ribKind = RibKind::Composite,
    .corrugationTypes = helicalOnly,
    .installations = compositeRibbedInstallations,
    .walls = wallList(thickness, area, inertia),
    .seams = noSeams,
    .sizes = ribbedSevenHalfArches::sizes,
    .underpassSizes = false, .cornerRadiusSizes = {}, .radiiInFeet = false,
    .flexibility = {.astm = limits, .aashto = noAashtoDesign, .aisi = limits},
    .aisiTrenchRoundLimit = nullptr, .railwayCoverDivisor = 4.0,
};
}  // namespace compositeSevenHalf

namespace compositeElevenHalf {
constexpr double thickness[] = {0.064, 0.079, 0.109};
constexpr double area[] = {0.371, 0.521, 0.878};
constexpr double inertia[] = {3.753, 4.949, 7.472};
constexpr auto& limits = ribbedElevenHalfArches::coefficients;

constexpr ProfileData data = {
    .name = "3/4 x 1 x 11-1/2 Composite Ribbed",
    .listTexts = {"3/4 x 1 x 11-1/2 Composite Ribbed", {}, {}},
    .corrugationDepth = 1.0, .ribKind = RibKind::Composite,
    .corrugationTypes = helicalOnly,
    .installations = compositeRibbedInstallations,
    .walls = wallList(thickness, area, inertia),
    .seams = noSeams,
    .sizes = ribbedElevenHalfArches::sizes,
    .underpassSizes = false, .cornerRadiusSizes = {}, .radiiInFeet = false,
    .flexibility = {.astm = limits, .aashto = noAashtoDesign, .aisi = limits},
    .aisiTrenchRoundLimit = nullptr, .railwayCoverDivisor = 4.0,
};
}  // namespace compositeElevenHalf

// The profiles' data sets, by profile index (Profile).
constexpr auto profiles = std::to_array<const ProfileData*>({
    &twoThirdsByHalf::data, &threeByOne::data,       &fiveByOne::data,          &sixByTwo::data,
    &ribbedSevenHalf::data, &ribbedElevenHalf::data, &compositeSevenHalf::data, &compositeElevenHalf::data,
});
constexpr int profileCount = static_cast<int>(profiles.size());

constexpr double inchesPerFoot = 12.0;
constexpr ChoiceFlags noChoice = {false, false, false};

// The value at `index` of a column, when the index is within it.
std::optional<double> at(std::span<const double> column, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= column.size()) return none;
    return column[static_cast<std::size_t>(index)];
}

}  // namespace

std::span<const ProfileData* const> profileTable() { return profiles; }

const ProfileData* profileData(int profile) {
    if (profile < 0 || profile >= profileCount) return nullptr;
    return profiles[static_cast<std::size_t>(profile)];
}

const CornerRadiusSizes* ProfileCatalog::cornerRadiusSizes() const {
    for (const CornerRadiusSizes& arch : data_->cornerRadiusSizes)
        if (arch.cornerRadius == cornerRadius_) return &arch;
    return nullptr;
}

SizeList ProfileCatalog::sizes() const {
    const CornerRadiusSizes* arch = cornerRadiusSizes();
    return arch ? arch->sizes : data_->sizes;
}

std::string_view ProfileCatalog::name() const {
    const CornerRadiusSizes* arch = cornerRadiusSizes();
    return arch ? arch->name : data_->name;
}

ChoiceFlags ProfileCatalog::installations(CheckMethod method) const {
    switch (familyOf(method)) {
    case MethodFamily::Astm: return data_->installations.astm;
    case MethodFamily::Aashto: return data_->installations.aashto;
    case MethodFamily::Aisi: return data_->installations.aisi;
    case MethodFamily::None: break;
    }
    return noChoice;
}

std::optional<double> ProfileCatalog::thickness(int thicknessIndex) const {
    return at(data_->walls.thickness, thicknessIndex);
}
std::optional<double> ProfileCatalog::area(int thicknessIndex) const { return at(data_->walls.area, thicknessIndex); }
std::optional<double> ProfileCatalog::inertia(int thicknessIndex) const {
    return at(data_->walls.inertia, thicknessIndex);
}

std::optional<double> ProfileCatalog::seamStrength(int thicknessIndex, double span) const {
    const SeamStrengths& seams = data_->seams;
    if (!seams.shortSpans.empty() && span < seams.shortSpanLimit) return at(seams.shortSpans, thicknessIndex);
    return at(seams.strength, thicknessIndex);
}

std::optional<double> ProfileCatalog::span(int sizeIndex) const { return at(sizes().span, sizeIndex); }
std::optional<double> ProfileCatalog::rise(int sizeIndex) const { return at(sizes().rise, sizeIndex); }

std::optional<ArchRadii> ProfileCatalog::radii(int sizeIndex) const {
    const SizeList list = sizes();
    const std::optional<double> top = at(list.topRadius, sizeIndex);
    if (!top) return std::nullopt;
    if (const CornerRadiusSizes* arch = cornerRadiusSizes()) return ArchRadii{*top, double(arch->cornerRadius)};
    const std::optional<double> corner = at(list.cornerRadius, sizeIndex);
    if (!corner) return std::nullopt;
    if (data_->underpassSizes) return ArchRadii{*top, roundHalfUp(*corner * inchesPerFoot)};
    return ArchRadii{*top, *corner};
}

std::vector<std::string> ProfileCatalog::underpassLabels() const {
    std::vector<std::string> labels;
    if (!data_->underpassSizes || cornerRadiusSizes()) return labels;
    const std::span<const double> spans = data_->sizes.span;
    for (std::size_t i = 0; i < spans.size(); ++i) {
        const bool sharedSpan = (i > 0 && spans[i - 1] == spans[i]) || (i + 1 < spans.size() && spans[i + 1] == spans[i]);
        labels.push_back(sharedSpan ? format("%g (x%g)", spans[i], data_->sizes.rise[i]) : format("%g", spans[i]));
    }
    return labels;
}

std::optional<double> ProfileCatalog::flexibilityLimit(StructureShape shape, InstallationType installation,
                                                       CheckMethod method, double span) const {
    if (data_->aisiTrenchRoundLimit && method == CheckMethod::Aisi &&
        installation == InstallationType::TrenchStandard && shape == StructureShape::RoundPipe)
        return data_->aisiTrenchRoundLimit(span);
    const InstallationLimits* limits = nullptr;
    switch (familyOf(method)) {
    case MethodFamily::Astm: limits = &data_->flexibility.astm; break;
    case MethodFamily::Aashto: limits = &data_->flexibility.aashto; break;
    case MethodFamily::Aisi: limits = &data_->flexibility.aisi; break;
    case MethodFamily::None: return none;
    }
    const int row = static_cast<int>(installation), column = static_cast<int>(shape);
    if (row < 0 || row > 2 || column < 0 || column > 2) return none;
    return (*limits)[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

}  // namespace csp::designcheck
