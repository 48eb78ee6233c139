#include "servicelife/service_life_report.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace csp {
namespace {

std::vector<std::string> reportOf(ServiceLifeInput input) {
    EXPECT_TRUE(validateServiceLifeInput(input));
    estimateLife(input);
    ReportListing listing;
    buildServiceLifeReport(input, listing);
    return listing.lines();
}

ServiceLifeInput inputOf(const char* resistivity, const char* ph, int abrasionLevel, int thicknessIndex = 1) {
    ServiceLifeInput input;
    input.resistivityText = resistivity;
    input.phText = ph;
    input.abrasionLevel = abrasionLevel;
    input.thicknessIndex = thicknessIndex;
    return input;
}

std::vector<std::string> coatingRows(const std::vector<std::string>& report) {
    std::vector<std::string> names;
    for (const std::string& line : report)
        if (line.size() == 75 && line.compare(45, 2, "  ") == 0 && line.ends_with("   "))
            names.push_back(line.substr(0, line.find_last_not_of(' ', 44) + 1));
    return names;
}

const std::vector<std::string> generalNote = {
    " ",
    "---------------------------------------------------------------------------",
    "General Note: The calculations performed by this program are based on the guidance",
    "              provided in the KORVA Durability Guide.  By using this program, the user",
    "              acknowledges his/her understanding of the Guide and its conditions.",
    " ",
    "              Coating add-on life is based on water-side conditions and may ",
    "              vary within environmental ranges. Soil-side life is typically",
    "              100 years with any of the coatings designated for additional",
    "              soil-side protection."};

TEST(ServiceLifeReport, StartValuesGiveTheWholeReport) {
    std::vector<std::string> expected = {
        "Input Data:",
        "  Thickness:      0.064 (in)  16 Gage",
        "  Resistivity:    5000",
        "  pH:             7.0",
        "  Abrasion Level: 1",
        " ",
        "Estimated Life for Abrasion Level 1/2:",
        "                                            Coating      Galvanized  Total",
        "COATING                                     Add-On Life  Life      Life",
        "------------------------------------------  -----------  ----------- ------",
        " ",
        "None                                             0           70       70   ",
        " ",
        "Asphalt Coated                                  10           70       80   ",
        " ",
        "Asphalt Coated and Paved                        30           70      100   ",
        " ",
        "Polymerized Asphalt Invert Coated               45           70      100   ",
        " ",
        "Polymer Precoated                               80           70      100   ",
        " ",
        "Polymer Precoated and Paved                     80           70      100   ",
        " ",
        "Polymer Precoated with Polymerized Asphalt      80           70      100   ",
        "    Invert Coated",
        " ",
        "Aramid Fiber Bonded Asphalt Coated              40           70      100   ",
        " ",
        "Aramid Fiber Bonded and Asphalt Paved           50           70      100   ",
        " ",
        "High Strength Concrete Lined                    75           70      100   ",
        " ",
        "Concrete Invert Paved (3 in. cover)             80           70      100   ",
        " ",
        "Aluminum Coated Type 2 without non-metallic coating: 75 year total life.",
        "    (Note A)",
    };
    expected.insert(expected.end(), generalNote.begin(), generalNote.end());
    expected.push_back(" ");
    expected.push_back("Note A: Review state and local design criteria.");
    EXPECT_EQ(reportOf(ServiceLifeInput{}), expected);
}

TEST(ServiceLifeReport, TypedTextsAppearExactlyAsTyped) {
    const auto report = reportOf(inputOf("5000.0", " 7", 0));
    EXPECT_EQ(report[2], "  Resistivity:    5000.0");
    EXPECT_EQ(report[3], "  pH:              7");
}

TEST(ServiceLifeReport, Level3ListsEightCoatingsWithoutNone) {
    const auto report = reportOf(inputOf("5000", "7.0", 2));
    EXPECT_EQ(report[6], "Estimated Life for Abrasion Level 3:");
    const auto rows = coatingRows(report);
    EXPECT_EQ(rows.size(), 8u);
    EXPECT_EQ(std::count(rows.begin(), rows.end(), "None"), 0);
    EXPECT_EQ(std::count(rows.begin(), rows.end(), "Asphalt Coated"), 0);
    EXPECT_EQ(std::count(rows.begin(), rows.end(), "Aramid Fiber Bonded Asphalt Coated"), 0);
}

TEST(ServiceLifeReport, Level4ListsThreeCoatingsAndNoNote) {
    const auto report = reportOf(inputOf("5000", "7.0", 3));
    EXPECT_EQ(report[6], "Estimated Life for Abrasion Level 4:");
    EXPECT_EQ(coatingRows(report), (std::vector<std::string>{"Polymer Precoated and Paved",
                                                             "Polymer Precoated with Polymerized Asphalt",
                                                             "Concrete Invert Paved (3 in. cover)"}));
    EXPECT_EQ(std::count(report.begin(), report.end(), "    Invert Coated"), 1);
    EXPECT_EQ(report.back(), "              soil-side protection.");
    EXPECT_EQ(std::count(report.begin(), report.end(), "    (Note A)"), 0);
}

TEST(ServiceLifeReport, TotalsStopAtOneHundredYears) {
    const auto report = reportOf(inputOf("5000", "8.0", 0));  // galvanized life capped at 100
    EXPECT_EQ(report[21], "Polymer Precoated and Paved                     80          100      100   ");
}

struct NoteCase {
    const char* resistivity;
    const char* ph;
    int thicknessIndex;
    const char* note;
};

class AluminumNoteForm : public testing::TestWithParam<NoteCase> {};

TEST_P(AluminumNoteForm, DependsOnTheValueAgainst75Years) {
    const auto report = reportOf(inputOf(GetParam().resistivity, GetParam().ph, 0, GetParam().thicknessIndex));
    EXPECT_NE(std::find(report.begin(), report.end(), GetParam().note), report.end()) << GetParam().note;
}

// 18 gage at pH 7: life 49.012 (aluminum 64). Resistivities chosen so that
// the aluminum value lands on 74 and on 75 exactly.
INSTANTIATE_TEST_SUITE_P(
    Values, AluminumNoteForm,
    testing::Values(
        NoteCase{"5000", "7.0", 0, "Aluminum Coated Type 2 without non-metallic coating: 64 to 75 year total life."},
        NoteCase{"10000", "7.0", 0, "Aluminum Coated Type 2 without non-metallic coating: 74 to 75 year total life."},
        NoteCase{"11000", "7.0", 0, "Aluminum Coated Type 2 without non-metallic coating: 75 year total life."},
        NoteCase{"5000", "7.0", 1, "Aluminum Coated Type 2 without non-metallic coating: 75 year total life."}));

}  // namespace
}  // namespace csp
