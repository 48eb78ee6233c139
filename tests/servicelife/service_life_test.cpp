#include "servicelife/service_life.h"

#include <gtest/gtest.h>

namespace csp {
namespace {

ServiceLifeInput inputOf(const char* resistivity, const char* ph, int gage, int abrasionLevel = 0) {
    ServiceLifeInput input;
    input.resistivityText = resistivity;
    input.phText = ph;
    for (std::size_t i = 0; i < gageTable.size(); ++i)
        if (gageTable[i].number == gage) input.thicknessIndex = static_cast<int>(i);
    input.abrasionLevel = abrasionLevel;
    return input;
}

struct LifeCase {
    const char* resistivity;
    const char* ph;
    int gage;
    double estimatedLife;
    int galvanized;
    int aluminum;
};

class WorkedLives : public testing::TestWithParam<LifeCase> {};

TEST_P(WorkedLives, EstimateRoundAndCap) {
    const LifeCase& c = GetParam();
    ServiceLifeInput input = inputOf(c.resistivity, c.ph, c.gage);
    ASSERT_TRUE(validateServiceLifeInput(input));
    estimateLife(input);
    EXPECT_NEAR(input.estimatedLife, c.estimatedLife, 0.0005);
    EXPECT_EQ(galvanizedLife(input), c.galvanized);
    EXPECT_EQ(aluminumCoatedType2Life(input), c.aluminum);
}

INSTANTIATE_TEST_SUITE_P(
    Table, WorkedLives,
    testing::Values(LifeCase{"5000", "7.0", 16, 70.018, 70, 91}, LifeCase{"5000", "7.0", 18, 49.012, 49, 64},
                    LifeCase{"5000", "8.0", 16, 125.499, 100, 163}, LifeCase{"1000", "6.0", 12, 42.129, 42, 55},
                    LifeCase{"100", "5.0", 16, 0.0, 0, 0}, LifeCase{"2000", "7.3", 16, 81.992, 82, 107},
                    LifeCase{"2000", "7.31", 16, 86.196, 86, 112}, LifeCase{"4000", "0", 16, 0.0, 0, 0},
                    LifeCase{"4000", "-0", 8, 0.0, 0, 0}));

TEST(EstimateLife, AbovePh73EveryGageGetsTheSameLife) {
    for (const Gage& gage : gageTable) {
        ServiceLifeInput input = inputOf("5000", "8", gage.number);
        estimateLife(input);
        EXPECT_NEAR(input.estimatedLife, 125.499, 0.0005) << gage.listText;
    }
}

struct CheckCase {
    const char* resistivity;
    const char* ph;
    const char* message;  // empty when accepted
};

class InputChecks : public testing::TestWithParam<CheckCase> {};

TEST_P(InputChecks, PhFirstThenResistivityBothEndsIncluded) {
    const Outcome checked = validateServiceLifeInput(inputOf(GetParam().resistivity, GetParam().ph, 16));
    EXPECT_EQ(checked.ok(), std::string(GetParam().message).empty());
    EXPECT_EQ(checked.message, GetParam().message);
}

constexpr const char* phMessage = "The pH must be between 0 and 14.";
constexpr const char* resistivityMessage = "The resistivity must be between 100 and 100000.";

INSTANTIATE_TEST_SUITE_P(
    Ranges, InputChecks,
    testing::Values(CheckCase{"100000", "14", ""}, CheckCase{"100", "0", ""},
                    CheckCase{"5000", "", "The pH '' is not a number."},
                    CheckCase{"5000", "14.01", phMessage}, CheckCase{"5000", "-0.1", phMessage},
                    CheckCase{"99.9", "7", resistivityMessage}, CheckCase{"100000.1", "7", resistivityMessage},
                    CheckCase{"", "7", "The resistivity '' is not a number."},
                    CheckCase{"abc", "7", "The resistivity 'abc' is not a number."},
                    CheckCase{"1e999", "7", "The resistivity '1e999' is not a number."},
                    CheckCase{"50", "15", phMessage}, CheckCase{"5000", "1e999", "The pH '1e999' is not a number."},
                    CheckCase{"5,000", "5,5", "The pH '5,5' is not a number."}));

struct NoteCase {
    const char* resistivity;
    const char* ph;
    int abrasionLevel;
    bool applies;
};

class AluminumCoatedType2Note : public testing::TestWithParam<NoteCase> {};

TEST_P(AluminumCoatedType2Note, NeedsLowAbrasionNeutralPhAndResistivity) {
    const NoteCase& c = GetParam();
    EXPECT_EQ(aluminumCoatedType2NoteApplies(inputOf(c.resistivity, c.ph, 16, c.abrasionLevel)), c.applies);
}

INSTANTIATE_TEST_SUITE_P(Limits, AluminumCoatedType2Note,
                         testing::Values(NoteCase{"1500", "9", 1, true}, NoteCase{"1500", "5", 0, true},
                                         NoteCase{"1500", "9.01", 1, false}, NoteCase{"1500", "4.99", 1, false},
                                         NoteCase{"1499", "7", 1, false}, NoteCase{"5000", "7", 2, false},
                                         NoteCase{"5000", "7", 3, false}));

}  // namespace
}  // namespace csp
