#include "designcheck/structure_outline.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace csp::designcheck {
namespace {

// How far past the span a sketched arc may reach, as a share of the span.
constexpr double sketchTolerance = 0.05;

StructureOutline ellipse(double span, double rise) {
    return {StructureOutline::Kind::Ellipse, span, rise, 0, 0, 0, {}, {}, {}, {}, {}};
}

// The angle at `centre` between the rays to `a` and to `b`, radians.
double angleBetween(OutlinePoint centre, OutlinePoint a, OutlinePoint b) {
    const double ax = a.x - centre.x, ay = a.y - centre.y, bx = b.x - centre.x, by = b.y - centre.y;
    return std::atan2(std::abs(ax * by - ay * bx), ax * bx + ay * by);
}

}  // namespace

StructureOutline structureOutline(bool roundPipe, double span, double rise, const ArchRadii& radii) {
    if (roundPipe) return {StructureOutline::Kind::Circle, span, span, span / 2, 0, 0, {}, {}, {}, {}, {}};
    const double rc = radii.corner, a = span / 2 - rc;
    if (!(rc > 0) || !(a > 0) || !(rise > 2 * rc)) return ellipse(span, rise);
    const double margin = 0.1 * (rise - 2 * rc), lowest = rc + margin, highest = rise - rc - margin;
    double yc = lowest + 0.25 * (highest - lowest);
    const double topRadius = radii.top;
    if (topRadius - rc >= a)
        yc = std::clamp((rise - topRadius) - std::sqrt((topRadius - rc) * (topRadius - rc) - a * a), lowest, highest);
    const double rt = (a * a + (rise - yc) * (rise - yc) - rc * rc) / (2 * (rise - yc - rc));
    const double rb = (a * a + yc * yc - rc * rc) / (2 * (yc - rc));
    if (!(rt > rc) || !(rb > rc) || !std::isfinite(rt) || !std::isfinite(rb)) return ellipse(span, rise);

    const OutlinePoint topCentre{0, rise - rt}, invertCentre{0, rb}, corner{a, yc};
    // An arc that turns past its level centre reaches out to its radius.
    // The catalogs' rounded radii let it pass the span by a little; well
    // wider than the span (tall underpasses), the sketch would not be true
    // to it.
    const double widest = (span / 2) * (1 + sketchTolerance);
    if ((yc < topCentre.y && rt > widest) || (yc > invertCentre.y && rb > widest)) return ellipse(span, rise);
    const auto toward = [](OutlinePoint from, OutlinePoint to, double length) {
        const double dx = to.x - from.x, dy = to.y - from.y, d = std::hypot(dx, dy);
        return OutlinePoint{from.x + dx / d * length, from.y + dy / d * length};
    };
    return {StructureOutline::Kind::FourArcs, span, rise, rt, rc, rb, topCentre, invertCentre, corner,
            toward(topCentre, corner, rt), toward(invertCentre, corner, rb)};
}

StructureOutline structureOutline(const DesignCheck& check) {
    const bool roundPipe = check.shape() == StructureShape::RoundPipe;
    const double span = check.result().span;
    return structureOutline(roundPipe, span, roundPipe ? span : check.rise(), check.archRadii());
}

double periphery(const StructureOutline& outline) {
    switch (outline.kind) {
    case StructureOutline::Kind::Circle: return std::numbers::pi * outline.span;
    case StructureOutline::Kind::FourArcs: {
        const OutlinePoint crown{0, outline.rise}, invert{0, 0};
        const double topArc = 2 * angleBetween(outline.topCentre, crown, outline.top);
        const double invertArc = 2 * angleBetween(outline.invertCentre, invert, outline.bottom);
        const double cornerArc = angleBetween(outline.cornerCentre, outline.top, outline.bottom);
        return outline.topRadius * topArc + 2 * outline.cornerRadius * cornerArc + outline.invertRadius * invertArc;
    }
    case StructureOutline::Kind::Ellipse: {
        const double a = outline.span / 2, b = outline.rise / 2, h = (a - b) * (a - b) / ((a + b) * (a + b));
        return std::numbers::pi * (a + b) * (1 + 3 * h / (10 + std::sqrt(4 - 3 * h)));
    }
    }
    return 0.0;
}

}  // namespace csp::designcheck
