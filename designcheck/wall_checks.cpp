// Buckling, wall area and seam strength: can the wall carry the ring
// compression?
#include <cmath>

#include "designcheck/design_check_run.h"
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

BucklingResult computeBuckling(const DesignCheck& check, double span) {
    BucklingResult b;
    const double inertia = check.wallInertia();
    // r = (12 I / A)^1/2, I per inch and A per foot of wall.
    const double r = inertia > 0.0 ? std::sqrt(12.0 * inertia / check.wallArea()) : 0.0;
    b.radiusOfGyration = r;
    b.aisi = usesAisiBuckling(check.method());
    if (b.aisi) {
        // AISI: Fc from the slenderness D/r alone.
        b.slenderness = r != 0.0 ? span / r : 0.0;
        b.elastic = b.slenderness >= aisiSlendernessLimit;
        b.stress = b.elastic ? aisiElasticFactor / (b.slenderness * b.slenderness)
                             : aisiInelasticStress - aisiInelasticFactor * (b.slenderness * b.slenderness);
    } else {
        // AASHTO and ASTM: inelastic buckling up to the limiting span
        // (r/k)(24E/Fu)^1/2, rounded to a whole psi; elastic beyond it.
        b.limitingSpan = (r / soilStiffness) * std::sqrt(bucklingLimitRatio);
        b.slenderness = soilStiffness * span / r;  // ks/r
        b.elastic = !(span <= b.limitingSpan);
        b.stress = b.elastic ? elasticBucklingFactor / (b.slenderness * b.slenderness)
                             : roundHalfUp(tensileStrength - inelasticBucklingFactor * (b.slenderness * b.slenderness));
    }
    b.controls = b.stress < yieldStress;
    return b;
}

AreaResult computeArea(const DesignCheck& check, const LoadResult& loads, const BucklingResult& buckling) {
    AreaResult area;
    area.designStress = designStress(buckling.stress);
    switch (formOf(check.method())) {
    case DesignForm::AllowableStress:
        area.factor = wallAreaSafetyFactor;
        area.required = roundHalfUp(loads.thrust * area.factor / area.designStress, 3);
        break;
    case DesignForm::LoadResistanceFactor:
        area.factor = wallAreaResistanceFactor;
        area.required = roundHalfUp(loads.factoredThrust / (area.factor * area.designStress), 3);
        break;
    case DesignForm::LoadFactor:
        area.factor = seamFactor(check.corrugationType());
        area.required = roundHalfUp(loads.factoredThrust / (area.factor * area.designStress), 3);
        break;
    }
    area.provided = check.wallArea();
    return area;
}

std::optional<SeamResult> computeSeam(const DesignCheck& check, const LoadResult& loads) {
    const ProfileCatalog* catalog = check.catalog();
    if (check.corrugationType() == CorrugationType::Helical || !catalog || !catalog->data().hasSeams())
        return std::nullopt;
    SeamResult seam;
    if (formOf(check.method()) == DesignForm::AllowableStress) {
        seam.factor = seamSafetyFactor(check.method());
        seam.required = loads.thrust * seam.factor;
    } else {
        seam.factor = seamFactor(check.corrugationType());
        seam.required = loads.factoredThrust / seam.factor;
    }
    seam.provided = check.seamStrengthProvided();
    return seam;
}

namespace {

void appendAisiBuckling(const DesignCheck& check, const DesignCheckResult& result, ReportListing& report) {
    const BucklingResult& b = result.buckling;
    report.append("    If r < 500 then Fc = 40,000 - 0.081(D/r)^2");
    report.append("    If r > 500 then Fc = 4.93*10^9/(D/r)^2");
    report.append(" ");
    report.append(format("    r = (I/A)^\xBD = (%g*12/%g)^\xBD = %g in.", check.wallInertia(), check.wallArea(),
                         b.radiusOfGyration));
    report.append(format("    D/r = %g/%g = %g", result.span, b.radiusOfGyration, b.slenderness));
    report.append(" ");
    if (b.elastic) {
        report.append(format("    Since %g >= 500,", b.slenderness));
        report.append("    Fc = 4.93*10^9/(D/r)^2");
        report.append(format("       = 4.93*10^9/(%g)^2 = %g psi", b.slenderness, b.stress));
    } else {
        report.append(format("    Since %g < 500,", b.slenderness));
        report.append("    Fc = 40,000 - 0.081*(D/r)^2");
        report.append(format("       = 40,000 - 0.081*(%g)^2 = %g psi", b.slenderness, b.stress));
    }
}

void appendAashtoAstmBuckling(const DesignCheck& check, const DesignCheckResult& result, ReportListing& report) {
    const BucklingResult& b = result.buckling;
    const double r = b.radiusOfGyration;
    const double s = result.span;
    report.append("    If s < (r/k)*(24E/FU)^\xBD then Fc = Fu - (Fu^2/48E)*(ks/r)^2");
    report.append("    If s > (r/k)*(24E/Fu)^\xBD then Fc = 12E/(ks/r)^2");
    report.append(" ");
    report.append(format("    r = (I/A)^\xBD = (%g*12/%g)^\xBD = %g in.", check.wallInertia(), check.wallArea(), r));
    report.append(format("    (r/k)*(24E/Fu)^\xBD = (%g/%g)*(24*%g/%g)^\xBD", r, soilStiffness, elasticModulus,
                         tensileStrength));
    report.append(format("                     = %g in.", b.limitingSpan));
    if (!b.elastic) {
        report.append("    Fc = Fu - (Fu^2/48E)*(ks/r)^2");
        report.append(format("       = %g - (%g^2/(48*%g))*(%g*%g/%g)^2", tensileStrength, tensileStrength,
                             elasticModulus, soilStiffness, s, r));
    } else {
        report.append("    Fc = 12E/(ks/r)^2");
        report.append(format("       = 12*%g/(%g*%g/%g)^2", elasticModulus, soilStiffness, s, r));
    }
    report.append(format("       = %g psi", b.stress));
}

}  // namespace

