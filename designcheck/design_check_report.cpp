// The run of a design check and the frame of its report: banner, Input Data,
// the summary of verdicts spliced in after it, and the page break.
#include "designcheck/design_check.h"
#include "shell/number_format.h"

namespace csp::designcheck {

void DesignCheck::appendInputData() {
    reportLines_.append(" ");
    reportLines_.append("Input Data");
    reportLines_.append(format("    Structure Shape:      %s", shapeText()));
    reportLines_.append(format("    Profile:              %s", profileText()));
    reportLines_.append(format("    Diameter or Span, s:  %g in.", span_));
    if (shape_ == StructureShape::PipeArch || shape_ == StructureShape::Underpass)
        reportLines_.append(format("    Rise:                 %g in.", rise()));
    reportLines_.append(format("    Thickness:            %g in.", wallThickness()));
    reportLines_.append(format("    Corrugation Type:     %s", corrugationTypeText()));
    reportLines_.append(format("    Soil Density, w:      %g pcf", soilDensity_));
    reportLines_.append(format("    Live Load:            %s", liveLoadText()));
    reportLines_.append(format("    Cover, H:             %g ft", cover_));
    reportLines_.append(format("    Installation Type:    %s", installationTypeText()));
    reportLines_.append(format("    Design Method:        %s", methodText()));
    if (reductionApplied_) reportLines_.append(format("    Load Reduction Factor: %g", reductionFactor_));
}

void DesignCheck::run() {
    failed_ = false;
    verdicts_.clear();
    reportLines_.clear();
    summaryLines_.clear();

    reportLines_.append("                               Verrick");
    summaryLines_.append(" ");
    summaryLines_.append("Design Check Summary:");

    span_ = effectiveSpan();
    computeLoads();
    computeRadiusOfGyration();

    appendInputData();
    const std::size_t splicePoint = reportLines_.count() - 1;

    // First printed page: loads and buckling.
    appendEarthLoadBlock();
    appendLiveLoadBlock();
    appendPressureBlock();
    appendThrustBlock();
    appendBucklingCheck();
    pageBreakLine_ = static_cast<int>(reportLines_.count());

    // Second printed page: the checks with verdicts.
    appendAreaCheck();
    appendSeamCheck();
    appendHandlingCheck();
    appendMinimumCoverCheck();
    appendCornerBearingCheck();

    summaryLines_.append(" ");
    summaryLines_.append(std::string(failed_ ? checksNotSatisfiedText : allChecksSatisfiedText));
    pageBreakLine_ += static_cast<int>(summaryLines_.count());

    // Last line first, each straight after the Input Data, so that the
    // summary keeps its order.
    while (std::optional<std::string> line = summaryLines_.removeLast())
        reportLines_.insertAfter(splicePoint, std::move(*line));
}

}  // namespace csp::designcheck
