#include <gtest/gtest.h>

#include "filltables/fill_table_entries.h"
#include "filltables/fill_table_request.h"
#include "tests/filltables/table_fixture.h"

namespace csp {
namespace {

using testing_tables::requestFor;
using testing_tables::TableChoice;

struct TypedCase {
    const char* text;
    bool accepted;
};

TEST(SoilDensityCheck, AcceptsBothEndsOfTheRange) {
    const TypedCase cases[] = {{"1", true},       {"10000", true}, {"120", true},   {"120 pcf", true},
                               {"0.99", false},   {"10000.5", false}, {"-120", false}};
    for (const TypedCase& c : cases) {
        const Outcome checked = checkSoilDensity(c.text);
        EXPECT_EQ(checked.ok(), c.accepted) << c.text;
        EXPECT_EQ(checked.message, c.accepted ? "" : "The soil density must be between 1 and 10000.") << c.text;
    }
    for (const char* misread : {"", "pcf 120", "1e999", "120,5"}) {
        const Outcome checked = checkSoilDensity(misread);
        EXPECT_EQ(checked.message, "The soil density '" + std::string(misread) + "' is not a number.");
        EXPECT_EQ(checked.entry, "soil-density");
    }
}

TEST(LoadReductionCheck, RejectsZeroAndAcceptsOne) {
    const TypedCase cases[] = {{"1", true},     {"0.86", true},  {"1.0", true},  {"0", false},
                               {"1.01", false}, {"-0.5", false}, {"-0", false}};
    for (const TypedCase& c : cases) {
        const Outcome checked = checkLoadReduction(c.text);
        EXPECT_EQ(checked.ok(), c.accepted) << c.text;
        EXPECT_EQ(checked.message, c.accepted ? "" : "The soil dead load reduction factor must be > 0 and <= 1.")
            << c.text;
    }
    EXPECT_EQ(checkLoadReduction("1.00.86").message, "The load reduction factor '1.00.86' is not a number.");
    EXPECT_EQ(checkLoadReduction("").entry, "load-reduction");
}

struct PagesCase {
    const char* name;
    int shape;
    Conditions conditions;
    std::vector<FollowUpPage> pages;
};

class FollowUpPageRule : public testing::TestWithParam<PagesCase> {};

TEST_P(FollowUpPageRule, AsksThePagesInOrder) {
    EXPECT_EQ(followUpPages(GetParam().shape, GetParam().conditions), GetParam().pages);
}

using enum FollowUpPage;
INSTANTIATE_TEST_SUITE_P(
    Cases, FollowUpPageRule,
    testing::Values(
        PagesCase{"TrenchAstmRound3By1", 5, Conditions::TrenchAstm, {SelectDesignTwoChoices, BaseForTables}},
        PagesCase{"TrenchAisiRibPipeArch", 15, Conditions::TrenchAisi, {TrenchDetails, LoadReduction}},
        PagesCase{"EmbankmentAstmRound6By2", 7, Conditions::EmbankmentAstmAashto, {SelectDesign}},
        PagesCase{"EmbankmentAisiRound2By2", 4, Conditions::EmbankmentAisi, {BaseForTables, LoadReduction}},
        PagesCase{"EmbankmentAisiRound5By1", 6, Conditions::EmbankmentAisi, {LoadReduction}},
        PagesCase{"TrenchAstmRibRound", 0, Conditions::TrenchAstm, {TrenchDetails, SelectDesignTwoChoices}},
        PagesCase{"EmbankmentAstmRibRound", 2, Conditions::EmbankmentAstmAashto, {SelectDesign}},
        PagesCase{"TrenchAisiPipeArch3By1", 9, Conditions::TrenchAisi, {BaseForTables, LoadReduction}},
        PagesCase{"EmbankmentAstmUnderpass", 13, Conditions::EmbankmentAstmAashto, {SelectDesign}}),
    [](const auto& info) { return std::string(info.param.name); });

// Walks the rule as the wizard does, leaving the asked pages' fields alone.
void takeValuesOfPagesNotAsked(FillTableRequest& request) {
    for (FollowUpStep step : followUpSteps)
        if (!pageAskedAt(step, request.shape(), request.conditions())) request.takeValueOfPageNotAsked(step);
}

TEST(FollowUpPageRule, PagesNotAskedGiveTheRulesValues) {
    FillTableRequest request = requestFor({.shape = 15, .conditions = Conditions::TrenchAisi,
                                           .design = DesignMethod::AashtoLfd, .base = TableBase::Annular,
                                           .trench = TrenchType::Special, .loadReduction = "0.86"});
    takeValuesOfPagesNotAsked(request);
    EXPECT_EQ(request.designMethod(), DesignMethod::Asd);
    EXPECT_EQ(request.tableBase(), TableBase::Helical);
    EXPECT_EQ(request.trenchType(), TrenchType::Special);  // asked
    EXPECT_EQ(request.loadReductionText(), "0.86");        // asked

    request = requestFor({.shape = 5, .conditions = Conditions::TrenchAstm, .trench = TrenchType::Special,
                          .loadReduction = "0.5"});
    takeValuesOfPagesNotAsked(request);
    EXPECT_EQ(request.trenchType(), TrenchType::Standard);
    EXPECT_EQ(request.loadReductionText(), "1.0");
}

TEST(MainPage, ARejectedSoilDensityCopiesNothing) {
    FillTableRequest request;
    const Outcome taken = request.takeMainPage({.shape = 9, .liveLoad = LiveLoad::E80, .soilDensityText = "0.5",
                                                .conditions = Conditions::TrenchAisi, .showCriteria = 1});
    EXPECT_EQ(taken.message, "The soil density must be between 1 and 10000.");
    EXPECT_EQ(request.shape(), 0);
    EXPECT_EQ(request.liveLoad(), LiveLoad::H20);
    EXPECT_EQ(request.soilDensityText(), "");
    EXPECT_TRUE(request.takeMainPage({.soilDensityText = "120 PCF"}).ok());
    EXPECT_EQ(request.shape(), 4);
    EXPECT_EQ(request.conditions(), Conditions::EmbankmentAisi);
    EXPECT_EQ(request.fillDensity(), 120.0);
}

TEST(LoadReductionPage, StoresTheTextAsTypedOnlyWhenAccepted) {
    FillTableRequest request;
    EXPECT_TRUE(request.takeLoadReduction("0.86").ok());
    EXPECT_EQ(request.loadReductionText(), "0.86");
    EXPECT_FALSE(request.takeLoadReduction("1.5").ok());
    EXPECT_EQ(request.loadReductionText(), "0.86");
}

TEST(Prepare, EmbankmentAisiPipeArchTakesTheAisiCriteria) {
    FillTableRequest request = requestFor({.shape = 9, .conditions = Conditions::EmbankmentAisi, .loadReduction = "0.86"});
    request.prepare();
    EXPECT_EQ(request.flexibilityFactor(), 0.065);
    EXPECT_EQ(request.seamSafetyFactor(), 2);
    EXPECT_EQ(request.bucklingEquation(), BucklingEquation::Aisi);
    EXPECT_EQ(request.loadReductionText(), "0.86");
}

TEST(Prepare, AstmConditionsTakeNoLoadReduction) {
    FillTableRequest request = requestFor({.shape = 7, .conditions = Conditions::EmbankmentAstmAashto,
                                           .loadReduction = "0.5"});
    request.prepare();
    EXPECT_EQ(request.loadReductionText(), "1.0");
    EXPECT_EQ(request.seamSafetyFactor(), 3);
    EXPECT_EQ(request.flexibilityFactor(), 0.02);
    EXPECT_EQ(request.bucklingEquation(), BucklingEquation::AashtoAstm);
}

TEST(Prepare, FlexibilityFactorsAreTakenExactlyAsListed) {
    struct Case {
        int shape;
        Conditions conditions;
        double factor;
    };
    const Case cases[] = {{4, Conditions::EmbankmentAisi, 0.0433}, {4, Conditions::EmbankmentAstmAashto, 0.043},
                          {5, Conditions::EmbankmentAstmAashto, 0.033}, {6, Conditions::TrenchAisi, 0.06},
                          {8, Conditions::EmbankmentAisi, 0.065},  {11, Conditions::TrenchAstm, 0.02},
                          {13, Conditions::TrenchAisi, 0.03},      {0, Conditions::EmbankmentAisi, 0.0},
                          {15, Conditions::TrenchAstm, 0.0}};
    for (const Case& c : cases) {
        FillTableRequest request = requestFor({.shape = c.shape, .conditions = c.conditions});
        request.prepare();
        EXPECT_EQ(request.flexibilityFactor(), c.factor) << c.shape;
    }
}

TEST(Generate, AShapeOutsideTheListIsUnavailable) {
    for (int shape : {-1, 16}) {
        FillTableRequest request = requestFor({.shape = shape});
        request.report().append("earlier line");
        const Outcome generated = request.generate();
        EXPECT_FALSE(generated);
        EXPECT_EQ(generated.message, "This case is unavailable.");
        EXPECT_EQ(request.report().count(), 1u);
    }
}

TEST(Generate, RailroadLoadingOfARibProfileIsRefusedBeforeAnyLine) {
    for (int shape : {0, 1, 2, 3}) {
        const auto table = testing_tables::generateTable({.shape = shape, .liveLoad = LiveLoad::E80});
        EXPECT_FALSE(table.ok);
        EXPECT_EQ(table.message, "Railroad loadings not available for this product.");
        EXPECT_TRUE(table.lines.empty());
    }
}

TEST(Generate, ALoadReductionAboveOneAbandonsTheTableSilently) {
    for (int shape : {4, 8}) {
        const auto table = testing_tables::generateTable(
            {.shape = shape, .conditions = Conditions::EmbankmentAisi, .loadReduction = "1.2"});
        EXPECT_FALSE(table.ok);
        EXPECT_EQ(table.message, "");
    }
}

TEST(Generate, RibPipeArchesTakeRailroadLoading) {
    const auto table = testing_tables::generateTable({.shape = 14, .liveLoad = LiveLoad::E80});
    EXPECT_TRUE(table.ok);
    EXPECT_EQ(table.lines[1], " E 80 Live Load           3/4 x 3/4 x 7-1/2 Ribs");
}

// A factor just above 0 makes covers near the largest number the report
// can print; the chart's axis still ends, at its top cover.
TEST(Generate, CoversNearTheLargestNumberGiveAChartWithAnEnd) {
    for (const char* factor : {"1E-306", "1E-300", "2.2E-308"}) {
        Entries entries;
        entries.set("load-reduction", factor);
        ReportListing listing;
        std::string picture;
        ASSERT_TRUE(produceFillTable(entries, listing, &picture)) << factor;
        EXPECT_LT(picture.size(), 64u * 1024) << factor;
        EXPECT_TRUE(picture.ends_with("</svg>\n")) << factor;
    }
}

}  // namespace
}  // namespace csp
