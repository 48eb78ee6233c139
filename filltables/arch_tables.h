#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "filltables/fill_table_request.h"
#include "filltables/table_data.h"
#include "filltables/wall_profiles.h"
#include "shell/steel_catalog.h"

namespace csp {

// Header lines and row format of a pipe-arch table.
enum class ArchLayout {
    Inch,      // span x rise in inches
    Rib,       // as Inch, with the narrower rule of the rib tables
    FootInch,  // span x rise in feet and inches
    Paired,    // feet and inches, each column with its own minimum cover
};

// Starting thickness index meaning "where the previous size ended".
inline constexpr int previousSizeThickness = -1;

// Everything one pipe-arch or underpass table depends on besides the request.
struct ArchProfile {
    std::string_view title;
    std::array<std::string_view, 3> liveLoadLine;  // H 20, H 25, E 80
    std::array<ArchLayout, 3> layout;              // by live load
    std::span<const Wall> walls;
    std::size_t thicknessCap;  // the thickness step stops at this index
    // Per size, in table order: span and rise (in.), corner radius Rc and
    // top radius Rt (in the same unit; only their ratio counts).
    std::span<const double> span, rise, cornerRadius, topRadius;
    std::array<std::span<const double>, 3> rowCover;  // in., by live load
    std::span<const double> secondRailroadRowCover;   // in., E 80 only; empty: none
    std::array<std::span<const int>, 3> startingThickness;  // index, by live load
    std::array<double, 3> spanDivisor;  // minimum cover = D / divisor ...
    std::array<double, 3> coverFloor;   // ... but not less than this (in.)
    bool coverJustAbove48Is48;          // 48 < cover < 50 in. is taken as 48
    SeamRule seamRule;
    FlexibilityRule flexibilityRule;
    const RibFlexibilityLimits* ribLimits;  // PerThickness only
    bool searchTakesFirstStepDown;          // the cover search stops one foot down
};

namespace arch_data {

inline constexpr std::string_view corrugatedTitle = "Maximum Fill Heights for Corrugated Steel Pipe-arch";
inline constexpr std::string_view ribTitle = " Maximum Fill Heights for Steel Pipe-Arch";
inline constexpr std::array<ArchLayout, 3> inchLayout = {ArchLayout::Inch, ArchLayout::Inch, ArchLayout::Inch};
inline constexpr std::array<ArchLayout, 3> ribLayout = {ArchLayout::Rib, ArchLayout::Rib, ArchLayout::Rib};
inline constexpr std::array<ArchLayout, 3> footInchLayout = {ArchLayout::FootInch, ArchLayout::FootInch,
                                                             ArchLayout::FootInch};

// The sizes come from the steel catalog (shell/steel_catalog.h), with the
// radii of the tables' own source where it lists others.

// A catalog column with one size's value replaced by the tables' own.
template <std::size_t N>
constexpr std::array<double, N> withValue(std::array<double, N> values, std::size_t size, double value) {
    values[size] = value;
    return values;
}
// One radius for every size.
template <std::size_t N>
constexpr std::array<double, N> repeatedRadius(double radius) {
    return repeated<double, N>({{static_cast<int>(N), radius}});
}

// Pipe-arch 2-2/3 x 1/2 (inches); its radii are the tables' own.
inline constexpr auto& sizes2by2 = steel::twoThirdsByHalf::arches;
inline constexpr auto cover2by2Highway = repeated<double, 12>({{12, 12}});
inline constexpr auto cover2by2Railroad = repeated<double, 12>({{12, 24}});
inline constexpr auto start2by2 = repeated<int, 12>({{6, 0}, {1, 1}, {2, 2}, {1, 3}, {2, 4}});

// Pipe-arch 3 x 1 (inches), radii the tables' own; the 5 x 1 pipe-arches
// are its sizes from 81 in. on (the design check offers all of them).
inline constexpr auto& sizes1Inch = steel::threeByOne::arches;
inline constexpr std::size_t first5by1Size = 4;
inline constexpr auto cover3by1Highway = repeated<double, 17>({{7, 12}, {3, 18}, {3, 24}, {4, 30}});
inline constexpr auto cover3by1Railroad = repeated<double, 17>({{7, 24}, {3, 30}, {3, 36}, {4, 48}});
inline constexpr auto start3by1 = repeated<int, 17>({{9, 1}, {3, 2}, {1, 3}, {4, previousSizeThickness}});
inline constexpr auto cover5by1Highway = repeated<double, 13>({{3, 12}, {3, 18}, {3, 24}, {4, 30}});
inline constexpr auto cover5by1Railroad = repeated<double, 13>({{3, 24}, {3, 30}, {3, 36}, {4, 48}});
inline constexpr auto start5by1 = repeated<int, 13>({{8, 2}, {1, 3}, {4, previousSizeThickness}});

// Pipe-arch 6 x 2, 18 in. corner radius (Rc and Rt in feet).
inline constexpr auto& sizes18 = steel::sixByTwo::arches18;
inline constexpr auto rc18 = repeatedRadius<34>(sizes18.cornerRadius / steel::inchesPerFoot);
inline constexpr auto cover18Highway = repeated<double, 34>({{7, 12}, {12, 18}, {13, 24}, {2, 30}});
inline constexpr auto cover18Railroad = repeated<double, 34>({{13, 24}, {8, 30}, {7, 36}, {6, 42}});
inline constexpr auto start18Highway = repeated<int, 34>({{34, 0}});
// Under E 80 the spans over 137 in. start one thickness up.
inline constexpr auto start18Railroad = repeated<int, 34>({{17, 0}, {17, 1}});

// Pipe-arch 6 x 2, 31 in. corner radius (Rc and Rt in feet).
inline constexpr auto& sizes31 = steel::sixByTwo::arches31;
inline constexpr auto rc31 = repeatedRadius<24>(sizes31.cornerRadius / steel::inchesPerFoot);
inline constexpr auto cover31 = repeated<double, 24>({{9, 24}, {13, 30}, {2, 36}});
inline constexpr auto cover31SecondRailroad = repeated<double, 24>({{6, 36}, {8, 42}, {10, 48}});
inline constexpr auto start31Highway = repeated<int, 24>({{19, 0}, {5, 1}});
inline constexpr auto start31Railroad = repeated<int, 24>({{19, 1}, {5, 2}});

// Underpass 6 x 2 (Rc and Rt in feet).
inline constexpr auto& sizesUnderpass = steel::sixByTwo::underpasses;
inline constexpr auto coverUnderpass = repeated<double, 22>({{5, 12}, {9, 24}, {8, 36}});
inline constexpr auto coverUnderpassSecondRailroad = repeated<double, 22>({{5, 24}, {7, 36}, {10, 48}});
inline constexpr auto startUnderpassHighway = repeated<int, 22>({{14, 0}, {4, 1}, {4, 2}});
inline constexpr auto startUnderpassRailroad = repeated<int, 22>({{4, 0}, {14, 1}, {4, 2}});

// Rib pipe-arches (inches); the 3/4 x 1 x 11-1/2 ones are the first nine sizes.
inline constexpr auto& sizesRib = steel::ribbedArches::sizes;
// The 40 x 31 size's Rc is the tables' own.
inline constexpr auto rcRib = withValue(sizesRib.cornerRadius, steel::ribbedArches::fortyByThirtyOne,
                                        steel::ribbedArches::fillTableFortyByThirtyOneCornerRadius);
inline constexpr std::size_t rib1by11Sizes = steel::ribbedArches::elevenHalfSizes;
inline constexpr auto coverRib3by4 = repeated<double, 16>({{6, 12}, {7, 18}, {3, 30}});
inline constexpr auto coverRib1by11 = repeated<double, 9>({{6, 12}, {3, 18}});
inline constexpr auto startRib3by4 = repeated<int, 16>({{7, 0}, {1, 1}, {2, 2}, {6, 3}});
inline constexpr auto startRib1by11 = repeated<int, 9>({{7, 0}, {1, 1}, {1, 2}});

template <class T, std::size_t N>
constexpr std::span<const T> from(const std::array<T, N>& values, std::size_t first) {
    return std::span<const T>(values).subspan(first);
}
template <class T, std::size_t N>
constexpr std::span<const T> firstOf(const std::array<T, N>& values, std::size_t count) {
    return std::span<const T>(values).first(count);
}

}  // namespace arch_data

// The pipe-arch and underpass tables; the shape rows (shape_table.h) say
// which entry of the main page each is.
inline constexpr std::array<ArchProfile, 8> archProfiles = {{
    {.title = arch_data::corrugatedTitle,
     .liveLoadLine = {"H 20 Live Load           2-2/3 x 1/2 Corrugation",
                      "H 25 Live Load           2-2/3 x 1/2 Corrugation",
                      "E 80 Live Load           2-2/3 x 1/2 Corrugation"},
     .layout = arch_data::inchLayout,
     .walls = corrugation2by2Walls, .thicknessCap = 4,
     .span = arch_data::sizes2by2.span, .rise = arch_data::sizes2by2.rise,
     .cornerRadius = steel::twoThirdsByHalf::fillTableCornerRadius,
     .topRadius = steel::twoThirdsByHalf::fillTableTopRadius,
     .rowCover = {arch_data::cover2by2Highway, arch_data::cover2by2Highway, arch_data::cover2by2Railroad},
     .secondRailroadRowCover = {},
     .startingThickness = {arch_data::start2by2, arch_data::start2by2, arch_data::start2by2},
     .spanDivisor = {8, 8, 4}, .coverFloor = {12, 12, 24}, .coverJustAbove48Is48 = false,
     .seamRule = SeamRule::WhenAnnular, .flexibilityRule = FlexibilityRule::BySpanUnderAisiTrench,
     .ribLimits = nullptr, .searchTakesFirstStepDown = false},
    {.title = arch_data::corrugatedTitle,
     .liveLoadLine = {"H 20 Live Load           3 x 1 Corrugation", "H 25 Live Load           3 x 1 Corrugation",
                      "E 80 Live Load           3 x 1 Corrugation"},
     .layout = arch_data::inchLayout,
     .walls = corrugation3by1Walls, .thicknessCap = 4,
     .span = arch_data::sizes1Inch.span, .rise = arch_data::sizes1Inch.rise,
     .cornerRadius = steel::threeByOne::fillTableCornerRadius, .topRadius = steel::threeByOne::fillTableTopRadius,
     .rowCover = {arch_data::cover3by1Highway, arch_data::cover3by1Highway, arch_data::cover3by1Railroad},
     .secondRailroadRowCover = {},
     .startingThickness = {arch_data::start3by1, arch_data::start3by1, arch_data::start3by1},
     .spanDivisor = {8, 8, 4}, .coverFloor = {12, 12, 24}, .coverJustAbove48Is48 = false,
     .seamRule = SeamRule::WhenAnnular, .flexibilityRule = FlexibilityRule::RequestFactor,
     .ribLimits = nullptr, .searchTakesFirstStepDown = false},
    {.title = arch_data::corrugatedTitle,
     .liveLoadLine = {"H 20 Live Load           5 x 1 Corrugation", "H 25 Live Load           5 x 1 Corrugation",
                      "E 80 Live Load           5 x 1 Corrugation"},
     .layout = arch_data::inchLayout,
     .walls = corrugation5by1Walls, .thicknessCap = 4,
     .span = arch_data::from(arch_data::sizes1Inch.span, arch_data::first5by1Size),
     .rise = arch_data::from(arch_data::sizes1Inch.rise, arch_data::first5by1Size),
     .cornerRadius = arch_data::from(steel::threeByOne::fillTableCornerRadius, arch_data::first5by1Size),
     .topRadius = arch_data::from(steel::threeByOne::fillTableTopRadius, arch_data::first5by1Size),
     .rowCover = {arch_data::cover5by1Highway, arch_data::cover5by1Highway, arch_data::cover5by1Railroad},
     .secondRailroadRowCover = {},
     .startingThickness = {arch_data::start5by1, arch_data::start5by1, arch_data::start5by1},
     .spanDivisor = {8, 8, 4}, .coverFloor = {12, 12, 24}, .coverJustAbove48Is48 = false,
     .seamRule = SeamRule::Never, .flexibilityRule = FlexibilityRule::RequestFactor,
     .ribLimits = nullptr, .searchTakesFirstStepDown = false},
    {.title = arch_data::corrugatedTitle,
     .liveLoadLine = {"H 20 Live Load           18 in. Corner Radius  6 x 2 Corrugation",
                      "H 25 Live Load           18 in. Corner Radius  6 x 2 Corrugation",
                      "E 80 Live Load           18 in. Corner Radius  6 x 2 Corrugation"},
     .layout = {ArchLayout::Paired, ArchLayout::Paired, ArchLayout::FootInch},
     .walls = corrugation6by2Walls, .thicknessCap = 6,
     .span = arch_data::sizes18.span, .rise = arch_data::sizes18.rise,
     .cornerRadius = arch_data::rc18, .topRadius = arch_data::sizes18.topRadius,
     .rowCover = {arch_data::cover18Highway, arch_data::cover18Highway, arch_data::cover18Railroad},
     .secondRailroadRowCover = {},
     .startingThickness = {arch_data::start18Highway, arch_data::start18Highway, arch_data::start18Railroad},
     .spanDivisor = {8, 8, 5}, .coverFloor = {12, 12, 24}, .coverJustAbove48Is48 = false,
     .seamRule = SeamRule::Always, .flexibilityRule = FlexibilityRule::RequestFactor,
     .ribLimits = nullptr, .searchTakesFirstStepDown = true},
    {.title = arch_data::corrugatedTitle,
     .liveLoadLine = {"H 20 Live Load           31 in. Corner Radius  6 x 2 Corrugation",
                      "H 25 Live Load           31 in. Corner Radius  6 x 2 Corrugation",
                      "E 80 Live Load         31 in. Corner Radius  6 x 2 Corrugation"},
     .layout = arch_data::footInchLayout,
     .walls = corrugation6by2Walls, .thicknessCap = 6,
     .span = arch_data::sizes31.span, .rise = arch_data::sizes31.rise,
     .cornerRadius = arch_data::rc31, .topRadius = arch_data::sizes31.topRadius,
     .rowCover = {arch_data::cover31, arch_data::cover31, arch_data::cover31},
     .secondRailroadRowCover = arch_data::cover31SecondRailroad,
     .startingThickness = {arch_data::start31Highway, arch_data::start31Highway, arch_data::start31Railroad},
     .spanDivisor = {8, 8, 5}, .coverFloor = {24, 24, 36}, .coverJustAbove48Is48 = true,
     .seamRule = SeamRule::Always, .flexibilityRule = FlexibilityRule::RequestFactor,
     .ribLimits = nullptr, .searchTakesFirstStepDown = false},
    {.title = arch_data::corrugatedTitle,
     .liveLoadLine = {"H 20 Live Load         Underpass  6 x 2 Corrugation",
                      "H 25 Live Load         Underpass  6 x 2 Corrugation",
                      "E 80 Live Load         Underpass  6 x 2 Corrugation"},
     .layout = arch_data::footInchLayout,
     .walls = corrugation6by2Walls, .thicknessCap = 6,
     .span = arch_data::sizesUnderpass.span, .rise = arch_data::sizesUnderpass.rise,
     .cornerRadius = arch_data::sizesUnderpass.cornerRadius, .topRadius = arch_data::sizesUnderpass.topRadius,
     .rowCover = {arch_data::coverUnderpass, arch_data::coverUnderpass, arch_data::coverUnderpass},
     .secondRailroadRowCover = arch_data::coverUnderpassSecondRailroad,
     .startingThickness = {arch_data::startUnderpassHighway, arch_data::startUnderpassHighway,
                           arch_data::startUnderpassRailroad},
     .spanDivisor = {8, 8, 5}, .coverFloor = {12, 12, 24}, .coverJustAbove48Is48 = true,
     .seamRule = SeamRule::Always, .flexibilityRule = FlexibilityRule::RequestFactor,
     .ribLimits = nullptr, .searchTakesFirstStepDown = false},
    {.title = arch_data::ribTitle,
     .liveLoadLine = {" H 20 Live Load           3/4 x 3/4 x 7-1/2 Ribs",
                      " H 25 Live Load           3/4 x 3/4 x 7-1/2 Ribs",
                      " E 80 Live Load           3/4 x 3/4 x 7-1/2 Ribs"},
     .layout = arch_data::ribLayout,
     .walls = ribs3by4Walls, .thicknessCap = 2,
     .span = arch_data::sizesRib.span, .rise = arch_data::sizesRib.rise,
     .cornerRadius = arch_data::rcRib, .topRadius = arch_data::sizesRib.topRadius,
     .rowCover = {arch_data::coverRib3by4, arch_data::coverRib3by4, arch_data::coverRib3by4},
     .secondRailroadRowCover = {},
     .startingThickness = {arch_data::startRib3by4, arch_data::startRib3by4, arch_data::startRib3by4},
     .spanDivisor = {4, 4, 4}, .coverFloor = {12, 12, 12}, .coverJustAbove48Is48 = false,
     .seamRule = SeamRule::WhenAnnular, .flexibilityRule = FlexibilityRule::PerThickness,
     .ribLimits = &ribs3by4Limits, .searchTakesFirstStepDown = false},
    {.title = arch_data::ribTitle,
     .liveLoadLine = {" H 20 Live Load           3/4 x 1 x 11-1/2 Ribs",
                      " H 25 Live Load           3/4 x 1 x 11-1/2 Ribs",
                      " E 80 Live Load           3/4 x 1 x 11-1/2 Ribs"},
     .layout = arch_data::ribLayout,
     .walls = ribs1by11Walls, .thicknessCap = 1,
     .span = arch_data::firstOf(arch_data::sizesRib.span, arch_data::rib1by11Sizes),
     .rise = arch_data::firstOf(arch_data::sizesRib.rise, arch_data::rib1by11Sizes),
     .cornerRadius = arch_data::firstOf(arch_data::rcRib, arch_data::rib1by11Sizes),
     .topRadius = arch_data::firstOf(arch_data::sizesRib.topRadius, arch_data::rib1by11Sizes),
     .rowCover = {arch_data::coverRib1by11, arch_data::coverRib1by11, arch_data::coverRib1by11},
     .secondRailroadRowCover = {},
     .startingThickness = {arch_data::startRib1by11, arch_data::startRib1by11, arch_data::startRib1by11},
     .spanDivisor = {4, 4, 4}, .coverFloor = {12, 12, 12}, .coverJustAbove48Is48 = false,
     .seamRule = SeamRule::WhenAnnular, .flexibilityRule = FlexibilityRule::PerThickness,
     .ribLimits = &ribs1by11Limits, .searchTakesFirstStepDown = false},
}};

// A size as the rows print it: "17 x 13", or "6-1 x 4-7" in feet and inches.
std::string archSizeText(SizeNotation notation, double span, double rise);

// One pipe-arch or underpass table's values: its rows and its criteria.
Outcome computeArchTable(const FillTableRequest& request, const ArchProfile& profile, TableValues& values);
// Its title, header and rows, written from them.
void writeArchTable(const FillTableRequest& request, const ArchProfile& profile, const TableValues& values,
                    ReportListing& report);

}  // namespace csp
