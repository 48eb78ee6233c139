#include "designcheck/profile_catalog.h"

#include <algorithm>

#include "shell/number_format.h"

namespace csp::designcheck {
namespace {

// Size columns from the steel catalog.
template <std::size_t N>
constexpr SizeList sizeList(const steel::ArchSizes<N>& sizes) {
    return {sizes.span, sizes.rise, sizes.topRadius, sizes.cornerRadius};
}
template <std::size_t N>
constexpr SizeList firstSizes(const steel::ArchSizes<N>& sizes, std::size_t count) {
    const SizeList all = sizeList(sizes);
    return {all.span.first(count), all.rise.first(count), all.topRadius.first(count), all.cornerRadius.first(count)};
}
// A plate's sizes take their corner radius from the list's own.
template <std::size_t N>
constexpr SizeList plateSizeList(const steel::PlateArchSizes<N>& sizes) {
    return {sizes.span, sizes.rise, sizes.topRadius, {}};
}

constexpr std::optional<double> none = std::nullopt;
constexpr ShapeLimits every(double limit) { return {limit, limit, limit}; }
constexpr ShapeLimits noLimit = {none, none, none};
//                                    round   pipe-arch  underpass

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
    .walls = steel::twoThirdsByHalf::walls,
    .sizes = sizeList(steel::twoThirdsByHalf::arches),
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
constexpr SizeList sizes = sizeList(steel::threeByOne::arches);
constexpr MethodFamilyRules flexibility = {.astm = {every(0.033), every(0.06), noLimit},
                                           .aashto = {every(0.033), noLimit, noLimit},
                                           .aisi = {ShapeLimits{0.0433, 0.065, 0.0433}, every(0.06), noLimit}};
}  // namespace threeByOneArches

namespace threeByOne {
constexpr ProfileData data = {
    .name = "3 x 1",
    .listTexts = {"3 x 1", "3 x 1", {}},
    .corrugationDepth = 1.0, .ribKind = RibKind::None,
    .corrugationTypes = helicalAnnular,
    .installations = corrugatedInstallations,
    .walls = steel::threeByOne::walls,
    .sizes = threeByOneArches::sizes,
    .underpassSizes = false, .cornerRadiusSizes = {}, .radiiInFeet = false,
    .flexibility = threeByOneArches::flexibility,
    .aisiTrenchRoundLimit = nullptr, .railwayCoverDivisor = 4.0,
};
}  // namespace threeByOne

namespace fiveByOne {
constexpr ProfileData data = {
    .name = "5x1",
    .listTexts = {"5 x 1", "5 x 1", {}},
    .corrugationDepth = 1.0, .ribKind = RibKind::None,
    .corrugationTypes = helicalOnly,
    .installations = corrugatedInstallations,
    .walls = steel::fiveByOne::walls,
    .sizes = threeByOneArches::sizes,
    .underpassSizes = false, .cornerRadiusSizes = {}, .radiiInFeet = false,
    .flexibility = threeByOneArches::flexibility,
    .aisiTrenchRoundLimit = nullptr, .railwayCoverDivisor = 4.0,
};
}  // namespace fiveByOne

// --- 6 x 2 structural plate --------------------------------------------------
namespace sixByTwo {
// Pipe-arches by corner radius, and underpasses; Rt (and an underpass's Rc)
// in feet.
constexpr CornerRadiusSizes arches[] = {
    {steel::sixByTwo::arches18.cornerRadius, "18 inch", "6x2 18(in) Corner Radius",
     plateSizeList(steel::sixByTwo::arches18)},
    {steel::sixByTwo::arches31.cornerRadius, "31 inch", "6x2 31(in) Corner Radius",
     plateSizeList(steel::sixByTwo::arches31)},
};

constexpr ShapeLimits embankmentLimits = {0.02, 0.03, 0.03};
constexpr ProfileData data = {
    .name = "6x2",
    .listTexts = {"6 x 2", "6 x 2", "6 x 2"},
    .corrugationDepth = 2.0, .ribKind = RibKind::None,
    .corrugationTypes = boltedOnly,
    .installations = corrugatedInstallations,
    .walls = steel::sixByTwo::walls,
    .sizes = sizeList(steel::sixByTwo::underpasses),
    .underpassSizes = true, .cornerRadiusSizes = arches, .radiiInFeet = true,
    .flexibility = {.astm = {embankmentLimits, every(0.02), noLimit},
                    .aashto = {embankmentLimits, noLimit, noLimit},
                    .aisi = {embankmentLimits, embankmentLimits, noLimit}},
    .aisiTrenchRoundLimit = nullptr, .railwayCoverDivisor = 5.0,
};
}  // namespace sixByTwo

// --- Ribbed profiles: the limits are coefficients of I^(1/3) ----------------
// By installation, the same for every shape.
constexpr InstallationLimits ribbedLimits(const steel::RibLimitCoefficients& c) {
    return {every(c.embankment), every(c.trenchStandard), every(c.trenchSpecial)};
}
// Ribbed pipe is not designed to AASHTO in a special trench.
constexpr InstallationLimits withoutSpecialTrench(const InstallationLimits& limits) {
    return {limits[0], limits[1], noLimit};
}
// Composite ribbed pipe has no AASHTO design.
constexpr InstallationLimits noAashtoDesign = {noLimit, noLimit, noLimit};

constexpr SizeList sevenHalfArches = sizeList(steel::ribbedArches::sizes);
constexpr SizeList elevenHalfArches = firstSizes(steel::ribbedArches::sizes, steel::ribbedArches::elevenHalfSizes);
constexpr InstallationLimits sevenHalfLimits = ribbedLimits(steel::ribbedSevenHalf::limitCoefficients);
constexpr InstallationLimits elevenHalfLimits = ribbedLimits(steel::ribbedElevenHalf::limitCoefficients);

namespace ribbedSevenHalf {
constexpr ProfileData data = {
    .name = "3/4 x 3/4 x 7-1/2 Ribbed",
    .listTexts = {"3/4 x 3/4 x 7-1/2 Ribbed", "3/4 x 3/4 x 7-1/2 Ribbed", {}},
    .corrugationDepth = 0.75, .ribKind = RibKind::Ribbed,
    .corrugationTypes = helicalOnly,
    .installations = ribbedInstallations,
    .walls = steel::ribbedSevenHalf::walls,
    .sizes = sevenHalfArches,
    .underpassSizes = false, .cornerRadiusSizes = {}, .radiiInFeet = false,
    .flexibility = {.astm = sevenHalfLimits, .aashto = withoutSpecialTrench(sevenHalfLimits), .aisi = sevenHalfLimits},
    .aisiTrenchRoundLimit = nullptr, .railwayCoverDivisor = 4.0,
};
}  // namespace ribbedSevenHalf

namespace ribbedElevenHalf {
constexpr ProfileData data = {
    .name = "3/4 x 1 x 11-1/2 Ribbed",
    .listTexts = {"3/4 x 1 x 11-1/2 Ribbed", "3/4 x 1 x 11-1/2 Ribbed", {}},
    .corrugationDepth = 1.0, .ribKind = RibKind::Ribbed,
    .corrugationTypes = helicalOnly,
    .installations = ribbedInstallations,
    .walls = steel::ribbedElevenHalf::walls,
    .sizes = elevenHalfArches,
    .underpassSizes = false, .cornerRadiusSizes = {}, .radiiInFeet = false,
    .flexibility = {.astm = elevenHalfLimits,
                    .aashto = withoutSpecialTrench(elevenHalfLimits),
                    .aisi = elevenHalfLimits},
    .aisiTrenchRoundLimit = nullptr, .railwayCoverDivisor = 4.0,
};
}  // namespace ribbedElevenHalf

namespace compositeSevenHalf {
constexpr ProfileData data = {
    .name = "3/4 x 3/4 x 7-1/2 Composite Ribbed",
    // Its pipe-arch is offered under a working title.
    .listTexts = {"3/4 x 3/4 x 7-1/2 Composite Ribbed", "TEST", {}},
    .corrugationDepth = 0.75, .ribKind = RibKind::Composite,
    .corrugationTypes = helicalOnly,
    .installations = compositeRibbedInstallations,
    .walls = steel::compositeSevenHalf::walls,
    .sizes = sevenHalfArches,
    .underpassSizes = false, .cornerRadiusSizes = {}, .radiiInFeet = false,
    .flexibility = {.astm = sevenHalfLimits, .aashto = noAashtoDesign, .aisi = sevenHalfLimits},
    .aisiTrenchRoundLimit = nullptr, .railwayCoverDivisor = 4.0,
};
}  // namespace compositeSevenHalf

namespace compositeElevenHalf {
constexpr ProfileData data = {
    .name = "3/4 x 1 x 11-1/2 Composite Ribbed",
    .listTexts = {"3/4 x 1 x 11-1/2 Composite Ribbed", {}, {}},
    .corrugationDepth = 1.0, .ribKind = RibKind::Composite,
    .corrugationTypes = helicalOnly,
    .installations = compositeRibbedInstallations,
    .walls = steel::compositeElevenHalf::walls,
    .sizes = elevenHalfArches,
    .underpassSizes = false, .cornerRadiusSizes = {}, .radiiInFeet = false,
    .flexibility = {.astm = elevenHalfLimits, .aashto = noAashtoDesign, .aisi = elevenHalfLimits},
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

const steel::Wall* ProfileCatalog::wall(int thicknessIndex) const {
    if (thicknessIndex < 0 || static_cast<std::size_t>(thicknessIndex) >= data_->walls.size()) return nullptr;
    return &data_->walls[static_cast<std::size_t>(thicknessIndex)];
}

std::optional<double> ProfileCatalog::thickness(int thicknessIndex) const {
    if (const steel::Wall* w = wall(thicknessIndex)) return w->thickness;
    return none;
}
std::optional<double> ProfileCatalog::area(int thicknessIndex) const {
    if (const steel::Wall* w = wall(thicknessIndex)) return w->area;
    return none;
}
std::optional<double> ProfileCatalog::inertia(int thicknessIndex) const {
    if (const steel::Wall* w = wall(thicknessIndex)) return w->inertia;
    return none;
}

std::optional<double> ProfileCatalog::seamStrength(int thicknessIndex, double span) const {
    const steel::Wall* w = wall(thicknessIndex);
    if (!w || !w->seam) return none;
    return span < steel::designCheckShortSpansBelow ? w->seam->shortSpans : w->seam->longSpans;
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
