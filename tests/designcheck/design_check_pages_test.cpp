#include "designcheck/design_check_pages.h"

#include <gtest/gtest.h>

namespace csp::designcheck {
namespace {

MainPageEntries mainPage(int shape, const char* soilDensity, const char* cover, const char* cornerPressure) {
    MainPageEntries entries;
    entries.shape = shape;
    entries.soilDensityText = soilDensity;
    entries.coverText = cover;
    entries.cornerPressureText = cornerPressure;
    return entries;
}

TEST(MainPage, AcceptanceRulesInTheirOrder) {
    struct Case {
        const char* name;
        MainPageEntries entries;
        const char* message;  // "" when accepted
    };
    const Case cases[] = {
        {"soil density 1", mainPage(0, "1", "1.5", "N/A"), ""},
        {"soil density 10000", mainPage(0, "10000", "1.5", "N/A"), ""},
        {"soil density 0.999", mainPage(0, "0.999", "1.5", "N/A"), "The soil density must be between 1 and 10000."},
        {"soil density 10000.01", mainPage(0, "10000.01", "0", "0"), "The soil density must be between 1 and 10000."},
        {"soil density beyond a double", mainPage(0, "1e999", "0", "N/A"),
         "The soil density '1e999' is not a number."},
        {"soil density not a number", mainPage(0, "abc", "1.5", "N/A"), "The soil density 'abc' is not a number."},
        {"soil density misread before its range", mainPage(0, "0,5", "1.5", "N/A"),
         "The soil density '0,5' is not a number."},
        {"soil density with trailing letters", mainPage(0, "120pcf", "1.5", "N/A"), ""},
        {"cover 1", mainPage(1, "120", "1", "4000"), ""},
        {"cover 0.99", mainPage(1, "120", "0.99", "0"), "The cover must be >= 1."},
        {"cover misread after the soil density", mainPage(1, "0", "12,5", "4000"),
         "The soil density must be between 1 and 10000."},
        {"cover misread", mainPage(1, "120", "12,5", "4,000"), "The cover '12,5' is not a number."},
        {"cover beyond a double", mainPage(0, "120", "1e400", "N/A"), "The cover '1e400' is not a number."},
        {"corner pressure misread", mainPage(1, "120", "1.5", "4,000"), "The corner pressure '4,000' is not a number."},
        {"pipe-arch corner pressure 0", mainPage(1, "120", "1.5", "0"), "The corner pressure must be > 0."},
        {"underpass corner pressure below 0", mainPage(2, "120", "1.5", "-5"), "The corner pressure must be > 0."},
        {"round pipe corner pressure is not read", mainPage(0, "120", "1.5", "N/A"), ""},
    };
    for (const Case& c : cases) {
        DesignCheck check;
        const Outcome outcome = acceptMainPage(c.entries, check);
        EXPECT_EQ(outcome.message, c.message) << c.name;
        EXPECT_EQ(outcome.ok(), *c.message == '\0') << c.name;
    }
}

TEST(MainPage, RefusedPageStoresNothing) {
    DesignCheck check;
    MainPageEntries entries = mainPage(1, "120", "0.5", "4000");
    EXPECT_FALSE(acceptMainPage(entries, check));
    EXPECT_EQ(check.soilDensity(), 0.0);
    EXPECT_EQ(check.catalog(), nullptr);
}

TEST(MainPage, StoresTheInputsWithTheProfileOfTheEntry) {
    DesignCheck check;
    MainPageEntries entries = mainPage(2, "110", "3", "5000");
    entries.liveLoad = 2;
    entries.method = 4;
    ASSERT_TRUE(acceptMainPage(entries, check));
    EXPECT_EQ(check.profile(), Profile::SixByTwo);  // the underpass list has one entry
    EXPECT_EQ(check.cornerRadius(), 0);
    EXPECT_EQ(check.profileText(), "6x2");
    EXPECT_EQ(check.liveLoad(), LiveLoad::E80);
    EXPECT_EQ(check.method(), CheckMethod::AashtoLrfd);
    EXPECT_EQ(check.allowableCornerPressure(), 5000);
    entries.profileEntry = 5;
    ASSERT_TRUE(acceptMainPage(entries, check));
    EXPECT_EQ(check.profile(), Profile::SixByTwo);

    MainPageEntries round = mainPage(0, "120", "1.5", "9999");
    ASSERT_TRUE(acceptMainPage(round, check));
    EXPECT_EQ(check.allowableCornerPressure(), 0.0);

    MainPageEntries plateArch = mainPage(1, "120", "1.5", "4000");
    plateArch.profileEntry = 3;
    plateArch.cornerRadiusEntry = 1;
    ASSERT_TRUE(acceptMainPage(plateArch, check));
    EXPECT_EQ(check.cornerRadius(), 31);
    EXPECT_EQ(check.profileText(), "6x2 31(in) Corner Radius");

    MainPageEntries composite = mainPage(1, "120", "1.5", "4000");
    composite.profileEntry = 6;
    ASSERT_TRUE(acceptMainPage(composite, check));
    EXPECT_EQ(check.profile(), Profile::CompositeSevenHalf);
}

TEST(MainPage, ListsFollowTheShapeAndProfile) {
    EXPECT_EQ(profileEntries(StructureShape::RoundPipe).size(), 8u);
    ASSERT_EQ(profileEntries(StructureShape::PipeArch).size(), 7u);
    EXPECT_EQ(profileEntries(StructureShape::PipeArch)[6].text, "TEST");
    EXPECT_EQ(profileEntries(StructureShape::Underpass)[0].text, "6 x 2");
    EXPECT_EQ(defaultCornerPressureText(StructureShape::RoundPipe), "N/A");
    EXPECT_EQ(defaultCornerPressureText(StructureShape::Underpass), "4000");
    EXPECT_EQ(cornerRadiusEntries(StructureShape::PipeArch, 3).size(), 2u);
    EXPECT_EQ(cornerRadiusEntries(StructureShape::PipeArch, 3)[1], "31 inch");
    EXPECT_EQ(cornerRadiusEntries(StructureShape::PipeArch, 2)[0], "N/A");
    EXPECT_EQ(cornerRadiusEntries(StructureShape::RoundPipe, 3)[0], "N/A");
    EXPECT_EQ(cornerRadiusEntries(StructureShape::Underpass, 0).size(), 1u);
}

DesignCheck& selected(DesignCheck& check, int shape, int profileEntry, int method, int cornerRadiusEntry = 0) {
    MainPageEntries entries;
    entries.shape = shape;
    entries.profileEntry = profileEntry;
    entries.method = method;
    entries.cornerRadiusEntry = cornerRadiusEntry;
    storeMainPageSelections(entries, check);
    return check;
}

TEST(PropertiesPage, ListsComeFromTheCatalog) {
    DesignCheck check;
    selected(check, 2, 0, 0);
    const std::vector<std::string> underpass = spanEntries(check);
    ASSERT_EQ(underpass.size(), 22u);
    EXPECT_EQ(underpass[0], "68 (x69)");
    EXPECT_EQ(underpass[5], "146");
    EXPECT_EQ(thicknessEntries(check).front(), "0.111");
    EXPECT_EQ(corrugationTypeEntries(check), (std::vector<std::string_view>{"Bolted"}));

    selected(check, 1, 3, 0, 0);
    EXPECT_EQ(spanEntries(check).size(), 34u);
    selected(check, 1, 0, 2);
    EXPECT_EQ(spanEntries(check).back(), "83");
    EXPECT_EQ(corrugationTypeEntries(check), (std::vector<std::string_view>{"Helical", "Annular"}));
    EXPECT_EQ(installationTypeEntries(check), (std::vector<std::string_view>{"Embankment"}));
    selected(check, 0, 4, 5);
    EXPECT_TRUE(spanEntries(check).empty());
    EXPECT_EQ(thicknessEntries(check), (std::vector<std::string>{"0.064", "0.079", "0.109", "0.138"}));
    EXPECT_EQ(installationTypeEntries(check),
              (std::vector<std::string_view>{"Embankment", "Trench, Standard", "Trench, Special"}));
    selected(check, 0, 6, 3);
    EXPECT_TRUE(installationTypeEntries(check).empty());
}

PropertiesPageEntries roundProperties(const char* span, std::optional<std::string> installation = "Embankment") {
    PropertiesPageEntries entries;
    entries.spanText = span;
    entries.corrugationTypeText = "Annular";
    entries.installationTypeText = std::move(installation);
    return entries;
}

TEST(PropertiesPage, RoundPipeNeedsASpan) {
    for (const char* span : {"0", "-48", "48,5", ""}) {
        DesignCheck check;
        selected(check, 0, 0, 0);
        check.setSpan(48);
        const Outcome outcome = acceptPropertiesPage(roundProperties(span), check);
        EXPECT_EQ(outcome.message, *span == '0' || *span == '-' ? "The span must be > 0."
                                                                 : "The span '" + std::string(span) + "' is not a number.")
            << span;
        EXPECT_EQ(check.span(), 48);
        EXPECT_EQ(check.corrugationType(), CorrugationType::Helical);
    }
}

TEST(PropertiesPage, ProfileWithoutInstallationTypeIsRefusedAfterTheSpan) {
    DesignCheck check;
    selected(check, 0, 6, 2);  // composite ribbed under AASHTO ASD
    EXPECT_EQ(acceptPropertiesPage(roundProperties("0", std::nullopt), check).message, "The span must be > 0.");
    EXPECT_EQ(acceptPropertiesPage(roundProperties("48", std::nullopt), check).message,
              "No installation type is available for this profile and design method.");
}

TEST(PropertiesPage, StoresTheChoices) {
    DesignCheck check;
    selected(check, 1, 1, 0);
    PropertiesPageEntries entries;
    entries.sizeEntry = 4;
    entries.thicknessEntry = 2;
    entries.corrugationTypeText = "Annular";
    entries.installationTypeText = "Trench, Standard";
    ASSERT_TRUE(acceptPropertiesPage(entries, check));
    EXPECT_EQ(check.effectiveSpan(), 81);
    EXPECT_EQ(check.wallThickness(), 0.109);
    EXPECT_EQ(check.corrugationType(), CorrugationType::Annular);
    EXPECT_EQ(check.installationType(), InstallationType::TrenchStandard);
}

TEST(PropertiesPage, ReductionFactorIsAskedUnderAisiWhenTheCoverReachesTheSpan) {
    struct Case {
        const char* name;
        int method;
        double cover;
        bool asked;
    };
    const Case cases[] = {{"AISI, 48 in. pipe under 4 ft", 5, 4.0, true},
                          {"AISI, 48 in. pipe under 3.9 ft", 5, 3.9, false},
                          {"ASTM ASD under 10 ft", 0, 10, false},
                          {"AASHTO LRFD under 10 ft", 4, 10, false}};
    for (const Case& c : cases) {
        DesignCheck check;
        check.setReduction(true, 0.86);
        selected(check, 0, 0, c.method);
        check.setCover(c.cover);
        ASSERT_TRUE(acceptPropertiesPage(roundProperties("48"), check));
        EXPECT_EQ(reductionPageAsked(check), c.asked) << c.name;
        EXPECT_EQ(check.reductionApplied(), c.asked) << c.name;  // cleared unless the page comes next
    }
}

TEST(ReductionPage, FactorMustBePositive) {
    DesignCheck check;
    EXPECT_EQ(acceptReductionPage("0", check).message, "The reduction factor must be > 0.");
    EXPECT_EQ(acceptReductionPage("-0.86", check).message, "The reduction factor must be > 0.");
    EXPECT_EQ(acceptReductionPage("1.00.86", check).message,
              "The soil dead load reduction factor '1.00.86' is not a number.");
    EXPECT_EQ(acceptReductionPage("1.00.86", check).entry, "reduction");
    EXPECT_FALSE(check.reductionApplied());
    EXPECT_TRUE(acceptReductionPage(defaultReductionText, check));
    EXPECT_TRUE(check.reductionApplied());
    EXPECT_EQ(check.reductionFactor(), 1.0);
}

}  // namespace
}  // namespace csp::designcheck
