#include "designcheck/design_check_pages.h"

#include <array>
#include <utility>

#include "shell/number_format.h"
#include "shell/typed_number.h"

namespace csp::designcheck {
namespace {

constexpr std::string_view noCornerRadius[] = {notApplicableText};
constexpr std::string_view defaultCornerPressure = "4000";  // psf

constexpr double minimumSoilDensity = 1.0, maximumSoilDensity = 10000.0;  // pcf
constexpr double minimumCover = 1.0;                                      // ft

// The profiles a shape's list offers, in the profile table's order, under
// their list texts.
std::vector<ProfileEntry> profileListOf(StructureShape shape) {
    std::vector<ProfileEntry> list;
    const std::span<const ProfileData* const> table = profileTable();
    for (std::size_t i = 0; i < table.size(); ++i)
        if (std::string_view text = table[i]->listTexts[static_cast<std::size_t>(shape)]; !text.empty())
            list.push_back({text, static_cast<Profile>(i)});
    return list;
}

// The profile of a list entry, or none past the list.
std::optional<Profile> profileOf(StructureShape shape, int profileEntry) {
    const std::span<const ProfileEntry> list = profileEntries(shape);
    if (profileEntry < 0 || static_cast<std::size_t>(profileEntry) >= list.size()) return std::nullopt;
    return list[static_cast<std::size_t>(profileEntry)].profile;
}

// A plate arch's pipe-arch sizes follow the corner radius its page asks for;
// any other entry has none.
std::optional<std::size_t> plateArchProfile(StructureShape shape, int profileEntry) {
    const std::optional<Profile> profile = profileOf(shape, profileEntry);
    if (shape != StructureShape::PipeArch || !profile || !profileData(static_cast<int>(*profile))->isPlateArch())
        return std::nullopt;
    return static_cast<std::size_t>(*profile);
}

int cornerRadiusOf(const MainPageEntries& entries) {
    const auto profile = plateArchProfile(static_cast<StructureShape>(entries.shape), entries.profileEntry);
    const auto entry = static_cast<std::size_t>(entries.cornerRadiusEntry);
    if (!profile || entries.cornerRadiusEntry < 0 || entry >= profileTable()[*profile]->cornerRadiusSizes.size())
        return 0;
    return profileTable()[*profile]->cornerRadiusSizes[entry].cornerRadius;
}

// An underpass is always the first its list offers, whatever the list shows.
int profileOf(const MainPageEntries& entries) {
    const auto shape = static_cast<StructureShape>(entries.shape);
    const std::optional<Profile> profile =
        profileOf(shape, shape == StructureShape::Underpass ? 0 : entries.profileEntry);
    return profile ? static_cast<int>(*profile) : -1;
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
    static const std::vector<ProfileEntry> roundPipe = profileListOf(StructureShape::RoundPipe),
                                           pipeArch = profileListOf(StructureShape::PipeArch),
                                           underpass = profileListOf(StructureShape::Underpass);
    switch (shape) {
    case StructureShape::RoundPipe: return roundPipe;
    case StructureShape::PipeArch: return pipeArch;
    case StructureShape::Underpass: return underpass;
    }
    return {};
}

std::string_view defaultCornerPressureText(StructureShape shape) {
    return shape == StructureShape::RoundPipe ? notApplicableText : defaultCornerPressure;
}

std::span<const std::string_view> cornerRadiusEntries(StructureShape shape, int profileEntry) {
    // Each profile's corner radius texts, by profile index.
    static const std::vector<std::vector<std::string_view>> texts = [] {
        std::vector<std::vector<std::string_view>> lists(profileTable().size());
        for (std::size_t i = 0; i < lists.size(); ++i)
            for (const CornerRadiusSizes& sizes : profileTable()[i]->cornerRadiusSizes) lists[i].push_back(sizes.listText);
        return lists;
    }();
    const std::optional<std::size_t> profile = plateArchProfile(shape, profileEntry);
    if (!profile) return noCornerRadius;
    return texts[*profile];
}

void storeMainPageSelections(const MainPageEntries& entries, DesignCheck& check) {
    check.setShape(entries.shape);
    check.setProfile(profileOf(entries));
    check.setLiveLoad(entries.liveLoad);
    check.setMethod(entries.method);
    check.setCornerRadius(cornerRadiusOf(entries));
}

Outcome acceptMainPage(const MainPageEntries& entries, DesignCheck& check) {
    if (Outcome read = checkTypedNumber("soil density", entries.soilDensityText, units::poundsPerCubicFoot); !read)
        return std::move(read).from("soil-density");
    const double soilDensity = readTypedNumber(entries.soilDensityText);
    if (!(soilDensity >= minimumSoilDensity && soilDensity <= maximumSoilDensity))
        return Outcome::failure("The soil density must be between 1 and 10000.").from("soil-density");
    if (Outcome read = checkTypedNumber("cover", entries.coverText, units::feet); !read) return std::move(read).from("cover");
    const double cover = readTypedNumber(entries.coverText);
    if (!(cover >= minimumCover)) return Outcome::failure("The cover must be >= 1.").from("cover");
    // A round pipe's corner pressure field shows "N/A" and is not read.
    const bool hasCorners = static_cast<StructureShape>(entries.shape) != StructureShape::RoundPipe;
    if (hasCorners)
        if (Outcome read = checkTypedNumber("corner pressure", entries.cornerPressureText, units::poundsPerSquareFoot); !read)
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
        for (const steel::Wall& wall : catalog->walls()) entries.push_back(format("%g", wall.thickness));
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
        if (Outcome read = checkTypedNumber("span", entries.spanText, units::inches); !read) return std::move(read).from("span");
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

DesignCheckPage pageAfter(DesignCheckPage page, const DesignCheck& check) {
    switch (page) {
    case DesignCheckPage::Main: return DesignCheckPage::Properties;
    case DesignCheckPage::Properties:
        return reductionPageAsked(check) ? DesignCheckPage::Reduction : DesignCheckPage::Results;
    case DesignCheckPage::Reduction:
    case DesignCheckPage::Results: break;
    }
    return DesignCheckPage::Results;
}

bool entryApplies(std::string_view entry, StructureShape shape, bool cornerRadiusOffered, bool reductionAsked) {
    const bool roundPipe = shape == StructureShape::RoundPipe;
    if (entry == "span") return roundPipe;
    if (entry == "size" || entry == "corner-pressure") return !roundPipe;
    if (entry == "corner-radius") return cornerRadiusOffered;
    if (entry == "load-reduction") return reductionAsked;
    return true;
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
