// Handling flexibility, minimum cover and corner bearing: the checks beyond
// the strength of the wall.
#include <cmath>
#include <string>

#include "designcheck/design_check_run.h"
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
// working is `minimum`).
std::string coverVerdictLine(double H, int leastCover, bool ok, const std::string& minimum) {
    std::string verdict = format("    H = %g ft  ", H);
    if (H < leastCover) {
        formatTo(verdict, "    %g < %d  NO GOOD", H, leastCover);
        return verdict;
    }
    if (ok)
        formatTo(verdict, "%g >= %dft and %g >= ", H, leastCover, H);
    else
        formatTo(verdict, "%g < ", H);
    verdict += minimum;
    verdict += ok ? "  OK" : "  NO GOOD";
    return verdict;
}

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

// Corner bearing spread: L1 = 96 + 1.75h under a train, 40 + (h - 12)1.75
// under a truck; L2 = L1 + 1.37s.
constexpr double railwaySpread = 96.0, highwaySpread = 40.0, spreadPerDepth = 1.75, spreadPerSpan = 1.37;

}  // namespace

std::optional<HandlingResult> computeHandling(const DesignCheck& check, double span) {
    const std::optional<double> limit = check.flexibilityLimit();
    if (!limit) return std::nullopt;
    HandlingResult handling;
    handling.inertia = check.wallInertia();
    // Flexibility factor FF = s^2/EI, in./lb.
    handling.flexibility = roundHalfUp(span * span / (elasticModulus * handling.inertia), 4);
    handling.limit = *limit;
    return handling;
}

CoverResult computeCover(const DesignCheck& check, double span) {
    CoverResult cover;
    const ProfileCatalog* catalog = check.catalog();
    const double s = span;
    cover.rules = coverRulesOf(check.method(), check.liveLoad());
    switch (cover.rules) {
    case CoverRules::Aashto:
        // AASHTO and AISI: an eighth of the span, a quarter for ribbed pipe,
        // rounded to hundredths of a foot.
        if (catalog && catalog->data().ribKind != RibKind::None) {
            cover.minimumCase = CoverCase::QuarterOfSpan;
            cover.minimumCover = roundHalfUp(s / 4.0 / 12.0, 2);
        } else {
            cover.minimumCase = CoverCase::EighthOfSpan;
            cover.minimumCover = roundHalfUp(s / 8.0 / 12.0, 2);
        }
        break;
    case CoverRules::AstmHighway:
        // The stiffness ratio x = [(AL)d/(E*I)]^1/2 sets the least cover
        // between an eighth and a quarter of the span.
        cover.axleLoad = axleLoad(check.liveLoad());
        cover.corrugationDepth = catalog ? catalog->data().corrugationDepth : 0.0;
        cover.inertia = check.wallInertia();
        cover.stiffnessRatio = std::sqrt(cover.axleLoad * cover.corrugationDepth / (elasticModulus * cover.inertia));
        if (cover.stiffnessRatio < flexibleRatio) {
            cover.minimumCase = CoverCase::EighthOfSpan;
            cover.minimumCover = roundHalfUp((1.0 / 8.0) * (s / 12.0), 2);
        } else if (cover.stiffnessRatio <= stiffRatio) {
            cover.minimumCase = CoverCase::StiffnessRatio;
            cover.minimumCover = roundHalfUp(0.55 * (s / 12.0) * cover.stiffnessRatio, 2);
        } else {
            cover.minimumCase = CoverCase::QuarterOfSpan;
            cover.minimumCover = roundHalfUp((1.0 / 4.0) * (s / 12.0), 2);
        }
        break;
    case CoverRules::AstmRailway:
        // A quarter of the span (a fifth for 6 x 2), and at least 1 ft over
        // round pipe, 2 ft over arches.
        cover.minimumCase = CoverCase::RailwayDivisor;
        cover.divisor = catalog ? catalog->data().railwayCoverDivisor : commonRailwayCoverDivisor;
        cover.minimumCover = s / cover.divisor / 12.0;
        cover.leastCover = check.shape() == StructureShape::RoundPipe ? 1 : 2;
        break;
    }
    const double H = check.cover();
    cover.ok = !(H < cover.leastCover) && H >= cover.minimumCover;
    return cover;
}

