#include "designcheck/design_check_picture.h"

#include <algorithm>
#include <cmath>

#include "designcheck/structure_outline.h"
#include "shell/number_format.h"
#include "shell/svg_writer.h"

namespace csp::designcheck {
namespace {

constexpr double width = 960, height = 600;
constexpr double sectionLeft = 30, sectionRight = 560, sectionCentre = 285;
constexpr double groundLevel = 160;  // y of the ground surface
constexpr double sectionBottom = 500;
constexpr double summaryLeft = 600, summaryRight = 945;
constexpr double inchesPerFoot = 12;
// Deeper fill than this many structure sizes is drawn broken.
constexpr double deepestDrawnFill = 2.5, brokenFillDrawn = 1.4;
constexpr double beddingBelow = 0.3;  // of the structure's size, soil drawn under the invert
constexpr double arrowHead = 7;

// The axle loads by name, as the engineer says them.
constexpr std::array<std::string_view, 3> axleLoadNames = {"H 20", "H 25", "E 80"};

constexpr std::string_view styleSheet =
    "text{font-family:'Liberation Sans',Arial,Helvetica,sans-serif;font-size:12px;fill:#000}"
    ".background{fill:#fff}.title{font-size:16px;font-weight:bold}.subtitle{font-size:13px}"
    ".soil{fill:#ececec;stroke:none}.ground{stroke:#000;stroke-width:2.5}.hatch{stroke:#000;stroke-width:1}"
    ".outline{fill:#fff;stroke:#000;stroke-width:3}.break{fill:#fff;stroke:#000;stroke-width:1.2}"
    ".dimension{stroke:#000;stroke-width:1;fill:none}.extension{stroke:#000;stroke-width:0.7;stroke-dasharray:4 3}"
    ".arrow{stroke:#000;stroke-width:2.5;fill:none}.head{fill:#000;stroke:none}"
    ".load{font-size:14px;font-weight:bold}.note{font-size:12px;font-style:italic}.caption{font-size:11px}"
    ".heading{font-size:14px;font-weight:bold}.panel{fill:#fff;stroke:#000;stroke-width:1}"
    ".ok-mark{fill:none;stroke:#000;stroke-width:2}.bad-mark{fill:none;stroke:#000;stroke-width:3}"
    ".bad-box{fill:#000;stroke:#000;stroke-width:2}.bad{font-weight:bold;fill:#fff}.bad-name{font-weight:bold}"
    ".closing{font-weight:bold}";

// Where the drawing puts the structure: pixels per inch and the invert.
struct Placement {
    double scale, crown, invert;
    bool brokenFill;
};

Placement placementOf(double span, double rise, double fillInches) {
    const double size = std::max(span, rise);
    const bool broken = fillInches > deepestDrawnFill * size;
    const double drawnFill = broken ? brokenFillDrawn * size : fillInches;
    const double scale = std::min((sectionRight - sectionLeft - 140) / span,
                                  (sectionBottom - groundLevel) / (drawnFill + rise + beddingBelow * size));
    const double crown = groundLevel + drawnFill * scale;
    return {scale, crown, crown + rise * scale, broken};
}

// The four arcs of a pipe-arch or underpass outline, placed.
std::string archOutline(const StructureOutline& arcs, const Placement& at) {
    const OutlinePoint top = arcs.top, bottom = arcs.bottom;
    const double rt = arcs.topRadius, rc = arcs.cornerRadius, rb = arcs.invertRadius;
    const auto x = [&](double inches) { return sectionCentre + inches * at.scale; };
    const auto y = [&](double inches) { return at.invert - inches * at.scale; };
    SvgPath outline;
    outline.moveTo(x(top.x), y(top.y))
        .arcTo(rt * at.scale, top.y < arcs.topCentre.y, false, x(-top.x), y(top.y))
        .arcTo(rc * at.scale, false, false, x(-bottom.x), y(bottom.y))
        .arcTo(rb * at.scale, false, false, x(bottom.x), y(bottom.y))
        .arcTo(rc * at.scale, false, false, x(top.x), y(top.y))
        .close();
    return outline.data();
}

std::string ellipseOutline(double span, double rise, const Placement& at) {
    const double rx = span / 2 * at.scale, ry = rise / 2 * at.scale, cy = (at.crown + at.invert) / 2;
    SvgPath outline;
    outline.moveTo(sectionCentre - rx, cy);
    const std::string r = SvgWriter::number(rx) + " " + SvgWriter::number(ry);
    return outline.data() + " A" + r + " 0 1 0 " + SvgWriter::number(sectionCentre + rx) + " " +
           SvgWriter::number(cy) + " A" + r + " 0 1 0 " + SvgWriter::number(sectionCentre - rx) + " " +
           SvgWriter::number(cy) + " Z";
}

void arrowHeadAt(SvgWriter& svg, double x, double y, double dx, double dy) {
    // A filled triangle pointing along (dx, dy).
    const double px = -dy, py = dx;
    svg.path(SvgPath()
                 .moveTo(x, y)
                 .lineTo(x - dx * arrowHead + px * arrowHead / 2.5, y - dy * arrowHead + py * arrowHead / 2.5)
                 .lineTo(x - dx * arrowHead - px * arrowHead / 2.5, y - dy * arrowHead - py * arrowHead / 2.5)
                 .close()
                 .data(),
             "head");
}

void drawGround(SvgWriter& svg, const Placement& at, double size) {
    const double soilBottom = std::min(at.invert + beddingBelow * size * at.scale, sectionBottom + 20);
    svg.rect(sectionLeft, groundLevel, sectionRight - sectionLeft, soilBottom - groundLevel, "soil");
    svg.line(sectionLeft, groundLevel, sectionRight, groundLevel, "ground");
    SvgPath hatch;
    for (double x = sectionLeft + 4; x < sectionRight - 8; x += 14) hatch.moveTo(x, groundLevel).lineTo(x + 8, groundLevel + 8);
    svg.path(hatch.data(), "hatch");
    svg.text(sectionLeft, groundLevel - 8, "Ground surface", "caption");
    if (!at.brokenFill) return;
    // Two zigzags across the fill: the depth between them is not to scale.
    const double middle = (groundLevel + at.crown) / 2;
    SvgPath zigzag;
    for (double offset : {-6.0, 6.0}) {
        zigzag.moveTo(sectionLeft, middle + offset);
        for (double x = sectionLeft; x + 20 <= sectionRight; x += 20)
            zigzag.lineTo(x + 10, middle + offset - 6).lineTo(x + 20, middle + offset);
    }
    svg.path(zigzag.data(), "dimension");
    svg.text(sectionCentre, middle - 16, "Fill broken: not to scale", "note", "middle");
}

void drawDimensions(SvgWriter& svg, const DesignCheck& check, const Placement& at, double span, double rise,
                    bool roundPipe) {
    const double halfWidth = span / 2 * at.scale;
    // H, from the ground surface down to the crown.
    const double hx = sectionCentre + halfWidth + 45;
    svg.line(sectionCentre, at.crown, hx + 8, at.crown, "extension");
    if (at.crown - groundLevel > 2 * arrowHead) {
        svg.line(hx, groundLevel, hx, at.crown, "dimension");
        arrowHeadAt(svg, hx, groundLevel, 0, -1);
        arrowHeadAt(svg, hx, at.crown, 0, 1);
    }
    // Above the break, where the fill is drawn broken.
    const double labelAt = at.brokenFill ? groundLevel + (at.crown - groundLevel) / 4 : (groundLevel + at.crown) / 2;
    svg.text(hx + 8, labelAt + 5, format("H = %g ft", check.cover()), "load", "start", {{"data-dimension", "H"}});
    // The span, under the invert.
    const double sy = at.invert + 22;
    svg.line(sectionCentre - halfWidth, sy, sectionCentre + halfWidth, sy, "dimension");
    arrowHeadAt(svg, sectionCentre - halfWidth, sy, -1, 0);
    arrowHeadAt(svg, sectionCentre + halfWidth, sy, 1, 0);
    svg.text(sectionCentre, sy + 17, format(roundPipe ? "Diameter %g in." : "Span %g in.", span), "caption", "middle");
    if (roundPipe) return;
    const double rx = sectionCentre - halfWidth - 22;
    svg.line(rx, at.crown, rx, at.invert, "dimension");
    arrowHeadAt(svg, rx, at.crown, 0, -1);
    arrowHeadAt(svg, rx, at.invert, 0, 1);
    svg.upwardText(rx - 6, (at.crown + at.invert) / 2, format("Rise %g in.", rise), "caption", "middle");
}

void drawAxleLoad(SvgWriter& svg, const DesignCheck& check) {
    const auto load = static_cast<std::size_t>(check.liveLoad());
    const std::string name = load < axleLoadNames.size() ? std::string(axleLoadNames[load]) : std::string(check.liveLoadText());
    const double top = groundLevel - 62, tip = groundLevel - 4;
    svg.beginGroup({{"class", "axle-load"}, {"data-load", name}});
    svg.line(sectionCentre, top, sectionCentre, tip - arrowHead, "arrow");
    arrowHeadAt(svg, sectionCentre, tip, 0, 1);
    svg.text(sectionCentre, top - 8, name + " axle load", "load", "middle");
    svg.endGroup();
}

// Returns whether the outline had to be sketched.
bool drawSection(SvgWriter& svg, const DesignCheck& check) {
    const bool roundPipe = check.shape() == StructureShape::RoundPipe;
    const double span = check.result().span;
    const double rise = roundPipe ? span : check.rise();
    const double fill = check.cover() * inchesPerFoot;
    svg.beginGroup({{"class", "section"}});
    drawAxleLoad(svg, check);
    if (!(span > 0) || !(rise > 0) || !std::isfinite(span) || !std::isfinite(rise) || !std::isfinite(fill) ||
        fill < 0) {
        drawGround(svg, {1, groundLevel, groundLevel, false}, 0);
        svg.text(sectionCentre, groundLevel + 80, "The structure cannot be drawn from these dimensions.", "note",
                 "middle");
        svg.endGroup();
        return true;
    }
    const Placement at = placementOf(span, rise, fill);
    drawGround(svg, at, std::max(span, rise));
    bool schematic = false;
    if (roundPipe) {
        const double r = span / 2 * at.scale, cy = (at.crown + at.invert) / 2;
        svg.element("circle", {{"cx", SvgWriter::number(sectionCentre)},
                               {"cy", SvgWriter::number(cy)},
                               {"r", SvgWriter::number(r)},
                               {"class", "outline"}});
    } else {
        const StructureOutline outline = structureOutline(check);
        svg.path(outline.kind == StructureOutline::Kind::FourArcs ? archOutline(outline, at)
                                                                  : ellipseOutline(span, rise, at),
                 "outline");
        schematic = true;
        svg.text(sectionCentre, (at.crown + at.invert) / 2 + 5, "schematic", "note", "middle");
    }
    drawDimensions(svg, check, at, span, rise, roundPipe);
    svg.endGroup();
    return schematic;
}

void drawCheckMark(SvgWriter& svg, double x, double y) {
    svg.path(SvgPath().moveTo(x, y - 4).lineTo(x + 4, y).lineTo(x + 11, y - 10).data(), "ok-mark");
}

void drawCrossMark(SvgWriter& svg, double x, double y) {
    svg.path(SvgPath().moveTo(x, y - 10).lineTo(x + 10, y).moveTo(x, y).lineTo(x + 10, y - 10).data(), "bad-mark");
}

void drawSummary(SvgWriter& svg, const DesignCheck& check) {
    const double rowHeight = 34, top = 92;
    const double boxHeight = 80 + rowHeight * static_cast<double>(check.verdicts().size());
    svg.beginGroup({{"class", "summary"}});
    svg.rect(summaryLeft, top - 26, summaryRight - summaryLeft, boxHeight, "panel");
    svg.text(summaryLeft + 12, top, "Design Check Summary:", "heading");
    double y = top + 34;
    for (const Verdict& verdict : check.verdicts()) {
        const std::string name(summaryCheckTexts[static_cast<std::size_t>(verdict.check)]);
        const std::string said = verdict.ok ? "OK" : "NO GOOD";
        svg.beginGroup({{"class", "verdict"}, {"data-check", name}, {"data-verdict", said}});
        if (verdict.ok) {
            drawCheckMark(svg, summaryLeft + 12, y);
            svg.text(summaryLeft + 32, y, name, "label");
            svg.text(summaryRight - 44, y, said, "label", "middle");
        } else {
            drawCrossMark(svg, summaryLeft + 12, y);
            svg.text(summaryLeft + 32, y, name, "bad-name");
            svg.rect(summaryRight - 80, y - 15, 72, 21, "bad-box");
            svg.text(summaryRight - 44, y, said, "bad", "middle");
        }
        svg.endGroup();
        y += rowHeight;
    }
    svg.text(summaryLeft + 12, y + 6, check.failed() ? checksNotSatisfiedText : allChecksSatisfiedText, "closing");
    svg.endGroup();
}

std::string subtitleOf(const DesignCheck& check) {
    const bool roundPipe = check.shape() == StructureShape::RoundPipe;
    std::string size = roundPipe ? format("%g in.", check.result().span) : format("%g x %g in.", check.result().span, check.rise());
    return format("%s, wall %g in., cover H = %g ft, %s", size, check.wallThickness(), check.cover(),
                  check.methodText());
}

std::string descriptionOf(const DesignCheck& check, bool schematic) {
    const auto load = static_cast<std::size_t>(check.liveLoad());
    std::string text = format("Cross-section of the %s, %s, under H = %g ft of fill with the %s axle load%s.",
                              check.shapeText(), subtitleOf(check), check.cover(),
                              load < axleLoadNames.size() ? axleLoadNames[load] : check.liveLoadText(),
                              schematic ? "; the outline is schematic" : "");
    text += " Design Check Summary:";
    for (const Verdict& verdict : check.verdicts())
        text += format(" %s %s;", summaryCheckTexts[static_cast<std::size_t>(verdict.check)],
                       verdict.ok ? "OK" : "NO GOOD");
    text += format(" %s", check.failed() ? checksNotSatisfiedText : allChecksSatisfiedText);
    return text;
}

}  // namespace

std::string drawDesignCheckPicture(const DesignCheck& check) {
    const std::string title = format("Design check: %s, %s", check.shapeText(), check.profileText());
    // The section is drawn first to learn whether it is a sketch; the text
    // alternative says so too.
    const bool roundPipe = check.shape() == StructureShape::RoundPipe;
    SvgWriter svg(width, height, title, descriptionOf(check, !roundPipe), styleSheet);
    svg.text(sectionLeft, 30, title, "title");
    svg.text(sectionLeft, 52, subtitleOf(check), "subtitle");
    const bool schematic = drawSection(svg, check);
    drawSummary(svg, check);
    std::string caption = format("Soil density %g pcf; %s installation; %s corrugation.", check.soilDensity(),
                                 check.installationTypeText(), check.corrugationTypeText());
    if (schematic && !roundPipe)
        caption += " Outline schematic: the catalog gives span, rise, top and corner radii, not the invert radius.";
    double y = height - 34;
    for (const std::string& line : wrappedLines(caption, 120)) {
        svg.text(sectionLeft, y, line, "caption");
        y += 15;
    }
    return svg.finish();
}

}  // namespace csp::designcheck
