#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "designcheck/design_types.h"
#include "shell/steel_catalog.h"

namespace csp::designcheck {

// Top and corner radius of a pipe-arch or underpass size (Rt, Rc), in the
// units its catalog keeps them: see each catalog.
struct ArchRadii {
    double top;
    double corner;
};

// Allowed entries of a three-entry list, in list order: Embankment, Trench
// Standard, Trench Special; or Helical, Annular, Bolted.
using ChoiceFlags = std::array<bool, 3>;

// One list of standard sizes, one value per size in each column.
struct SizeList {
    std::span<const double> span, rise;    // in.
    std::span<const double> topRadius;     // Rt
    std::span<const double> cornerRadius;  // Rc; empty when the corner radius is the list's own
};

// A flexibility limit for round pipe, pipe-arch and underpass.
using ShapeLimits = std::array<std::optional<double>, 3>;
// Limits by installation type (Embankment, Trench Standard, Trench Special).
using InstallationLimits = std::array<ShapeLimits, 3>;

// Limits and allowed installations by method family: ASTM, AASHTO, AISI.
struct MethodFamilyRules {
    InstallationLimits astm, aashto, aisi;
};
struct InstallationRules {
    ChoiceFlags astm, aashto, aisi;
};

// Pipe-arch sizes that go with one corner radius, for a profile whose size
// list follows it (the 6 x 2 plate); Rc is the radius itself.
struct CornerRadiusSizes {
    int cornerRadius;           // in.
    std::string_view listText;  // its entry in the corner radius list
    std::string_view name;      // the profile's name with this radius
    SizeList sizes;
};

// A ribbed wall's flexibility limit is a coefficient times I^(1/3); a
// composite ribbed wall's is 5% more lenient.
enum class RibKind { None, Ribbed, Composite };

// Everything known about one corrugation profile: its texts, walls, seams,
// standard sizes, flexibility limits, cover rules and allowed choices.
struct ProfileData {
    std::string_view name;
    // Its entry in the main page's profile list of a round pipe, a
    // pipe-arch and an underpass; empty where the shape does not offer it.
    std::array<std::string_view, 3> listTexts;
    double corrugationDepth;  // d, in.
    RibKind ribKind;
    ChoiceFlags corrugationTypes;
    InstallationRules installations;
    // Wall sections by thickness index, from the steel catalog; a profile
    // whose seams are not rated has no seam check.
    std::span<const steel::Wall> walls;
    // Pipe-arch sizes; for the 6 x 2 plate the underpass sizes, kept in feet.
    SizeList sizes;
    bool underpassSizes;
    // Pipe-arch sizes by corner radius; empty when the sizes do not follow
    // it. A profile that has them is a plate arch, whose page asks for the
    // corner radius.
    std::span<const CornerRadiusSizes> cornerRadiusSizes;
    bool radiiInFeet;  // Rt (and an underpass's Rc) listed in feet
    MethodFamilyRules flexibility;
    // A limit that rises with the span (AISI, round pipe, standard trench),
    // where the profile has one (nullptr where not); it takes the place of
    // the tabulated value.
    std::optional<double> (*aisiTrenchRoundLimit)(double span);
    // Under railway loads (ASTM) the least cover is the span over this.
    double railwayCoverDivisor;

    constexpr bool hasSeams() const { return !walls.empty() && walls.front().seam.has_value(); }
    constexpr bool isPlateArch() const { return !cornerRadiusSizes.empty(); }
};

// The profiles' data sets, by profile index.
std::span<const ProfileData* const> profileTable();
// The data set of a profile index, or none past the table.
const ProfileData* profileData(int profile);

// The catalog of one profile: its data set read for a structure, whose
// corner radius (18 or 31 in. for a 6 x 2 pipe-arch, anything else for an
// underpass) picks the size list where the profile has more than one. A
// value past the end of a list is not found.
class ProfileCatalog {
public:
    explicit ProfileCatalog(const ProfileData& data, int cornerRadius = 0) : data_(&data), cornerRadius_(cornerRadius) {}
    void setCornerRadius(int inches) { cornerRadius_ = inches; }
    const ProfileData& data() const { return *data_; }

    std::string_view name() const;
    ChoiceFlags corrugationTypes() const { return data_->corrugationTypes; }
    ChoiceFlags installations(CheckMethod method) const;

    std::span<const steel::Wall> walls() const { return data_->walls; }
    std::optional<double> thickness(int thicknessIndex) const;
    // Area of the wall, sq in/ft.
    std::optional<double> area(int thicknessIndex) const;
    // Moment of inertia of the wall times 10^3, in^4/in.
    std::optional<double> inertia(int thicknessIndex) const;
    // Seam strength, lb/ft, for a pipe of the given span (in.).
    std::optional<double> seamStrength(int thicknessIndex, double span) const;

    // The spans of the standard sizes (pipe-arch, or underpass for the
    // 6 x 2 plate without a pipe-arch corner radius), in.
    std::span<const double> sizeSpans() const { return sizes().span; }
    std::optional<double> span(int sizeIndex) const;
    std::optional<double> rise(int sizeIndex) const;
    // Rt and Rc in the units the catalog keeps them: a 6 x 2 plate's Rt in
    // feet; its underpass Rc, listed in feet, handed out in whole inches.
    std::optional<ArchRadii> radii(int sizeIndex) const;
    // The underpass size list's texts, spans shared by two sizes told apart
    // by their rise; none when the sizes are not underpass sizes.
    std::vector<std::string> underpassLabels() const;

    // Flexibility factor limit, in./lb; for the ribbed profiles the
    // coefficient of the wall's I^(1/3) (steel::ribbedWallFlexibilityLimit).
    std::optional<double> flexibilityLimit(StructureShape shape, InstallationType installation, CheckMethod method,
                                           double span) const;

private:
    const steel::Wall* wall(int thicknessIndex) const;
    const CornerRadiusSizes* cornerRadiusSizes() const;
    SizeList sizes() const;

    const ProfileData* data_;
    int cornerRadius_ = 0;
};

}  // namespace csp::designcheck
