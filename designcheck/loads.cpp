// Earth load, live load with impact, design pressure and ring compression
// thrust.
#include "designcheck/design_check_run.h"
#include "designcheck/live_load.h"
#include "shell/number_format.h"

namespace csp::designcheck {
namespace {

// Thrust of a ring under uniform pressure: half the pressure times the span
// in feet.
double ringThrust(double pressure, double span) { return pressure * (span / 12.0) / 2.0; }

// Load factors of the factored pressures.
constexpr double lrfdEarthFactor = 1.95, lrfdLiveFactor = 1.75;
constexpr double lfdFactor = 1.3, lfdEarthFactor = 1.5, lfdLiveFactor = 1.67;

}  // namespace

LoadResult computeLoads(const DesignCheck& check, double span) {
    LoadResult loads;
    loads.earthLoad = check.soilDensity() * check.cover();
    loads.liveLoadImpact = liveLoadWithImpact(check.liveLoad(), check.cover());
    loads.pressure = loads.earthLoad + loads.liveLoadImpact;
    if (check.reductionApplied()) loads.pressure = check.reductionFactor() * (loads.earthLoad + loads.liveLoadImpact);
    loads.thrust = ringThrust(loads.pressure, span);
    switch (formOf(check.method())) {
    case DesignForm::LoadResistanceFactor:
        loads.designPressure = lrfdEarthFactor * loads.earthLoad + lrfdLiveFactor * loads.liveLoadImpact;
        break;
    case DesignForm::LoadFactor:
        loads.designPressure = lfdFactor * (lfdEarthFactor * loads.earthLoad + lfdLiveFactor * loads.liveLoadImpact);
        break;
    case DesignForm::AllowableStress: loads.designPressure = loads.pressure; break;
    }
    if (formOf(check.method()) != DesignForm::AllowableStress)
        loads.factoredThrust = ringThrust(loads.designPressure, span);
    return loads;
}

void appendLoadBlocks(const DesignCheck& check, const DesignCheckResult& result, ReportListing& report) {
    const LoadResult& loads = result.loads;
    report.append(" ");
    report.append("Earth Load:");
    report.append("    EL = H * w");
    report.append(format("    EL = %g * %g = %g psf", check.cover(), check.soilDensity(), loads.earthLoad));

    report.append(" ");
    report.append("Live Load + Impact:");
    report.append(format("    LL + IL = %g psf", loads.liveLoadImpact));

    report.append(" ");
    switch (formOf(check.method())) {
    case DesignForm::LoadResistanceFactor:
        report.append("Factored Load (Pressure):");
        report.append(format("    Pf = %gEL + %g(LL + IL)", lrfdEarthFactor, lrfdLiveFactor));
        report.append(format("    Pf = %g(%g) + %g(%g) = %g psf", lrfdEarthFactor, loads.earthLoad, lrfdLiveFactor,
                             loads.liveLoadImpact, loads.designPressure));
        break;
    case DesignForm::LoadFactor:
        report.append("Factored Load (Pressure):");
        report.append(format("    Pf = %g[%.2fEL + %g(LL + IL)]", lfdFactor, lfdEarthFactor, lfdLiveFactor));
        report.append(format("    Pf = %g(%g(%g) + %g(%g)) = %g psf", lfdFactor, lfdEarthFactor, loads.earthLoad,
                             lfdLiveFactor, loads.liveLoadImpact, loads.designPressure));
        break;
    case DesignForm::AllowableStress:
        report.append("Design Pressure:");
        if (check.reductionApplied()) {
            report.append("    P = K[EL + (LL + IL)]");
            report.append(format("    P = %g[%g + %g] = %g psf", check.reductionFactor(), loads.earthLoad,
                                 loads.liveLoadImpact, loads.pressure));
        } else {
            report.append("    P = EL + (LL + IL)");
            report.append(format("    P = %g + %g = %g psf", loads.earthLoad, loads.liveLoadImpact, loads.pressure));
        }
        break;
    }

    report.append(" ");
    const double span = result.span;
    if (formOf(check.method()) == DesignForm::AllowableStress) {
        report.append("Ring Compression Thrust:");
        report.append("    T = P * (s/12)/2");
        report.append(format("    T = %g * (%g/12)/2 = %g lb/ft", loads.pressure, span, loads.thrust));
        return;
    }
    report.append("Factored Thrust:");
    report.append("    Tf = Pf * (s/12)/2");
    report.append(format("    Tf = %g * (%g/12)/2 = %g lb/ft", loads.designPressure, span, loads.factoredThrust));
}

}  // namespace csp::designcheck
