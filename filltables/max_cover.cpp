#include "filltables/max_cover.h"

#include <cmath>

#include "filltables/min_fill_checks.h"
#include "shell/steel.h"
#include "shell/steel_catalog.h"

namespace csp {
namespace {

using steel::yieldStress;      // fy
using steel::tensileStrength;  // fu
constexpr double soilStiffnessFactor = 0.22; // k of the AASHTO/ASTM buckling formula
constexpr double referenceFillDensity = 120.0;  // pcf, of the wall-area and seam coefficients

// Wall area in ring compression: H = C A / D at 120 pcf, C including the
// steel's yield stress with the safety factor 2 (ASD) or the load and
// resistance factors (LRFD, AASHTO LFD).
constexpr double asdWallAreaCoefficient = 39600.0;
constexpr double factoredWallAreaCoefficient = 40615.0;

// Seam thrust per foot of cover and foot of span, and the factored seam
// resistance of LRFD and AASHTO LFD: the seam's resistance factor 0.67 over
// the earth load factor 1.95.
constexpr double seamThrustCoefficient = 60.0;
constexpr double seamSpanThreshold = steel::fillTableShortSpansUpTo;  // in.
constexpr double factoredSeamFactor = 0.67 / 1.95;

// AISI buckling: no reduction up to D = 294 r, inelastic up to 500 r,
// elastic beyond.
constexpr double aisiNoBucklingSlenderness = 294.0;
constexpr double aisiInelasticSlenderness = 500.0;

bool isFactoredDesign(DesignMethod method) {
    return method == DesignMethod::Lrfd || method == DesignMethod::AashtoLfd;
}

bool tooFlexible(const WallCell& cell) {
    // The flexibility factor D^2 / (E I) above its limit; at the limit the
    // wall passes.
    return std::sqrt(cell.flexibilityLimit * modulusOfElasticity(cell.bucklingEquation) * cell.inertia) < cell.span;
}

double wallAreaLimit(const WallCell& cell) {
    const double c = isFactoredDesign(cell.designMethod) ? factoredWallAreaCoefficient : asdWallAreaCoefficient;
    return c * cell.area / cell.span * (referenceFillDensity / cell.fillDensity);
}

// The wall-area limit H reduced by the critical buckling stress over fy.
double bucklingReduced(const WallCell& cell, double h) {
    const double d = cell.span;
    const double r = std::sqrt(cell.inertia / cell.area);  // radius of gyration, in.
    if (cell.bucklingEquation == BucklingEquation::AashtoAstm) {
        const double e = modulusOfElasticity(cell.bucklingEquation);
        const double fu = tensileStrength, fy = yieldStress, k = soilStiffnessFactor;
        const double d1 = r * std::sqrt(48 * e * (fu - fy)) / (k * fu);
        if (d1 > d) return h;
        const double d2 = (r / k) * std::sqrt(24 * e / fu);
        const double fcr = d <= d2 ? fu - d * d * (fu / 2) * ((1 / d2) * (1 / d2))
                                   : 12 * e * (cell.inertia / cell.area) / ((k * d) * (k * d));
        return fcr / fy * h;
    }
    if (d <= aisiNoBucklingSlenderness * r) return h;
    const double slenderness = d / r;
    const double fc = d <= aisiInelasticSlenderness * r ? 40000 - 0.081 * (slenderness * slenderness)
                                                        : 4.93e9 / (slenderness * slenderness);
    return fc / yieldStress * h;
}

// Cover at which the seam thrust reaches the seam strength.
double seamLimit(const WallCell& cell) {
    const double s = cell.span <= seamSpanThreshold ? cell.seamStrengthUpTo36 : cell.seamStrengthOver36;
    const double thrustPerFootOfCover = seamThrustCoefficient * cell.span / 12;
    if (isFactoredDesign(cell.designMethod)) return s / thrustPerFootOfCover * factoredSeamFactor;
    return s / thrustPerFootOfCover / cell.seamSafetyFactor * (referenceFillDensity / cell.fillDensity);
}

}  // namespace

double modulusOfElasticity(BucklingEquation equation) {
    return equation == BucklingEquation::AashtoAstm ? steel::elasticModulus : steel::aisiTableElasticModulus;
}

Outcome computeMaxCover(const WallCell& cell, double& maxCover) {
    if (tooFlexible(cell)) return Outcome::success();
    double h = bucklingReduced(cell, wallAreaLimit(cell));
    if (cell.seamSafetyFactor != noSeamCheck) {
        const double hs = seamLimit(cell);
        if (hs < h) h = hs;
    }
    double equivalentFillHeight = 0.0;
    Outcome checked =
        minFillCheck(cell.liveLoad, cell.minimumCover, h, equivalentFillHeight, cell.fillDensity, cell.designMethod);
    if (!checked) return checked;
    if (cell.loadReductionFactor > 1.0) return Outcome::failure("");
    // Under a cover of at least one span the soil arches over the pipe.
    if (h >= cell.span / 12) h = h / cell.loadReductionFactor;
    maxCover = h;
    return Outcome::success();
}

}  // namespace csp
