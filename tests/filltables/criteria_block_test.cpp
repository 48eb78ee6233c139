#include <gtest/gtest.h>

#include <algorithm>

#include "filltables/max_cover.h"
#include "tests/filltables/table_fixture.h"

namespace csp {
namespace {

using testing_tables::requestFor;
using testing_tables::TableChoice;
using Lines = std::vector<std::string>;

Lines blockOf(FillTableRequest request, double fillDensity = 120, double loadReduction = 1.0,
              double flexibilityLimit = 0.043, double seamSafetyFactor = noSeamCheck) {
    request.appendCriteriaBlock({fillDensity, loadReduction, flexibilityLimit, seamSafetyFactor, {8, 8, 4}, {12, 12, 24}});
    return request.report().lines();
}

FillTableRequest preparedRequest(const TableChoice& choice) {
    FillTableRequest request = requestFor(choice);
    request.prepare();
    return request;
}

bool contains(const Lines& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(CriteriaBlock, RibPipeArchInAnAisiTrench) {
    FillTableRequest request = preparedRequest({.shape = 15, .conditions = Conditions::TrenchAisi,
                                                .trench = TrenchType::Special, .loadReduction = "0.86"});
    request.appendCriteriaBlock({120, 0.86, 0.0365, noSeamCheck, {4, 4, 4}, {12, 12, 12}});
    const Lines expected = {
        " ",
        "The table is based on the following criteria (AISI trench):",
        "  Pipe Type = Helical",
        "  Design Method = ASD",
        "  Trench Type = Special",
        "  Fill Density =   120 pcf (prism above pipe).",
        "  Load Reduction Factor = 0.86 for fill heights not less than span.",
        "  Flexibility Factor Limit = 0.220 I^1/3",
        "  Safety Factor on Wall Area = 2.00",
        "  Safety Factor on Buckling = 2.00 based on equations of AISI.",
        "  Seam Strength check not required for helical pipe.",
        "  Minimum Fill Height taken as Span/ 4 but not less than  12 in.",
    };
    EXPECT_EQ(request.report().lines(), expected);
}

TEST(CriteriaBlock, MainPageDefaultsHaveNoTrenchLine) {
    const Lines block = blockOf(preparedRequest({.shape = 4, .conditions = Conditions::EmbankmentAisi}), 120, 1.0,
                                0.0433);
    const Lines expected = {
        " ",
        "The table is based on the following criteria (AISI embankment):",
        "  Pipe Type = Helical",
        "  Design Method = ASD",
        "  Fill Density =   120 pcf (prism above pipe).",
        "  Load Reduction Factor = 1.00 for fill heights not less than span.",
        "  Flexibility Factor Limit = 0.043",
        "  Safety Factor on Wall Area = 2.00",
        "  Safety Factor on Buckling = 2.00 based on equations of AISI.",
        "  Seam Strength check not required for helical pipe.",
        "  Minimum Fill Height taken as Span/ 8 but not less than  12 in.",
    };
    EXPECT_EQ(block, expected);
}

TEST(CriteriaBlock, AstmTrenchNamesTheStandardByProfile) {
    const Lines round = blockOf(preparedRequest({.shape = 5, .conditions = Conditions::TrenchAstm}));
    EXPECT_EQ(round[1], "The table is based on the following criteria (ASTM trench):");
    EXPECT_EQ(round[4], "  Fill Density =   120 pcf (prism above pipe).");  // no trench type line
    EXPECT_TRUE(contains(round, "  Safety Factor on Buckling = 2.00 based on equations of AASHTO/ASTM."));
    EXPECT_FALSE(contains(round, "  Load Reduction Factor = 1.00 for fill heights not less than span."));

    const Lines rib = blockOf(preparedRequest({.shape = 0, .conditions = Conditions::TrenchAstm}));
    EXPECT_EQ(rib[1], "The table is based on the following criteria (ASTM/AASHTO trench):");
    EXPECT_EQ(rib[4], "  Trench Type = Standard");
    EXPECT_EQ(blockOf(preparedRequest({.shape = 1, .conditions = Conditions::EmbankmentAstmAashto}))[1],
              "The table is based on the following criteria (ASTM/AASHTO embankment):");
}

TEST(CriteriaBlock, BoltedPlateWhateverTheTableBase) {
    for (int shape : {7, 11, 12, 13})
        EXPECT_EQ(blockOf(preparedRequest({.shape = shape, .base = TableBase::Annular}))[2],
                  "  Pipe Type = Bolted,4 bolts/ft");
    EXPECT_EQ(blockOf(preparedRequest({.shape = 8, .base = TableBase::Annular}))[2], "  Pipe Type = Annular");
}

TEST(CriteriaBlock, DesignMethodNames) {
    const std::pair<DesignMethod, const char*> cases[] = {{DesignMethod::Asd, "  Design Method = ASD"},
                                                          {DesignMethod::Lrfd, "  Design Method = LRFD"},
                                                          {DesignMethod::AashtoLfd, "  Design Method = AASHTO LFD"},
                                                          {static_cast<DesignMethod>(7), "  Design Method = Unknown"}};
    for (const auto& [method, line] : cases) EXPECT_EQ(blockOf(preparedRequest({.design = method}))[3], line);
}

TEST(CriteriaBlock, OnlyTheExactNoSeamValuePrintsTheHelicalNote) {
    const FillTableRequest request = preparedRequest({});
    EXPECT_TRUE(contains(blockOf(request, 120, 1, 0.043, 99.0), "  Seam Strength check not required for helical pipe."));
    EXPECT_TRUE(contains(blockOf(request, 120, 1, 0.043, 99.5), "  Safety Factor on Seam Strength = 99.50"));
    EXPECT_TRUE(contains(blockOf(request, 120, 1, 0.043, 100.0), "  Safety Factor on Seam Strength = 100.00"));
    EXPECT_TRUE(contains(blockOf(request, 120, 1, 0.043, 2.0), "  Safety Factor on Seam Strength = 2.00"));
}

TEST(CriteriaBlock, FlexibilityLinesOfAnAisiTrench) {
    const Lines round = blockOf(preparedRequest({.shape = 4, .conditions = Conditions::TrenchAisi}));
    const Lines expected = {"  Flexibility Factor Limit = 0.043 for spans 42 in. or less.",
                            "  Flexibility Factor Limit = 0.060 for spans 48 - 72 in.",
                            "  Flexibility Factor Limit = 0.080 for spans 78 in. or more.",
                            "  Safety Factor on Wall Area = 2.00"};
    EXPECT_EQ(Lines(round.begin() + 6, round.begin() + 10), expected);
    EXPECT_TRUE(contains(blockOf(preparedRequest({.shape = 8, .conditions = Conditions::TrenchAisi})),
                         "  Flexibility Factor Limit = 0.060 in."));
    EXPECT_TRUE(contains(blockOf(preparedRequest({.shape = 9, .conditions = Conditions::TrenchAisi}), 120, 1, 0.06),
                         "  Flexibility Factor Limit = 0.060"));
}

TEST(CriteriaBlock, RibProfilesPrintTheirCoefficientOfIToTheOneThird) {
    struct Case {
        int shape;
        const char* embankment;
        const char* standard;
        const char* special;
    };
    const Case cases[] = {{0, "0.217", "0.263", "0.367"}, {14, "0.217", "0.263", "0.367"},
                          {1, "0.140", "0.163", "0.220"}, {15, "0.140", "0.163", "0.220"},
                          {2, "0.228", "0.276", "0.385"}, {3, "0.147", "0.171", "0.231"}};
    const auto line = [](const char* c) { return std::string("  Flexibility Factor Limit = ") + c + " I^1/3"; };
    for (const Case& c : cases) {
        EXPECT_TRUE(contains(blockOf(preparedRequest({.shape = c.shape, .conditions = Conditions::EmbankmentAisi})),
                             line(c.embankment)))
            << c.shape;
        EXPECT_TRUE(contains(blockOf(preparedRequest({.shape = c.shape, .conditions = Conditions::TrenchAstm,
                                                      .trench = TrenchType::Standard})),
                             line(c.standard)))
            << c.shape;
        EXPECT_TRUE(contains(blockOf(preparedRequest({.shape = c.shape, .conditions = Conditions::TrenchAisi,
                                                      .trench = TrenchType::Special})),
                             line(c.special)))
            << c.shape;
    }
}

TEST(CriteriaBlock, MinimumFillLineFollowsTheLiveLoad) {
    EXPECT_EQ(blockOf(preparedRequest({.liveLoad = LiveLoad::E80})).back(),
              "  Minimum Fill Height taken as Span/ 4 but not less than  24 in.");
    EXPECT_EQ(blockOf(preparedRequest({.liveLoad = LiveLoad::H25}), 1234.5).at(4),
              "  Fill Density =  1235 pcf (prism above pipe).");
}

}  // namespace
}  // namespace csp
