#include "selection/selection_chart.h"

#include <algorithm>
#include <cmath>

#include "designcheck/design_check_result.h"
#include "shell/number_format.h"
#include "shell/svg_writer.h"

namespace csp::selection {
namespace {

constexpr double width = 960;
constexpr double labelLeft = 20, barLeft = 300, barRight = 580, lifeLeft = 595;
constexpr double top = 104, rowPitch = 40, barHeight = 18;
constexpr int mostTicks = 6;

constexpr std::string_view styleSheet =
    "text{font-family:'Liberation Sans',Arial,Helvetica,sans-serif;font-size:12px;fill:#000}"
    ".background{fill:#fff}.title{font-size:16px;font-weight:bold}.subtitle{font-size:13px}"
    ".label{font-size:11px}.axis{stroke:#000;stroke-width:1.2;fill:none}.grid{stroke:#ccc;stroke-width:0.6;fill:none}"
    ".galvanized{fill:#555;stroke:#000;stroke-width:1}.protected{fill:url(#hatch);stroke:#000;stroke-width:1}"
    ".short{fill:#fff;stroke:#000;stroke-width:1;stroke-dasharray:4 3}"
    ".hatch-line{stroke:#000;stroke-width:1.2}.chosen{font-weight:bold}.none{font-style:italic}"
    ".axis-title{font-size:13px}.caption{font-size:11px}";

// How a bar is filled: galvanizing alone lasts the design life, something
// listed does with it, or nothing listed does.
std::string_view fillOf(const Alternative& alternative) {
    if (alternative.reaching.empty()) return "short";
    return alternative.reaching.front().name == galvanizedName ? "galvanized" : "protected";
}

// What a bar is marked with: the galvanized life and what lasts the design
// life, or why the profile has no wall.
std::string markOf(const Alternative& alternative, int designLife) {
    if (!alternative.carries()) return "no wall";
    const std::string text = format("galvanized %d yr", alternative.galvanizedLife);
    if (alternative.reaching.empty()) return text + format("; nothing lasts %d yr", designLife);
    if (fillOf(alternative) == "galvanized") return text + format(" >= %d", designLife);
    const std::size_t count = alternative.reaching.size();
    return text + format("; %d protection%s last%s %d yr", static_cast<int>(count), count == 1 ? "" : "s",
                         count == 1 ? "s" : "", designLife);
}

std::string labelOf(const Alternative& alternative) {
    std::string label = alternative.profile + ", " + alternative.size;
    if (alternative.thickness) label += format(", %g in.", *alternative.thickness);
    return label;
}

void drawPattern(SvgWriter& svg) {
    svg.begin("defs", {});
    defineHatchPattern(svg, "hatch");
    svg.end();
}

struct Axis {
    double most, step;
    double x(double pounds) const { return barLeft + pounds / most * (barRight - barLeft); }
};

Axis axisOf(const SelectionResult& result) {
    double heaviest = 1;
    for (const Alternative& alternative : result.alternatives)
        if (std::isfinite(alternative.steelWeight)) heaviest = std::max(heaviest, alternative.steelWeight);
    const double step = niceTickStep(heaviest, mostTicks);
    return {std::ceil(heaviest / step) * step, step};
}

void drawAxis(SvgWriter& svg, const Axis& axis, double bottom) {
    svg.beginGroup({{"class", "axes"}});
    SvgPath grid, ticks;
    for (double pounds = 0; pounds <= axis.most + axis.step / 2; pounds += axis.step) {
        grid.moveTo(axis.x(pounds), top - 24).lineTo(axis.x(pounds), bottom);
        ticks.moveTo(axis.x(pounds), bottom).lineTo(axis.x(pounds), bottom + 5);
    }
    svg.path(grid.data(), "grid");
    svg.path(ticks.moveTo(barLeft, top - 24).lineTo(barLeft, bottom).lineTo(barRight, bottom).data(), "axis");
    for (double pounds = 0; pounds <= axis.most + axis.step / 2; pounds += axis.step) {
        std::string tick;
        appendGeneralNumber(tick, pounds);
        svg.text(axis.x(pounds), bottom + 18, tick, "label", "middle");
    }
    svg.text((barLeft + barRight) / 2, bottom + 38, "Bare steel per foot (lb/ft)", "axis-title", "middle");
    svg.endGroup();
}

void drawBar(SvgWriter& svg, const Alternative& alternative, bool chosen, int designLife, double y, const Axis& axis) {
    const std::string mark = markOf(alternative, designLife);
    svg.beginGroup({{"class", "bar"},
                    {"data-profile", alternative.profile},
                    {"data-steel", alternative.carries() ? format("%.1f", alternative.steelWeight) : std::string()},
                    {"data-life", alternative.carries() ? wholeNumber(alternative.galvanizedLife) : std::string()},
                    {"data-chosen", chosen ? "yes" : "no"}});
    std::string label = chosen ? std::string("> ") : std::string();
    label += labelOf(alternative);
    svg.text(labelLeft, y + 4, label, chosen ? "chosen" : "label");
    if (alternative.carries()) {
        svg.rect(barLeft, y - barHeight / 2, axis.x(alternative.steelWeight) - barLeft, barHeight, fillOf(alternative));
        svg.text(lifeLeft, y + 4, format("%s%.1f lb/ft; %s", alternative.weightApproximate ? "~" : "",
                                         alternative.steelWeight, mark),
                 chosen ? "chosen" : "label");
    } else {
        svg.text(barLeft + 6, y + 4, mark, "none");
    }
    svg.endGroup();
}

void drawLegend(SvgWriter& svg, double y, int designLife) {
    svg.beginGroup({{"class", "legend"}});
    svg.rect(labelLeft, y - 11, 26, 13, "galvanized");
    svg.text(labelLeft + 32, y, format("Galvanized lasts %d years", designLife), "label");
    svg.rect(labelLeft + 230, y - 11, 26, 13, "protected");
    svg.text(labelLeft + 262, y, "A coating or Aluminum Coated Type 2 lasts it", "label");
    svg.rect(labelLeft + 530, y - 11, 26, 13, "short");
    svg.text(labelLeft + 562, y, "Nothing listed lasts it", "label");
    svg.endGroup();
}

std::string descriptionOf(const SelectionResult& result, const std::string& subtitle) {
    std::string text = "Chart of the steel per foot of each alternative, lightest first. " + subtitle + ".";
    for (const Alternative& alternative : result.alternatives) {
        ((text += ' ') += labelOf(alternative)) += ": ";
        if (alternative.carries()) text += format("%.1f lb/ft, ", alternative.steelWeight);
        (text += markOf(alternative, result.site.designLife)) += '.';
    }
    if (const Alternative* chosen = result.chosen()) ((text += " Chosen: ") += labelOf(*chosen)) += '.';
    return text;
}

std::string subtitleOf(const Site& site) {
    return format("%s, %s in. span, cover %g to %g ft, %s, %s, design life %d years",
                  designcheck::shapeTexts[static_cast<std::size_t>(site.shape)], site.spanText, site.minCover,
                  site.maxCover, site.liveLoad, site.method, site.designLife);
}

}  // namespace

std::string drawSelectionChart(const SelectionResult& result) {
    const double bottom = top + rowPitch * static_cast<double>(result.alternatives.size()) - rowPitch / 2 + 8;
    const double height = bottom + 110;
    const Axis axis = axisOf(result);
    const std::string title = "Pipe selection: steel and life of each alternative";
    const std::string subtitle = subtitleOf(result.site);
    SvgWriter svg(width, height, title, descriptionOf(result, subtitle), styleSheet);
    drawPattern(svg);
    svg.text(labelLeft, 30, title, "title");
    svg.text(labelLeft, 52, subtitle, "subtitle");
    drawAxis(svg, axis, bottom);
    double y = top;
    for (const Alternative& alternative : result.alternatives) {
        drawBar(svg, alternative, &alternative == result.chosen(), result.site.designLife, y, axis);
        y += rowPitch;
    }
    drawLegend(svg, bottom + 62, result.site.designLife);
    svg.text(labelLeft, bottom + 90,
             "> the lightest that meets both structure and life; ~ approximate: the outline is schematic.", "caption");
    return svg.finish();
}

}  // namespace csp::selection
