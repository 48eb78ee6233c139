#include "filltables/table_row.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "tests/filltables/table_fixture.h"

namespace csp {
namespace {

struct RowCase {
    const char* format;
    std::vector<double> cells;
    const char* expected;
};

TEST(TableRow, ANumberWiderThanItsColumnFillsTheColumnWithStars) {
    const double inf = INFINITY;
    const RowCase cases[] = {
        {" %4.0f %9.0f", {24, 51425}, "   24     51425"},
        {" %4.0f %9.0f  %9.0f", {24, 5142500000, 12}, "   24 *********         12"},
        {"%3.0f|%-3.0f|%3.0f|", {999.4, 1000, -99}, "999|***|-99|"},
        {"%3.0f|%3.0f|", {-999, 999.5}, "***|***|"},  // 999.5 rounds up to 1000
        {"%9.0f|%9.0f|%7.3f", {inf, std::nan(""), 0.111}, "*********|*********|  0.111"},
    };
    for (const RowCase& c : cases) {
        std::vector<FormatArg> cells(c.cells.begin(), c.cells.end());
        std::string row = "kept ";
        appendTableRow(row, c.format, cells);
        EXPECT_EQ(row, std::string("kept ") + c.expected) << c.format;
    }
}

// A load reduction factor the page accepts, however small, divides the
// covers of every table under AISI conditions.
TEST(TableRow, NoRowOfAnyTableOutgrowsTheRulerUnderATinyLoadReduction) {
    for (const char* loadReduction : {"1e-88", "0.01", "4.9e-324"}) {
        for (int shape = 0; shape < shapeCount; ++shape) {
            const testing_tables::Generated table = testing_tables::generateTable(
                {.shape = shape, .conditions = Conditions::EmbankmentAisi, .loadReduction = loadReduction});
            ASSERT_TRUE(table.ok) << shape;
            for (const std::string& line : table.lines)
                EXPECT_LE(line.size(), 74u) << "shape " << shape << ", K " << loadReduction << ": " << line;
        }
    }
}

}  // namespace
}  // namespace csp