std::optional<CornerResult> computeCorner(const DesignCheck& check, double span) {
    // Only an arch has corners; a round pipe, or a shape the record does not
    // know, has none to bear on.
    if (check.shape() != StructureShape::PipeArch && check.shape() != StructureShape::Underpass) return std::nullopt;
    CornerResult c;
    c.railway = check.liveLoad() == LiveLoad::E80;
    c.depth = inchesPerFoot * check.cover();
    c.L1 = c.railway ? railwaySpread + spreadPerDepth * c.depth : highwaySpread + (c.depth - 12.0) * spreadPerDepth;
    c.L2 = c.L1 + spreadPerSpan * span;
    if (c.railway) {
        c.C1 = c.L1 / c.L2;
    } else {
        c.L3 = c.L2 + axleSpacing;
        c.secondAxle = !(c.L2 <= axleSpacing);
        c.C1 = c.secondAxle ? 2.0 * c.L1 / c.L3 : c.L1 / c.L2;
    }
    c.liveLoad = cornerLiveLoad(check.liveLoad(), check.cover());
    const double EL = check.soilDensity() * check.cover();
    c.radii = check.archRadii();
    c.reduced = check.method() == CheckMethod::Aisi && check.reductionApplied();
    // Pc = (Rt/Rc)(C1 LL + EL): the crown pressure concentrated at the corners.
    double Pc = (c.radii.top / c.radii.corner) * (c.C1 * c.liveLoad + EL);
    if (c.reduced) Pc *= check.reductionFactor();
    c.pressure = roundHalfUp(Pc);
    c.allowable = check.allowableCornerPressure();
    return c;
}

void appendHandlingBlock(const DesignCheck&, const DesignCheckResult& result, ReportListing& report) {
    if (!result.handling) return;
    const HandlingResult& h = *result.handling;
    const double s = result.span;
    report.append(" ");
    report.append("Handling and Installation:");
    report.append("    FF = s^2/EI");
    report.append(format("    FF = %g*%g/(%g*%g) = %g in./lb", s, s, elasticModulus, h.inertia, h.flexibility));
    report.append(" ");
    report.append(format("    FF Limit: %g in./lb    %s", h.limit,
                         verdictText(result.find(SummaryCheck::HandlingAndInstallation)->ok)));
}

void appendCoverBlock(const DesignCheck& check, const DesignCheckResult& result, ReportListing& report) {
    const CoverResult& c = result.cover;
    const double H = check.cover();
    const double s = result.span;
    report.append(" ");
    report.append("Minimum Cover Requirement:");
    switch (c.rules) {
    case CoverRules::Aashto: {
        report.append("    The cover must not be less than 1 ft and must not be less than the following:");
        report.append("    For all except ribbed pipe, Hmin = Span/8.");
        report.append("    For ribbed pipe, Hmin = Span/4.");
        report.append(" ");
        const std::string minimum = c.minimumCase == CoverCase::QuarterOfSpan
                                        ? format("Hmin = (%g/4.0)/12 = %g", s, c.minimumCover)
                                        : format("Hmin = (%g/8.0)/12 = %g ft", s, c.minimumCover);
        report.append(coverVerdictLine(H, c.leastCover, c.ok, minimum));
        break;
    }
    case CoverRules::AstmHighway: {
        report.append("    The cover must not be less than 1 ft and must not be less");
        report.append("    than the following:");
        report.append(" ");
        report.append("    If [(AL)d/(E*I)]^\xBD > 0.23 or < 0.45,");
        report.append("        then Hmin = 0.55*(s/12)*[(AL)d/(E*I)]^\xBD  ft");
        report.append("    If [(AL)d/(E*I)]^\xBD < 0.23, then Hmin = (1/8)*(s/12) ft");
        report.append("    If [(AL)d/(E*I)]^\xBD > 0.45, then Hmin = (1/4)*(s/12) ft");
        report.append(" ");
        report.append(format("    [(AL)d/(E*I)]^\xBD = [(%g)%g/(%g*%g)]^\xBD", c.axleLoad, c.corrugationDepth,
                             elasticModulus, c.inertia));
        report.append(format("                    = %g", c.stiffnessRatio));
        std::string minimum;
        switch (c.minimumCase) {
        case CoverCase::EighthOfSpan:
            minimum = format(" Hmin = (1/8)*(s/12) = (1/8)*(%g/12) = %g ft", s, c.minimumCover);
            break;
        case CoverCase::StiffnessRatio:
            minimum = format(" Hmin = 0.55*(s/12)*[(AL)d(E*I)]^/\xBD = 0.55*(%g/12)*%g = %g ft", s, c.stiffnessRatio,
                             c.minimumCover);
            break;
        case CoverCase::QuarterOfSpan:
        case CoverCase::RailwayDivisor:
            minimum = format(" Hmin = (1/4)*(s/12) = (1/4)*(%g/12) = %g ft", s, c.minimumCover);
            break;
        }
        report.append("    Therefore, " + minimum);
        report.append(" ");
        std::string verdict = format("    H = %g ft  ", H);
        if (H < 1.0)
            formatTo(verdict, "    %g < 1  NO GOOD", H);
        else if (c.ok)
            formatTo(verdict, " (%g >= 1ft) and (%g >= Hmin = %g)  OK", H, H, c.minimumCover);
        else
            formatTo(verdict, " %g < Hmin = %g  NO GOOD", H, c.minimumCover);
        report.append(std::move(verdict));
        break;
    }
    case CoverRules::AstmRailway: {
        report.append("    The cover must not be less than 1 ft for round pipe, or 2 ft for arches");
        report.append("    and pipe-arches, and must also not be less that the following:");
        report.append("    For all except 6x2, Hmin = Span/4.");
        report.append("    For 6x2, Hmin = Span/5.");
        report.append(" ");
        const std::string minimum = format("Hmin = (%g/%.1f)/12.0 = %g", s, c.divisor, c.minimumCover);
        report.append(coverVerdictLine(H, c.leastCover, c.ok, minimum));
        break;
    }
    }
}

