#pragma once

#include "filltables/fill_table_request.h"

namespace csp {

// The seam safety factor that means "no seam-strength check applies"
// (helical pipe, and profiles whose tables never take one). Only this exact
// value switches the check off.
inline constexpr double noSeamCheck = 99.0;

// Moduli of elasticity of the steel (psi) under each buckling equation.
double modulusOfElasticity(BucklingEquation equation);

// What one cell of a fill-height table rests on: one span, one wall.
struct WallCell {
    LiveLoad liveLoad;
    BucklingEquation bucklingEquation;
    double span;                // D, in. (the diameter of round pipe)
    double inertia;             // I, in.^4 per in. of wall
    double area;                // A, in.^2 per in. of wall
    double seamStrengthUpTo36;  // lb/ft, spans up to 36 in.
    double seamStrengthOver36;  // lb/ft, spans over 36 in.
    double flexibilityLimit;    // in./lb
    double seamSafetyFactor;    // noSeamCheck when the seam is not checked
    double loadReductionFactor; // at most 1.0
    double minimumCover;        // in.
    DesignMethod designMethod;
    double fillDensity;         // w, pcf
};

// The maximum height of cover (ft) the wall can carry: the lesser of the
// wall-area limit (reduced for buckling) and the seam limit, zero when the
// wall is too flexible or cannot carry the live load at shallow cover, and
// raised by the load reduction factor when the cover is at least one span.
// The caller sets maxCover to 0.0; a too flexible wall leaves it untouched.
// Refused when the table must be abandoned: a failed live-load check (its
// message) or a load reduction factor above 1.0 (no message).
Outcome computeMaxCover(const WallCell& cell, double& maxCover);

}  // namespace csp
