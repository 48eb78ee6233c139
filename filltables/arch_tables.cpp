#include "filltables/arch_tables.h"

#include <cmath>

#include "filltables/max_cover.h"
#include "filltables/min_fill_checks.h"
#include "shell/number_format.h"

namespace csp {
namespace {

// Allowable bearing pressures at the corners (psf): 2, 3 and 4 tons per
// square foot, one column each.
constexpr std::array<double, 3> cornerPressures = {4000, 6000, 8000};

// The cover search steps down a foot at a time, at most this often.
constexpr int coverSearchSteps = 50;

// A minimum cover between these (in.) is taken as the lower.
constexpr double coverJustAbove48 = 48.0, coverBelow50 = 50.0;

struct HeaderSet {
    std::array<const char*, 4> lines;
};

constexpr const char* longRule = "--------------------------------------------------------------------------";

constexpr HeaderSet inchHeader = {{
    "  Span x      Min.    Min.  Max. Cover (ft) for Spec. Corner Pressure",
    "   Rise     Thick.  Cover   ----------------------------------------------",
    "    In.       In.     In.   2 Ton/Sq Ft  3 Ton/Sq Ft  4 Ton/Sq Ft",
    longRule,
}};
constexpr HeaderSet ribHeader = {{
    "  Span x      Min.    Min.  Max. Cover (ft) for Spec. Corner Pressure",
    "   Rise     Thick.  Cover   -----------------------------------------",
    "    In.       In.     In.   2 Ton/Sq Ft  3 Ton/Sq Ft  4 Ton/Sq Ft  ",
    "-----------------------------------------------------------------",
}};
constexpr HeaderSet footInchHeader = {{
    "  Span x           Min.    Min.  Max. Cover (ft) for Spec. Corner Pressure",
    "   Rise          Thick.  Cover   -----------------------------------------",
    "   Ft-In.          In.     In.   2 Ton/Sq Ft  3 Ton/Sq Ft  4 Ton/Sq Ft",
    longRule,
}};
constexpr HeaderSet pairedHeader = {{
    "  Span x           Min.  Minimum Cover (in.) & Maximum Cover (ft) ",
    "   Rise          Thick.  -------------------------------------------------",
    "   Ft-In.          In.   2 Ton/Sq Ft  3 Ton/Sq Ft  4 Ton/Sq Ft",
    longRule,
}};

constexpr const char* inchRow = " %3.0f x %-3.0f %7.3f %5.0f      %3.0f    %9.0f    %9.0f";
constexpr const char* footInchRow = " %2i-%-2i x %2i-%-2i%9.3f%6.0f    %5.0f    %9.0f    %9.0f";
constexpr const char* pairedRow = " %2i-%-2i x %2i-%-2i%9.3f    %3.0f %3.0f      %3.0f %3.0f      %3.0f %3.0f";

const HeaderSet& headerOf(ArchLayout layout) {
    switch (layout) {
    case ArchLayout::Rib: return ribHeader;
    case ArchLayout::FootInch: return footInchHeader;
    case ArchLayout::Paired: return pairedHeader;
    case ArchLayout::Inch: break;
    }
    return inchHeader;
}

// Everything a table takes from the request, read once.
struct TableInputs {
    LiveLoad liveLoad;
    std::size_t load;  // row of the per-live-load tables
    ArchLayout layout;
    double modulus;  // E, psi
    double fillDensity;
    double loadReduction;
    double seamSafetyFactor;
    double baseLimit;
};

// Feet and whole inches of a length in inches, as the rows print them.
struct FeetInches {
    int feet, inches;
};
FeetInches feetInchesOf(double inches) {
    const int feet = static_cast<int>(inches / 12);
    return {feet, static_cast<int>(inches - 12 * feet)};
}

double flexibilityLimitOf(const ArchProfile& profile, const FillTableRequest& request, const TableInputs& in,
                          std::size_t thickness, double span) {
    switch (profile.flexibilityRule) {
    case FlexibilityRule::PerThickness:
        return ribFlexibilityLimit(*profile.ribLimits, request.conditions(), request.trenchType(), thickness);
    case FlexibilityRule::BySpanUnderAisiTrench:
        return request.conditions() == Conditions::TrenchAisi ? aisiTrenchLimitBySpan(span, in.baseLimit)
                                                              : in.baseLimit;
    case FlexibilityRule::RequestFactor: break;
    }
    return in.baseLimit;
}

// The lightest wall the size may have: from the starting thickness, one
// step heavier while the flexibility factor D^2 / (E I) exceeds its limit
// and the cap is not reached.
struct Thickness {
    std::size_t index;
    double flexibilityLimit;
};
Thickness chooseThickness(const ArchProfile& profile, const FillTableRequest& request, const TableInputs& in,
                          std::size_t size, std::size_t previous) {
    const int start = profile.startingThickness[in.load][size];
    std::size_t index = start == previousSizeThickness ? previous : static_cast<std::size_t>(start);
    const double span = profile.span[size];
    double limit = flexibilityLimitOf(profile, request, in, index, span);
    while (span > std::sqrt(limit * in.modulus * profile.walls[index].inertia / 12) && index < profile.thicknessCap) {
        ++index;
        limit = flexibilityLimitOf(profile, request, in, index, span);
    }
    return {index, limit};
}

double minimumCoverOf(const ArchProfile& profile, const TableInputs& in, std::size_t size) {
    double c = profile.span[size] / profile.spanDivisor[in.load];
    if (c < profile.coverFloor[in.load]) c = profile.coverFloor[in.load];
    const double entry = profile.rowCover[in.load][size];
    if (entry > c) c = entry;
    if (in.liveLoad == LiveLoad::E80) {
        const double second = entryOrZero(profile.secondRailroadRowCover, size);
        if (second > c) c = second;
    }
    if (profile.coverJustAbove48Is48 && c > coverJustAbove48 && c < coverBelow50) c = coverJustAbove48;
    return c;
}

// Cover bounded by bearing at the corners (ft): Hc = Rc P / (w Rt), raised
// by the load reduction factor when it is at least one span.
double cornerCoverLimit(const ArchProfile& profile, const TableInputs& in, std::size_t size, double pressure) {
    double hc = profile.cornerRadius[size] * pressure / (in.fillDensity * profile.topRadius[size]);
    if (profile.span[size] / 12 <= hc) hc = hc / in.loadReduction;
    return hc;
}

// The corners govern: steps the cover down from Hc a foot at a time until
// the live-load check accepts it, or until it falls below the minimum cover.
double searchCover(const ArchProfile& profile, const TableInputs& in, double minimumCover, double hc, double span) {
    double candidate = hc;
    double equivalentFillHeight = 0.0;
    const double minimumFeet = minimumCover / 12;
    for (int n = 1; n <= coverSearchSteps; ++n) {
        // The check cannot be refused on the covers of these tables.
        (void)archMinFillCheck(in.liveLoad, minimumCover, candidate, equivalentFillHeight, span, in.fillDensity);
        if (candidate > 0) return candidate;
        if (minimumFeet < equivalentFillHeight && equivalentFillHeight < hc) {
            // The live load governs less than the corners: the cover just
            // rejected stands.
            candidate = hc - n + 1;
            if (candidate > 0) return candidate;
        } else if (candidate == 0.0 && minimumFeet < equivalentFillHeight) {
            candidate = hc - n;
        }
        if (profile.searchTakesFirstStepDown && candidate > 0) return candidate;
        if (minimumFeet > candidate) return 0.0;
    }
    return candidate;
}

struct Row {
    double span, rise, thickness, minimumCover;
    std::array<double, 3> covers;
};

// Formats in the table's scratch line, so that each row costs one
// allocation, of its own length.
void appendRow(ReportListing& report, std::string& line, ArchLayout layout, const Row& row) {
    line.clear();
    if (layout == ArchLayout::Inch || layout == ArchLayout::Rib) {
        formatTo(line, inchRow, row.span, row.rise, row.thickness, row.minimumCover, row.covers[0], row.covers[1],
                 row.covers[2]);
    } else {
        const FeetInches span = feetInchesOf(row.span), rise = feetInchesOf(row.rise);
        if (layout == ArchLayout::FootInch) {
            formatTo(line, footInchRow, span.feet, span.inches, rise.feet, rise.inches, row.thickness,
                     row.minimumCover, row.covers[0], row.covers[1], row.covers[2]);
        } else {
            // A column without cover shows no minimum cover either.
            const auto minimumFor = [&row](std::size_t j) { return row.covers[j] == 0.0 ? 0.0 : row.minimumCover; };
            formatTo(line, pairedRow, span.feet, span.inches, rise.feet, rise.inches, row.thickness, minimumFor(0),
                     row.covers[0], minimumFor(1), row.covers[1], minimumFor(2), row.covers[2]);
        }
    }
    report.append(std::string(line));
}

TableInputs readInputs(const ArchProfile& profile, const FillTableRequest& request) {
    const std::size_t load = static_cast<std::size_t>(liveLoadIndex(request.liveLoad()));
    return {request.liveLoad(),
            load,
            profile.layout[load],
            modulusOfElasticity(request.bucklingEquation()),
            request.fillDensity(),
            request.loadReductionFactor(),
            seamSafetyFactorOf(profile.seamRule, request),
            request.flexibilityFactor()};
}

void appendHead(ReportListing& report, const ArchProfile& profile, const TableInputs& in) {
    report.append(std::string(profile.title));
    report.append(std::string(profile.liveLoadLine[in.load]));
    report.append(" ");
    for (const char* line : headerOf(in.layout).lines) report.append(line);
    report.append(" ");
}

}  // namespace

std::string archSizeText(SizeNotation notation, double span, double rise) {
    // "%.0f x %.0f" or "%d-%d x %d-%d", by the formatter's whole-number path.
    std::string text;
    if (notation == SizeNotation::Inches) {
        appendWholeNumber(text, span);
        text += " x ";
        appendWholeNumber(text, rise);
        return text;
    }
    const FeetInches s = feetInchesOf(span), r = feetInchesOf(rise);
    for (const FeetInches& length : {s, r}) {
        if (!text.empty()) text += " x ";
        appendWholeNumber(text, length.feet);
        text += '-';
        appendWholeNumber(text, length.inches);
    }
    return text;
}

Outcome computeArchTable(const FillTableRequest& request, const ArchProfile& profile, TableValues& values) {
    const TableInputs in = readInputs(profile, request);
    values.kind = TableKind::PipeArch;
    values.notation = in.layout == ArchLayout::Inch || in.layout == ArchLayout::Rib ? SizeNotation::Inches
                                                                                    : SizeNotation::FeetInches;
    values.columns.assign(cornerPressures.begin(), cornerPressures.end());
    values.rows.reserve(profile.span.size());

    std::size_t previousThickness = 0;
    double lastLimit = in.baseLimit;
    for (std::size_t size = 0; size < profile.span.size(); ++size) {
        const Thickness thickness = chooseThickness(profile, request, in, size, previousThickness);
        previousThickness = thickness.index;
        lastLimit = thickness.flexibilityLimit;
        const double span = profile.span[size];
        const double minimumCover = minimumCoverOf(profile, in, size);

        // The wall cell is the same for the three columns.
        double wallCover = 0.0;
        const CellLimits limits = {thickness.flexibilityLimit, in.seamSafetyFactor, in.loadReduction, minimumCover,
                                   in.fillDensity};
        Outcome computed = computeMaxCover(wallCellOf(request, profile.walls[thickness.index], span, limits), wallCover);
        if (!computed) return computed;

        std::array<double, mostTableColumns> covers{};
        for (std::size_t j = 0; j < cornerPressures.size(); ++j) {
            const double hc = cornerCoverLimit(profile, in, size, cornerPressures[j]);
            covers[j] = hc > wallCover ? wallCover : searchCover(profile, in, minimumCover, hc, span);
        }
        values.rows.push_back({span, profile.rise[size], minimumCover, covers, profile.walls[thickness.index].thickness});
    }

    const double limit = profile.flexibilityRule == FlexibilityRule::PerThickness ? lastLimit : in.baseLimit;
    values.criteria = {in.fillDensity, in.loadReduction, limit, in.seamSafetyFactor, profile.spanDivisor,
                       profile.coverFloor};
    return Outcome::success();
}

void writeArchTable(const FillTableRequest& request, const ArchProfile& profile, const TableValues& values,
                    ReportListing& report) {
    const TableInputs in = readInputs(profile, request);
    appendHead(report, profile, in);
    std::string scratch;
    for (const TableRowValues& row : values.rows)
        appendRow(report, scratch, in.layout,
                  {row.span, row.rise, row.thickness, row.minimumCover, {row.covers[0], row.covers[1], row.covers[2]}});
}

}  // namespace csp
