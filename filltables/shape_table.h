#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "filltables/arch_tables.h"
#include "filltables/fill_table_request.h"
#include "filltables/round_tables.h"

namespace csp {

// Coefficients c of a rib profile's flexibility limit c I^1/3, as the
// criteria print them: embankment, trench Standard, trench Special.
struct RibCoefficients {
    std::string_view embankment, trenchStandard, trenchSpecial;
};

// Everything one entry of the main page's shape-and-profile list stands
// for; a shape is the entry's index.
struct ShapeSpec {
    std::string_view text;  // its entry in the list
    // A spiral rib profile (nullptr where not): its flexibility limits go
    // with each wall thickness, and trench conditions ask the Trench Details
    // page.
    const RibCoefficients* rib;
    bool baseChoice;  // the Base for Tables page asks helical or annular pipe
    // Flexibility factor limit (in./lb) by condition set: embankment
    // ASTM/AASHTO, trench ASTM, embankment AISI, trench AISI; 0.0 for a rib
    // profile, whose limits go with the thickness.
    std::array<double, conditionsCount> flexibility;
    // The criteria's flexibility lines under AISI trench conditions where
    // they are not the limit's own; empty where they are.
    std::span<const std::string_view> aisiTrenchLines;
    // The table: a round pipe's, or a pipe-arch's or underpass's.
    const RoundProfile* round;
    const ArchProfile* arch;

