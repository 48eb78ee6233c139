#pragma once

#include <algorithm>
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
    std::string_view listText;
    // A spiral rib profile (nullptr where not): its flexibility limits go
    // with each wall thickness, and trench conditions ask the Trench Details
    // page.
    const RibCoefficients* ribCoefficients;
    bool tableBaseChoice;  // the Base for Tables page asks helical or annular pipe
    bool boltedPlate;      // bolted structural plate
    // Flexibility factor limit (in./lb) by condition set: embankment
    // ASTM/AASHTO, trench ASTM, embankment AISI, trench AISI; 0.0 for a rib
    // profile, whose limits go with the thickness.
    std::array<double, conditionsCount> flexibilityFactors;
    // The criteria's flexibility lines under AISI trench conditions where
    // they are not the limit's own; empty where they are.
    std::span<const std::string_view> aisiTrenchFlexibilityLines;
    // The table: a round pipe's, or a pipe-arch's or underpass's.
    const RoundProfile* round;
    const ArchProfile* arch;

    constexpr bool isRibProfile() const { return ribCoefficients != nullptr; }
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

//   list text; rib coefficients; Base for Tables page; bolted plate;
//   flexibility factors; AISI trench flexibility lines; table
inline constexpr auto shapeSpecs = std::to_array<ShapeSpec>({
    {.listText = "Round pipe with 3/4 x 3/4 x 7 1/2 profile", .ribCoefficients = &shape_data::ribs3by4,
     .tableBaseChoice = false, .boltedPlate = false, .flexibilityFactors = shape_data::ribFactors,
     .aisiTrenchFlexibilityLines = {}, .round = &roundProfiles[0], .arch = nullptr},
    {.listText = "Round pipe with 3/4 x 1 x 11 1/2 profile", .ribCoefficients = &shape_data::ribs1by11,
     .tableBaseChoice = false, .boltedPlate = false, .flexibilityFactors = shape_data::ribFactors,
     .aisiTrenchFlexibilityLines = {}, .round = &roundProfiles[1], .arch = nullptr},
    {.listText = "Round pipe with 3/4 x 3/4 x 7-1/2 profile - composite",
     .ribCoefficients = &shape_data::compositeRibs3by4, .tableBaseChoice = false, .boltedPlate = false,
     .flexibilityFactors = shape_data::ribFactors, .aisiTrenchFlexibilityLines = {}, .round = &roundProfiles[2],
     .arch = nullptr},
    {.listText = "Round pipe with 3/4 x 1 x 11-1/2 profile - composite",
     .ribCoefficients = &shape_data::compositeRibs1by11, .tableBaseChoice = false, .boltedPlate = false,
     .flexibilityFactors = shape_data::ribFactors, .aisiTrenchFlexibilityLines = {}, .round = &roundProfiles[3],
     .arch = nullptr},
    {.listText = "Round pipe with 2-2/3 x 1/2 corrugation", .ribCoefficients = nullptr, .tableBaseChoice = true,
     .boltedPlate = false, .flexibilityFactors = {0.043, 0.06, 0.0433, 0.06},
     .aisiTrenchFlexibilityLines = shape_data::roundBySpanLines, .round = &roundProfiles[4], .arch = nullptr},
    {.listText = "Round pipe with 3 x 1 corrugation", .ribCoefficients = nullptr, .tableBaseChoice = true,
     .boltedPlate = false, .flexibilityFactors = {0.033, 0.06, 0.0433, 0.06}, .aisiTrenchFlexibilityLines = {},
     .round = &roundProfiles[5], .arch = nullptr},
    {.listText = "Round pipe with 5 x 1 corrugation", .ribCoefficients = nullptr, .tableBaseChoice = false,
     .boltedPlate = false, .flexibilityFactors = {0.033, 0.06, 0.0433, 0.06}, .aisiTrenchFlexibilityLines = {},
     .round = &roundProfiles[6], .arch = nullptr},
    {.listText = "Round pipe with 6 x 2 corrugation", .ribCoefficients = nullptr, .tableBaseChoice = false,
     .boltedPlate = true, .flexibilityFactors = {0.02, 0.02, 0.02, 0.02}, .aisiTrenchFlexibilityLines = {},
     .round = &roundProfiles[7], .arch = nullptr},
    {.listText = "Pipe-arch with 2-2/3 x 1/2 corrugation", .ribCoefficients = nullptr, .tableBaseChoice = true,
     .boltedPlate = false, .flexibilityFactors = {0.043, 0.06, 0.065, 0.06},
     .aisiTrenchFlexibilityLines = shape_data::archBySpanLines, .round = nullptr, .arch = &archProfiles[0]},
    {.listText = "Pipe-arch with 3 x 1 corrugation", .ribCoefficients = nullptr, .tableBaseChoice = true,
     .boltedPlate = false, .flexibilityFactors = {0.033, 0.06, 0.065, 0.06}, .aisiTrenchFlexibilityLines = {},
     .round = nullptr, .arch = &archProfiles[1]},
    {.listText = "Pipe-arch with  5 x 1 corrugation", .ribCoefficients = nullptr, .tableBaseChoice = false,
     .boltedPlate = false, .flexibilityFactors = {0.033, 0.06, 0.065, 0.06}, .aisiTrenchFlexibilityLines = {},
     .round = nullptr, .arch = &archProfiles[2]},
    {.listText = "Pipe-arch with 6 x 2 corrugation 18 in. corner radius", .ribCoefficients = nullptr,
     .tableBaseChoice = false, .boltedPlate = true, .flexibilityFactors = shape_data::plateArchFactors,
     .aisiTrenchFlexibilityLines = {}, .round = nullptr, .arch = &archProfiles[3]},
    {.listText = "Pipe-arch with 6 x 2 corrugation 31 in. corner radius", .ribCoefficients = nullptr,
     .tableBaseChoice = false, .boltedPlate = true, .flexibilityFactors = shape_data::plateArchFactors,
     .aisiTrenchFlexibilityLines = {}, .round = nullptr, .arch = &archProfiles[4]},
    {.listText = "Underpass with 6 x 2 corrugation", .ribCoefficients = nullptr, .tableBaseChoice = false,
     .boltedPlate = true, .flexibilityFactors = shape_data::plateArchFactors, .aisiTrenchFlexibilityLines = {},
     .round = nullptr, .arch = &archProfiles[5]},
    {.listText = "Pipe-arch with 3/4 x 3/4 x  7-1/2 profile", .ribCoefficients = &shape_data::ribs3by4,
     .tableBaseChoice = false, .boltedPlate = false, .flexibilityFactors = shape_data::ribFactors,
     .aisiTrenchFlexibilityLines = {}, .round = nullptr, .arch = &archProfiles[6]},
    {.listText = "Pipe-arch with 3/4 x 1 x 11-1/2 profile", .ribCoefficients = &shape_data::ribs1by11,
     .tableBaseChoice = false, .boltedPlate = false, .flexibilityFactors = shape_data::ribFactors,
     .aisiTrenchFlexibilityLines = {}, .round = nullptr, .arch = &archProfiles[7]},
});

