#include "filltables/fill_table_chart.h"

#include <algorithm>
#include <cmath>

#include "filltables/arch_tables.h"
#include "filltables/wizard_choices.h"
#include "filltables/wizard_page_texts.h"
#include "shell/number_format.h"
#include "shell/svg_writer.h"

namespace csp {
namespace {

constexpr double width = 900, height = 640;
constexpr double plotLeft = 80, plotRight = 680, plotTop = 84;
constexpr double legendLeft = 700;
constexpr double tickLength = 5;
constexpr double markerSize = 4;
constexpr double inchesPerFoot = 12;
constexpr double poundsPerTon = 2000;
constexpr std::size_t captionWidth = 130;

constexpr std::string_view styleSheet =
    "text{font-family:'Liberation Sans',Arial,Helvetica,sans-serif;font-size:12px;fill:#000}"
    ".background{fill:#fff}.title{font-size:16px;font-weight:bold}.subtitle{font-size:13px}"
    ".axis{stroke:#000;stroke-width:1.2;fill:none}.grid{stroke:#ccc;stroke-width:0.6;fill:none}"
    ".label{font-size:11px}.axis-title{font-size:13px}.caption{font-size:11px}"
    ".minimum{fill:none;stroke:#555;stroke-width:2;stroke-dasharray:9 5}"
    ".legend-box{fill:#fff;stroke:#000;stroke-width:0.8}.note{font-size:13px;font-style:italic}"
    ".s0{stroke:#000;fill:none;stroke-width:1.8;marker:url(#marker0)}.m0{stroke:#000;fill:#000}"
    ".s1{stroke:#1f4e9c;fill:none;stroke-width:1.8;stroke-dasharray:2 3;marker:url(#marker1)}"
    ".m1{stroke:#1f4e9c;fill:#fff;stroke-width:1.4}"
    ".s2{stroke:#a33;fill:none;stroke-width:1.8;stroke-dasharray:12 4;marker:url(#marker2)}.m2{stroke:#a33;fill:#a33}"
    ".s3{stroke:#2a7a2a;fill:none;stroke-width:1.8;stroke-dasharray:12 3 2 3;marker:url(#marker3)}"
    ".m3{stroke:#2a7a2a;fill:#fff;stroke-width:1.4}"
    ".s4{stroke:#7a3d8c;fill:none;stroke-width:1.8;stroke-dasharray:6 3;marker:url(#marker4)}"
    ".m4{stroke:#7a3d8c;fill:#7a3d8c}"
    ".s5{stroke:#8c5a00;fill:none;stroke-width:1.8;stroke-dasharray:1 2;marker:url(#marker5)}"
    ".m5{stroke:#8c5a00;fill:#fff;stroke-width:1.4}"
    ".s6{stroke:#333;fill:none;stroke-width:3;marker:url(#marker6)}.m6{stroke:#333;fill:none;stroke-width:1.4}"
    ".key{marker-start:none;marker-end:none}";

// Marker shapes, one per column, so that lines stay apart without colour.
enum class Marker { Circle, Square, Triangle, Diamond, Cross, DownTriangle, Plus };
constexpr std::array<Marker, mostTableColumns> markers = {Marker::Circle,   Marker::Square,       Marker::Triangle,
                                                          Marker::Diamond,  Marker::DownTriangle, Marker::Cross,
                                                          Marker::Plus};
// The style sheet's classes of each column's line and marker, and the
// markers' ids.
constexpr std::array<std::string_view, mostTableColumns> seriesClasses = {"s0", "s1", "s2", "s3", "s4", "s5", "s6"};
constexpr std::array<std::string_view, mostTableColumns> markerClasses = {"m0", "m1", "m2", "m3", "m4", "m5", "m6"};
constexpr std::array<std::string_view, mostTableColumns> markerIds = {"marker0", "marker1", "marker2", "marker3",
                                                                      "marker4", "marker5", "marker6"};

std::string markerPath(Marker marker, double x, double y) {
    const double r = markerSize;
    SvgPath path;
    switch (marker) {
    case Marker::Circle: path.moveTo(x - r, y).arcTo(r, true, true, x + r, y).arcTo(r, true, true, x - r, y); break;
    case Marker::Square: path.moveTo(x - r, y - r).lineTo(x + r, y - r).lineTo(x + r, y + r).lineTo(x - r, y + r); break;
    case Marker::Triangle: path.moveTo(x, y - r * 1.2).lineTo(x + r, y + r).lineTo(x - r, y + r); break;
    case Marker::DownTriangle: path.moveTo(x, y + r * 1.2).lineTo(x + r, y - r).lineTo(x - r, y - r); break;
    case Marker::Diamond: path.moveTo(x, y - r * 1.3).lineTo(x + r * 1.3, y).lineTo(x, y + r * 1.3).lineTo(x - r * 1.3, y); break;
    case Marker::Cross:
        return path.moveTo(x - r, y - r).lineTo(x + r, y + r).moveTo(x - r, y + r).lineTo(x + r, y - r).data();
    case Marker::Plus:
        return path.moveTo(x - r, y).lineTo(x + r, y).moveTo(x, y - r).lineTo(x, y + r).data();
    }
    return path.close().data();
}

// Runs of blanks become one, and the ends are cut: a report line as a label.
std::string labelOf(std::string_view line) {
    std::string label;
    for (char c : line) {
        if (c == ' ' && (label.empty() || label.back() == ' ')) continue;
        label += c;
    }
    if (!label.empty() && label.back() == ' ') label.pop_back();
    return label;
}

// Each column as the legend names it.
std::vector<std::string> columnLabelsOf(const TableValues& values) {
    std::vector<std::string> labels;
    labels.reserve(values.columns.size());
    for (const double column : values.columns)
        labels.push_back(values.kind == TableKind::RoundPipe ? format("%.3f in.", column)
                                                             : format("%g tons/sq ft", column / poundsPerTon));
    return labels;
}

// A cell the table prints as 0 is a wall that is not allowed: as whole
// feet, whatever lies less than a half from 0.
bool drawn(double cover) { return !(std::fabs(cover) < 0.5); }

// Each row as the table names it: a round pipe's span as its cell prints
// it, a pipe-arch's size as span x rise.
std::vector<std::string> rowNamesOf(const TableValues& values) {
    std::vector<std::string> names;
    names.reserve(values.rows.size());
    for (const TableRowValues& row : values.rows)
        names.push_back(values.kind == TableKind::RoundPipe ? wholeNumber(row.span)
                                                            : archSizeText(values.notation, row.span, row.rise));
    return names;
}

// The chart's frame: where values fall on the page.
struct Frame {
    double bottom;
    double xMin, xMax, xStep;  // round pipe: span (in.); pipe-arch: size number
    int xSteps;                // round pipe: from xMin to xMax
    double yMax, yStep;        // ft
    int ySteps;                // from 0 to yMax
    bool bySize;

