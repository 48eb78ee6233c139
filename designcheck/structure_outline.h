#pragma once

#include "designcheck/design_check.h"

namespace csp::designcheck {

// A point of a cross-section in inches: x across from the centre line, y up
// from the invert.
struct OutlinePoint {
    double x, y;
};

// The cross-section's outline as the picture draws it. A round pipe is a
// circle. A pipe-arch or underpass is a top arc, two corner arcs and an
// invert arc, each tangent to the next: the catalogs hold no invert radius,
// and their radii are rounded, so the corner centres are put where the arcs
// can meet and the top and invert radii follow from them, a sketch true to
// the span and rise. Where no such arcs meet, it is an ellipse of the span
// and rise.
struct StructureOutline {
    enum class Kind { Circle, FourArcs, Ellipse };
    Kind kind;
    double span, rise;  // in.
    // Four arcs only: the radii, their centres, and the right-hand ends of
    // the top arc (`top`) and of the invert arc (`bottom`), where the right
    // corner arc begins and ends.
    double topRadius, cornerRadius, invertRadius;
    OutlinePoint topCentre, invertCentre, cornerCentre, top, bottom;

    // Every outline but a circle is a sketch.
    bool schematic() const { return kind != Kind::Circle; }
};

// The outline of a structure of this span and rise (in.); a pipe-arch's or
// underpass's top and corner radii in inches.
StructureOutline structureOutline(bool roundPipe, double span, double rise, const ArchRadii& radii);
// The outline of the checked structure, as its last run left it.
StructureOutline structureOutline(const DesignCheck& check);

// The length around the outline, in.: pi x span for a circle, the four
// arcs' lengths summed, or the ellipse's (Ramanujan's second formula).
double periphery(const StructureOutline& outline);

}  // namespace csp::designcheck