    constexpr bool isRibProfile() const { return rib != nullptr; }
    // Bolted structural plate: its table always takes the seam check.
    constexpr bool isBolted() const { return (round ? round->seamRule : arch->seamRule) == SeamRule::Always; }
};

namespace shape_data {

inline constexpr RibCoefficients ribs3by4 = {"0.217", "0.263", "0.367"};
inline constexpr RibCoefficients ribs1by11 = {"0.140", "0.163", "0.220"};
inline constexpr RibCoefficients compositeRibs3by4 = {"0.228", "0.276", "0.385"};
inline constexpr RibCoefficients compositeRibs1by11 = {"0.147", "0.171", "0.231"};

inline constexpr std::array<double, conditionsCount> ribFactors = {0.0, 0.0, 0.0, 0.0};
inline constexpr std::array<double, conditionsCount> plateArchFactors = {0.03, 0.02, 0.03, 0.03};

// 2-2/3 x 1/2 under AISI trench conditions: the round pipe's limit goes
// with the span.
inline constexpr std::string_view roundBySpanLines[] = {
    "  Flexibility Factor Limit = 0.043 for spans 42 in. or less.",
    "  Flexibility Factor Limit = 0.060 for spans 48 - 72 in.",
    "  Flexibility Factor Limit = 0.080 for spans 78 in. or more."};
inline constexpr std::string_view archBySpanLines[] = {"  Flexibility Factor Limit = 0.060 in."};

}  // namespace shape_data

// The main page's shape-and-profile list, entry by entry.
inline constexpr auto shapeSpecs = std::to_array<ShapeSpec>({
    {.text = "Round pipe with 3/4 x 3/4 x 7 1/2 profile", .rib = &shape_data::ribs3by4, .baseChoice = false, .flexibility = shape_data::ribFactors, .aisiTrenchLines = {}, .round = &roundProfiles[0],
     .arch = nullptr},
    {.text = "Round pipe with 3/4 x 1 x 11 1/2 profile", .rib = &shape_data::ribs1by11, .baseChoice = false, .flexibility = shape_data::ribFactors, .aisiTrenchLines = {}, .round = &roundProfiles[1],
     .arch = nullptr},
    {.text = "Round pipe with 3/4 x 3/4 x 7-1/2 profile - composite", .rib = &shape_data::compositeRibs3by4,
     .baseChoice = false, .flexibility = shape_data::ribFactors, .aisiTrenchLines = {},
     .round = &roundProfiles[2], .arch = nullptr},
    {.text = "Round pipe with 3/4 x 1 x 11-1/2 profile - composite", .rib = &shape_data::compositeRibs1by11,
     .baseChoice = false, .flexibility = shape_data::ribFactors, .aisiTrenchLines = {},
     .round = &roundProfiles[3], .arch = nullptr},
    {.text = "Round pipe with 2-2/3 x 1/2 corrugation", .rib = nullptr, .baseChoice = true,
     .flexibility = {0.043, 0.06, 0.0433, 0.06}, .aisiTrenchLines = shape_data::roundBySpanLines,
     .round = &roundProfiles[4], .arch = nullptr},
    {.text = "Round pipe with 3 x 1 corrugation", .rib = nullptr, .baseChoice = true,
     .flexibility = {0.033, 0.06, 0.0433, 0.06}, .aisiTrenchLines = {}, .round = &roundProfiles[5], .arch = nullptr},
    {.text = "Round pipe with 5 x 1 corrugation", .rib = nullptr, .baseChoice = false,
     .flexibility = {0.033, 0.06, 0.0433, 0.06}, .aisiTrenchLines = {}, .round = &roundProfiles[6], .arch = nullptr},
    {.text = "Round pipe with 6 x 2 corrugation", .rib = nullptr, .baseChoice = false,
     .flexibility = {0.02, 0.02, 0.02, 0.02}, .aisiTrenchLines = {}, .round = &roundProfiles[7], .arch = nullptr},
    {.text = "Pipe-arch with 2-2/3 x 1/2 corrugation", .rib = nullptr, .baseChoice = true,
     .flexibility = {0.043, 0.06, 0.065, 0.06}, .aisiTrenchLines = shape_data::archBySpanLines, .round = nullptr,
     .arch = &archProfiles[0]},
    {.text = "Pipe-arch with 3 x 1 corrugation", .rib = nullptr, .baseChoice = true,
     .flexibility = {0.033, 0.06, 0.065, 0.06}, .aisiTrenchLines = {}, .round = nullptr, .arch = &archProfiles[1]},
    {.text = "Pipe-arch with  5 x 1 corrugation", .rib = nullptr, .baseChoice = false,
     .flexibility = {0.033, 0.06, 0.065, 0.06}, .aisiTrenchLines = {}, .round = nullptr, .arch = &archProfiles[2]},
    {.text = "Pipe-arch with 6 x 2 corrugation 18 in. corner radius", .rib = nullptr, .baseChoice = false, .flexibility = shape_data::plateArchFactors, .aisiTrenchLines = {}, .round = nullptr,
     .arch = &archProfiles[3]},
    {.text = "Pipe-arch with 6 x 2 corrugation 31 in. corner radius", .rib = nullptr, .baseChoice = false, .flexibility = shape_data::plateArchFactors, .aisiTrenchLines = {}, .round = nullptr,
     .arch = &archProfiles[4]},
    {.text = "Underpass with 6 x 2 corrugation", .rib = nullptr, .baseChoice = false,
     .flexibility = shape_data::plateArchFactors, .aisiTrenchLines = {}, .round = nullptr, .arch = &archProfiles[5]},
    {.text = "Pipe-arch with 3/4 x 3/4 x  7-1/2 profile", .rib = &shape_data::ribs3by4, .baseChoice = false, .flexibility = shape_data::ribFactors, .aisiTrenchLines = {}, .round = nullptr,
     .arch = &archProfiles[6]},
    {.text = "Pipe-arch with 3/4 x 1 x 11-1/2 profile", .rib = &shape_data::ribs1by11, .baseChoice = false, .flexibility = shape_data::ribFactors, .aisiTrenchLines = {}, .round = nullptr,
     .arch = &archProfiles[7]},
});

// Each row names one table, and says what its table's rules say (a test
// holds every row to it): a rib
// profile's limits go with the thickness, and the span-dependent limit has
// its own criteria lines.
constexpr bool agreesWithItsTable(const ShapeSpec& spec) {
    if ((spec.round == nullptr) == (spec.arch == nullptr)) return false;
    const FlexibilityRule flexibility = spec.round ? spec.round->flexibilityRule : spec.arch->flexibilityRule;
    return spec.isRibProfile() == (flexibility == FlexibilityRule::PerThickness) &&
           spec.aisiTrenchLines.empty() != (flexibility == FlexibilityRule::BySpanUnderAisiTrench);
}

// The shape-and-profile list of the main page.
inline constexpr auto shapeProfileTexts = [] {
    std::array<std::string_view, shapeSpecs.size()> texts{};
    for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = shapeSpecs[i].text;
    return texts;
}();
inline constexpr int shapeCount = static_cast<int>(shapeSpecs.size());

// The row of a shape, or none past the list.
constexpr const ShapeSpec* shapeSpecOf(int shape) {
    return shape >= 0 && shape < shapeCount ? &shapeSpecs[static_cast<std::size_t>(shape)] : nullptr;
}

}  // namespace csp
