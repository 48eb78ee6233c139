#include <gtest/gtest.h>

#include <sstream>

#include "filltables/arch_tables.h"
#include "tests/filltables/table_fixture.h"

namespace csp {
namespace {

using testing_tables::generateTable;
using testing_tables::TableChoice;
using Lines = std::vector<std::string>;

constexpr std::size_t archHeadLines = 8;

Lines rowsOf(const TableChoice& choice) {
    const auto table = generateTable(choice);
    EXPECT_TRUE(table.ok) << table.message;
    return testing_tables::rowsOf(table, archHeadLines);
}

std::vector<std::string> wordsOf(const std::string& row) {
    std::istringstream in(row);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

TEST(PipeArchTable, Corrugated2By2UnderH20) {
    const auto table = generateTable({.shape = 8});
    ASSERT_TRUE(table.ok);
    const Lines head(table.lines.begin(), table.lines.begin() + archHeadLines);
    const Lines expected = {
        "Maximum Fill Heights for Corrugated Steel Pipe-arch",
        "H 20 Live Load           2-2/3 x 1/2 Corrugation",
        " ",
        "  Span x      Min.    Min.  Max. Cover (ft) for Spec. Corner Pressure",
        "   Rise     Thick.  Cover   ----------------------------------------------",
        "    In.       In.     In.   2 Ton/Sq Ft  3 Ton/Sq Ft  4 Ton/Sq Ft",
        "--------------------------------------------------------------------------",
        " ",
    };
    EXPECT_EQ(head, expected);
    const Lines rows = testing_tables::rowsOf(table, archHeadLines);
    ASSERT_EQ(rows.size(), 12u);
    // The corner cover limits 13.57, 20.35 and 27.13 ft govern.
    EXPECT_EQ(rows[0], "  17 x 13    0.064    12       14           20           27");
    // 0.079 in. already meets the flexibility limit: sqrt(0.043 x 29e6 x 0.0287 / 12) = 54.6 in.
    EXPECT_EQ(rows[6], "  49 x 33    0.079    12       13           19           25");
}

TEST(PipeArchTable, Corrugated2By2UnderE80StepsTheCoverDown) {
    const Lines rows = rowsOf({.shape = 8, .liveLoad = LiveLoad::E80});
    // 2 Ton: down to 0 below 2 ft; 3 Ton: 20.35 and 19.35 rejected, 18.35 kept.
    EXPECT_EQ(rows.at(0), "  17 x 13    0.064    24        0           18           27");
}

TEST(PipeArchTable, Corner18InchUnderE80InFeetAndInches) {
    const auto table = generateTable({.shape = 11, .liveLoad = LiveLoad::E80});
    ASSERT_TRUE(table.ok);
    const Lines expectedHead = {
        "  Span x           Min.    Min.  Max. Cover (ft) for Spec. Corner Pressure",
        "   Rise          Thick.  Cover   -----------------------------------------",
        "   Ft-In.          In.     In.   2 Ton/Sq Ft  3 Ton/Sq Ft  4 Ton/Sq Ft",
        "--------------------------------------------------------------------------",
    };
    EXPECT_EQ(Lines(table.lines.begin() + 3, table.lines.begin() + 7), expectedHead);
    // The 2 Ton column takes 16.29 - 1 after one rejected check.
    EXPECT_EQ(table.lines[archHeadLines], "  6-1  x  4-7     0.111    24       15           24           33");
}

TEST(PipeArchTable, Corner18InchUnderH20PairsMinimumAndMaximumCover) {
    const auto table = generateTable({.shape = 11});
    ASSERT_TRUE(table.ok);
    const Lines expectedHead = {
        "  Span x           Min.  Minimum Cover (in.) & Maximum Cover (ft) ",
        "   Rise          Thick.  -------------------------------------------------",
        "   Ft-In.          In.   2 Ton/Sq Ft  3 Ton/Sq Ft  4 Ton/Sq Ft",
        "--------------------------------------------------------------------------",
    };
    EXPECT_EQ(Lines(table.lines.begin() + 3, table.lines.begin() + 7), expectedHead);
    EXPECT_EQ(table.lines[archHeadLines], "  6-1  x  4-7     0.111     12  16       12  24       12  33");
}

TEST(PipeArchTable, PairedColumnWithoutCoverShowsNoMinimumCover) {
    bool sawEmptyColumn = false;
    for (LiveLoad load : {LiveLoad::H20, LiveLoad::H25})
        for (const char* density : {"120", "400", "2000"})
            for (const std::string& row : rowsOf({.shape = 11, .liveLoad = load, .soilDensity = density})) {
                const auto words = wordsOf(row);  // span x rise thickness (min max) x 3
                ASSERT_EQ(words.size(), 10u) << row;
                // A cover that merely rounds to 0 keeps its minimum cover.
                for (std::size_t j = 4; j < 10; j += 2)
                    if (words[j] == "0") {
                        sawEmptyColumn = true;
                        EXPECT_EQ(words[j + 1], "0") << row;
                    }
            }
    EXPECT_TRUE(sawEmptyColumn);
}

TEST(PipeArchTable, Corner31InchUnderE80TakesA48InchCoverForTheWidestSpans) {
    const Lines rows = rowsOf({.shape = 12, .liveLoad = LiveLoad::E80});
    ASSERT_EQ(rows.size(), 24u);
    // 245 / 5 = 49.0 and 247 / 5 = 49.4 become 48.
    EXPECT_EQ(wordsOf(rows[22])[0], "20-5");
    EXPECT_EQ(wordsOf(rows[22])[4], "48");
    EXPECT_EQ(wordsOf(rows[23])[0], "20-7");
    EXPECT_EQ(wordsOf(rows[23])[4], "48");
    EXPECT_EQ(wordsOf(rows[0])[4], "36");
}

TEST(PipeArchTable, EverySizeGetsARow) {
    const std::pair<int, std::size_t> sizes[] = {{8, 12},  {9, 17},  {10, 13}, {11, 34},
                                                 {12, 24}, {13, 22}, {14, 16}, {15, 9}};
    for (const auto& [shape, count] : sizes)
        for (LiveLoad load : {LiveLoad::H20, LiveLoad::H25, LiveLoad::E80})
            EXPECT_EQ(rowsOf({.shape = shape, .liveLoad = load, .soilDensity = "10000"}).size(), count) << shape;
}

TEST(PipeArchTable, Corner18InchUnderE80StartsHeavierOver137Inches) {
    const Lines rows = rowsOf({.shape = 11, .liveLoad = LiveLoad::E80});
    for (std::size_t s = 0; s < rows.size(); ++s) {
        const double span = archProfiles[3].span[s];
        if (span > 137) {
            EXPECT_NE(wordsOf(rows[s])[3], "0.111") << rows[s];
        }
    }
    EXPECT_EQ(wordsOf(rows[16])[0], "11-5");  // 137 in.
    EXPECT_EQ(wordsOf(rows[17])[3], "0.140");
}

TEST(PipeArchTable, RibPipeArchesReachTheirHeaviestWallOnlyByTheStartingRule) {
    // The thickness step stops at 0.109 in. (cap); 0.138 in. only from size 10 on.
    const Lines rows = rowsOf({.shape = 14, .conditions = Conditions::EmbankmentAisi});
    ASSERT_EQ(rows.size(), 16u);
    for (std::size_t s = 0; s < rows.size(); ++s)
        EXPECT_EQ(wordsOf(rows[s])[3] == "0.138", s >= 10) << rows[s];
    const Lines narrow = rowsOf({.shape = 15});
    EXPECT_EQ(wordsOf(narrow[8])[3], "0.109");
    EXPECT_EQ(wordsOf(narrow[7])[3], "0.079");
}

TEST(PipeArchTable, RibHeaderHasTheNarrowRule) {
    const auto table = generateTable({.shape = 15, .showCriteria = 0});
    const Lines expected = {
        " Maximum Fill Heights for Steel Pipe-Arch",
        " H 20 Live Load           3/4 x 1 x 11-1/2 Ribs",
        " ",
        "  Span x      Min.    Min.  Max. Cover (ft) for Spec. Corner Pressure",
        "   Rise     Thick.  Cover   -----------------------------------------",
        "    In.       In.     In.   2 Ton/Sq Ft  3 Ton/Sq Ft  4 Ton/Sq Ft  ",
        "-----------------------------------------------------------------",
        " ",
    };
    EXPECT_EQ(Lines(table.lines.begin(), table.lines.begin() + archHeadLines), expected);
    EXPECT_EQ(table.lines.back(), "  Minimum Fill Height taken as Span/ 4 but not less than  12 in.");
}

TEST(PipeArchTable, RibTrenchLimitsFollowTheTrenchType) {
    const double special[] = {0.0365, 0.0402, 0.0462}, standard[] = {0.0271, 0.0298, 0.0342};
    for (Conditions trench : {Conditions::TrenchAstm, Conditions::TrenchAisi})
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(ribFlexibilityLimit(ribs1by11Limits, trench, TrenchType::Special, i), special[i]);
            EXPECT_EQ(ribFlexibilityLimit(ribs1by11Limits, trench, TrenchType::Standard, i), standard[i]);
        }
    EXPECT_EQ(ribFlexibilityLimit(ribs1by11Limits, Conditions::EmbankmentAisi, TrenchType::Special, 0), 0.0232);
}

TEST(PipeArchTable, HidingTheCriteriaEndsWithTheLastRow) {
    for (int shape = 8; shape <= 15; ++shape) {
        const auto table = generateTable({.shape = shape});
        EXPECT_EQ(table.lines.size(), archHeadLines + archProfiles[static_cast<std::size_t>(shape - 8)].span.size());
    }
}

TEST(PipeArchTable, AWallTooFlexibleAtTheCappedThicknessPrintsZeroInEveryColumn) {
    // 5 x 1 at 171 in. cannot meet the 0.033 limit even at 0.168 in.
    const Lines rows = rowsOf({.shape = 10});
    const auto words = wordsOf(rows.back());
    EXPECT_EQ(words[0], "171");
    EXPECT_EQ(words[5], "0");
    EXPECT_EQ(words[6], "0");
    EXPECT_EQ(words[7], "0");
}

}  // namespace
}  // namespace csp
