#pragma once

#include <optional>
#include <vector>

#include "designcheck/design_types.h"
#include "designcheck/profile_catalog.h"

namespace csp::designcheck {

class DesignCheck;

// The checks a Design Check Summary can list, in its order; a report lists
// those that apply to its structure.
enum class SummaryCheck { CrossSectionalArea, SeamStrength, HandlingAndInstallation, MinimumCover, CornerBearingPressure };
inline constexpr std::array<std::string_view, 5> summaryCheckTexts = {
    "Required Cross-Sectional Area", "Required Seam Strength", "Handling and Installation", "Minimum Cover",
    "Corner Bearing Pressure"};

// Earth load, live load with impact, pressure and thrust.
struct LoadResult {
    double earthLoad = 0.0;       // EL, psf
    double liveLoadImpact = 0.0;  // LL + IL, psf
    double pressure = 0.0;        // P, with K when the reduction applies, psf
    double thrust = 0.0;          // T from P, lb/ft
    // The pressure the checks use: Pf under a factored method, else P.
    double designPressure = 0.0;
    double factoredThrust = 0.0;  // Tf from Pf under a factored method, else 0, lb/ft
};

// Buckling: which equation, its terms and the stress Fc.
struct BucklingResult {
    bool aisi = false;            // AISI's equations, else AASHTO's and ASTM's
    double radiusOfGyration = 0.0;  // r, in.
    double slenderness = 0.0;     // D/r under AISI, ks/r otherwise
    double limitingSpan = 0.0;    // (r/k)(24E/Fu)^1/2, in.; 0 under AISI
    bool elastic = false;         // the elastic equation applies
    double stress = 0.0;          // Fc, psi
    bool controls = false;        // Fc < Fy
};

// One check of the Design Check Summary: what the verdict compares.
struct CheckResult {
    SummaryCheck check = SummaryCheck::CrossSectionalArea;
    double demand = 0.0, capacity = 0.0;
    bool ok = false;
    // Demand over capacity, as the verdict compares them.
    double ratio() const { return demand / capacity; }
};

struct AreaResult {
    double designStress = 0.0;  // F, the lesser of Fy and Fc
    double factor = 0.0;        // SF under allowable stress, phi otherwise
    double required = 0.0;      // A, rounded to thousandths, sq in./ft
    double provided = 0.0;
};

struct SeamResult {
    double factor = 0.0;    // SF under allowable stress, phi otherwise
    double required = 0.0;  // SS, lb/ft
    double provided = 0.0;
};

struct HandlingResult {
    double inertia = 0.0;      // I, in^4/in
    double flexibility = 0.0;  // FF rounded to four places, in./lb
    double limit = 0.0;
};

// The minimum cover rule of the method and live load.
enum class CoverRules { Aashto, AstmHighway, AstmRailway };
// Which Hmin of a rule applies.
enum class CoverCase { EighthOfSpan, QuarterOfSpan, StiffnessRatio, RailwayDivisor };

struct CoverResult {
    CoverRules rules = CoverRules::Aashto;
    CoverCase minimumCase = CoverCase::EighthOfSpan;
    int leastCover = 1;           // the floor Hm, ft
    double minimumCover = 0.0;    // Hmin, ft
    double axleLoad = 0.0;        // AL, lb (ASTM highway)
    double corrugationDepth = 0.0;  // d, in. (ASTM highway)
    double inertia = 0.0;         // I (ASTM highway)
    double stiffnessRatio = 0.0;  // [(AL)d/(E*I)]^1/2 (ASTM highway)
    double divisor = 0.0;         // Span/divisor (ASTM railway)
    bool ok = false;
};

struct CornerResult {
    bool railway = false;
    double depth = 0.0;  // h, in.
    double L1 = 0.0, L2 = 0.0, L3 = 0.0;
    bool secondAxle = false;  // L2 > 72 in.: C1 = 2L1/L3
    double C1 = 0.0;
    double liveLoad = 0.0;  // LL at the corners, psf
    ArchRadii radii;
    bool reduced = false;   // K applied
    double pressure = 0.0;  // Pc, rounded to a whole psf
    double allowable = 0.0;
};

// Everything a run computes, before a line is written: the report, the
// picture, check and select read it.
struct DesignCheckResult {
    double span = 0.0;  // s: the typed diameter, or the listed span
    LoadResult loads;
    BucklingResult buckling;
    AreaResult area;
    std::optional<SeamResult> seam;
    std::optional<HandlingResult> handling;
    CoverResult cover;
    std::optional<CornerResult> corner;
    // The summary's checks, in its order.
    std::vector<CheckResult> checks;
    bool failed = false;

    const CheckResult* find(SummaryCheck check) const;
    // The check with the largest demand over capacity; none without checks.
    const CheckResult* governing() const;
};

// The whole design check of a structure, computed from its entries.
DesignCheckResult computeDesignCheck(const DesignCheck& check);

}  // namespace csp::designcheck
