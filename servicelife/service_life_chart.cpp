#include "servicelife/service_life_chart.h"

#include <algorithm>
#include <cmath>

#include "servicelife/service_life_report.h"
#include "shell/number_format.h"
#include "shell/svg_writer.h"

namespace csp {
namespace {

constexpr double width = 900;
constexpr double labelLeft = 20, barLeft = 350, barRight = 820;
constexpr double top = 104, rowPitch = 36, barHeight = 18;
constexpr int yearsPerTick = 10;
constexpr std::string_view aluminumName = "Aluminum Coated Type 2 without non-metallic coating";

constexpr std::string_view styleSheet =
    "text{font-family:'Liberation Sans',Arial,Helvetica,sans-serif;font-size:12px;fill:#000}"
    ".background{fill:#fff}.title{font-size:16px;font-weight:bold}.subtitle{font-size:13px}"
    ".label{font-size:11px}.axis{stroke:#000;stroke-width:1.2;fill:none}.grid{stroke:#ccc;stroke-width:0.6;fill:none}"
    ".galvanized{fill:#555;stroke:#000;stroke-width:1}.add-on{fill:url(#hatch);stroke:#000;stroke-width:1}"
    ".aluminum{fill:url(#dots);stroke:#000;stroke-width:1}"
    ".range{fill:#fff;stroke:#000;stroke-width:1;stroke-dasharray:4 3}"
    ".hatch-line{stroke:#000;stroke-width:1.2}.dot{fill:#000}"
    ".limit{stroke:#000;stroke-width:2.5;stroke-dasharray:8 4}.total{font-weight:bold}"
    ".axis-title{font-size:13px}.caption{font-size:11px}";

double xOf(double years, double axisYears) { return barLeft + years / axisYears * (barRight - barLeft); }

// Fills that set the add-on life and the aluminum coated life apart
// without colour: diagonal lines and dots.
void drawPatterns(SvgWriter& svg) {
    svg.begin("defs", {});
    defineHatchPattern(svg, "hatch");
    svg.begin("pattern", {{"id", "dots"}, {"width", "5"}, {"height", "5"}, {"patternUnits", "userSpaceOnUse"}});
    svg.element("rect", {{"width", "5"}, {"height", "5"}, {"fill", "#fff"}});
    svg.element("circle", {{"cx", "2.5"}, {"cy", "2.5"}, {"r", "1.1"}, {"class", "dot"}});
    svg.end();
    svg.end();
}

// A bar's total stands just past its end; one that would run into the
// limit line (97 beside the 100-year line) stands past the line instead.
double totalLabelX(double barEnd, const std::string& total, double axisYears) {
    constexpr double digitWidth = 7.5;  // of the total's bold 12 px digits
    const double limit = xOf(maximumTotalLife, axisYears);
    const double start = barEnd + 6;
    const double end = start + digitWidth * static_cast<double>(total.size());
    return start < limit && end > limit - 2 ? limit + 4 : start;
}

void drawBar(SvgWriter& svg, const CoatingRow& row, double y, double axisYears) {
    const std::string total = wholeNumber(row.total);
    svg.beginGroup({{"class", "bar"},
                    {"data-coating", coatingName(row)},
                    {"data-galvanized", wholeNumber(row.galvanized)},
                    {"data-add-on", wholeNumber(row.addOn)},
                    {"data-total", total}});
    if (row.nameContinued.empty()) {
        svg.text(labelLeft, y + 4, row.name, "label");
    } else {
        svg.text(labelLeft, y - 2, row.name, "label");
        svg.text(labelLeft + 12, y + 11, row.nameContinued, "label");
    }
    const double galvanizedEnd = xOf(row.galvanized, axisYears);
    // The add-on shown is what the total keeps of it under the limit.
    const double addOnEnd = xOf(std::max(row.total, row.galvanized), axisYears);
    svg.rect(barLeft, y - barHeight / 2, galvanizedEnd - barLeft, barHeight, "galvanized");
    if (addOnEnd > galvanizedEnd) svg.rect(galvanizedEnd, y - barHeight / 2, addOnEnd - galvanizedEnd, barHeight, "add-on");
    svg.text(totalLabelX(addOnEnd, total, axisYears), y + 4, total, "total");
    svg.endGroup();
}

void drawAluminumBar(SvgWriter& svg, int life, double y, double axisYears) {
    const bool ranged = life < aluminumCoatedType2Ceiling;
    const std::string total = ranged ? format("%d to %d", life, aluminumCoatedType2Ceiling)
                                     : format("%d", aluminumCoatedType2Ceiling);
    svg.beginGroup({{"class", "bar"}, {"data-coating", std::string(aluminumName)}, {"data-total", total}});
    svg.text(labelLeft, y - 2, "Aluminum Coated Type 2", "label");
    svg.text(labelLeft + 12, y + 11, "without non-metallic coating", "label");
    const double lifeEnd = xOf(ranged ? life : aluminumCoatedType2Ceiling, axisYears);
    svg.rect(barLeft, y - barHeight / 2, lifeEnd - barLeft, barHeight, "aluminum");
    const double end = xOf(aluminumCoatedType2Ceiling, axisYears);
    if (ranged) svg.rect(lifeEnd, y - barHeight / 2, end - lifeEnd, barHeight, "range");
    svg.text(end + 6, y + 4, total, "total");
    svg.endGroup();
}

void drawAxis(SvgWriter& svg, double bottom, double axisYears) {
    svg.beginGroup({{"class", "axes"}});
    SvgPath grid, ticks;
    for (int years = 0; years <= axisYears; years += yearsPerTick) {
        const double x = xOf(years, axisYears);
        grid.moveTo(x, top - 24).lineTo(x, bottom);
        ticks.moveTo(x, bottom).lineTo(x, bottom + 5);
    }
    svg.path(grid.data(), "grid");
    svg.path(ticks.moveTo(barLeft, top - 24).lineTo(barLeft, bottom).lineTo(barRight, bottom).data(), "axis");
    for (int years = 0; years <= axisYears; years += yearsPerTick)
        svg.text(xOf(years, axisYears), bottom + 18, wholeNumber(years), "label", "middle");
    svg.text((barLeft + barRight) / 2, bottom + 38, "Service life (years)", "axis-title", "middle");
    const double limit = xOf(maximumTotalLife, axisYears);
    svg.line(limit, top - 30, limit, bottom, "limit");
    svg.text(limit, top - 36, wholeNumber(maximumTotalLife) + "-year limit", "label", "middle");
    svg.endGroup();
}

void drawLegend(SvgWriter& svg, double y, bool aluminum) {
    svg.beginGroup({{"class", "legend"}});
    svg.rect(barLeft, y - 11, 26, 13, "galvanized");
    svg.text(barLeft + 32, y, "Galvanized life", "label");
    svg.rect(barLeft + 150, y - 11, 26, 13, "add-on");
    svg.text(barLeft + 182, y, "Coating add-on life", "label");
    if (aluminum) {
        svg.rect(barLeft + 320, y - 11, 26, 13, "aluminum");
        svg.text(barLeft + 352, y, "Aluminum coated life", "label");
    }
    svg.endGroup();
}

// The chart's subtitle: the entries the lives are estimated for.
std::string conditionsOf(const ServiceLifeInput& input) {
    std::string text = "Thickness ";
    (((text += gageOf(input).listText) += ", resistivity ") += input.resistivityText) += " ohm-cm, pH ";
    return text += input.phText;
}

std::string descriptionOf(const std::string& heading, const std::string& conditions,
                          const std::vector<CoatingRow>& rows, bool note, int life) {
    std::string text;
    text.reserve(2048);
    ((((text += "Chart of the service life by coating. ") += heading) += ' ') += conditions) += '.';
    for (const CoatingRow& row : rows) {
        (((text += ' ') += coatingName(row)) += ": galvanized ") += wholeNumber(row.galvanized);
        ((text += " + add-on ") += wholeNumber(row.addOn)) += " years, total ";
        (text += wholeNumber(row.total)) += " years.";
    }
    if (note)
        text += life < aluminumCoatedType2Ceiling ? format(" %s: %d to %d years.", aluminumName, life, aluminumCoatedType2Ceiling)
                                                  : format(" %s: %d years.", aluminumName, aluminumCoatedType2Ceiling);
    return text + format(" No total is taken above %d years.", maximumTotalLife);
}

}  // namespace

std::string drawServiceLifeChart(const ServiceLifeInput& input) {
    const std::vector<CoatingRow> rows = coatingRows(input);
    const bool note = aluminumCoatedType2NoteApplies(input);
    const int aluminumLife = aluminumCoatedType2Life(input);
    const std::size_t bars = rows.size() + (note ? 1 : 0);
    const double bottom = top + rowPitch * static_cast<double>(bars) - rowPitch / 2 + 8;
    const double height = bottom + 110;
    int longest = maximumTotalLife + yearsPerTick;
    for (const CoatingRow& row : rows) longest = std::max(longest, row.galvanized + 5);
    const double axisYears = std::ceil(longest / double(yearsPerTick)) * yearsPerTick;

    const std::string heading = coatingTableHeading(input);
    const std::string title = "Service life: " + heading.substr(0, heading.size() - 1);
    const std::string conditions = conditionsOf(input);
    SvgWriter svg(width, height, title, descriptionOf(heading, conditions, rows, note, aluminumLife), styleSheet);
    drawPatterns(svg);
    svg.text(labelLeft, 30, title, "title");
    svg.text(labelLeft, 52, conditions, "subtitle");
    drawAxis(svg, bottom, axisYears);
    double y = top;
    for (const CoatingRow& row : rows) {
        drawBar(svg, row, y, axisYears);
        y += rowPitch;
    }
    if (note) drawAluminumBar(svg, aluminumLife, y, axisYears);
    drawLegend(svg, bottom + 62, note);
    svg.text(labelLeft, bottom + 90,
             format("Each total is the galvanized life plus the coating's add-on life, taken as at most %d years.",
                    maximumTotalLife),
             "caption");
    return svg.finish();
}

}  // namespace csp
