#include "shell/typed_number.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

namespace csp {
namespace {

struct TypedCase {
    const char* text;
    double value;
};

class ReadsTheLeadingDecimalNumber : public testing::TestWithParam<TypedCase> {};

TEST_P(ReadsTheLeadingDecimalNumber, AsTheFieldDoes) {
    EXPECT_EQ(readTypedNumber(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    TypedTexts, ReadsTheLeadingDecimalNumber,
    testing::Values(TypedCase{"7.5", 7.5}, TypedCase{"5000", 5000}, TypedCase{"5000.0", 5000},
                    TypedCase{"  120abc", 120}, TypedCase{"\t 42", 42}, TypedCase{"5e3", 5000},
                    TypedCase{"5E+3", 5000}, TypedCase{"2.5e-1", 0.25}, TypedCase{"1e", 1}, TypedCase{"1e+", 1},
                    TypedCase{"1.e2", 100}, TypedCase{"-.5", -0.5}, TypedCase{"+.5", 0.5}, TypedCase{".5.5", 0.5},
                    TypedCase{"12,5", 12}, TypedCase{"0x10", 0}, TypedCase{"inf", 0}, TypedCase{"nan", 0},
                    TypedCase{"-inf", 0}, TypedCase{"", 0}, TypedCase{"   ", 0}, TypedCase{".", 0},
                    TypedCase{"-", 0}, TypedCase{"+-1", 0}, TypedCase{"abc12", 0}, TypedCase{"1 2", 1},
                    TypedCase{"0.1", 0.1}, TypedCase{"1e-400", 0}, TypedCase{"00012", 12},
                    TypedCase{"1e99999999999999999999", std::numeric_limits<double>::infinity()},
                    TypedCase{"-1e400", -std::numeric_limits<double>::infinity()},
                    TypedCase{"0e99999", 0}));

// A misread text is refused, naming its field; a number followed by
// blanks or by its field's unit reads as before.
TEST(TypedNumber, AMisreadTextIsRefusedByItsFieldsName) {
    const struct {
        const char* text;
        bool misread;
    } cases[] = {{"12,5", true},  {"4,000", true},  {".86", false},   {"1.00.86", true}, {"5 5", true},
                 {"", true},      {"   ", true},    {"abc", true},    {",5", true},      {"-", true},
                 {"1e400", true}, {"-1e400", true}, {"1e-400", false}, {"120 FEET.", false}, {" 7 ", false},
                 {"1e3 ft", false}, {"1.5", false},   {"0", false},     {"60ft", false},   {"1e5e3", true}};
    for (const auto& c : cases) {
        EXPECT_EQ(isMisreadTypedNumber(c.text), c.misread) << '"' << c.text << '"';
        const Outcome checked = checkTypedNumber("cover", c.text, units::feet);
        EXPECT_EQ(checked.refused(), c.misread) << '"' << c.text << '"';
        if (c.misread) {
            EXPECT_EQ(checked.message, "The cover '" + std::string(c.text) + "' is not a number.");
        }
    }
}

TEST(TypedNumber, ValuesBeyondRangeReadAsInfinityOrZeroWithoutFailing) {
    const std::string manyDigits(5000, '9');
    EXPECT_TRUE(std::isinf(readTypedNumber(manyDigits)));
    EXPECT_EQ(readTypedNumber("0." + std::string(5000, '0') + "1"), 0.0);
    EXPECT_EQ(readTypedNumber("1.7976931348623157e308"), std::numeric_limits<double>::max());
}

TEST(TypedNumber, ReadsAPointWhateverTheLocaleSays) {
    const char* locales[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8"};
    const char* chosen = nullptr;
    for (const char* name : locales)
        if ((chosen = std::setlocale(LC_NUMERIC, name)) != nullptr) break;
    if (chosen == nullptr) GTEST_SKIP() << "no locale with a decimal comma is installed";
    EXPECT_EQ(readTypedNumber("7.5"), 7.5);
    EXPECT_EQ(readTypedNumber("7,5"), 7.0);
    std::setlocale(LC_NUMERIC, "C");
}

}  // namespace
}  // namespace csp
