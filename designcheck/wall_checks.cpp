// Buckling, wall area and seam strength: can the wall carry the ring
// compression?
#include <cmath>

#include "designcheck/design_check.h"
#include "shell/number_format.h"
#include "shell/steel.h"

namespace csp::designcheck {
namespace {

using steel::elasticModulus;   // E
using steel::tensileStrength;  // Fu
using steel::yieldStress;      // Fy
constexpr double soilStiffness = 0.22;         // k
// Span/radius-of-gyration ratio, squared, where buckling turns elastic.
constexpr double bucklingLimitRatio = 24.0 * elasticModulus / tensileStrength;
constexpr double inelasticBucklingFactor = 1.4547413793103448;  // Fu^2/(48E)
static_assert(inelasticBucklingFactor == tensileStrength * tensileStrength / (48.0 * elasticModulus));
constexpr double elasticBucklingFactor = 12.0 * elasticModulus;  // 12E

// AISI buckling: Fc = 40,000 - 0.081 (D/r)^2 below a slenderness of 500,
// 4.93 x 10^9 / (D/r)^2 from there on.
constexpr double aisiSlendernessLimit = 500.0;
constexpr double aisiInelasticStress = 40000.0;
constexpr double aisiInelasticFactor = 0.081;
constexpr double aisiElasticFactor = 4.93e9;

constexpr double wallAreaSafetyFactor = 2.0;
constexpr double wallAreaResistanceFactor = 1.0;
constexpr double weldedSeamFactor = 1.0;   // helical pipe: no riveted or bolted seam
constexpr double jointedSeamFactor = 0.67;  // annular (riveted) and bolted seams
constexpr double allowableStressSeamSafetyFactor = 3.0;
constexpr double aisiSeamSafetyFactor = 2.0;

bool usesAisiBuckling(CheckMethod method) {
    switch (method) {
    case CheckMethod::AstmAsd:
    case CheckMethod::AstmLrfd:
    case CheckMethod::AashtoAsd:
    case CheckMethod::AashtoLfd:
    case CheckMethod::AashtoLrfd: return false;
    case CheckMethod::Aisi: return true;
    }
    return true;
}

double seamSafetyFactor(CheckMethod method) {
    return method == CheckMethod::AstmAsd || method == CheckMethod::AashtoAsd ? allowableStressSeamSafetyFactor
                                                                              : aisiSeamSafetyFactor;
}

// Resistance factor of a seam, and the capacity modification factor of the
// load factor method (for wall area as well as seams).
double seamFactor(CorrugationType type) {
    return type == CorrugationType::Helical ? weldedSeamFactor : jointedSeamFactor;
}

// F, the stress the wall area is sized for: the lesser of Fy and Fc.
double designStress(double bucklingStress) { return bucklingStress >= yieldStress ? yieldStress : bucklingStress; }

}  // namespace

// r = (12 I / A)^1/2, I per inch and A per foot of wall.
void DesignCheck::computeRadiusOfGyration() {
    const double inertia = wallInertia();
    radiusOfGyration_ = inertia > 0.0 ? std::sqrt(12.0 * inertia / wallArea()) : 0.0;
}

// AISI: Fc from the slenderness D/r alone.
void DesignCheck::appendAisiBuckling() {
    const double r = radiusOfGyration_;
    const double slenderness = r != 0.0 ? span_ / r : 0.0;  // D/r
    const bool elastic = slenderness >= aisiSlendernessLimit;
    bucklingStress_ = elastic ? aisiElasticFactor / (slenderness * slenderness)
                              : aisiInelasticStress - aisiInelasticFactor * (slenderness * slenderness);
    reportLines_.append("    If r < 500 then Fc = 40,000 - 0.081(D/r)^2");
    reportLines_.append("    If r > 500 then Fc = 4.93*10^9/(D/r)^2");
    reportLines_.append(" ");
    reportLines_.append(format("    r = (I/A)^\xBD = (%g*12/%g)^\xBD = %g in.", wallInertia(), wallArea(), r));
    reportLines_.append(format("    D/r = %g/%g = %g", span_, r, slenderness));
    reportLines_.append(" ");
    if (elastic) {
        reportLines_.append(format("    Since %g >= 500,", slenderness));
        reportLines_.append("    Fc = 4.93*10^9/(D/r)^2");
        reportLines_.append(format("       = 4.93*10^9/(%g)^2 = %g psi", slenderness, bucklingStress_));
    } else {
        reportLines_.append(format("    Since %g < 500,", slenderness));
        reportLines_.append("    Fc = 40,000 - 0.081*(D/r)^2");
        reportLines_.append(format("       = 40,000 - 0.081*(%g)^2 = %g psi", slenderness, bucklingStress_));
    }
}

// AASHTO and ASTM: inelastic buckling up to the limiting span
// (r/k)(24E/Fu)^1/2, rounded to a whole psi; elastic beyond it.
void DesignCheck::appendAashtoAstmBuckling() {
    const double r = radiusOfGyration_;
    const double s = span_;
    const double limit = (r / soilStiffness) * std::sqrt(bucklingLimitRatio);
    const double slenderness = soilStiffness * s / r;  // ks/r
    const bool inelastic = s <= limit;
    bucklingStress_ = inelastic ? roundHalfUp(tensileStrength - inelasticBucklingFactor * (slenderness * slenderness))
                                : elasticBucklingFactor / (slenderness * slenderness);
    reportLines_.append("    If s < (r/k)*(24E/FU)^\xBD then Fc = Fu - (Fu^2/48E)*(ks/r)^2");
    reportLines_.append("    If s > (r/k)*(24E/Fu)^\xBD then Fc = 12E/(ks/r)^2");
    reportLines_.append(" ");
    reportLines_.append(format("    r = (I/A)^\xBD = (%g*12/%g)^\xBD = %g in.", wallInertia(), wallArea(), r));
    reportLines_.append(format("    (r/k)*(24E/Fu)^\xBD = (%g/%g)*(24*%g/%g)^\xBD", r, soilStiffness, elasticModulus,
                               tensileStrength));
    reportLines_.append(format("                     = %g in.", limit));
    if (inelastic) {
        reportLines_.append("    Fc = Fu - (Fu^2/48E)*(ks/r)^2");
        reportLines_.append(format("       = %g - (%g^2/(48*%g))*(%g*%g/%g)^2", tensileStrength, tensileStrength,
                                   elasticModulus, soilStiffness, s, r));
    } else {
        reportLines_.append("    Fc = 12E/(ks/r)^2");
        reportLines_.append(format("       = 12*%g/(%g*%g/%g)^2", elasticModulus, soilStiffness, s, r));
    }
    reportLines_.append(format("       = %g psi", bucklingStress_));
}

void DesignCheck::appendBucklingCheck() {
    reportLines_.append(" ");
    reportLines_.append("Buckling Check:");
    if (usesAisiBuckling(method_))
        appendAisiBuckling();
    else
        appendAashtoAstmBuckling();
    reportLines_.append(" ");
    if (bucklingStress_ < yieldStress)
        reportLines_.append(format("    Since %g < %g buckling controls.", bucklingStress_, yieldStress));
    else
        reportLines_.append(format("    Since %g > %g buckling does not control.", bucklingStress_, yieldStress));
}

void DesignCheck::appendAreaCheck() {
    const double stress = designStress(bucklingStress_);
    reportLines_.append(" ");
    reportLines_.append("Required Cross-Sectional Area:");
    double required = 0.0;
    switch (formOf(method_)) {
    case DesignForm::AllowableStress:
        required = roundHalfUp(thrust_ * wallAreaSafetyFactor / stress, 3);
        reportLines_.append("    A = T*SF/F, where F is the lesser of Fy = 33,000 or Fc");
        reportLines_.append(
            format("    A = %g*%g/%g = %g sq. in./ft", thrust_, wallAreaSafetyFactor, stress, required));
        break;
    case DesignForm::LoadResistanceFactor:
        required = roundHalfUp(factoredThrust_ / (wallAreaResistanceFactor * stress), 3);
        reportLines_.append("    A = Tf/(phi)F where F is the lesser of Fy = 33,000 or Fc");
        reportLines_.append("                  and phi is the resistance factor for wall area and buckling.");
        reportLines_.append(
            format("    A = %g/(%g*%g) = %g sq. in./ft", factoredThrust_, wallAreaResistanceFactor, stress, required));
        break;
    case DesignForm::LoadFactor: {
        const double phi = seamFactor(corrugationType_);
        required = roundHalfUp(factoredThrust_ / (phi * stress), 3);
        reportLines_.append("    A = Tf/(phi)F where F is the lesser of Fy = 33,000 or Fc");
        reportLines_.append("                  and phi is the capacity modification factor.");
        reportLines_.append(format("    A = %g/(%g*%g) = %g sq. in./ft", factoredThrust_, phi, stress, required));
        break;
    }
    }
    const double provided = wallArea();
    const bool ok = provided >= required;
    reportLines_.append(" ");
    reportLines_.append(format("    Cross-Sectional Area Provided: %g sq in./ft    %s", provided, verdictText(ok)));
    recordVerdict(SummaryCheck::CrossSectionalArea, ok);
}

void DesignCheck::appendSeamCheck() {
    if (corrugationType_ == CorrugationType::Helical || !catalog_ || !catalog_->data().hasSeams()) return;
    reportLines_.append(" ");
    reportLines_.append("Required Seam Strength:");
    double required = 0.0;
    switch (formOf(method_)) {
    case DesignForm::AllowableStress: {
        const double safetyFactor = seamSafetyFactor(method_);
        required = thrust_ * safetyFactor;
        reportLines_.append("    SS = T*SF");
        reportLines_.append(format("    SS = %g * %g = %g lb/ft", thrust_, safetyFactor, required));
        break;
    }
    case DesignForm::LoadResistanceFactor: {
        const double phi = seamFactor(corrugationType_);
        required = factoredThrust_ / phi;
        reportLines_.append("    SS = Tf/phi, where phi is the resistance factor for seam strength.");
        reportLines_.append(format("    SS = %g / %g = %g lb/ft", factoredThrust_, phi, required));
        break;
    }
    case DesignForm::LoadFactor: {
        const double phi = seamFactor(corrugationType_);
        required = factoredThrust_ / phi;
        reportLines_.append("    SS = Tf/phi, where phi is the capacity modification factor.");
        reportLines_.append(format("    SS = %g / %g = %g lb/ft", factoredThrust_, phi, required));
        break;
    }
    }
    const double provided = seamStrengthProvided();
    const bool ok = provided > required;
    reportLines_.append(" ");
    reportLines_.append(format("    Seam Strength Provided: %g    %s", provided, verdictText(ok)));
    recordVerdict(SummaryCheck::SeamStrength, ok);
}

}  // namespace csp::designcheck
