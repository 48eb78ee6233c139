// The run of a design check: every value computed first, then the report
// written from them: banner, Input Data, the summary of verdicts, the
// blocks, and the page break.
#include <algorithm>

#include "designcheck/design_check_run.h"
#include "shell/number_format.h"

namespace csp::designcheck {

const CheckResult* DesignCheckResult::find(SummaryCheck check) const {
    for (const CheckResult& result : checks)
        if (result.check == check) return &result;
    return nullptr;
}

const CheckResult* DesignCheckResult::governing() const {
    const CheckResult* worst = nullptr;
    for (const CheckResult& result : checks)
        if (!worst || result.ratio() > worst->ratio()) worst = &result;
    return worst;
}

DesignCheckResult computeDesignCheck(const DesignCheck& check) {
    DesignCheckResult r;
    r.span = check.effectiveSpan();
    r.loads = computeLoads(check, r.span);
    r.buckling = computeBuckling(check, r.span);
    r.area = computeArea(check, r.loads, r.buckling);
    r.seam = computeSeam(check, r.loads);
    r.handling = computeHandling(check, r.span);
    r.cover = computeCover(check, r.span);
    r.corner = computeCorner(check, r.span);

    // Each verdict compares what its block prints: the seam strength must
    // exceed the need, FF (rounded) stay below its limit, Pc (rounded) below
    // the allowable; the cover must reach the larger of Hm and Hmin.
    r.checks.push_back({SummaryCheck::CrossSectionalArea, r.area.required, r.area.provided,
                        r.area.provided >= r.area.required});
    if (r.seam)
        r.checks.push_back(
            {SummaryCheck::SeamStrength, r.seam->required, r.seam->provided, r.seam->provided > r.seam->required});
    if (r.handling)
        r.checks.push_back({SummaryCheck::HandlingAndInstallation, r.handling->flexibility, r.handling->limit,
                            r.handling->flexibility < r.handling->limit});
    r.checks.push_back({SummaryCheck::MinimumCover, std::max<double>(r.cover.leastCover, r.cover.minimumCover),
                        check.cover(), r.cover.ok});
    if (r.corner)
        r.checks.push_back({SummaryCheck::CornerBearingPressure, r.corner->pressure, r.corner->allowable,
                            r.corner->pressure < r.corner->allowable});
    r.failed = std::any_of(r.checks.begin(), r.checks.end(), [](const CheckResult& c) { return !c.ok; });
    return r;
}

namespace {

void appendInputData(const DesignCheck& check, const DesignCheckResult& result, ReportListing& report) {
    report.append(" ");
    report.append("Input Data");
    report.append(format("    Structure Shape:      %s", check.shapeText()));
    report.append(format("    Profile:              %s", check.profileText()));
    report.append(format("    Diameter or Span, s:  %g in.", result.span));
    if (check.shape() == StructureShape::PipeArch || check.shape() == StructureShape::Underpass)
        report.append(format("    Rise:                 %g in.", check.rise()));
    report.append(format("    Thickness:            %g in.", check.wallThickness()));
    report.append(format("    Corrugation Type:     %s", check.corrugationTypeText()));
    report.append(format("    Soil Density, w:      %g pcf", check.soilDensity()));
    report.append(format("    Live Load:            %s", check.liveLoadText()));
    report.append(format("    Cover, H:             %g ft", check.cover()));
    report.append(format("    Installation Type:    %s", check.installationTypeText()));
    report.append(format("    Design Method:        %s", check.methodText()));
    if (check.reductionApplied()) report.append(format("    Load Reduction Factor: %g", check.reductionFactor()));
}

void appendSummary(const DesignCheckResult& result, ReportListing& report) {
    report.append(" ");
    report.append("Design Check Summary:");
    for (const CheckResult& c : result.checks)
        report.append(format("    %-33s%s", summaryCheckTexts[static_cast<std::size_t>(c.check)], verdictText(c.ok)));
    report.append(" ");
    report.append(std::string(result.failed ? checksNotSatisfiedText : allChecksSatisfiedText));
}

}  // namespace

int writeDesignCheckReport(const DesignCheck& check, const DesignCheckResult& result, ReportListing& report) {
    report.clear();
    report.append("                               Verrick");
    appendInputData(check, result, report);
    appendSummary(result, report);

    // First printed page: loads and buckling.
    appendLoadBlocks(check, result, report);
    appendBucklingBlock(check, result, report);
    const int pageBreakLine = static_cast<int>(report.count());

    // Second printed page: the checks with verdicts.
    appendAreaBlock(check, result, report);
    appendSeamBlock(check, result, report);
    appendHandlingBlock(check, result, report);
    appendCoverBlock(check, result, report);
    appendCornerBlock(check, result, report);
    return pageBreakLine;
}

void DesignCheck::run() {
    result_ = computeDesignCheck(*this);
    pageBreakLine_ = writeDesignCheckReport(*this, result_, reportLines_);
}

void DesignCheck::compute() {
    result_ = computeDesignCheck(*this);
    reportLines_.clear();
}

}  // namespace csp::designcheck
