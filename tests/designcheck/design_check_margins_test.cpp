#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iostream>
#include <map>
#include <set>
#include <string>

#include "designcheck/design_check.h"
#include "tests/designcheck/check_inputs.h"

namespace csp::designcheck {
namespace {

// Strict rules fail at a ratio of exactly 1: the seam strength must exceed
// the need, FF stay below its limit, Pc below the allowable.
bool isStrict(SummaryCheck check) {
    return check == SummaryCheck::SeamStrength || check == SummaryCheck::HandlingAndInstallation ||
           check == SummaryCheck::CornerBearingPressure;
}

// FNV-1a over every byte of a report, lines ended as saved.
void digest(std::uint64_t& hash, const ReportListing& report) {
    for (const std::string& line : report.lines()) {
        for (char c : line) hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3ULL;
        for (char c : {'\r', '\n'}) hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3ULL;
    }
}

// The reports of the grid below, byte for byte, as one digest per shape:
// the guard of the report's text, so that the other tests can read the
// record instead of slicing lines. A change to any line of any report
// changes its shape's digest.
constexpr std::uint64_t expectedDigests[3] = {0x650f498c0af906f1ULL, 0xf8a6c18b4d3dec18ULL, 0x77d7aeac405b8fceULL};

// Over the design-check grid, each verdict is OK exactly when its demand
// over capacity is at most 1 (below 1 for a strict rule), and every report
// is the one it was.
TEST(DesignCheckMargins, EachVerdictIsOkExactlyWhenItsRatioAllowsIt) {
    std::uint64_t digests[3] = {0xcbf29ce484222325ULL, 0xcbf29ce484222325ULL, 0xcbf29ce484222325ULL};
    int checks = 0;
    std::map<std::string, int> exactlyOne;
    std::set<std::string> disagreements;
    for (int shape = 0; shape < 3; ++shape) {
        for (std::size_t profile = 0; profile < profileTable().size(); ++profile) {
            const ProfileData& data = *profileTable()[profile];
            const bool plateArch = data.isPlateArch() && shape == static_cast<int>(StructureShape::PipeArch);
            for (int radius : plateArch ? std::vector<int>{18, 31} : std::vector<int>{0}) {
                ProfileCatalog catalog(data, radius);
                const std::size_t sizes = shape == 0 ? 3 : catalog.sizeSpans().size();
                for (std::size_t size = 0; size < sizes; size += shape == 0 ? 1 : 4) {
                    for (std::size_t thickness = 0; thickness < catalog.walls().size(); ++thickness) {
                        for (int method = 0; method < 6; ++method) {
                            for (int load = 0; load < 3; ++load) {
                                for (double cover : {1.5, 4.0, 8.5, 20.0}) {
                                    CheckInputs inputs;
                                    inputs.shape = static_cast<StructureShape>(shape);
                                    inputs.profile = static_cast<Profile>(profile);
                                    inputs.cornerRadius = radius;
                                    inputs.span = std::vector<double>{24, 60, 120}[shape == 0 ? size : 0];
                                    inputs.sizeIndex = static_cast<int>(size);
                                    inputs.thicknessIndex = static_cast<int>(thickness);
                                    inputs.method = static_cast<CheckMethod>(method);
                                    inputs.liveLoad = static_cast<LiveLoad>(load);
                                    inputs.cover = cover;
                                    inputs.corrugation = (thickness + method) % 2 ? "Annular" : "Helical";
                                    inputs.installation = method % 3 ? "Embankment" : "Trench, Standard";
                                    DesignCheck check;
                                    store(inputs, check);
                                    check.run();
                                    digest(digests[shape], check.reportLines());
                                    const DesignCheckResult& result = check.result();
                                    for (const CheckResult& c : result.checks) {
                                        ++checks;
                                        const double ratio = c.ratio();
                                        if (ratio == 1.0) ++exactlyOne[std::string(summaryCheckTexts[static_cast<std::size_t>(c.check)])];
                                        const bool allowed = ratio < 1.0 || (ratio == 1.0 && !isStrict(c.check));
                                        if (allowed != c.ok)
                                            disagreements.insert(std::string(summaryCheckTexts[static_cast<std::size_t>(c.check)]) +
                                                                 " at D/C " + std::to_string(ratio));
                                    }
                                    EXPECT_EQ(result.governing() != nullptr, !result.checks.empty());
                                }
                            }
                        }
                    }
                }
            }
        }
    }
    EXPECT_TRUE(disagreements.empty()) << *disagreements.begin();
    for (int shape = 0; shape < 3; ++shape)
        EXPECT_EQ(digests[shape], expectedDigests[shape]) << shapeTexts[static_cast<std::size_t>(shape)] << ": 0x"
                                                          << std::hex << digests[shape];
    EXPECT_GT(checks, 100000);
    std::cout << checks << " checks; at a ratio of exactly 1:";
    for (const auto& [name, count] : exactlyOne) std::cout << " " << name << " " << count;
    std::cout << "\n";
}

}  // namespace
}  // namespace csp::designcheck
