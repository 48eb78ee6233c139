// Earth load, live load with impact, design pressure and ring compression
// thrust.
#include "designcheck/design_check.h"
#include "designcheck/live_load.h"
#include "shell/number_format.h"

namespace csp::designcheck {
namespace {

// Thrust of a ring under uniform pressure: half the pressure times the span
// in feet.
double ringThrust(double pressure, double span) { return pressure * (span / 12.0) / 2.0; }

// Factored pressures.
double lrfdPressure(double earthLoad, double liveLoadImpact) { return 1.95 * earthLoad + 1.75 * liveLoadImpact; }
double lfdPressure(double earthLoad, double liveLoadImpact) {
    return 1.3 * (1.5 * earthLoad + 1.67 * liveLoadImpact);
}

}  // namespace

void DesignCheck::computeLoads() {
    earthLoad_ = soilDensity_ * cover_;
    liveLoadImpact_ = liveLoadWithImpact(liveLoad_, cover_);
    pressure_ = earthLoad_ + liveLoadImpact_;
    if (reductionApplied_) pressure_ = reductionFactor_ * (earthLoad_ + liveLoadImpact_);
    thrust_ = ringThrust(pressure_, span_);
}

void DesignCheck::appendEarthLoadBlock() {
    reportLines_.append(" ");
    reportLines_.append("Earth Load:");
    reportLines_.append("    EL = H * w");
    reportLines_.append(format("    EL = %g * %g = %g psf", cover_, soilDensity_, earthLoad_));
}

void DesignCheck::appendLiveLoadBlock() {
    reportLines_.append(" ");
    reportLines_.append("Live Load + Impact:");
    reportLines_.append(format("    LL + IL = %g psf", liveLoadImpact_));
}

void DesignCheck::appendPressureBlock() {
    reportLines_.append(" ");
    switch (formOf(method_)) {
    case DesignForm::LoadResistanceFactor:
        pressure_ = lrfdPressure(earthLoad_, liveLoadImpact_);
        reportLines_.append("Factored Load (Pressure):");
        reportLines_.append("    Pf = 1.95EL + 1.75(LL + IL)");
        reportLines_.append(format("    Pf = 1.95(%g) + 1.75(%g) = %g psf", earthLoad_, liveLoadImpact_, pressure_));
        break;
    case DesignForm::LoadFactor:
        pressure_ = lfdPressure(earthLoad_, liveLoadImpact_);
        reportLines_.append("Factored Load (Pressure):");
        reportLines_.append("    Pf = 1.3[1.50EL + 1.67(LL + IL)]");
        reportLines_.append(
            format("    Pf = 1.3(1.5(%g) + 1.67(%g)) = %g psf", earthLoad_, liveLoadImpact_, pressure_));
        break;
    case DesignForm::AllowableStress:
        reportLines_.append("Design Pressure:");
        if (reductionApplied_) {
            reportLines_.append("    P = K[EL + (LL + IL)]");
            reportLines_.append(format("    P = %g[%g + %g] = %g psf", reductionFactor_, earthLoad_, liveLoadImpact_,
                                       pressure_));
        } else {
            reportLines_.append("    P = EL + (LL + IL)");
            reportLines_.append(format("    P = %g + %g = %g psf", earthLoad_, liveLoadImpact_, pressure_));
        }
        break;
    }
}

void DesignCheck::appendThrustBlock() {
    reportLines_.append(" ");
    if (formOf(method_) == DesignForm::AllowableStress) {
        reportLines_.append("Ring Compression Thrust:");
        reportLines_.append("    T = P * (s/12)/2");
        reportLines_.append(format("    T = %g * (%g/12)/2 = %g lb/ft", pressure_, span_, thrust_));
        return;
    }
    factoredThrust_ = ringThrust(pressure_, span_);
    reportLines_.append("Factored Thrust:");
    reportLines_.append("    Tf = Pf * (s/12)/2");
    reportLines_.append(format("    Tf = %g * (%g/12)/2 = %g lb/ft", pressure_, span_, factoredThrust_));
}

}  // namespace csp::designcheck
