#include "designcheck/design_check.h"

#include "shell/number_format.h"
#include "shell/steel_catalog.h"

namespace csp::designcheck {
namespace {

constexpr double inchesPerFoot = 12.0;

template <std::size_t N>
std::optional<int> indexOfText(const std::array<std::string_view, N>& texts, std::string_view text) {
    for (std::size_t i = 0; i < N; ++i)
        if (texts[i] == text) return static_cast<int>(i);
    return std::nullopt;
}

}  // namespace

void DesignCheck::setProfile(int profile) {
    profile_ = static_cast<Profile>(profile);
    if (const ProfileData* data = profileData(profile))
        catalog_.emplace(*data, cornerRadius_);
    else
        catalog_.reset();
}

void DesignCheck::setCornerRadius(int inches) {
    cornerRadius_ = inches;
    if (catalog_) catalog_->setCornerRadius(inches);
}

bool DesignCheck::setCorrugationType(std::string_view text) {
    const std::optional<int> index = indexOfText(corrugationTypeTexts, text);
    if (!index) return false;
    corrugationType_ = static_cast<CorrugationType>(*index);
    return true;
}

bool DesignCheck::setInstallationType(std::string_view text) {
    const std::optional<int> index = indexOfText(installationTypeTexts, text);
    if (!index) return false;
    installationType_ = static_cast<InstallationType>(*index);
    return true;
}

std::string_view DesignCheck::shapeText() const { return textOf(shapeTexts, static_cast<int>(shape_)); }
std::string_view DesignCheck::profileText() const { return catalog_ ? catalog_->name() : unknownText; }
std::string_view DesignCheck::liveLoadText() const { return textOf(liveLoadTexts, static_cast<int>(liveLoad_)); }
std::string_view DesignCheck::methodText() const { return textOf(methodTexts, static_cast<int>(method_)); }
std::string_view DesignCheck::corrugationTypeText() const {
    return textOf(corrugationTypeTexts, static_cast<int>(corrugationType_));
}
std::string_view DesignCheck::installationTypeText() const {
    return textOf(installationTypeTexts, static_cast<int>(installationType_));
}

double DesignCheck::wallArea() const { return catalog_ ? catalog_->area(thicknessIndex_).value_or(0.0) : 0.0; }

double DesignCheck::wallInertia() const {
    return catalog_ ? catalog_->inertia(thicknessIndex_).value_or(0.0) / steel::inertiaScale : 0.0;
}

double DesignCheck::wallThickness() const {
    return catalog_ ? catalog_->thickness(thicknessIndex_).value_or(0.0) : 0.0;
}

double DesignCheck::effectiveSpan() const {
    if (shape_ == StructureShape::RoundPipe) return span_;
    return catalog_ ? catalog_->span(sizeIndex_).value_or(0.0) : 0.0;
}

double DesignCheck::rise() const { return catalog_ ? catalog_->rise(sizeIndex_).value_or(0.0) : 0.0; }

// A catalog that keeps Rt in feet: it is used in whole inches.
ArchRadii DesignCheck::archRadii() const {
    if (!catalog_) return {};
    ArchRadii radii = catalog_->radii(sizeIndex_).value_or(ArchRadii{});
    if (catalog_->data().radiiInFeet) radii.top = roundHalfUp(radii.top * inchesPerFoot);
    return radii;
}

double DesignCheck::seamStrengthProvided() const {
    return catalog_ ? catalog_->seamStrength(thicknessIndex_, effectiveSpan()).value_or(0.0) : 0.0;
}

std::optional<double> DesignCheck::flexibilityLimit() const {
    if (!catalog_) return std::nullopt;
    const std::optional<double> limit = catalog_->flexibilityLimit(shape_, installationType_, method_, effectiveSpan());
    if (!limit) return limit;
    switch (catalog_->data().ribKind) {
    case RibKind::None: return limit;
    case RibKind::Ribbed: return steel::ribbedWallFlexibilityLimit(*limit, wallInertia());
    case RibKind::Composite:
        return steel::ribbedWallFlexibilityLimit(*limit * steel::compositeRibLeniency, wallInertia());
    }
    return limit;
}

}  // namespace csp::designcheck
