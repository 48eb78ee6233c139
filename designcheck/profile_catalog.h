#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "designcheck/design_types.h"

namespace csp::designcheck {

// Top and corner radius of a pipe-arch or underpass size (Rt, Rc), in the
// units its catalog keeps them: see each catalog.
struct ArchRadii {
    double top = 0.0;
    double corner = 0.0;
};

// Allowed entries of a three-entry list, in list order: Embankment, Trench
// Standard, Trench Special; or Helical, Annular, Bolted.
using ChoiceFlags = std::array<bool, 3>;

// Everything known about one corrugation profile: its walls, seams, standard
// pipe-arch and underpass sizes, flexibility limits and allowed choices.
// Every operation answers "not found" (no value, a count of 0, no flags,
// "Unknown") unless a profile knows better; a fill operation whose span is
// shorter than the list answers false and writes nothing.
class ProfileCatalog {
public:
    // Abstract although every operation has its default: each profile has
    // its own catalog.
    virtual ~ProfileCatalog() = 0;

    // Area of the wall, sq in/ft.
    virtual std::optional<double> area(int thicknessIndex) const;
    // Moment of inertia of the wall times 10^3, in^4/in.
    virtual std::optional<double> inertia(int thicknessIndex) const;
    // Span of a pipe-arch (or, for the 6 x 2 without a corner radius,
    // underpass) size, in.
    virtual std::optional<double> span(int sizeIndex) const;
    // Flexibility factor limit, in./lb; for the ribbed profiles the
    // coefficient that the wall's I^0.333333 multiplies.
    virtual std::optional<double> flexibilityLimit(StructureShape shape, InstallationType installation,
                                                   CheckMethod method, double span) const;
    virtual ChoiceFlags installations(CheckMethod method) const;
    virtual ChoiceFlags corrugationTypes() const;
    virtual std::string_view name() const;
    virtual int archSizeCount() const;
    virtual std::optional<ArchRadii> radii(int sizeIndex) const;
    virtual std::optional<double> rise(int sizeIndex) const;
    virtual std::optional<double> thickness(int thicknessIndex) const;
    virtual bool archSpans(std::span<double> spans) const;
    virtual void underpassLabels(std::vector<std::string>& labels) const;
    // Seam strength, lb/ft, for a pipe of the given span (in.).
    virtual std::optional<double> seamStrength(int thicknessIndex, double span) const;
    virtual int underpassSizeCount() const;
    virtual bool underpassSpans(std::span<double> spans) const;
    virtual int thicknessCount() const;
    virtual bool thicknesses(std::span<double> values) const;
};

// Callers size their lists to these capacities.
inline constexpr std::size_t sizeListCapacity = 40;
inline constexpr std::size_t thicknessListCapacity = 20;

// One list of standard sizes, one value per size in each column.
struct SizeList {
    std::span<const double> span, rise;    // in.
    std::span<const double> topRadius;     // Rt
    std::span<const double> cornerRadius;  // Rc
    int count() const { return static_cast<int>(span.size()); }
};

// Wall sections by thickness index.
struct WallList {
    std::span<const double> thickness;  // in.
    std::span<const double> area;       // sq in/ft
    std::span<const double> inertia;    // I x 10^3, in^4/in
    int count() const { return static_cast<int>(thickness.size()); }
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

// The data set of one profile; the catalogs below are one algorithm over it.
struct ProfileData {
    std::string_view name;
    ChoiceFlags corrugationTypes;
    InstallationRules installations;
    WallList walls;
    std::span<const double> seamStrength;  // lb/ft by thickness; empty when the profile has none
    SizeList archSizes;
    MethodFamilyRules flexibility;
};

// The catalog of a profile whose values are all in its data set.
class TabulatedCatalog : public ProfileCatalog {
public:
    explicit TabulatedCatalog(const ProfileData& data) : data_(data) {}