void appendCornerBlock(const DesignCheck& check, const DesignCheckResult& result, ReportListing& report) {
    if (!result.corner) return;
    const CornerResult& c = *result.corner;
    const double s = result.span;
    report.append(" ");
    report.append("Corner Bearing Pressure on Soil:");
    if (c.railway) {
        report.append(format("    L1 = %g + %g(h)", railwaySpread, spreadPerDepth));
        report.append(format("    L1 = %g + %g(%g) = %g in.", railwaySpread, spreadPerDepth, c.depth, c.L1));
    } else {
        report.append(format("    L1 = %g + (h-12)%g", highwaySpread, spreadPerDepth));
        report.append(format("    L1 = %g + (%g-12)%g = %g in.", highwaySpread, c.depth, spreadPerDepth, c.L1));
    }
    report.append(format("    L2 = L1 + %gs", spreadPerSpan));
    report.append(format("    L2 = %g + %g * %g = %g in.", c.L1, spreadPerSpan, s, c.L2));
    if (c.railway) {
        report.append(format("    C1 = L1/L2 = %g/%g = %g", c.L1, c.L2, c.C1));
    } else {
        report.append("    L3 = L2 + 72");
        report.append(format("    L3 = %g + %g = %g in", c.L2, axleSpacing, c.L3));
        report.append("    C1 = L1/L2 if L2 <= 72 in.");
        report.append("    C1 = 2L1/L3 if L2 > 72 in.");
        if (!c.secondAxle) {
            report.append(format("    L2 <= 72 in. Therefore, C1 = L1/L2 = %g/%g", c.L1, c.L2));
            report.append(format("                               = %g", c.C1));
        } else {
            report.append(format("    L2 > 72 in. Therefore, C1 = 2L1/L3 = 2 * %g/%g", c.L1, c.L3));
            report.append(format("                              = %g", c.C1));
        }
    }
    report.append("    Pc = (Rt/Rc)(C1*LL + EL)");
    if (c.reduced)
        report.append(format("    Pc = (%g/%g)*(%g*%g + %g*%g)*%g = %g psf", c.radii.top, c.radii.corner, c.C1,
                             c.liveLoad, check.soilDensity(), check.cover(), check.reductionFactor(), c.pressure));
    else
        report.append(format("    Pc = (%g/%g)*(%g*%g + %g*%g) = %g psf", c.radii.top, c.radii.corner, c.C1,
                             c.liveLoad, check.soilDensity(), check.cover(), c.pressure));
    if (result.find(SummaryCheck::CornerBearingPressure)->ok)
        report.append(format("    Corner soil bearing pressure of %g psf < %g psf  OK", c.pressure, c.allowable));
    else
        report.append(format("    Corner soil bearing pressure of %g psf >= %g psf  NO GOOD", c.pressure, c.allowable));
}

}  // namespace csp::designcheck