void appendBucklingBlock(const DesignCheck& check, const DesignCheckResult& result, ReportListing& report) {
    const BucklingResult& b = result.buckling;
    report.append(" ");
    report.append("Buckling Check:");
    if (b.aisi)
        appendAisiBuckling(check, result, report);
    else
        appendAashtoAstmBuckling(check, result, report);
    report.append(" ");
    if (b.controls)
        report.append(format("    Since %g < %g buckling controls.", b.stress, yieldStress));
    else
        report.append(format("    Since %g > %g buckling does not control.", b.stress, yieldStress));
}

void appendAreaBlock(const DesignCheck& check, const DesignCheckResult& result, ReportListing& report) {
    const AreaResult& area = result.area;
    const LoadResult& loads = result.loads;
    report.append(" ");
    report.append("Required Cross-Sectional Area:");
    switch (formOf(check.method())) {
    case DesignForm::AllowableStress:
        report.append("    A = T*SF/F, where F is the lesser of Fy = 33,000 or Fc");
        report.append(format("    A = %g*%g/%g = %g sq. in./ft", loads.thrust, area.factor, area.designStress,
                             area.required));
        break;
    case DesignForm::LoadResistanceFactor:
        report.append("    A = Tf/(phi)F where F is the lesser of Fy = 33,000 or Fc");
        report.append("                  and phi is the resistance factor for wall area and buckling.");
        report.append(format("    A = %g/(%g*%g) = %g sq. in./ft", loads.factoredThrust, area.factor,
                             area.designStress, area.required));
        break;
    case DesignForm::LoadFactor:
        report.append("    A = Tf/(phi)F where F is the lesser of Fy = 33,000 or Fc");
        report.append("                  and phi is the capacity modification factor.");
        report.append(format("    A = %g/(%g*%g) = %g sq. in./ft", loads.factoredThrust, area.factor,
                             area.designStress, area.required));
        break;
    }
    report.append(" ");
    report.append(format("    Cross-Sectional Area Provided: %g sq in./ft    %s", area.provided,
                         verdictText(result.find(SummaryCheck::CrossSectionalArea)->ok)));
}

void appendSeamBlock(const DesignCheck& check, const DesignCheckResult& result, ReportListing& report) {
    if (!result.seam) return;
    const SeamResult& seam = *result.seam;
    const LoadResult& loads = result.loads;
    report.append(" ");
    report.append("Required Seam Strength:");
    switch (formOf(check.method())) {
    case DesignForm::AllowableStress:
        report.append("    SS = T*SF");
        report.append(format("    SS = %g * %g = %g lb/ft", loads.thrust, seam.factor, seam.required));
        break;
    case DesignForm::LoadResistanceFactor:
    case DesignForm::LoadFactor:
        report.append(formOf(check.method()) == DesignForm::LoadFactor
                          ? "    SS = Tf/phi, where phi is the capacity modification factor."
                          : "    SS = Tf/phi, where phi is the resistance factor for seam strength.");
        report.append(format("    SS = %g / %g = %g lb/ft", loads.factoredThrust, seam.factor, seam.required));
        break;
    }
    report.append(" ");
    report.append(format("    Seam Strength Provided: %g    %s", seam.provided,
                         verdictText(result.find(SummaryCheck::SeamStrength)->ok)));
}

}  // namespace csp::designcheck
