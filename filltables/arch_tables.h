#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "filltables/fill_table_request.h"
#include "filltables/table_data.h"
#include "filltables/wall_profiles.h"

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

// Pipe-arch 2-2/3 x 1/2 (inches).
inline constexpr std::array<double, 12> span2by2 = {17, 21, 24, 28, 35, 42, 49, 57, 64, 71, 77, 83};
inline constexpr std::array<double, 12> rise2by2 = {13, 15, 18, 20, 24, 29, 33, 38, 43, 47, 52, 57};
inline constexpr std::array<double, 12> rc2by2 = {3.5, 4.1, 4.9, 5.5, 6.9, 8.2, 9.6, 11.0, 12.4, 13.75, 15.1, 16.5};
inline constexpr std::array<double, 12> rt2by2 = {8.6,  10.75, 11.9, 14.0, 17.9, 21.5,
                                                  25.1, 28.6,  32.2, 35.7, 39.4, 43.0};
inline constexpr auto cover2by2Highway = repeated<double, 12>({{12, 12}});
inline constexpr auto cover2by2Railroad = repeated<double, 12>({{12, 24}});
inline constexpr auto start2by2 = repeated<int, 12>({{6, 0}, {1, 1}, {2, 2}, {1, 3}, {2, 4}});

// Pipe-arch 3 x 1 (inches); the 5 x 1 pipe-arches are its sizes from 81 in. on.
inline constexpr std::array<double, 17> span1Inch = {53,  60,  66,  73,  81,  87,  95,  103, 112,
                                                     117, 128, 137, 142, 150, 157, 164, 171};
inline constexpr std::array<double, 17> rise1Inch = {41, 46, 51, 55, 59, 63, 67, 71, 75,
                                                     79, 83, 87, 91, 96, 101, 105, 110};
inline constexpr std::array<double, 17> rc1Inch = {16.6, 18.75, 20.75, 22.9, 20.9, 22.6, 24.4, 26.1, 27.75,
                                                   29.5, 31.2,  33,    34.75, 36,  38,   40,   41};
inline constexpr std::array<double, 17> rt1Inch = {25.9, 29.4, 32.6, 36.8, 39.5, 43.4, 47, 51.2, 54.9,
                                                   59.4, 63.2, 67.4, 71.6, 76,   80,   82, 85};
inline constexpr std::size_t first5by1Size = 4;
inline constexpr auto cover3by1Highway = repeated<double, 17>({{7, 12}, {3, 18}, {3, 24}, {4, 30}});
inline constexpr auto cover3by1Railroad = repeated<double, 17>({{7, 24}, {3, 30}, {3, 36}, {4, 48}});
inline constexpr auto start3by1 = repeated<int, 17>({{9, 1}, {3, 2}, {1, 3}, {4, previousSizeThickness}});
inline constexpr auto cover5by1Highway = repeated<double, 13>({{3, 12}, {3, 18}, {3, 24}, {4, 30}});
inline constexpr auto cover5by1Railroad = repeated<double, 13>({{3, 24}, {3, 30}, {3, 36}, {4, 48}});
inline constexpr auto start5by1 = repeated<int, 13>({{8, 2}, {1, 3}, {4, previousSizeThickness}});

// Pipe-arch 6 x 2, 18 in. corner radius (Rc and Rt in feet).
inline constexpr std::array<double, 34> span18 = {73,  76,  81,  84,  87,  92,  95,  98,  103, 106, 112, 114,
                                                  117, 123, 128, 131, 137, 139, 142, 148, 150, 152, 154, 161,
                                                  167, 169, 171, 178, 184, 186, 188, 190, 197, 199};
inline constexpr std::array<double, 34> rise18 = {55, 57, 59, 61, 63, 65, 67,  69,  71,  73,  75,  77,
                                                  79, 81, 83, 85, 87, 89, 91,  93,  95,  97,  100, 101,
                                                  103, 105, 107, 109, 111, 113, 115, 118, 119, 121};
inline constexpr auto rc18 = repeated<double, 34>({{34, 1.5}});
inline constexpr std::array<double, 34> rt18 = {3.07, 3.18, 3.42, 3.53, 3.63, 3.88, 3.98, 4.08, 4.33,
                                                4.42, 4.68, 4.78, 4.86, 5.13, 5.41, 5.49, 5.78, 5.85,
                                                5.93, 6.23, 6.29, 6.37, 6.44, 6.73, 7.03, 7.09, 7.16,
                                                7.47, 7.78, 7.83, 7.89, 7.96, 8.27, 8.33};
inline constexpr auto cover18Highway = repeated<double, 34>({{7, 12}, {12, 18}, {13, 24}, {2, 30}});
inline constexpr auto cover18Railroad = repeated<double, 34>({{13, 24}, {8, 30}, {7, 36}, {6, 42}});
inline constexpr auto start18Highway = repeated<int, 34>({{34, 0}});
// Under E 80 the spans over 137 in. start one thickness up.
inline constexpr auto start18Railroad = repeated<int, 34>({{17, 0}, {17, 1}});

// Pipe-arch 6 x 2, 31 in. corner radius (Rc and Rt in feet).
inline constexpr std::array<double, 24> span31 = {159, 162, 168, 170, 173, 179, 184, 187, 190, 195, 198, 204,
                                                  206, 209, 215, 217, 223, 225, 231, 234, 236, 239, 245, 247};
