#include "designcheck/design_check_pages.h"

#include <array>
#include <utility>

#include "shell/number_format.h"
#include "shell/typed_number.h"

namespace csp::designcheck {
namespace {

constexpr ProfileEntry roundPipeProfiles[] = {
    {"2-2/3 x 1/2", Profile::TwoThirdsByHalf},
    {"3 x 1", Profile::ThreeByOne},
    {"5 x 1", Profile::FiveByOne},
    {"6 x 2", Profile::SixByTwo},
    {"3/4 x 3/4 x 7-1/2 Ribbed", Profile::RibbedSevenHalf},
    {"3/4 x 1 x 11-1/2 Ribbed", Profile::RibbedElevenHalf},
    {"3/4 x 3/4 x 7-1/2 Composite Ribbed", Profile::CompositeSevenHalf},
    {"3/4 x 1 x 11-1/2 Composite Ribbed", Profile::CompositeElevenHalf},
};
// The composite ribbed pipe-arch is offered under a working title.
constexpr ProfileEntry pipeArchProfiles[] = {
    {"2-2/3 x 1/2", Profile::TwoThirdsByHalf},
    {"3 x 1", Profile::ThreeByOne},
    {"5 x 1", Profile::FiveByOne},
    {"6 x 2", Profile::SixByTwo},
    {"3/4 x 3/4 x 7-1/2 Ribbed", Profile::RibbedSevenHalf},
    {"3/4 x 1 x 11-1/2 Ribbed", Profile::RibbedElevenHalf},
    {"TEST", Profile::CompositeSevenHalf},
};
constexpr ProfileEntry underpassProfiles[] = {{"6 x 2", Profile::SixByTwo}};

// 6 x 2 pipe-arches come with an 18 or a 31 in. corner radius.
constexpr std::string_view plateArchCornerRadii[] = {"18 inch", "31 inch"};
constexpr int plateArchCornerRadiusInches[] = {18, 31};
constexpr std::string_view noCornerRadius[] = {notApplicableText};
constexpr int plateArchEntry = 3;
constexpr std::string_view defaultCornerPressure = "4000";  // psf

constexpr double minimumSoilDensity = 1.0, maximumSoilDensity = 10000.0;  // pcf
constexpr double minimumCover = 1.0;                                      // ft

bool hasPlateArchCorners(StructureShape shape, int profileEntry) {
    return shape == StructureShape::PipeArch && profileEntry == plateArchEntry;
}

int cornerRadiusOf(const MainPageEntries& entries) {
    if (!hasPlateArchCorners(static_cast<StructureShape>(entries.shape), entries.profileEntry)) return 0;
    if (entries.cornerRadiusEntry == 0 || entries.cornerRadiusEntry == 1)
        return plateArchCornerRadiusInches[entries.cornerRadiusEntry];
    return 0;
}

// An underpass is always 6 x 2, whatever its list shows.
int profileOf(const MainPageEntries& entries) {
    if (static_cast<StructureShape>(entries.shape) == StructureShape::Underpass)
        return static_cast<int>(Profile::SixByTwo);
    const std::span<const ProfileEntry> list = profileEntries(static_cast<StructureShape>(entries.shape));
    if (entries.profileEntry < 0 || static_cast<std::size_t>(entries.profileEntry) >= list.size()) return -1;
    return static_cast<int>(list[static_cast<std::size_t>(entries.profileEntry)].profile);
}

template <std::size_t N>
std::vector<std::string_view> allowedEntries(const std::array<std::string_view, N>& texts, const ChoiceFlags& allowed) {
    std::vector<std::string_view> entries;
    for (std::size_t i = 0; i < N; ++i)
        if (allowed[i]) entries.push_back(texts[i]);
    return entries;
}

}  // namespace

std::span<const ProfileEntry> profileEntries(StructureShape shape) {
    switch (shape) {
    case StructureShape::RoundPipe: return roundPipeProfiles;
    case StructureShape::PipeArch: return pipeArchProfiles;
    case StructureShape::Underpass: return underpassProfiles;
    }
    return {};
}

std::string_view defaultCornerPressureText(StructureShape shape) {
    return shape == StructureShape::RoundPipe ? notApplicableText : defaultCornerPressure;
}

std::span<const std::string_view> cornerRadiusEntries(StructureShape shape, int profileEntry) {
    if (hasPlateArchCorners(shape, profileEntry)) return plateArchCornerRadii;
    return noCornerRadius;
}

void storeMainPageSelections(const MainPageEntries& entries, DesignCheck& check) {
    check.setShape(entries.shape);
    check.setProfile(profileOf(entries));
    check.setLiveLoad(entries.liveLoad);
    check.setMethod(entries.method);
    check.setCornerRadius(cornerRadiusOf(entries));
}

Outcome acceptMainPage(const MainPageEntries& entries, DesignCheck& check) {
    if (Outcome read = checkTypedNumber("soil density", entries.soilDensityText); !read)
        return std::move(read).from("soil-density");
    const double soilDensity = readTypedNumber(entries.soilDensityText);
    if (!(soilDensity >= minimumSoilDensity && soilDensity <= maximumSoilDensity))
        return Outcome::failure("The soil density must be between 1 and 10000.").from("soil-density");
    if (Outcome read = checkTypedNumber("cover", entries.coverText); !read) return std::move(read).from("cover");
    const double cover = readTypedNumber(entries.coverText);
    if (!(cover >= minimumCover)) return Outcome::failure("The cover must be >= 1.").from("cover");
    // A round pipe's corner pressure field shows "N/A" and is not read.
    const bool hasCorners = static_cast<StructureShape>(entries.shape) != StructureShape::RoundPipe;
    if (hasCorners)
        if (Outcome read = checkTypedNumber("corner pressure", entries.cornerPressureText); !read)
            return std::move(read).from("corner-pressure");
    const double cornerPressure = hasCorners ? readTypedNumber(entries.cornerPressureText) : 0.0;
    if (hasCorners && !(cornerPressure > 0.0)) return Outcome::failure("The corner pressure must be > 0.").from("corner-pressure");

    check.setShape(entries.shape);
    check.setProfile(profileOf(entries));
    check.setLiveLoad(entries.liveLoad);
    check.setMethod(entries.method);
    check.setCover(cover);
    check.setSoilDensity(soilDensity);
    check.setAllowableCornerPressure(cornerPressure);
    check.setCornerRadius(cornerRadiusOf(entries));
    return Outcome::success();
}

std::vector<std::string> spanEntries(const DesignCheck& check) {
    std::vector<std::string> entries;
    const ProfileCatalog* catalog = check.catalog();
    if (!catalog) return entries;
    if (check.shape() == StructureShape::PipeArch)
        for (double span : catalog->sizeSpans()) entries.push_back(format("%g", span));
    else if (check.shape() == StructureShape::Underpass)
        entries = catalog->underpassLabels();
    return entries;
}

std::vector<std::string> thicknessEntries(const DesignCheck& check) {
    std::vector<std::string> entries;
    if (const ProfileCatalog* catalog = check.catalog())
        for (double thickness : catalog->thicknesses()) entries.push_back(format("%g", thickness));
    return entries;
}

std::vector<std::string_view> corrugationTypeEntries(const DesignCheck& check) {
    if (!check.catalog()) return {};
    return allowedEntries(corrugationTypeTexts, check.catalog()->corrugationTypes());
}

std::vector<std::string_view> installationTypeEntries(const DesignCheck& check) {
    if (!check.catalog()) return {};
    return allowedEntries(installationTypeTexts, check.catalog()->installations(check.method()));
}

Outcome acceptPropertiesPage(const PropertiesPageEntries& entries, DesignCheck& check) {
    const bool roundPipe = check.shape() == StructureShape::RoundPipe;
    if (roundPipe)
        if (Outcome read = checkTypedNumber("span", entries.spanText); !read) return std::move(read).from("span");
    const double span = roundPipe ? readTypedNumber(entries.spanText) : 0.0;
    // A pipe of no span would pass every check.
    if (roundPipe && !(span > 0.0)) return Outcome::failure("The span must be > 0.").from("span");
    // Without an installation type the method does not cover the profile.
    if (!entries.installationTypeText)
        return Outcome::failure("No installation type is available for this profile and design method.");

    if (roundPipe)
        check.setSpan(span);
    else
        check.setSizeIndex(entries.sizeEntry);
    check.setThicknessIndex(entries.thicknessEntry);
    check.setCorrugationType(entries.corrugationTypeText);
    check.setInstallationType(*entries.installationTypeText);
    if (!reductionPageAsked(check)) check.setReduction(false, check.reductionFactor());
    return Outcome::success();
}

bool reductionPageAsked(const DesignCheck& check) {
    return reductionPageAsked(check.method(), check.cover(), check.effectiveSpan());
}

bool reductionPageAsked(CheckMethod method, double coverFeet, double effectiveSpan) {
    return method == CheckMethod::Aisi && 12.0 * coverFeet >= effectiveSpan;
}

Outcome acceptReductionPage(std::string_view factorText, DesignCheck& check) {
    if (Outcome read = checkTypedNumber("soil dead load reduction factor", factorText); !read)
        return std::move(read).from("reduction");
    const double factor = readTypedNumber(factorText);
    if (!(factor > 0.0)) return Outcome::failure("The reduction factor must be > 0.").from("load-reduction");
    check.setReduction(true, factor);
    return Outcome::success();
}

}  // namespace csp::designcheck
