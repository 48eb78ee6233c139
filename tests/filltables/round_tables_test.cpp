#include <gtest/gtest.h>

#include <sstream>

#include "filltables/round_tables.h"
#include "tests/filltables/table_fixture.h"

namespace csp {
namespace {

using testing_tables::generateTable;
using testing_tables::TableChoice;
using Lines = std::vector<std::string>;

constexpr std::size_t roundHeadLines = 9;

Lines rowsOf(const TableChoice& choice) {
    const auto table = generateTable(choice);
    EXPECT_TRUE(table.ok) << table.message;
    return testing_tables::rowsOf(table, roundHeadLines);
}

// The numbers of a row: diameter, minimum cover, one cover per thickness.
std::vector<int> numbersOf(const std::string& row) {
    std::istringstream in(row);
    std::vector<int> numbers;
    for (int n; in >> n;) numbers.push_back(n);
    return numbers;
}

const std::string* rowFor(const Lines& rows, int diameter) {
    for (const std::string& row : rows)
        if (numbersOf(row).front() == diameter) return &row;
    return nullptr;
}

TEST(RoundTable, Corrugated2By2UnderH20OpensWithItsHeader) {
    const auto table = generateTable({.shape = 4});
    ASSERT_TRUE(table.ok);
    const Lines head(table.lines.begin(), table.lines.begin() + roundHeadLines);
    const Lines expected = {
        " Maximum Fill Heights for Steel Pipe",
        "H 20 Live Load            2-2/3 X 1/2 Corrugation",
        "--------------------------------------------------------------------------",
        " ",
        " Dia. or     Min.    Maximum Cover (ft) for specified thickness (in.)",
        "  Span,     Cover,   -----------------------------------------------------",
        "   In.       In.     0.064     0.079     0.109     0.138     0.168",
        "--------------------------------------------------------------------------",
        " ",
    };
    EXPECT_EQ(head, expected);
}

TEST(RoundTable, Corrugated2By2UnderH20) {
    const Lines rows = rowsOf({.shape = 4});
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows[0], "   12        12        213       266       373       480       587");
    EXPECT_EQ(*rowFor(rows, 18), "   18        12        142       177       249       320       391");
    EXPECT_EQ(*rowFor(rows, 48), "   48        12         53        67        93       120       147");
    for (const std::string& row : rows)
        if (numbersOf(row)[0] >= 54) {
            EXPECT_EQ(numbersOf(row)[2], 0) << row;
        }
    // At 90 in. the 0.168 wall exceeds its flexibility limit: the table ends.
    EXPECT_EQ(rows.back(), "   84        12          0         0         0         0        75");
}

TEST(RoundTable, Rib1By11UnderH20TakesTheRowCoverTable) {
    const Lines rows = rowsOf({.shape = 1});
    EXPECT_EQ(numbersOf(rows.front()), (std::vector<int>{24, 12, 51, 72, 121}));
    EXPECT_EQ(numbersOf(*rowFor(rows, 54))[1], 18);  // though 54 / 4 = 13.5
    EXPECT_EQ(numbersOf(rows.back()), (std::vector<int>{84, 24, 0, 0, 35}));
    EXPECT_EQ(rows.front(), "   24        12         51        72       121");
}

TEST(RoundTable, Rib3By4UnderH25InASpecialTrenchByLrfd) {
    const Lines rows = rowsOf({.shape = 0, .liveLoad = LiveLoad::H25, .conditions = Conditions::TrenchAstm,
                               .design = DesignMethod::Lrfd, .trench = TrenchType::Special});
    ASSERT_EQ(rows.size(), 17u);
    EXPECT_EQ(numbersOf(rows.front()), (std::vector<int>{24, 12, 72, 100, 167, 242}));
    EXPECT_EQ(numbersOf(rows.back()), (std::vector<int>{120, 30, 0, 0, 0, 37}));
}

TEST(RoundTable, Corrugated3By1UnderE80InAnAisiEmbankment) {
    const Lines rows = rowsOf({.shape = 5, .liveLoad = LiveLoad::E80, .conditions = Conditions::EmbankmentAisi,
                               .base = TableBase::Annular, .loadReduction = "0.86"});
    EXPECT_EQ(numbersOf(rows.front()), (std::vector<int>{36, 18, 93, 115, 166, 206, 228}));
    EXPECT_EQ(numbersOf(rows.back()), (std::vector<int>{144, 36, 0, 0, 0, 42, 52}));
    const std::pair<int, int> covers[] = {{72, 18}, {78, 24}, {96, 24}, {102, 30}, {120, 30}, {126, 36}};
    for (const auto& [diameter, cover] : covers) {
        ASSERT_NE(rowFor(rows, diameter), nullptr) << diameter;
        EXPECT_EQ(numbersOf(*rowFor(rows, diameter))[1], cover) << diameter;
    }
}

TEST(RoundTable, Corrugated6By2ByLrfdIsBoundByItsBoltedSeams) {
    const auto table = generateTable({.shape = 7, .design = DesignMethod::Lrfd});
    ASSERT_TRUE(table.ok);
    EXPECT_EQ(table.lines[1], "H 20 Live Load           6 x 2 Corrugation");
    EXPECT_EQ(table.lines[6], "   In.       In.     0.111   0.140   0.170   0.188   0.218   0.249   0.280");
    // 42,000 / 300 x 0.3435897435897436 = 48.1 for 0.111 in.
    EXPECT_EQ(table.lines[roundHeadLines], "   60        12         48      71      93     107     128     151     165");
}

TEST(RoundTable, ThreeAndFourColumnHeaders) {
    EXPECT_EQ(generateTable({.shape = 1}).lines[6], "   In.       In.     0.064     0.079     0.109");
    EXPECT_EQ(generateTable({.shape = 2}).lines[6], "   In.       In.     0.064     0.079     0.109     0.138");
}

TEST(RoundTable, Corrugated2By2InAnAisiTrenchLoosensTheLimitWithTheSpan) {
    // The 0.109 in. wall stays within the 0.08 limit up to 90 in.; under the
    // 0.06 limit it would end at 78 in.
    const Lines rows = rowsOf({.shape = 4, .conditions = Conditions::TrenchAisi});
    ASSERT_NE(rowFor(rows, 84), nullptr);
    EXPECT_GT(numbersOf(*rowFor(rows, 84))[4], 0);
    // Under the 0.043 limit up to 42 in. the 0.064 wall is within it too
    // (sqrt(0.043 x 30e6 x 0.0227 / 12) = 49.4 in.).
    EXPECT_GT(numbersOf(*rowFor(rows, 42))[2], 0);
}

TEST(RoundTable, Corrugated5By1TakesNoSeamCheckEvenAnnular) {
    const auto helical = generateTable({.shape = 6, .conditions = Conditions::EmbankmentAisi, .showCriteria = 0});
    const auto annular = generateTable(
        {.shape = 6, .conditions = Conditions::EmbankmentAisi, .base = TableBase::Annular, .showCriteria = 0});
    ASSERT_EQ(annular.lines.size(), helical.lines.size());
    for (std::size_t i = 0; i < helical.lines.size(); ++i)
        if (helical.lines[i] != "  Pipe Type = Helical") {
            EXPECT_EQ(annular.lines[i], helical.lines[i]);
        }
    EXPECT_EQ(annular.lines[annular.lines.size() - 2], "  Seam Strength check not required for helical pipe.");
}

TEST(RoundTable, AnnularCorrugated3By1TakesTheSeamCheck) {
    const auto annular = generateTable({.shape = 5, .base = TableBase::Annular, .showCriteria = 0});
    EXPECT_EQ(annular.lines[annular.lines.size() - 2], "  Safety Factor on Seam Strength = 3.00");
    EXPECT_NE(annular.lines, generateTable({.shape = 5, .showCriteria = 0}).lines);
}

TEST(RoundTable, HidingTheCriteriaEndsWithTheLastRow) {
    const auto hidden = generateTable({.shape = 4, .showCriteria = 1});
    EXPECT_EQ(hidden.lines.back(), "   84        12          0         0         0         0        75");
    const auto shown = generateTable({.shape = 4, .showCriteria = 0});
    EXPECT_EQ(shown.lines.size(), hidden.lines.size() + 10);
    EXPECT_EQ(shown.lines.back(), "  Minimum Fill Height taken as Span/ 8 but not less than  12 in.");
}

TEST(RoundTable, ALiveLoadOutsideTheListIsAnInputError) {
    const auto table = generateTable({.shape = 4, .liveLoad = static_cast<LiveLoad>(3)});
    EXPECT_FALSE(table.ok);
    EXPECT_EQ(table.message, "Input data error. Try again. Code:roundsrp1-1");
}

TEST(RoundTable, TheRowLimitEndsTheShorterTablesBeforeTheirLastDiameter) {
    // Trench limits keep the heaviest walls within reach of 96 and 108 in.
    const Lines corrugated = rowsOf({.shape = 4, .conditions = Conditions::TrenchAstm});
    EXPECT_EQ(numbersOf(corrugated.back())[0], 96);
    const Lines rib = rowsOf({.shape = 1, .conditions = Conditions::TrenchAstm, .trench = TrenchType::Special});
    EXPECT_EQ(numbersOf(rib.back())[0], 108);
}

}  // namespace
}  // namespace csp
