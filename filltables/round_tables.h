#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "filltables/fill_table_request.h"
#include "filltables/table_data.h"
#include "filltables/wall_profiles.h"

namespace csp {

// Which thickness header line a round table prints.
enum class RoundHeader { Standard, SixByTwo };

// Everything one round pipe table depends on besides the request.
struct RoundProfile {
    std::string_view title;
    std::array<std::string_view, 3> liveLoadLine;  // H 20, H 25, E 80
    std::span<const Wall> walls;
    double firstDiameter, lastDiameter, diameterIncrement;  // in.
    int maxRows;
    std::array<double, 3> spanDivisor;  // minimum cover = D / divisor ...
    std::array<double, 3> coverFloor;   // ... but not less than this (in.)
    std::span<const double> rowCover;   // in., by row, every condition set
    std::span<const double> aisiEmbankmentRowCover;  // in., by row, under EmbankmentAisi
    bool refusesRailroad;
    SeamRule seamRule;
    FlexibilityRule flexibilityRule;
    const RibFlexibilityLimits* ribLimits;  // PerThickness only
    double ribLimitScale;                   // composite ribs are 5% more lenient
    RoundHeader header;
    std::string_view rowFormat;  // diameter, minimum cover, one cover per wall
};

namespace round_data {

inline constexpr auto ribRowCover = repeated<double, 17>({{5, 12}, {4, 18}, {4, 24}, {4, 30}});
inline constexpr auto corrugation2by2RowCover = repeated<double, 15>({{15, 12}});
inline constexpr auto corrugation2by2AisiRowCover = repeated<double, 15>({{7, 12}, {4, 18}, {4, 24}});
inline constexpr auto corrugation1InchRowCover = repeated<double, 19>({{11, 12}, {4, 18}, {4, 24}});
inline constexpr auto corrugation1InchAisiRowCover = repeated<double, 19>({{7, 18}, {4, 24}, {4, 30}, {4, 36}});
inline constexpr auto corrugation6by2RowCover =
    repeated<double, 43>({{7, 12}, {8, 18}, {8, 24}, {8, 30}, {7, 36}, {5, 42}});
inline constexpr auto corrugation6by2AisiRowCover =
    repeated<double, 43>({{11, 24}, {5, 30}, {5, 36}, {5, 42}, {5, 48}, {4, 54}, {8, 60}});

inline constexpr std::string_view steelPipeTitle = " Maximum Fill Heights for Steel Pipe";
inline constexpr std::string_view threeColumnRow = " %4.0f %9.0f  %9.0f %9.0f %9.0f";
inline constexpr std::string_view fourColumnRow = " %4.0f %9.0f  %9.0f %9.0f %9.0f %9.0f";
inline constexpr std::string_view fiveColumnRow = " %4.0f %9.0f  %9.0f %9.0f %9.0f %9.0f %9.0f";
inline constexpr std::string_view sevenColumnRow = " %4.0f %9.0f  %9.0f %7.0f %7.0f %7.0f %7.0f %7.0f %7.0f";

// The composite rib tables scale the rib profile's limits.
inline constexpr double compositeScale = steel::compositeRibLeniency;

}  // namespace round_data

// The round pipe tables; the shape rows (shape_table.h) say which entry of
// the main page each is.
inline constexpr std::array<RoundProfile, 8> roundProfiles = {{
    {.title = round_data::steelPipeTitle,
     .liveLoadLine = {" H 20 Live Load           3/4 x 3/4 Rib @ 7-1/2",
                      " H 25 Live Load           3/4 x 3/4 Rib @ 7-1/2", ""},
     .walls = ribs3by4Walls,
     .firstDiameter = 24, .lastDiameter = 120, .diameterIncrement = 6, .maxRows = 17,
     .spanDivisor = {4, 4, 4}, .coverFloor = {12, 12, 24},
     .rowCover = round_data::ribRowCover, .aisiEmbankmentRowCover = {},
     .refusesRailroad = true, .seamRule = SeamRule::Never,
     .flexibilityRule = FlexibilityRule::PerThickness, .ribLimits = &ribs3by4Limits, .ribLimitScale = 1.0,
     .header = RoundHeader::Standard, .rowFormat = round_data::fourColumnRow},
    {.title = round_data::steelPipeTitle,
     .liveLoadLine = {" H 20 Live Load           3/4 x 1 Rib @ 11-1/2",
                      " H 25 Live Load           3/4 x 1 Rib @ 11-1/2", ""},
     .walls = ribs1by11Walls,
     .firstDiameter = 24, .lastDiameter = 120, .diameterIncrement = 6, .maxRows = 15,
     .spanDivisor = {4, 4, 4}, .coverFloor = {12, 12, 24},
     .rowCover = round_data::ribRowCover, .aisiEmbankmentRowCover = {},
     .refusesRailroad = true, .seamRule = SeamRule::Never,
     .flexibilityRule = FlexibilityRule::PerThickness, .ribLimits = &ribs1by11Limits, .ribLimitScale = 1.0,
     .header = RoundHeader::Standard, .rowFormat = round_data::threeColumnRow},
    {.title = round_data::steelPipeTitle,
     .liveLoadLine = {" H 20 Live Load           3/4 x 3/4 Rib @ 7-1/2 Composite",
                      " H 25 Live Load           3/4 x 3/4 Rib @ 7-1/2 Composite", ""},
     .walls = compositeRibs3by4Walls,
     .firstDiameter = 24, .lastDiameter = 120, .diameterIncrement = 6, .maxRows = 17,
     .spanDivisor = {4, 4, 4}, .coverFloor = {12, 12, 24},
     .rowCover = round_data::ribRowCover, .aisiEmbankmentRowCover = {},
     .refusesRailroad = true, .seamRule = SeamRule::Never,
     .flexibilityRule = FlexibilityRule::PerThickness, .ribLimits = &ribs3by4Limits,
     .ribLimitScale = round_data::compositeScale,
     .header = RoundHeader::Standard, .rowFormat = round_data::fourColumnRow},
    {.title = round_data::steelPipeTitle,
     .liveLoadLine = {" H 20 Live Load           3/4 x 1 Rib @ 11-1/2 - Composite",
                      " H 25 Live Load           3/4 x 1 Rib @ 11-1/2 - Composite", ""},
     .walls = compositeRibs1by11Walls,
     .firstDiameter = 24, .lastDiameter = 120, .diameterIncrement = 6, .maxRows = 15,
     .spanDivisor = {4, 4, 4}, .coverFloor = {12, 12, 24},
     .rowCover = round_data::ribRowCover, .aisiEmbankmentRowCover = {},
     .refusesRailroad = true, .seamRule = SeamRule::Never,
     .flexibilityRule = FlexibilityRule::PerThickness, .ribLimits = &ribs1by11Limits,
     .ribLimitScale = round_data::compositeScale,
     .header = RoundHeader::Standard, .rowFormat = round_data::threeColumnRow},
    {.title = round_data::steelPipeTitle,
     .liveLoadLine = {"H 20 Live Load            2-2/3 X 1/2 Corrugation",
                      "H 25 Live Load            2-2/3 X 1/2 Corrugation",
                      "E 80 Live Load            2-2/3 X 1/2 Corrugation"},
     .walls = corrugation2by2Walls,
     .firstDiameter = 12, .lastDiameter = 144, .diameterIncrement = 6, .maxRows = 15,
     .spanDivisor = {8, 8, 4}, .coverFloor = {12, 12, 12},
     .rowCover = round_data::corrugation2by2RowCover,
     .aisiEmbankmentRowCover = round_data::corrugation2by2AisiRowCover,
     .refusesRailroad = false, .seamRule = SeamRule::WhenAnnular,
     .flexibilityRule = FlexibilityRule::BySpanUnderAisiTrench, .ribLimits = nullptr, .ribLimitScale = 1.0,
     .header = RoundHeader::Standard, .rowFormat = round_data::fiveColumnRow},
    {.title = round_data::steelPipeTitle,
     .liveLoadLine = {" H 20 Live Load           3 x 1 Corrugation", " H 25 Live Load           3 x 1 Corrugation",
                      " E 80 Live Load           3 x 1 Corrugation"},
     .walls = corrugation3by1Walls,
     .firstDiameter = 36, .lastDiameter = 144, .diameterIncrement = 6, .maxRows = 19,
     .spanDivisor = {8, 8, 4}, .coverFloor = {12, 12, 18},
     .rowCover = round_data::corrugation1InchRowCover,
     .aisiEmbankmentRowCover = round_data::corrugation1InchAisiRowCover,
     .refusesRailroad = false, .seamRule = SeamRule::WhenAnnular,
     .flexibilityRule = FlexibilityRule::RequestFactor, .ribLimits = nullptr, .ribLimitScale = 1.0,
     .header = RoundHeader::Standard, .rowFormat = round_data::fiveColumnRow},
    {.title = "Maximum Fill Heights for Steel Pipe",
     .liveLoadLine = {"H 20 Live Load           5 x 1 Corrugation", "H 25 Live Load           5 x 1 Corrugation",
                      "E 80 Live Load           5 x 1 Corrugation"},
     .walls = corrugation5by1Walls,
     .firstDiameter = 36, .lastDiameter = 144, .diameterIncrement = 6, .maxRows = 19,
     .spanDivisor = {8, 8, 4}, .coverFloor = {12, 12, 18},
     .rowCover = round_data::corrugation1InchRowCover,
     .aisiEmbankmentRowCover = round_data::corrugation1InchAisiRowCover,
     .refusesRailroad = false, .seamRule = SeamRule::Never,
     .flexibilityRule = FlexibilityRule::RequestFactor, .ribLimits = nullptr, .ribLimitScale = 1.0,
     .header = RoundHeader::Standard, .rowFormat = round_data::fiveColumnRow},
    {.title = "Maximum Fill Heights for Steel Pipe",
     .liveLoadLine = {"H 20 Live Load           6 x 2 Corrugation", "H 25 Live Load           6 x 2 Corrugation",
                      "E 80 Live Load           6 x 2 Corrugation"},
     .walls = corrugation6by2Walls,
     .firstDiameter = 60, .lastDiameter = 312, .diameterIncrement = 6, .maxRows = 43,
     .spanDivisor = {8, 8, 5}, .coverFloor = {12, 12, 24},
     .rowCover = round_data::corrugation6by2RowCover,
     .aisiEmbankmentRowCover = round_data::corrugation6by2AisiRowCover,
     .refusesRailroad = false, .seamRule = SeamRule::Always,
     .flexibilityRule = FlexibilityRule::RequestFactor, .ribLimits = nullptr, .ribLimitScale = 1.0,
     .header = RoundHeader::SixByTwo, .rowFormat = round_data::sevenColumnRow},
}};

// The four lines that open every round pipe table header.
void appendTableHeadTop(ReportListing& report);
// The header of a table with 3, 4 or 5 thickness columns from 0.064 in. on.
void appendRoundTableHeader(ReportListing& report, int columns);

// One round pipe table's values: its rows and its criteria.
Outcome computeRoundTable(const FillTableRequest& request, const RoundProfile& profile, TableValues& values);
// Its title, header and rows, written from them.
void writeRoundTable(const FillTableRequest& request, const RoundProfile& profile, const TableValues& values,
                     ReportListing& report);

}  // namespace csp
