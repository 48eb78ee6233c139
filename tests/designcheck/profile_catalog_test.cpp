#include "designcheck/profile_catalog.h"

#include <gtest/gtest.h>

#include <cmath>

#include "designcheck/design_check.h"
#include "designcheck/live_load.h"
#include "tests/designcheck/check_inputs.h"

namespace csp::designcheck {
namespace {

ProfileCatalog catalogOf(Profile profile, int cornerRadius = 0) {
    return ProfileCatalog(*profileData(static_cast<int>(profile)), cornerRadius);
}

struct CatalogShape {
    Profile profile;
    const char* name;
    ChoiceFlags corrugationTypes;
    std::size_t thicknessCount;
    std::size_t sizeCount;
    std::size_t underpassLabelCount;
    double lastSpan;
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
    for (const CatalogShape& c : cases) {
        SCOPED_TRACE(c.name);
        const ProfileCatalog catalog = catalogOf(c.profile);
        const int thicknesses = static_cast<int>(c.thicknessCount), sizes = static_cast<int>(c.sizeCount);
        EXPECT_EQ(catalog.name(), c.name);
        EXPECT_EQ(catalog.corrugationTypes(), c.corrugationTypes);
        EXPECT_EQ(catalog.walls().size(), c.thicknessCount);
        EXPECT_EQ(catalog.sizeSpans().size(), c.sizeCount);
        EXPECT_EQ(catalog.underpassLabels().size(), c.underpassLabelCount);
        EXPECT_EQ(catalog.span(sizes - 1), c.lastSpan);
        EXPECT_EQ(catalog.span(sizes), std::nullopt);
        EXPECT_EQ(catalog.thickness(thicknesses), std::nullopt);
        EXPECT_EQ(catalog.area(thicknesses), std::nullopt);
        EXPECT_EQ(catalog.inertia(-1), std::nullopt);
    }
    EXPECT_EQ(profileData(8), nullptr);
    EXPECT_EQ(profileData(-1), nullptr);
}

TEST(ProfileCatalog, SixByTwoSizeListFollowsTheCornerRadius) {
    ProfileCatalog catalog = catalogOf(Profile::SixByTwo, 18);
    EXPECT_EQ(catalog.name(), "6x2 18(in) Corner Radius");
    EXPECT_EQ(catalog.sizeSpans().size(), 34u);
    EXPECT_EQ(catalog.span(33), 199);
    EXPECT_EQ(catalog.radii(33)->corner, 18.0);

    catalog.setCornerRadius(31);
    EXPECT_EQ(catalog.name(), "6x2 31(in) Corner Radius");
    EXPECT_EQ(catalog.sizeSpans().size(), 24u);
    EXPECT_EQ(catalog.span(0), 159);
    EXPECT_EQ(catalog.rise(0), 112);
    EXPECT_EQ(catalog.radii(0)->top, 6.68);
    EXPECT_EQ(catalog.radii(0)->corner, 31.0);
    EXPECT_EQ(catalog.radii(24), std::nullopt);
    EXPECT_TRUE(catalog.underpassLabels().empty());

    catalog.setCornerRadius(0);
    EXPECT_EQ(catalog.name(), "6x2");
    EXPECT_EQ(catalog.sizeSpans().size(), 22u);
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
    ProfileCatalog catalog = catalogOf(Profile::SixByTwo);
    const std::vector<std::string> labels = catalog.underpassLabels();
    ASSERT_EQ(labels.size(), 22u);
    EXPECT_EQ(std::vector<std::string>(labels.begin(), labels.begin() + 7),
              (std::vector<std::string>{"68 (x69)", "68 (x78)", "69", "70 (x92)", "70 (x98)", "146", "155"}));
    EXPECT_EQ(labels.back(), "244");

    catalog.setCornerRadius(18);
    EXPECT_TRUE(catalog.underpassLabels().empty());
}

TEST(ProfileCatalog, TwoThirdsByHalfSeamsAreStrongerFrom42Inches) {
    const ProfileCatalog catalog = catalogOf(Profile::TwoThirdsByHalf);
    EXPECT_EQ(catalog.seamStrength(1, 41.9), 18200);
    EXPECT_EQ(catalog.seamStrength(1, 42.0), 29800);
    EXPECT_EQ(catalog.seamStrength(5, 48.0), std::nullopt);
    EXPECT_EQ(catalogOf(Profile::ThreeByOne).seamStrength(4, 10.0), 70700);
    EXPECT_EQ(catalogOf(Profile::SixByTwo).seamStrength(8, 300.0), 285000);
    EXPECT_EQ(catalogOf(Profile::FiveByOne).seamStrength(0, 48.0), std::nullopt);
    EXPECT_EQ(catalogOf(Profile::RibbedSevenHalf).seamStrength(0, 48.0), std::nullopt);
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
    for (const Case& c : cases)
        EXPECT_EQ(catalogOf(c.profile).flexibilityLimit(c.shape, c.installation, c.method, c.span), c.limit) << c.name;
}

TEST(ProfileCatalog, InstallationTypesByMethod) {
    const ChoiceFlags embankmentAndTrench = {true, true, false}, embankment = {true, false, false},
                      every = {true, true, true}, none = {false, false, false};
    const auto of = [](int profile) { return catalogOf(static_cast<Profile>(profile)); };
    EXPECT_EQ(of(0).installations(CheckMethod::AstmAsd), embankmentAndTrench);
    EXPECT_EQ(of(3).installations(CheckMethod::AashtoLfd), embankment);
    EXPECT_EQ(of(2).installations(CheckMethod::Aisi), embankmentAndTrench);
    EXPECT_EQ(of(4).installations(CheckMethod::AstmLrfd), every);
    EXPECT_EQ(of(5).installations(CheckMethod::AashtoAsd), embankmentAndTrench);
    EXPECT_EQ(of(6).installations(CheckMethod::AashtoLrfd), none);
    EXPECT_EQ(of(7).installations(CheckMethod::Aisi), every);
    EXPECT_EQ(of(7).installations(static_cast<CheckMethod>(9)), none);
}

// The fill-height tables list 28700 lb/ft, 8.625 in. and 2580 psf for these
// three; the design check keeps its own source's values.
TEST(ProfileCatalog, ValuesThatDifferFromTheFillHeightTablesStayAsTheCatalogListsThem) {
    EXPECT_EQ(catalogOf(Profile::ThreeByOne).seamStrength(0, 48), 26700);
    const ProfileCatalog ribbed = catalogOf(Profile::RibbedSevenHalf);
    EXPECT_EQ(ribbed.span(4), 40);
    EXPECT_EQ(ribbed.rise(4), 31);
    EXPECT_EQ(ribbed.radii(4)->corner, 8.375);
    EXPECT_EQ(cornerLiveLoad(LiveLoad::H25, 1.0), 2000);
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
