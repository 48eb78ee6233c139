#include "tests/designcheck/check_inputs.h"

#include <algorithm>

namespace csp::designcheck {

void store(const CheckInputs& inputs, DesignCheck& check) {
    check.setShape(static_cast<int>(inputs.shape));
    check.setProfile(static_cast<int>(inputs.profile));
    check.setLiveLoad(static_cast<int>(inputs.liveLoad));
    check.setMethod(static_cast<int>(inputs.method));
    check.setCover(inputs.cover);
    check.setSoilDensity(inputs.soilDensity);
    check.setAllowableCornerPressure(inputs.cornerPressure);
    check.setCornerRadius(inputs.cornerRadius);
    check.setSpan(inputs.span);
    check.setSizeIndex(inputs.sizeIndex);
    check.setThicknessIndex(inputs.thicknessIndex);
    check.setCorrugationType(inputs.corrugation);
    check.setInstallationType(inputs.installation);
    check.setReduction(inputs.reductionFactor > 0.0, inputs.reductionFactor);
}

std::vector<std::string> reportOf(const CheckInputs& inputs) {
    DesignCheck check;
    store(inputs, check);
    check.run();
    return check.reportLines().lines();
}

DesignCheckResult resultOf(const CheckInputs& inputs) {
    DesignCheck check;
    store(inputs, check);
    return computeDesignCheck(check);
}

namespace {
bool isHeading(const std::string& line) { return !line.empty() && line[0] != ' '; }
}  // namespace

std::vector<std::string> blockOf(const std::vector<std::string>& report, std::string_view title) {
    auto begin = std::find(report.begin(), report.end(), title);
    if (begin == report.end()) return {};
    auto end = std::find_if(begin + 1, report.end(), isHeading);
    while (end > begin && *(end - 1) == " ") --end;
    return {begin, end};
}

bool contains(const std::vector<std::string>& lines, std::string_view line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

}  // namespace csp::designcheck