    double x(double value) const { return plotLeft + (value - xMin) / (xMax - xMin) * (plotRight - plotLeft); }
    double y(double feet) const { return bottom - feet / yMax * (bottom - plotTop); }
};

Frame frameOf(const TableValues& values) {
    Frame frame{};
    frame.bySize = values.kind == TableKind::PipeArch;
    frame.bottom = frame.bySize ? 420 : 470;
    double top = 0.0;
    for (const TableRowValues& row : values.rows) {
        top = std::max(top, row.minimumCover / inchesPerFoot);
        for (std::size_t j = 0; j < values.columns.size(); ++j)
            if (std::isfinite(row.covers[j])) top = std::max(top, row.covers[j]);
    }
    frame.yStep = niceTickStep(top > 0 ? top : 10.0, 8);
    frame.yMax = std::max(1.0, std::ceil(top / frame.yStep)) * frame.yStep;
    // Covers near the largest number (a load reduction factor near 0
    // divides by it) would round the axis up past it: eight plain steps
    // reach the top instead.
    if (!std::isfinite(frame.yMax)) {
        frame.yStep = top / 8;
        frame.yMax = 8 * frame.yStep;
    }
    // Ticks are counted, not summed up to the end, which so near the
    // largest number could never be passed.
    frame.ySteps = static_cast<int>(std::lround(frame.yMax / frame.yStep));
    if (frame.bySize) {
        frame.xMin = -0.5;
        frame.xMax = std::max<double>(1.0, static_cast<double>(values.rows.size())) - 0.5;
        frame.xStep = 1.0;
    } else {
        double first = values.rows.empty() ? 0.0 : values.rows.front().span;
        double last = values.rows.empty() ? 12.0 : values.rows.back().span;
        if (!(last > first)) last = first + 12.0;
        frame.xStep = niceTickStep(last - first, 10);
        frame.xMin = std::floor(first / frame.xStep) * frame.xStep;
        frame.xMax = std::ceil(last / frame.xStep) * frame.xStep;
        if (frame.xMax <= frame.xMin) frame.xMax = frame.xMin + frame.xStep;
        frame.xSteps = static_cast<int>(std::lround((frame.xMax - frame.xMin) / frame.xStep));
    }
    return frame;
}

double xOfRow(const Frame& frame, const TableValues& values, std::size_t row) {
    return frame.bySize ? frame.x(static_cast<double>(row)) : frame.x(values.rows[row].span);
}

void drawAxes(SvgWriter& svg, const Frame& frame, const TableValues& values, const std::vector<std::string>& rowNames) {
    svg.beginGroup({{"class", "axes"}});
    // The grid lines and the ticks each make one path; the labels follow.
    SvgPath grid, ticks;
    for (int step = 0; step <= frame.ySteps; ++step) {
        const double feet = step * frame.yStep;
        const double y = frame.y(feet);
        grid.moveTo(plotLeft, y).lineTo(plotRight, y);
        ticks.moveTo(plotLeft - tickLength, y).lineTo(plotLeft, y);
    }
    if (frame.bySize) {
        for (std::size_t row = 0; row < values.rows.size(); ++row) {
            const double x = frame.x(static_cast<double>(row));
            ticks.moveTo(x, frame.bottom).lineTo(x, frame.bottom + tickLength);
        }
    } else {
        for (int step = 0; step <= frame.xSteps; ++step) {
            const double span = frame.xMin + step * frame.xStep;
            const double x = frame.x(span);
            grid.moveTo(x, plotTop).lineTo(x, frame.bottom);
            ticks.moveTo(x, frame.bottom).lineTo(x, frame.bottom + tickLength);
        }
    }
    svg.path(grid.data(), "grid");
    svg.path(ticks.data(), "axis");
    std::string label;
    for (int step = 0; step <= frame.ySteps; ++step) {
        const double feet = step * frame.yStep;
        label.clear();
        appendGeneralNumber(label, feet);
        svg.text(plotLeft - tickLength - 3, frame.y(feet) + 4, label, "label", "end");
    }
    if (frame.bySize) {
        // Every size gets its label, reading upwards so that neighbours
        // never touch: in a group turned a quarter left about the origin, a
        // text at (-y, x) stands at (x, y).
        svg.beginGroup({{"transform", "rotate(-90)"}});
        for (std::size_t row = 0; row < values.rows.size(); ++row)
            svg.text(-(frame.bottom + tickLength + 3), frame.x(static_cast<double>(row)) + 4, rowNames[row], "label",
                     "end");
        svg.endGroup();
    } else {
        for (int step = 0; step <= frame.xSteps; ++step) {
            const double span = frame.xMin + step * frame.xStep;
            label.clear();
            appendGeneralNumber(label, span);
            svg.text(frame.x(span), frame.bottom + tickLength + 13, label, "label", "middle");
        }
    }
    svg.line(plotLeft, frame.bottom, plotRight, frame.bottom, "axis");
    svg.line(plotLeft, plotTop, plotLeft, frame.bottom, "axis");
    const double middle = (plotLeft + plotRight) / 2;
    double longestSize = 0.0;
    if (frame.bySize)
        for (const std::string& name : rowNames) longestSize = std::max(longestSize, estimatedTextWidth(name, 11));
    if (frame.bySize)
        svg.text(middle, frame.bottom + tickLength + longestSize + 24,
                 values.notation == SizeNotation::Inches ? "Size: span x rise (in.)" : "Size: span x rise (ft-in.)",
                 "axis-title", "middle");
    else
        svg.text(middle, frame.bottom + 40, "Diameter or span (in.)", "axis-title", "middle");
    svg.upwardText(24, (plotTop + frame.bottom) / 2, frame.bySize ? "Maximum cover (ft)" : "Maximum fill height (ft)",
                   "axis-title", "middle");
    svg.endGroup();
}

void drawMinimumCover(SvgWriter& svg, const Frame& frame, const TableValues& values) {
    if (values.rows.empty()) return;
    SvgPath line;
    for (std::size_t row = 0; row < values.rows.size(); ++row) {
        const double x = xOfRow(frame, values, row), y = frame.y(values.rows[row].minimumCover / inchesPerFoot);
        if (row == 0) line.moveTo(x, y); else line.lineTo(x, y);
    }
    svg.path(line.data(), "minimum", {{"data-series", "minimum cover"}});
}

// One column's line, broken where a cell is not drawn, with the column's
// marker at each vertex; the group carries the cells drawn, as the table
// prints them, in the row order.
void drawColumn(SvgWriter& svg, const Frame& frame, const TableValues& values, const std::vector<std::string>& rowNames,
                const std::string& label, std::size_t column) {
    SvgPath line;
    std::string rows, covers;
    bool open = false;
    for (std::size_t row = 0; row < values.rows.size(); ++row) {
        const double cover = values.rows[row].covers[column];
        if (!drawn(cover)) {
            open = false;
            continue;
        }
        const double x = xOfRow(frame, values, row), y = frame.y(cover);
        if (open) line.lineTo(x, y); else line.moveTo(x, y);
        open = true;
        if (!covers.empty()) {
            rows += ';';
            covers += ';';
        }
        rows += rowNames[row];
        appendWholeNumber(covers, cover);
    }
    svg.beginGroup({{"class", "series"},
                    {"data-column", label},
                    {values.kind == TableKind::RoundPipe ? "data-spans" : "data-sizes", rows},
                    {"data-covers", covers}});
    if (!line.data().empty()) svg.path(line.data(), seriesClasses[column]);
    svg.endGroup();
}

void drawLegend(SvgWriter& svg, const TableValues& values, const std::vector<std::string>& columnLabels) {
    const double rowHeight = 22;
    const double boxHeight = 40 + rowHeight * static_cast<double>(values.columns.size() + 1);
    svg.beginGroup({{"class", "legend"}});
    svg.rect(legendLeft, plotTop, width - legendLeft - 12, boxHeight, "legend-box");
    svg.text(legendLeft + 10, plotTop + 20,
             values.kind == TableKind::RoundPipe ? "Wall thickness" : "Corner bearing pressure", "subtitle");
    double y = plotTop + 44;
    for (std::size_t j = 0; j < values.columns.size() && j < mostTableColumns; ++j, y += rowHeight) {
        // The column's line with its marker in the middle.
        svg.path(SvgPath().moveTo(legendLeft + 10, y - 4).lineTo(legendLeft + 30, y - 4).lineTo(legendLeft + 50, y - 4).data(),
                 std::string(seriesClasses[j]) + " key");
        svg.text(legendLeft + 58, y, columnLabels[j], "label");
    }
    svg.path(SvgPath().moveTo(legendLeft + 10, y - 4).lineTo(legendLeft + 50, y - 4).data(), "minimum");
    svg.text(legendLeft + 58, y, "Minimum cover", "label");
    svg.endGroup();
}

std::string designText(DesignMethod method) {
    for (std::size_t i = 0; i < selectDesignChoices.size(); ++i)
        if (selectDesignChoices[i] == method) return std::string(selectDesignChoiceTexts[i]);
    return "ASD";
}

std::string captionOf(const FillTableRequest& request) {
    const auto conditions = static_cast<std::size_t>(request.conditions());
    std::string caption = "Conditions: " +
                          (conditions < conditionsTexts.size() ? labelOf(conditionsTexts[conditions]) : "?") +
                          "; design: " + designText(request.designMethod()) + "; soil density " +
                          request.soilDensityText() + " pcf; load reduction factor " + request.loadReductionText() +
                          ". ";
    if (request.tableValues().kind == TableKind::PipeArch)
        caption += "Each line is one corner bearing pressure; a size whose cell is 0 is not drawn; "
                   "the dashed line is each size's minimum cover in feet.";
    else
        caption += "Each line ends where its wall is no longer allowed (a cell of 0 is not drawn); "
                   "the dashed line, along the foot of the chart, is each row's minimum cover in feet.";
    return caption;
}

std::string descriptionOf(const FillTableRequest& request, const std::string& title,
                          const std::vector<std::string>& rowNames, const std::vector<std::string>& columnLabels) {
    const TableValues& values = request.tableValues();
    const bool round = values.kind == TableKind::RoundPipe;
    std::string text = title;
    text += round ? ". Maximum fill height in feet against diameter or span in inches, one line per wall thickness."
                  : ". Maximum fill height in feet against size (span x rise), one line per corner bearing pressure.";
    if (values.rows.empty()) return text + " The table has no rows.";
    for (std::size_t j = 0; j < values.columns.size(); ++j) {
        std::size_t first = values.rows.size(), last = 0;
        for (std::size_t row = 0; row < values.rows.size(); ++row)
            if (drawn(values.rows[row].covers[j])) {
                first = std::min(first, row);
                last = row;
            }
        ((text += ' ') += columnLabels[j]) += ": ";
        if (first == values.rows.size()) {
            text += "not allowed for any size.";
            continue;
        }
        const auto where = [&](std::size_t row) {
            text += rowNames[row];
            if (round) text += " in.";
            text += ' ';
            appendWholeNumber(text, values.rows[row].covers[j]);
            text += " ft";
        };
        where(first);
        text += " to ";
        where(last);
        text += '.';
    }
    return text;
}

}  // namespace

std::string drawFillTableChart(const FillTableRequest& request) {
    const TableValues& values = request.tableValues();
    const std::vector<std::string>& lines = request.report().lines();
    const std::string titleLine = lines.size() > 0 ? labelOf(lines[0]) : std::string();
    const std::string loadLine = lines.size() > 1 ? labelOf(lines[1]) : std::string();
    const std::string title = titleLine + ", " + loadLine;

    const std::vector<std::string> rowNames = rowNamesOf(values), columnLabels = columnLabelsOf(values);
    SvgWriter svg(width, height, title, descriptionOf(request, title, rowNames, columnLabels), styleSheet);
    svg.text(plotLeft, 30, titleLine, "title");
    svg.text(plotLeft, 52, loadLine, "subtitle");
    // One marker shape per column, which its line's style sheet puts at
    // every cell.
    svg.begin("defs", {});
    for (std::size_t j = 0; j < values.columns.size() && j < mostTableColumns; ++j) {
        svg.begin("marker", {{"id", markerIds[j]},
                             {"markerUnits", "userSpaceOnUse"},
                             {"markerWidth", "14"},
                             {"markerHeight", "14"},
                             {"viewBox", "-7 -7 14 14"}});
        svg.path(markerPath(markers[j], 0, 0), markerClasses[j]);
        svg.end();
    }
    svg.end();
    const Frame frame = frameOf(values);
    drawAxes(svg, frame, values, rowNames);
    svg.beginGroup({{"class", "plot"}});
    drawMinimumCover(svg, frame, values);
    for (std::size_t j = 0; j < values.columns.size() && j < mostTableColumns; ++j)
        drawColumn(svg, frame, values, rowNames, columnLabels[j], j);
    svg.endGroup();
    if (values.rows.empty())
        svg.text((plotLeft + plotRight) / 2, (plotTop + frame.bottom) / 2, "No size is allowed: the table has no rows.",
                 "note", "middle");
    drawLegend(svg, values, columnLabels);
    double y = height - 48;
    svg.beginGroup({{"class", "caption"}});
    for (const std::string& line : wrappedLines(captionOf(request), captionWidth)) {
        svg.text(plotLeft - 56, y, line, "caption");
        y += 15;
    }
    svg.endGroup();
    return svg.finish();
}

}  // namespace csp
