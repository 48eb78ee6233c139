#include "filltables/round_tables.h"

#include "filltables/max_cover.h"
#include "shell/number_format.h"

namespace csp {
namespace {

constexpr const char* tableRule = "--------------------------------------------------------------------------";
constexpr std::size_t mostWalls = mostTableColumns;
static_assert([] {
    for (const RoundProfile& profile : roundProfiles)
        if (profile.walls.empty() || profile.walls.size() > mostWalls) return false;
    return true;
}());

void appendSixByTwoTableHeader(ReportListing& report) {
    appendTableHeadTop(report);
    report.append("   In.       In.     0.111   0.140   0.170   0.188   0.218   0.249   0.280");
    report.append(tableRule);
    report.append(" ");
}

// Title, live-load line (E 80 for any value but H 20 and H 25) and header.
void appendHead(ReportListing& report, const RoundProfile& profile, LiveLoad liveLoad) {
    report.append(std::string(profile.title));
    report.append(std::string(profile.liveLoadLine[static_cast<std::size_t>(liveLoadIndex(liveLoad))]));
    if (profile.header == RoundHeader::SixByTwo)
        appendSixByTwoTableHeader(report);
    else
        appendRoundTableHeader(report, static_cast<int>(profile.walls.size()));
}

double minimumCoverOf(const RoundProfile& profile, const FillTableRequest& request, int row, double diameter) {
    const int load = liveLoadIndex(request.liveLoad());
    double c = diameter / profile.spanDivisor[load];
    if (c < profile.coverFloor[load]) c = profile.coverFloor[load];
    const double entry = entryOrZero(profile.rowCover, static_cast<std::size_t>(row));
    if (entry > c) c = entry;
    if (request.conditions() == Conditions::EmbankmentAisi) {
        const double aisiEntry = entryOrZero(profile.aisiEmbankmentRowCover, static_cast<std::size_t>(row));
        if (aisiEntry > c) c = aisiEntry;
    }
    return c;
}

double flexibilityLimitOf(const RoundProfile& profile, const FillTableRequest& request, std::size_t wall,
                          double diameter) {
    const double base = request.flexibilityFactor();
    switch (profile.flexibilityRule) {
    case FlexibilityRule::PerThickness:
        return ribFlexibilityLimit(*profile.ribLimits, request.conditions(), request.trenchType(), wall) *
               profile.ribLimitScale;
    case FlexibilityRule::BySpanUnderAisiTrench:
        return request.conditions() == Conditions::TrenchAisi ? aisiTrenchLimitBySpan(diameter, base) : base;
    case FlexibilityRule::RequestFactor: break;
    }
    return base;
}

// Formats in the table's scratch line, so that each row costs one
// allocation, of its own length.
void appendRow(ReportListing& report, std::string& scratch, const RoundProfile& profile, double diameter,
               double minimumCover, const std::array<double, mostWalls>& covers) {
    const std::array<FormatArg, 2 + mostWalls> args = {diameter,  minimumCover, covers[0], covers[1], covers[2],
                                                        covers[3], covers[4],    covers[5], covers[6]};
    scratch.clear();
    formatArgsTo(scratch, profile.rowFormat, std::span(args).first(2 + profile.walls.size()));
    report.append(std::string(scratch));
}

bool isKnownLiveLoad(LiveLoad liveLoad) {
    return liveLoad == LiveLoad::H20 || liveLoad == LiveLoad::H25 || liveLoad == LiveLoad::E80;
}

}  // namespace

void appendTableHeadTop(ReportListing& report) {
    report.append(tableRule);
    report.append(" ");
    report.append(" Dia. or     Min.    Maximum Cover (ft) for specified thickness (in.)");
    report.append("  Span,     Cover,   -----------------------------------------------------");
}

void appendRoundTableHeader(ReportListing& report, int columns) {
    appendTableHeadTop(report);
    std::string thicknesses = "   In.       In.     0.064     0.079     0.109";
    if (columns > 3) thicknesses += "     0.138";
    if (columns > 4) thicknesses += "     0.168";
    report.append(std::move(thicknesses));
    report.append(tableRule);
    report.append(" ");
}

Outcome computeRoundTable(const FillTableRequest& request, const RoundProfile& profile, TableValues& values) {
    const double w = request.fillDensity();
    const double loadReduction = request.loadReductionFactor();
    if (profile.refusesRailroad && request.liveLoad() == LiveLoad::E80)
        return Outcome::failure("Railroad loadings not available for this product.");
    const double seamSafetyFactor = seamSafetyFactorOf(profile.seamRule, request);

    const std::size_t heaviest = profile.walls.size() - 1;
    values.kind = TableKind::RoundPipe;
    values.columns.resize(profile.walls.size());
    for (std::size_t wall = 0; wall <= heaviest; ++wall) values.columns[wall] = profile.walls[wall].thickness;
    values.rows.reserve(static_cast<std::size_t>(profile.maxRows));
    std::array<double, mostWalls> covers{};
    double lastCellLimit = request.flexibilityFactor();
    double diameter = 0.0;
    for (int row = 0; row < profile.maxRows; ++row) {
        diameter = row == 0 ? profile.firstDiameter : diameter + profile.diameterIncrement;
        if (diameter > profile.lastDiameter) continue;
        if (!isKnownLiveLoad(request.liveLoad())) return Outcome::failure("Input data error. Try again. Code:roundsrp1-1");
        const double minimumCover = minimumCoverOf(profile, request, row, diameter);
        for (std::size_t wall = 0; wall <= heaviest; ++wall) {
            lastCellLimit = flexibilityLimitOf(profile, request, wall, diameter);
            const CellLimits limits = {lastCellLimit, seamSafetyFactor, loadReduction, minimumCover, w};
            covers[wall] = 0.0;
            Outcome computed = computeMaxCover(wallCellOf(request, profile.walls[wall], diameter, limits), covers[wall]);
            if (!computed) return computed;
        }
        // The table ends where even the heaviest wall is too flexible or
        // cannot carry the live load.
        if (covers[heaviest] == 0.0) break;
        values.rows.push_back({diameter, diameter, minimumCover, covers, 0.0});
    }

    // The rib profiles print their limit as a coefficient of I^1/3; the
    // block is handed the last cell's limit all the same.
    const double limit = profile.flexibilityRule == FlexibilityRule::PerThickness ? lastCellLimit
                                                                                 : request.flexibilityFactor();
    values.criteria = {w, loadReduction, limit, seamSafetyFactor, profile.spanDivisor, profile.coverFloor};
    return Outcome::success();
}

void writeRoundTable(const FillTableRequest& request, const RoundProfile& profile, const TableValues& values,
                     ReportListing& report) {
    appendHead(report, profile, request.liveLoad());
    std::string scratch;
    for (const TableRowValues& row : values.rows) appendRow(report, scratch, profile, row.span, row.minimumCover, row.covers);
}

}  // namespace csp