    std::optional<double> area(int thicknessIndex) const override;
    std::optional<double> inertia(int thicknessIndex) const override;
    std::optional<double> span(int sizeIndex) const override;
    std::optional<double> flexibilityLimit(StructureShape shape, InstallationType installation, CheckMethod method,
                                           double span) const override;
    ChoiceFlags installations(CheckMethod method) const override;
    ChoiceFlags corrugationTypes() const override;
    std::string_view name() const override;
    int archSizeCount() const override;
    std::optional<ArchRadii> radii(int sizeIndex) const override;
    std::optional<double> rise(int sizeIndex) const override;
    std::optional<double> thickness(int thicknessIndex) const override;
    bool archSpans(std::span<double> spans) const override;
    std::optional<double> seamStrength(int thicknessIndex, double span) const override;
    int thicknessCount() const override;
    bool thicknesses(std::span<double> values) const override;

protected:
    // The size list that span, rise, radii and the arch counts read.
    virtual SizeList sizes() const { return data_.archSizes; }

private:
    const ProfileData& data_;
};

// 2-2/3 x 1/2: seams are weaker under a 42 in. span, and under AISI a round
// pipe in a standard trench has a limit that rises with the span.
class TwoThirdsByHalfCatalog final : public TabulatedCatalog {
public:
    TwoThirdsByHalfCatalog();
    std::optional<double> flexibilityLimit(StructureShape shape, InstallationType installation, CheckMethod method,
                                           double span) const override;
    std::optional<double> seamStrength(int thicknessIndex, double span) const override;
};

class ThreeByOneCatalog final : public TabulatedCatalog {
public:
    ThreeByOneCatalog();
};

class FiveByOneCatalog final : public TabulatedCatalog {
public:
    FiveByOneCatalog();
};

// 6 x 2 structural plate. Its corner radius (18 or 31 in. for a pipe-arch,
// anything else for an underpass) selects the size list; Rt is kept in
// feet, and so is the underpass Rc, which is handed out in whole inches.
class SixByTwoCatalog final : public TabulatedCatalog {
public:
    SixByTwoCatalog();
    void setCornerRadius(int inches) { cornerRadius_ = inches; }
    int cornerRadius() const { return cornerRadius_; }

    std::string_view name() const override;
    std::optional<ArchRadii> radii(int sizeIndex) const override;
    void underpassLabels(std::vector<std::string>& labels) const override;
    int underpassSizeCount() const override;
    bool underpassSpans(std::span<double> spans) const override;

protected:
    SizeList sizes() const override;

private:
    bool isPipeArch() const;
    int cornerRadius_ = 0;
};

class RibbedSevenHalfCatalog final : public TabulatedCatalog {
public:
    RibbedSevenHalfCatalog();
};

class RibbedElevenHalfCatalog final : public TabulatedCatalog {
public:
    RibbedElevenHalfCatalog();
};

class CompositeRibbedSevenHalfCatalog final : public TabulatedCatalog {
public:
    CompositeRibbedSevenHalfCatalog();
};

class CompositeRibbedElevenHalfCatalog final : public TabulatedCatalog {
public:
    CompositeRibbedElevenHalfCatalog();
};

// The eight catalogs, one per profile, owned together.
class ProfileCatalogs {
public:
    ProfileCatalogs() = default;
    ProfileCatalogs(const ProfileCatalogs&) = delete;
    ProfileCatalogs& operator=(const ProfileCatalogs&) = delete;

    // The catalog of a profile index, or none outside 0-7.
    ProfileCatalog* of(int profile);
    void setCornerRadius(int inches) { sixByTwo_.setCornerRadius(inches); }

private:
    TwoThirdsByHalfCatalog twoThirdsByHalf_;
    ThreeByOneCatalog threeByOne_;
    FiveByOneCatalog fiveByOne_;
    SixByTwoCatalog sixByTwo_;
    RibbedSevenHalfCatalog ribbedSevenHalf_;
    RibbedElevenHalfCatalog ribbedElevenHalf_;
    CompositeRibbedSevenHalfCatalog compositeSevenHalf_;
    CompositeRibbedElevenHalfCatalog compositeElevenHalf_;
};

}  // namespace csp::designcheck
