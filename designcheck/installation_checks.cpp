// Handling flexibility, minimum cover and corner bearing: the checks beyond
// the strength of the wall.
#include <cmath>
#include <string>

#include "designcheck/design_check.h"
#include "designcheck/live_load.h"
#include "shell/number_format.h"
#include "shell/steel.h"

namespace csp::designcheck {
namespace {

using steel::elasticModulus;  // E
constexpr double inchesPerFoot = 12.0;

// Axle load AL of the design truck, lb.
double axleLoad(LiveLoad liveLoad) { return liveLoad == LiveLoad::H25 ? 40000.0 : 32000.0; }

// "H = ... ft" compared with the least cover Hm, then with Hmin (whose
// working is `minimum`); OK only when the cover meets both.
bool coverVerdictLine(double H, int leastCover, double hmin, const std::string& minimum, std::string& verdict) {
    verdict = format("    H = %g ft  ", H);
    if (H < leastCover) {
        formatTo(verdict, "    %g < %d  NO GOOD", H, leastCover);
        return false;
    }
    const bool ok = H >= hmin;
    if (ok)
        formatTo(verdict, "%g >= %dft and %g >= ", H, leastCover, H);
    else
        formatTo(verdict, "%g < ", H);
    verdict += minimum;
    verdict += ok ? "  OK" : "  NO GOOD";
    return ok;
}

// The minimum cover rules of the design method.
enum class CoverRules { Aashto, AstmHighway, AstmRailway };

CoverRules coverRulesOf(CheckMethod method, LiveLoad liveLoad) {
    if (familyOf(method) != MethodFamily::Astm) return CoverRules::Aashto;
    switch (liveLoad) {
    case LiveLoad::H20:
    case LiveLoad::H25: return CoverRules::AstmHighway;
    case LiveLoad::E80: break;
    }
    return CoverRules::AstmRailway;
}

// ASTM railway cover of a profile whose data set is missing: that of all
// profiles but the plate's.
constexpr double commonRailwayCoverDivisor = 4.0;

// Stiffness ratios that bound the ASTM highway rule.
constexpr double flexibleRatio = 0.23, stiffRatio = 0.45;

// Corner bearing: the live load spreads over L1 and L2 under a truck; a
// second axle 72 in. away (L3) governs once L2 passes 72 in.
constexpr double axleSpacing = 72.0;  // in.

}  // namespace

void DesignCheck::appendHandlingCheck() {
    const std::optional<double> limit = flexibilityLimit();
    if (!limit) return;
    const double inertia = wallInertia();
    // Flexibility factor FF = s^2/EI, in./lb.
    const double flexibility = roundHalfUp(span_ * span_ / (elasticModulus * inertia), 4);
    const bool ok = flexibility < *limit;
    reportLines_.append(" ");
    reportLines_.append("Handling and Installation:");
    reportLines_.append("    FF = s^2/EI");
    reportLines_.append(format("    FF = %g*%g/(%g*%g) = %g in./lb", span_, span_, elasticModulus, inertia, flexibility));
    reportLines_.append(" ");
    reportLines_.append(format("    FF Limit: %g in./lb    %s", *limit, verdictText(ok)));
    recordVerdict(SummaryCheck::HandlingAndInstallation, ok);
}

// AASHTO and AISI: an eighth of the span, a quarter for ribbed pipe,
// rounded to hundredths of a foot.
bool DesignCheck::appendAashtoCoverRule() {
    const double H = cover_;
    const double s = span_;
    reportLines_.append("    The cover must not be less than 1 ft and must not be less than the following:");
    reportLines_.append("    For all except ribbed pipe, Hmin = Span/8.");
    reportLines_.append("    For ribbed pipe, Hmin = Span/4.");
    reportLines_.append(" ");
    double hmin = 0.0;
    std::string minimum;
    if (catalog_ && catalog_->data().ribKind != RibKind::None) {
        hmin = roundHalfUp(s / 4.0 / 12.0, 2);
        minimum = format("Hmin = (%g/4.0)/12 = %g", s, hmin);
    } else {
        hmin = roundHalfUp(s / 8.0 / 12.0, 2);
        minimum = format("Hmin = (%g/8.0)/12 = %g ft", s, hmin);
    }
    std::string verdict;
    const bool ok = coverVerdictLine(H, 1, hmin, minimum, verdict);
    reportLines_.append(std::move(verdict));
    return ok;
}

// ASTM under highway loads: the stiffness ratio x = [(AL)d/(E*I)]^1/2 sets
// the least cover between an eighth and a quarter of the span.
bool DesignCheck::appendAstmHighwayCoverRule() {
    const double H = cover_;
    const double s = span_;
    reportLines_.append("    The cover must not be less than 1 ft and must not be less");
    reportLines_.append("    than the following:");
    reportLines_.append(" ");
    reportLines_.append("    If [(AL)d/(E*I)]^\xBD > 0.23 or < 0.45,");
    reportLines_.append("        then Hmin = 0.55*(s/12)*[(AL)d/(E*I)]^\xBD  ft");
    reportLines_.append("    If [(AL)d/(E*I)]^\xBD < 0.23, then Hmin = (1/8)*(s/12) ft");
    reportLines_.append("    If [(AL)d/(E*I)]^\xBD > 0.45, then Hmin = (1/4)*(s/12) ft");
    reportLines_.append(" ");
    const double AL = axleLoad(liveLoad_);
    const double d = catalog_ ? catalog_->data().corrugationDepth : 0.0;
    const double I = wallInertia();
    const double x = std::sqrt(AL * d / (elasticModulus * I));
    reportLines_.append(format("    [(AL)d/(E*I)]^\xBD = [(%g)%g/(%g*%g)]^\xBD", AL, d, elasticModulus, I));
    reportLines_.append(format("                    = %g", x));
    double hmin = 0.0;
    std::string minimum;
    if (x < flexibleRatio) {
        hmin = roundHalfUp((1.0 / 8.0) * (s / 12.0), 2);
        minimum = format(" Hmin = (1/8)*(s/12) = (1/8)*(%g/12) = %g ft", s, hmin);
    } else if (x <= stiffRatio) {
        hmin = roundHalfUp(0.55 * (s / 12.0) * x, 2);
        minimum = format(" Hmin = 0.55*(s/12)*[(AL)d(E*I)]^/\xBD = 0.55*(%g/12)*%g = %g ft", s, x, hmin);
    } else {
        hmin = roundHalfUp((1.0 / 4.0) * (s / 12.0), 2);
        minimum = format(" Hmin = (1/4)*(s/12) = (1/4)*(%g/12) = %g ft", s, hmin);
    }
    reportLines_.append("    Therefore, " + minimum);
    reportLines_.append(" ");
    std::string verdict = format("    H = %g ft  ", H);
    bool ok = false;
    if (H < 1.0) {
        formatTo(verdict, "    %g < 1  NO GOOD", H);
    } else if (H >= hmin) {
        ok = true;
        formatTo(verdict, " (%g >= 1ft) and (%g >= Hmin = %g)  OK", H, H, hmin);
    } else {
        formatTo(verdict, " %g < Hmin = %g  NO GOOD", H, hmin);
    }
    reportLines_.append(std::move(verdict));
    return ok;
}

// ASTM under railway loads: a quarter of the span (a fifth for 6 x 2), and at
// least 1 ft over round pipe, 2 ft over arches.
bool DesignCheck::appendAstmRailwayCoverRule() {
    const double H = cover_;
    const double s = span_;
    reportLines_.append("    The cover must not be less than 1 ft for round pipe, or 2 ft for arches");
    reportLines_.append("    and pipe-arches, and must also not be less that the following:");
    reportLines_.append("    For all except 6x2, Hmin = Span/4.");
    reportLines_.append("    For 6x2, Hmin = Span/5.");
    reportLines_.append(" ");
    const double divisor = catalog_ ? catalog_->data().railwayCoverDivisor : commonRailwayCoverDivisor;
    const double hmin = s / divisor / 12.0;
    const std::string minimum = format("Hmin = (%g/%.1f)/12.0 = %g", s, divisor, hmin);
    const int leastCover = shape_ == StructureShape::RoundPipe ? 1 : 2;  // Hm, ft
    std::string verdict;
    const bool ok = coverVerdictLine(H, leastCover, hmin, minimum, verdict);
    reportLines_.append(std::move(verdict));
    return ok;
}

void DesignCheck::appendMinimumCoverCheck() {
    reportLines_.append(" ");
    reportLines_.append("Minimum Cover Requirement:");
    bool ok = false;
    switch (coverRulesOf(method_, liveLoad_)) {
    case CoverRules::Aashto: ok = appendAashtoCoverRule(); break;
    case CoverRules::AstmHighway: ok = appendAstmHighwayCoverRule(); break;
    case CoverRules::AstmRailway: ok = appendAstmRailwayCoverRule(); break;
    }
    recordVerdict(SummaryCheck::MinimumCover, ok);
}

void DesignCheck::appendCornerBearingCheck() {
    // Only an arch has corners; a round pipe, or a shape the record does not
    // know, has none to bear on.
    if (shape_ != StructureShape::PipeArch && shape_ != StructureShape::Underpass) return;
    const bool railway = liveLoad_ == LiveLoad::E80;
    const double h = inchesPerFoot * cover_;
    const double s = span_;
    reportLines_.append(" ");
    reportLines_.append("Corner Bearing Pressure on Soil:");
    double L1 = 0.0;
    if (railway) {
        L1 = 96.0 + 1.75 * h;
        reportLines_.append("    L1 = 96 + 1.75(h)");
        reportLines_.append(format("    L1 = 96 + 1.75(%g) = %g in.", h, L1));
    } else {
        L1 = 40.0 + (h - 12.0) * 1.75;
        reportLines_.append("    L1 = 40 + (h-12)1.75");
        reportLines_.append(format("    L1 = 40 + (%g-12)1.75 = %g in.", h, L1));
    }
    const double L2 = L1 + 1.37 * s;
    reportLines_.append("    L2 = L1 + 1.37s");
    reportLines_.append(format("    L2 = %g + 1.37 * %g = %g in.", L1, s, L2));
    double C1 = 0.0;
    if (railway) {
        C1 = L1 / L2;
        reportLines_.append(format("    C1 = L1/L2 = %g/%g = %g", L1, L2, C1));
    } else {
        const double L3 = L2 + axleSpacing;
        reportLines_.append("    L3 = L2 + 72");
        reportLines_.append(format("    L3 = %g + %g = %g in", L2, axleSpacing, L3));
        reportLines_.append("    C1 = L1/L2 if L2 <= 72 in.");
        reportLines_.append("    C1 = 2L1/L3 if L2 > 72 in.");
        if (L2 <= axleSpacing) {
            C1 = L1 / L2;
            reportLines_.append(format("    L2 <= 72 in. Therefore, C1 = L1/L2 = %g/%g", L1, L2));
            reportLines_.append(format("                               = %g", C1));
        } else {
            C1 = 2.0 * L1 / L3;
            reportLines_.append(format("    L2 > 72 in. Therefore, C1 = 2L1/L3 = 2 * %g/%g", L1, L3));
            reportLines_.append(format("                              = %g", C1));
        }
    }
    const double LL = cornerLiveLoad(liveLoad_, cover_);
    const double EL = soilDensity_ * cover_;
    const ArchRadii radii = archRadii();
    const bool reduced = method_ == CheckMethod::Aisi && reductionApplied_;
    // Pc = (Rt/Rc)(C1 LL + EL): the crown pressure concentrated at the corners.
    double Pc = (radii.top / radii.corner) * (C1 * LL + EL);
    if (reduced) Pc *= reductionFactor_;
    Pc = roundHalfUp(Pc);
    reportLines_.append("    Pc = (Rt/Rc)(C1*LL + EL)");
    if (reduced)
        reportLines_.append(format("    Pc = (%g/%g)*(%g*%g + %g*%g)*%g = %g psf", radii.top, radii.corner, C1, LL,
                                   soilDensity_, cover_, reductionFactor_, Pc));
    else
        reportLines_.append(format("    Pc = (%g/%g)*(%g*%g + %g*%g) = %g psf", radii.top, radii.corner, C1, LL,
                                   soilDensity_, cover_, Pc));
    const bool ok = Pc < allowableCornerPressure_;
    if (ok)
        reportLines_.append(format("    Corner soil bearing pressure of %g psf < %g psf  OK", Pc, allowableCornerPressure_));
    else
        reportLines_.append(
            format("    Corner soil bearing pressure of %g psf >= %g psf  NO GOOD", Pc, allowableCornerPressure_));
    recordVerdict(SummaryCheck::CornerBearingPressure, ok);
}

}  // namespace csp::designcheck
