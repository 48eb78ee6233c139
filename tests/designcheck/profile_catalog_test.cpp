#include "designcheck/profile_catalog.h"

#include <gtest/gtest.h>

#include <cmath>

#include "designcheck/design_check.h"
#include "tests/designcheck/check_inputs.h"

namespace csp::designcheck {
namespace {

struct CatalogShape {
    Profile profile;
    const char* name;
    ChoiceFlags corrugationTypes;
    int thicknessCount;
    int archSizeCount;
    int underpassSizeCount;
    double lastArchSpan;
};

TEST(ProfileCatalog, EachProfileListsItsWallsSizesAndSeamTypes) {
    const CatalogShape cases[] = {
        {Profile::TwoThirdsByHalf, "2-2/3 x 1/2", {true, true, false}, 5, 12, 0, 83},
        {Profile::ThreeByOne, "3 x 1", {true, true, false}, 5, 17, 0, 171},
        {Profile::FiveByOne, "5x1", {true, false, false}, 5, 17, 0, 171},
        {Profile::SixByTwo, "6x2", {false, false, true}, 9, 22, 22, 244},
        {Profile::RibbedSevenHalf, "3/4 x 3/4 x 7-1/2 Ribbed", {true, false, false}, 4, 16, 0, 117},
        {Profile::RibbedElevenHalf, "3/4 x 1 x 11-1/2 Ribbed", {true, false, false}, 3, 9, 0, 66},
        {Profile::CompositeSevenHalf, "3/4 x 3/4 x 7-1/2 Composite Ribbed", {true, false, false}, 4, 16, 0, 117},
        {Profile::CompositeElevenHalf, "3/4 x 1 x 11-1/2 Composite Ribbed", {true, false, false}, 3, 9, 0, 66},
    };
    ProfileCatalogs catalogs;
    for (const CatalogShape& c : cases) {
        SCOPED_TRACE(c.name);
        const ProfileCatalog& catalog = *catalogs.of(static_cast<int>(c.profile));
        EXPECT_EQ(catalog.name(), c.name);
        EXPECT_EQ(catalog.corrugationTypes(), c.corrugationTypes);
        EXPECT_EQ(catalog.thicknessCount(), c.thicknessCount);
        EXPECT_EQ(catalog.archSizeCount(), c.archSizeCount);
        EXPECT_EQ(catalog.underpassSizeCount(), c.underpassSizeCount);
        EXPECT_EQ(catalog.span(c.archSizeCount - 1), c.lastArchSpan);
        EXPECT_EQ(catalog.span(c.archSizeCount), std::nullopt);
        EXPECT_EQ(catalog.thickness(c.thicknessCount), std::nullopt);
        EXPECT_EQ(catalog.area(c.thicknessCount), std::nullopt);
        EXPECT_EQ(catalog.inertia(-1), std::nullopt);
    }
    EXPECT_EQ(catalogs.of(8), nullptr);
    EXPECT_EQ(catalogs.of(-1), nullptr);
}

TEST(ProfileCatalog, SixByTwoSizeListFollowsTheCornerRadius) {
    SixByTwoCatalog catalog;
    catalog.setCornerRadius(18);
    EXPECT_EQ(catalog.name(), "6x2 18(in) Corner Radius");
    EXPECT_EQ(catalog.archSizeCount(), 34);
    EXPECT_EQ(catalog.span(33), 199);
    EXPECT_EQ(catalog.radii(33)->corner, 18.0);

    catalog.setCornerRadius(31);
    EXPECT_EQ(catalog.name(), "6x2 31(in) Corner Radius");
    EXPECT_EQ(catalog.archSizeCount(), 24);
    EXPECT_EQ(catalog.span(0), 159);
    EXPECT_EQ(catalog.rise(0), 112);
    EXPECT_EQ(catalog.radii(0)->top, 6.68);
    EXPECT_EQ(catalog.radii(0)->corner, 31.0);
    EXPECT_EQ(catalog.radii(24), std::nullopt);
    EXPECT_EQ(catalog.underpassSizeCount(), 22);

    catalog.setCornerRadius(0);
    EXPECT_EQ(catalog.name(), "6x2");
    EXPECT_EQ(catalog.archSizeCount(), 22);
    EXPECT_EQ(catalog.span(2), 69);
    EXPECT_EQ(catalog.rise(2), 88);
    EXPECT_EQ(catalog.radii(2)->top, 2.33);
    EXPECT_EQ(catalog.radii(2)->corner, 18.0);  // 1.5 ft
    EXPECT_EQ(catalog.radii(21)->corner, 47.0);  // 3.92 ft = 47.04 in.
}

TEST(ProfileCatalog, RecordTurnsSixByTwoTopRadiusIntoWholeInches) {
    struct Case {
        int cornerRadius, sizeIndex;
        double top, corner;
    };
    // 6.68 ft = 80.16 in.; 2.33 ft = 27.96 in.; 2.25 ft = 27 in.
    const Case cases[] = {{31, 0, 80, 31}, {0, 2, 28, 18}, {0, 0, 27, 18}, {18, 0, 37, 18}};
    for (const Case& c : cases) {
        DesignCheck check;
        check.setShape(c.cornerRadius ? 1 : 2);
        check.setProfile(3);
        check.setCornerRadius(c.cornerRadius);
        check.setSizeIndex(c.sizeIndex);
        EXPECT_EQ(check.archRadii().top, c.top) << c.cornerRadius << " " << c.sizeIndex;
        EXPECT_EQ(check.archRadii().corner, c.corner);
    }
}

TEST(ProfileCatalog, UnderpassSpansSharedBySizesCarryTheirRise) {
    SixByTwoCatalog catalog;
    std::vector<std::string> labels;
    catalog.underpassLabels(labels);
    ASSERT_EQ(labels.size(), 22u);
    EXPECT_EQ(std::vector<std::string>(labels.begin(), labels.begin() + 7),
              (std::vector<std::string>{"68 (x69)", "68 (x78)", "69", "70 (x92)", "70 (x98)", "146", "155"}));
    EXPECT_EQ(labels.back(), "244");

    std::vector<std::string> none;
    catalog.setCornerRadius(18);
    catalog.underpassLabels(none);
    EXPECT_TRUE(none.empty());
}

TEST(ProfileCatalog, TwoThirdsByHalfSeamsAreStrongerFrom42Inches) {
    TwoThirdsByHalfCatalog catalog;
    EXPECT_EQ(catalog.seamStrength(1, 41.9), 18200);
    EXPECT_EQ(catalog.seamStrength(1, 42.0), 29800);
    EXPECT_EQ(catalog.seamStrength(5, 48.0), std::nullopt);
    EXPECT_EQ(ThreeByOneCatalog().seamStrength(4, 10.0), 70700);
    EXPECT_EQ(SixByTwoCatalog().seamStrength(8, 300.0), 285000);
    EXPECT_EQ(FiveByOneCatalog().seamStrength(0, 48.0), std::nullopt);
    EXPECT_EQ(RibbedSevenHalfCatalog().seamStrength(0, 48.0), std::nullopt);
}

TEST(ProfileCatalog, FlexibilityLimitsByShapeInstallationAndMethod) {
    using S = StructureShape;
    using I = InstallationType;
    using M = CheckMethod;
    struct Case {
        const char* name;
        Profile profile;
        S shape;
        I installation;
        M method;
        double span;
        std::optional<double> limit;
    };
    const Case cases[] = {
        {"2-2/3 AISI round trench at 42 in.", Profile::TwoThirdsByHalf, S::RoundPipe, I::TrenchStandard, M::Aisi, 42, 0.043},
        {"2-2/3 AISI round trench at 42.5 in.", Profile::TwoThirdsByHalf, S::RoundPipe, I::TrenchStandard, M::Aisi, 42.5, 0.06},
        {"2-2/3 AISI round trench at 71.9 in.", Profile::TwoThirdsByHalf, S::RoundPipe, I::TrenchStandard, M::Aisi, 71.9, 0.06},
        {"2-2/3 AISI round trench at 72 in.", Profile::TwoThirdsByHalf, S::RoundPipe, I::TrenchStandard, M::Aisi, 72, 0.08},
        {"2-2/3 AISI pipe-arch trench", Profile::TwoThirdsByHalf, S::PipeArch, I::TrenchStandard, M::Aisi, 72, 0.06},
        {"2-2/3 AISI underpass trench", Profile::TwoThirdsByHalf, S::Underpass, I::TrenchStandard, M::Aisi, 72, std::nullopt},
        {"2-2/3 AISI pipe-arch embankment", Profile::TwoThirdsByHalf, S::PipeArch, I::Embankment, M::Aisi, 72, 0.065},
        {"2-2/3 AISI round embankment", Profile::TwoThirdsByHalf, S::RoundPipe, I::Embankment, M::Aisi, 72, 0.0433},
        {"2-2/3 ASTM LRFD trench", Profile::TwoThirdsByHalf, S::RoundPipe, I::TrenchStandard, M::AstmLrfd, 48, 0.06},
        {"2-2/3 AASHTO trench", Profile::TwoThirdsByHalf, S::RoundPipe, I::TrenchStandard, M::AashtoLfd, 48, std::nullopt},
        {"3 x 1 ASTM embankment", Profile::ThreeByOne, S::RoundPipe, I::Embankment, M::AstmAsd, 48, 0.033},
        {"5 x 1 AISI underpass trench", Profile::FiveByOne, S::Underpass, I::TrenchStandard, M::Aisi, 48, 0.06},
        {"5 x 1 AISI underpass embankment", Profile::FiveByOne, S::Underpass, I::Embankment, M::Aisi, 48, 0.0433},
        {"6 x 2 ASTM pipe-arch embankment", Profile::SixByTwo, S::PipeArch, I::Embankment, M::AstmAsd, 73, 0.03},
        {"6 x 2 ASTM pipe-arch trench", Profile::SixByTwo, S::PipeArch, I::TrenchStandard, M::AstmAsd, 73, 0.02},
        {"6 x 2 AISI underpass trench", Profile::SixByTwo, S::Underpass, I::TrenchStandard, M::Aisi, 73, 0.03},
        {"6 x 2 AASHTO round trench", Profile::SixByTwo, S::RoundPipe, I::TrenchStandard, M::AashtoAsd, 73, std::nullopt},
        {"ribbed 7-1/2 special trench ASTM", Profile::RibbedSevenHalf, S::RoundPipe, I::TrenchSpecial, M::AstmAsd, 48, 0.367},
        {"ribbed 7-1/2 special trench AASHTO", Profile::RibbedSevenHalf, S::RoundPipe, I::TrenchSpecial, M::AashtoAsd, 48, std::nullopt},
        {"ribbed 11-1/2 standard trench AASHTO", Profile::RibbedElevenHalf, S::RoundPipe, I::TrenchStandard, M::AashtoLrfd, 48, 0.163},
        {"composite 11-1/2 special trench AISI", Profile::CompositeElevenHalf, S::PipeArch, I::TrenchSpecial, M::Aisi, 48, 0.22},
        {"composite 7-1/2 embankment AASHTO", Profile::CompositeSevenHalf, S::RoundPipe, I::Embankment, M::AashtoAsd, 48, std::nullopt},
        {"a method past the list", Profile::ThreeByOne, S::RoundPipe, I::Embankment, static_cast<M>(6), 48, std::nullopt},
    };
    ProfileCatalogs catalogs;
    for (const Case& c : cases)
        EXPECT_EQ(catalogs.of(static_cast<int>(c.profile))->flexibilityLimit(c.shape, c.installation, c.method, c.span),
                  c.limit)
            << c.name;
}

TEST(ProfileCatalog, InstallationTypesByMethod) {
    const ChoiceFlags embankmentAndTrench = {true, true, false}, embankment = {true, false, false},
                      every = {true, true, true}, none = {false, false, false};
    ProfileCatalogs catalogs;
    EXPECT_EQ(catalogs.of(0)->installations(CheckMethod::AstmAsd), embankmentAndTrench);
    EXPECT_EQ(catalogs.of(3)->installations(CheckMethod::AashtoLfd), embankment);
    EXPECT_EQ(catalogs.of(2)->installations(CheckMethod::Aisi), embankmentAndTrench);
    EXPECT_EQ(catalogs.of(4)->installations(CheckMethod::AstmLrfd), every);
    EXPECT_EQ(catalogs.of(5)->installations(CheckMethod::AashtoAsd), embankmentAndTrench);
    EXPECT_EQ(catalogs.of(6)->installations(CheckMethod::AashtoLrfd), none);
    EXPECT_EQ(catalogs.of(7)->installations(CheckMethod::Aisi), every);
    EXPECT_EQ(catalogs.of(7)->installations(static_cast<CheckMethod>(9)), none);
}

TEST(ProfileCatalog, FillOperationsNeedRoomForTheWholeList) {
    ThreeByOneCatalog catalog;
    std::array<double, 17> room{};
    std::array<double, 16> tooSmall{};
    tooSmall.fill(-1.0);
    EXPECT_FALSE(catalog.archSpans(tooSmall));
    EXPECT_TRUE(std::all_of(tooSmall.begin(), tooSmall.end(), [](double v) { return v == -1.0; }));
    EXPECT_TRUE(catalog.archSpans(room));
    EXPECT_EQ(room.front(), 53);
    EXPECT_EQ(room.back(), 171);

    std::array<double, 4> fourThicknesses{};
    EXPECT_FALSE(catalog.thicknesses(fourThicknesses));
    std::array<double, 20> thicknesses{};
    EXPECT_TRUE(catalog.thicknesses(thicknesses));
    EXPECT_EQ(thicknesses[4], 0.168);

    std::array<double, 21> underpassTooSmall{};
    std::array<double, 22> underpassRoom{};
    EXPECT_FALSE(SixByTwoCatalog().underpassSpans(underpassTooSmall));
    EXPECT_TRUE(SixByTwoCatalog().underpassSpans(underpassRoom));
    EXPECT_EQ(underpassRoom[21], 244);
    EXPECT_FALSE(catalog.underpassSpans(underpassRoom));
}

TEST(ProfileCatalog, BareCatalogAnswersNotFound) {
    struct BareCatalog : ProfileCatalog {};
    const BareCatalog catalog;
    std::array<double, 40> values{};
    std::vector<std::string> labels;
    catalog.underpassLabels(labels);
    EXPECT_EQ(catalog.name(), "Unknown");
    EXPECT_EQ(catalog.area(0), std::nullopt);
    EXPECT_EQ(catalog.radii(0), std::nullopt);
    EXPECT_EQ(catalog.flexibilityLimit(StructureShape::RoundPipe, InstallationType::Embankment,
                                       CheckMethod::AstmAsd, 48),
              std::nullopt);
    EXPECT_EQ(catalog.installations(CheckMethod::AstmAsd), (ChoiceFlags{false, false, false}));
    EXPECT_EQ(catalog.archSizeCount() + catalog.underpassSizeCount() + catalog.thicknessCount(), 0);
    EXPECT_FALSE(catalog.archSpans(values) || catalog.thicknesses(values) || catalog.underpassSpans(values));
    EXPECT_TRUE(labels.empty());
}

TEST(ProfileCatalog, RecordWithoutCatalogReadsZero) {
    DesignCheck check;
    check.setProfile(8);
    check.setShape(1);
    EXPECT_EQ(check.catalog(), nullptr);
    EXPECT_EQ(check.profileText(), "Unknown");
    EXPECT_EQ(check.wallArea() + check.wallInertia() + check.wallThickness() + check.effectiveSpan() + check.rise() +
                  check.seamStrengthProvided() + check.archRadii().top,
              0.0);
    EXPECT_EQ(check.flexibilityLimit(), std::nullopt);
}

TEST(ProfileCatalog, RecordReadsAThicknessPastTheListAsZero) {
    DesignCheck check;
    check.setProfile(5);
    check.setThicknessIndex(3);
    EXPECT_EQ(check.wallArea(), 0.0);
    EXPECT_EQ(check.wallInertia(), 0.0);
    check.setThicknessIndex(2);
    EXPECT_EQ(check.wallArea(), 0.883);
    EXPECT_DOUBLE_EQ(check.wallInertia(), 0.00926);
}

TEST(ProfileCatalog, RibbedLimitGrowsWithTheCubeRootOfTheWallInertia) {
    struct Case {
        Profile profile;
        double coefficient, inertia;
    };
    const Case cases[] = {{Profile::RibbedSevenHalf, 0.217, 0.002821},
                          {Profile::RibbedElevenHalf, 0.14, 0.00458},
                          {Profile::CompositeSevenHalf, 0.217 * 1.05, 0.002768},
                          {Profile::CompositeElevenHalf, 0.14 * 1.05, 0.003753}};
    for (const Case& c : cases) {
        CheckInputs inputs;
        inputs.profile = c.profile;
        DesignCheck check;
        store(inputs, check);
        ASSERT_TRUE(check.flexibilityLimit());
        EXPECT_NEAR(*check.flexibilityLimit(), c.coefficient * std::cbrt(c.inertia), 1e-6) << static_cast<int>(c.profile);
    }
}

}  // namespace
}  // namespace csp::designcheck