inline constexpr auto rise31 = evenlySpaced<24>(112, 2);
inline constexpr auto rc31 = repeated<double, 24>({{24, 31.0 / 12.0}});
inline constexpr std::array<double, 24> rt31 = {6.68, 6.78, 7.03, 7.13, 7.22, 7.48, 7.76, 7.84,
                                                7.93, 8.21, 8.29, 8.58, 8.65, 8.73, 9.02, 9.09,
                                                9.38, 9.46, 9.75, 9.83, 9.9,  9.98, 10.27, 10.33};
inline constexpr auto cover31 = repeated<double, 24>({{9, 24}, {13, 30}, {2, 36}});
inline constexpr auto cover31SecondRailroad = repeated<double, 24>({{6, 36}, {8, 42}, {10, 48}});
inline constexpr auto start31Highway = repeated<int, 24>({{19, 0}, {5, 1}});
inline constexpr auto start31Railroad = repeated<int, 24>({{19, 1}, {5, 2}});

// Underpass 6 x 2 (Rc and Rt in feet).
inline constexpr std::array<double, 22> spanUnderpass = {68,  68,  69,  70,  70,  146, 155, 158, 166, 169, 174,
                                                         178, 186, 188, 196, 197, 201, 207, 220, 229, 234, 244};
inline constexpr std::array<double, 22> riseUnderpass = {69,  78,  88,  92,  98,  132, 134, 142, 146, 154, 161,
                                                         168, 172, 180, 185, 192, 195, 204, 203, 206, 211, 213};
inline constexpr auto rcUnderpass = repeated<double, 22>({{5, 1.5}, {12, 3.17}, {5, 3.92}});
inline constexpr std::array<double, 22> rtUnderpass = {2.25, 2.42, 2.33, 2.5,  2.33, 5.67, 6.17, 6.08,
                                                       6.42, 6.42, 6.5,  6.58, 6.92, 6.83, 7.17, 7.33,
                                                       7.42, 7.5,  8.25, 8.75, 8.92, 9.5};
inline constexpr auto coverUnderpass = repeated<double, 22>({{5, 12}, {9, 24}, {8, 36}});
inline constexpr auto coverUnderpassSecondRailroad = repeated<double, 22>({{5, 24}, {7, 36}, {10, 48}});
inline constexpr auto startUnderpassHighway = repeated<int, 22>({{14, 0}, {4, 1}, {4, 2}});
inline constexpr auto startUnderpassRailroad = repeated<int, 22>({{4, 0}, {14, 1}, {4, 2}});

// Rib pipe-arches (inches); the 3/4 x 1 x 11-1/2 ones are the first nine sizes.
// The 40 x 31 size's Rc is 8.625 in. here, where the design check lists
// 8.375: each keeps the value of its own source table, and they are not to
// be merged.
inline constexpr std::array<double, 16> spanRib = {20, 23, 27, 33, 40, 46, 53, 60, 66, 73, 81, 87, 95, 103, 112, 117};
inline constexpr std::array<double, 16> riseRib = {16, 19, 21, 26, 31, 36, 41, 46, 51, 55, 59, 63, 67, 71, 75, 79};
inline constexpr std::array<double, 16> rcRib = {5,      5.375, 5.75,   7.125,  8.625, 9.75,   11.125, 18.75,
                                                 20.75,  22.875, 20.875, 22.625, 24.375, 26.125, 27.75, 29.5};
inline constexpr std::array<double, 16> rtRib = {10.25, 11.625, 13.5,   16.625, 20.25, 23.25, 26.625, 29.375,
                                                 32.625, 36.75, 39.5,   43.375, 47,    51.25, 54.875, 59.375};
inline constexpr std::size_t rib1by11Sizes = 9;
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
     .span = arch_data::span2by2, .rise = arch_data::rise2by2,
     .cornerRadius = arch_data::rc2by2, .topRadius = arch_data::rt2by2,
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
     .span = arch_data::span1Inch, .rise = arch_data::rise1Inch,
     .cornerRadius = arch_data::rc1Inch, .topRadius = arch_data::rt1Inch,
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
     .span = arch_data::from(arch_data::span1Inch, arch_data::first5by1Size),
     .rise = arch_data::from(arch_data::rise1Inch, arch_data::first5by1Size),
     .cornerRadius = arch_data::from(arch_data::rc1Inch, arch_data::first5by1Size),
     .topRadius = arch_data::from(arch_data::rt1Inch, arch_data::first5by1Size),
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
     .span = arch_data::span18, .rise = arch_data::rise18,
     .cornerRadius = arch_data::rc18, .topRadius = arch_data::rt18,
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
     .span = arch_data::span31, .rise = arch_data::rise31,
     .cornerRadius = arch_data::rc31, .topRadius = arch_data::rt31,
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
     .span = arch_data::spanUnderpass, .rise = arch_data::riseUnderpass,
     .cornerRadius = arch_data::rcUnderpass, .topRadius = arch_data::rtUnderpass,
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
     .span = arch_data::spanRib, .rise = arch_data::riseRib,
     .cornerRadius = arch_data::rcRib, .topRadius = arch_data::rtRib,
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
     .span = arch_data::firstOf(arch_data::spanRib, arch_data::rib1by11Sizes),
     .rise = arch_data::firstOf(arch_data::riseRib, arch_data::rib1by11Sizes),
     .cornerRadius = arch_data::firstOf(arch_data::rcRib, arch_data::rib1by11Sizes),
     .topRadius = arch_data::firstOf(arch_data::rtRib, arch_data::rib1by11Sizes),
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