// Each row names one table, and says what its table's rules say: a rib
// profile's limits go with the thickness, the span-dependent limit has its
// own criteria lines, and bolted plate always takes the seam check.
constexpr bool agreesWithItsTable(const ShapeSpec& spec) {
    if ((spec.round == nullptr) == (spec.arch == nullptr)) return false;
    const FlexibilityRule flexibility = spec.round ? spec.round->flexibilityRule : spec.arch->flexibilityRule;
    const SeamRule seams = spec.round ? spec.round->seamRule : spec.arch->seamRule;
    return spec.isRibProfile() == (flexibility == FlexibilityRule::PerThickness) &&
           spec.aisiTrenchFlexibilityLines.empty() != (flexibility == FlexibilityRule::BySpanUnderAisiTrench) &&
           spec.boltedPlate == (seams == SeamRule::Always);
}
static_assert(std::all_of(shapeSpecs.begin(), shapeSpecs.end(), agreesWithItsTable));

// The shape-and-profile list of the main page.
inline constexpr auto shapeProfileTexts = [] {
    std::array<std::string_view, shapeSpecs.size()> texts{};
    for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = shapeSpecs[i].listText;
    return texts;
}();
inline constexpr int shapeCount = static_cast<int>(shapeSpecs.size());

// The row of a shape, or none past the list.
constexpr const ShapeSpec* shapeSpecOf(int shape) {
    return shape >= 0 && shape < shapeCount ? &shapeSpecs[static_cast<std::size_t>(shape)] : nullptr;
}

}  // namespace csp
