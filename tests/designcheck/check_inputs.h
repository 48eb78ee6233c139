#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "designcheck/design_check.h"

namespace csp::designcheck {

// The inputs of one structure as the pages would store them.
struct CheckInputs {
    StructureShape shape = StructureShape::RoundPipe;
    Profile profile = Profile::TwoThirdsByHalf;
    int cornerRadius = 0;
    double span = 48.0;  // round pipe
    int sizeIndex = 0;   // pipe-arch and underpass
    int thicknessIndex = 0;
    CheckMethod method = CheckMethod::AstmAsd;
    LiveLoad liveLoad = LiveLoad::H20;
    double soilDensity = 120.0;
    double cover = 1.5;
    double cornerPressure = 4000.0;
    std::string_view corrugation = "Helical";
    std::string_view installation = "Embankment";
    double reductionFactor = 0.0;  // applied when above 0
};

void store(const CheckInputs& inputs, DesignCheck& check);

// The whole report of one run.
std::vector<std::string> reportOf(const CheckInputs& inputs);
// What one run computes.
DesignCheckResult resultOf(const CheckInputs& inputs);

// The block headed by `title`, up to the next heading, without the blank
// lines that end it.
std::vector<std::string> blockOf(const std::vector<std::string>& report, std::string_view title);

bool contains(const std::vector<std::string>& lines, std::string_view line);

}  // namespace csp::designcheck
