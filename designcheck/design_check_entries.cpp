#include "designcheck/design_check_entries.h"
#include "designcheck/design_check_picture.h"

#include <algorithm>
#include <array>
#include <map>
#include <mutex>

#include "designcheck/design_check_pages.h"
#include "shell/number_format.h"
#include "shell/typed_number.h"

namespace csp::designcheck {
namespace {

// Each list's words, in the order of the page's list.
constexpr std::array<std::string_view, shapeTexts.size()> shapeWords = {"round", "pipe-arch", "underpass"};
constexpr std::array<std::string_view, liveLoadTexts.size()> liveLoadWords = {"H20", "H25", "E80"};
constexpr std::array<std::string_view, methodTexts.size()> methodWords = {"astm-asd",   "astm-lrfd",   "aashto-asd",
                                                                          "aashto-lfd", "aashto-lrfd", "aisi"};
constexpr std::array<std::string_view, 2> cornerRadiusWords = {"18", "31"};  // in., the 6 x 2 pipe-arch's list
constexpr std::array<std::string_view, corrugationTypeTexts.size()> corrugationWords = {"helical", "annular", "bolted"};
constexpr std::array<std::string_view, installationTypeTexts.size()> installationWords = {
    "embankment", "trench-standard", "trench-special"};

constexpr std::string_view defaultCornerPressure = "4000";  // psf, the field of a pipe-arch or underpass

const std::array<EntrySpec, 14> specs = {{
    choiceEntry("shape", shapeWords, "round", "Structure shape"),
    positionEntry("profile", "0", "Profile: its corrugation as the shape's list shows it (6x2), or its position"),
    choiceEntry("live-load", liveLoadWords, "H20", "Live load"),
    choiceEntry("method", methodWords, "astm-asd", "Design method"),
    accepting(typedEntry("soil-density", defaultSoilDensityText, units::poundsPerCubicFoot.shown, "Soil density, as typed"),
              "between 1 and 10000"),
    accepting(typedEntry("cover", defaultCoverText, units::feet.shown, "Cover over the crown, as typed"), ">= 1"),
    accepting(typedEntry("corner-pressure", defaultCornerPressure, units::poundsPerSquareFoot.shown,
                         "Allowable corner bearing pressure, as typed (pipe-arch and underpass)"),
              "> 0"),
    choiceEntry("corner-radius", cornerRadiusWords, "18", "Corner radius (6 x 2 pipe-arch)"),
    accepting(typedEntry("span", defaultRoundSpanText, units::inches.shown, "Diameter of a round pipe, as typed"), "> 0"),
    positionEntry("size", "0", "Size as span x rise (81x59), as the list labels it, or its position (pipe-arch and underpass)"),
    positionEntry("thickness", "0", "Thickness in inches (0.109), or its position in the profile's list"),
    choiceEntry("corrugation", corrugationWords, {}, "Corrugation type (default: the first the profile offers)"),
    choiceEntry("installation", installationWords, {}, "Installation type (default: the first offered)"),
    withAlias(accepting(typedEntry("load-reduction", defaultReductionText, {},
                                   "Soil dead load reduction factor K, as typed (AISI when 12 x cover >= span)"),
                        "> 0"),
              "reduction"),
}};
const EntrySpec& shapeEntry = specs[0];
const EntrySpec& profileEntry = specs[1];
const EntrySpec& liveLoadEntry = specs[2];
const EntrySpec& methodEntry = specs[3];
const EntrySpec& soilDensityEntry = specs[4];
const EntrySpec& coverEntry = specs[5];
const EntrySpec& cornerPressureEntry = specs[6];
const EntrySpec& cornerRadiusEntry = specs[7];
const EntrySpec& spanEntry = specs[8];
const EntrySpec& sizeEntry = specs[9];
const EntrySpec& thicknessEntry = specs[10];
const EntrySpec& corrugationEntry = specs[11];
const EntrySpec& installationEntry = specs[12];
const EntrySpec& reductionEntry = specs[13];

// The list text of a choice word, when given; none otherwise.
Outcome chosenText(const EntrySpec& spec, const Entries& entries, std::span<const std::string_view> texts,
                   std::optional<std::string_view>& text) {
    if (!entries.given(spec.name)) return Outcome::success();
    int position = 0;
    if (Outcome chosen = choicePosition(spec, entries, position); !chosen) return chosen;
    text = texts[static_cast<std::size_t>(position)];
    return Outcome::success();
}

template <class Text>
bool offers(const std::vector<Text>& offered, std::string_view text) {
    return std::find(offered.begin(), offered.end(), text) != offered.end();
}

// The main page's list selections: shape, live load, method, corner radius.
Outcome chooseMainSelections(const Entries& entries, MainPageEntries& main) {
    for (auto [spec, position] : {std::pair{&shapeEntry, &main.shape},
                                  {&liveLoadEntry, &main.liveLoad},
                                  {&methodEntry, &main.method},
                                  {&cornerRadiusEntry, &main.cornerRadiusEntry}})
        if (Outcome chosen = choicePosition(*spec, entries, *position); !chosen) return chosen;
    return Outcome::success();
}

// The profile list of a shape, each profile also selected by its corrugation.
ValueList makeProfileList(int shape) {
    const std::string word(shapeWords[static_cast<std::size_t>(shape)]);
    ValueList list{"the " + word + " profile list", "Profiles of the " + word, {}, {}};
    for (const ProfileEntry& entry : profileEntries(static_cast<StructureShape>(shape))) {
        ListValue value{std::string(entry.text), {}, {}, {}, {}};
        if (const std::string corrugation = leadingCorrugation(entry.text);
            !corrugation.empty() && corrugation != entry.text)
            value.looseNames.push_back(corrugation);
        list.values.push_back(std::move(value));
    }
    return list;
}

// The sizes of a pipe-arch or underpass, span x rise, each also selected by
// the page's own label.
ValueList makeSizeList(const DesignCheck& check) {
    ValueList list{"the span list", "Sizes, span x rise", "in.", {}};
    const ProfileCatalog* catalog = check.catalog();
    const std::vector<std::string> labels = spanEntries(check);
    for (std::size_t i = 0; catalog && i < labels.size(); ++i) {
        const double span = catalog->span(static_cast<int>(i)).value_or(0.0);
        const double rise = catalog->rise(static_cast<int>(i)).value_or(0.0);
        list.values.push_back({format("%g x %g", span, rise), {}, {labels[i]}, {}, {span, rise}});
    }
    return list;
}

// The thicknesses of the profile, each selected by its value in inches.
ValueList makeThicknessList(const DesignCheck& check) {
    ValueList list{"the thickness list", "Thicknesses", "in.", {}};
    const std::vector<std::string> texts = thicknessEntries(check);
    const ProfileCatalog* catalog = check.catalog();
    for (std::size_t i = 0; catalog && i < texts.size(); ++i)
        list.values.push_back({texts[i], {}, {}, {}, {catalog->walls()[i].thickness}});
    return list;
}

// A list depends only on the structure's shape, profile and corner radius,
// which fix its catalog: each is made once, the first time it is asked for.
struct ListKey {
    int shape, profile, cornerRadius;
    auto operator<=>(const ListKey&) const = default;
};

template <class Make>
const ValueList& madeOnce(std::map<ListKey, ValueList>& made, const ListKey& key, Make make) {
    static std::mutex guard;
    const std::lock_guard<std::mutex> lock(guard);
    auto found = made.find(key);
    if (found == made.end()) found = made.emplace(key, make()).first;
    return found->second;
}

ListKey keyOf(const DesignCheck& check) {
    return {static_cast<int>(check.shape()), static_cast<int>(check.profile()), check.cornerRadius()};
}

const ValueList& profileList(int shape) {
    static std::map<ListKey, ValueList> made;
    return madeOnce(made, {shape, 0, 0}, [shape] { return makeProfileList(shape); });
}

const ValueList& sizeList(const DesignCheck& check) {
    static std::map<ListKey, ValueList> made;
    return madeOnce(made, keyOf(check), [&check] { return makeSizeList(check); });
}

const ValueList& thicknessList(const DesignCheck& check) {
    static std::map<ListKey, ValueList> made;
    return madeOnce(made, keyOf(check), [&check] { return makeThicknessList(check); });
}

// The profile's position in the shape's profile list.
Outcome chooseProfile(const Entries& entries, MainPageEntries& main) {
    return listPosition(profileEntry, entries, profileList(main.shape), main.profileEntry);
}

// The choices the pages offer, checked before any typed value is read. On
// success `main` and `properties` hold the page entries and `check` the
// main page's selections.
Outcome choose(const Entries& entries, DesignCheck& check, MainPageEntries& main, PropertiesPageEntries& properties) {
    std::optional<std::string_view> corrugation, installation;
    if (Outcome chosen = chooseMainSelections(entries, main); !chosen) return chosen;
    if (Outcome chosen = chosenText(corrugationEntry, entries, corrugationTypeTexts, corrugation); !chosen)
        return chosen;
    if (Outcome chosen = chosenText(installationEntry, entries, installationTypeTexts, installation); !chosen)
        return chosen;

    const auto shape = static_cast<StructureShape>(main.shape);
    const bool roundPipe = shape == StructureShape::RoundPipe;
    if (Outcome chosen = chooseProfile(entries, main); !chosen) return chosen;
    // An entry the chosen structure has no page control for.
    static constexpr std::array<std::pair<const EntrySpec*, std::string_view>, 4> notAsked = {{
        {&cornerPressureEntry, "a round pipe has no corners"},
        {&cornerRadiusEntry, "only a 6 x 2 pipe-arch offers a corner radius"},
        {&spanEntry, "only a round pipe has a typed span; use --size"},
        {&sizeEntry, "a round pipe has a typed span; use --span"},
    }};
    const bool radiusOffered = cornerRadiusEntries(shape, main.profileEntry).size() > 1;
    for (const auto& [spec, why] : notAsked)
        if (entries.given(*spec) && !entryApplies(spec->name, shape, radiusOffered, true))
            return Outcome::usageError(spec->name, std::string(why));
    storeMainPageSelections(main, check);

    if (!roundPipe) {
        if (Outcome chosen = listPosition(sizeEntry, entries, sizeList(check), properties.sizeEntry); !chosen)
            return chosen;
        check.setSizeIndex(properties.sizeEntry);
    }
    if (Outcome chosen = listPosition(thicknessEntry, entries, thicknessList(check), properties.thicknessEntry);
        !chosen)
        return chosen;

    const std::vector<std::string_view> corrugations = corrugationTypeEntries(check);
    if (corrugations.empty()) return Outcome::usageError("", "this profile offers no corrugation type");
    properties.corrugationTypeText = corrugation.value_or(corrugations.front());
    if (!offers(corrugations, properties.corrugationTypeText))
        return Outcome::usageError(corrugationEntry.name,
                                   "this profile is not made as " + entries.textOf(corrugationEntry) + " pipe");

    const std::vector<std::string_view> installations = installationTypeEntries(check);
    if (!installations.empty())
        properties.installationTypeText = std::string(installation.value_or(installations.front()));
    if (installation && !offers(installations, *installation))
        return Outcome::usageError(installationEntry.name, entries.textOf(installationEntry) +
                                                               " is not offered for this profile and design method");

    // Whether the Load Reduction Factor page comes up follows the values as
    // typed, before the pages check them; a cover or span that is not a
    // number in its unit is refused by its page before then.
    const std::string coverText = typedText(coverEntry, entries), spanText = typedText(spanEntry, entries);
    const bool misread = checkTypedNumber("cover", coverText, units::feet).refused() ||
                         (roundPipe && checkTypedNumber("span", spanText, units::inches).refused());
    const double cover = readTypedNumber(coverText);
    const double span = roundPipe ? readTypedNumber(spanText) : check.effectiveSpan();
    if (entries.given(reductionEntry) && !misread && !reductionPageAsked(check.method(), cover, span))
        return Outcome::usageError(reductionEntry.name,
                                   "the load reduction factor is asked only under AISI when 12 x cover >= span");

    main.soilDensityText = typedText(soilDensityEntry, entries);
    main.coverText = typedText(coverEntry, entries);
    main.cornerPressureText = roundPipe ? std::string(notApplicableText) : typedText(cornerPressureEntry, entries);
    properties.spanText = typedText(spanEntry, entries);
    return Outcome::success();
}

// The words of a choice entry whose list texts are among `offered`.
template <class Text>
OfferedList offeredWords(const EntrySpec& spec, std::string title, std::span<const std::string_view> texts,
                         const std::vector<Text>& offered) {
    OfferedList list = wordList(spec, std::move(title), texts);
    std::erase_if(list.items, [&](const OfferedItem& item) { return !offers(offered, item.text); });
    return list;
}


}  // namespace

std::span<const EntrySpec> designCheckEntries() { return specs; }

Outcome listDesignCheckChoices(const Entries& entries, std::vector<OfferedList>& lists) {
    MainPageEntries main;
    if (Outcome chosen = chooseMainSelections(entries, main); !chosen) return chosen;
    const auto shape = static_cast<StructureShape>(main.shape);
    lists.push_back(wordList(shapeEntry, "Structure shapes", shapeTexts));

    lists.push_back(positionList(profileEntry, profileList(main.shape)));
    if (Outcome chosen = chooseProfile(entries, main); !chosen) return chosen;
    const std::span<const std::string_view> radii = cornerRadiusEntries(shape, main.profileEntry);
    if (radii.size() > 1)
        lists.push_back(wordList(cornerRadiusEntry, "Corner radii", radii));

    DesignCheck check;
    storeMainPageSelections(main, check);
    if (!check.catalog()) return Outcome::success();
    if (shape != StructureShape::RoundPipe) lists.push_back(positionList(sizeEntry, sizeList(check)));
    lists.push_back(positionList(thicknessEntry, thicknessList(check)));
    lists.push_back(offeredWords(corrugationEntry, "Corrugation types", corrugationTypeTexts,
                                 corrugationTypeEntries(check)));
    lists.push_back(offeredWords(installationEntry, "Installation types under " + std::string(methodWords[static_cast<std::size_t>(main.method)]),
                                 installationTypeTexts, installationTypeEntries(check)));
    return Outcome::success();
}

Outcome produceDesignCheck(const Entries& entries, DesignCheck& check, DesignCheckOutput output) {
    MainPageEntries main;
    PropertiesPageEntries properties;
    if (Outcome chosen = choose(entries, check, main, properties); !chosen) return chosen;
    // Each page in the order the pages come, as the user would go through them.
    for (DesignCheckPage page = DesignCheckPage::Main; page != DesignCheckPage::Results; page = pageAfter(page, check)) {
        const Outcome accepted = page == DesignCheckPage::Main         ? acceptMainPage(main, check)
                                 : page == DesignCheckPage::Properties ? acceptPropertiesPage(properties, check)
                                                                       : acceptReductionPage(typedText(reductionEntry, entries), check);
        if (!accepted) return accepted;
    }
    switch (output) {
    case DesignCheckOutput::Report: check.run(); break;
    case DesignCheckOutput::RecordOnly: check.compute(); break;
    }
    return Outcome::success();
}

const ValueList* designCheckValueList(std::string_view entry, int shape, const DesignCheck& check) {
    if (entry == profileEntry.name) return shape >= 0 && shape < 3 ? &profileList(shape) : nullptr;
    if (entry == sizeEntry.name) return &sizeList(check);
    if (entry == thicknessEntry.name) return &thicknessList(check);
    return nullptr;
}

Entries entriesAsUsed(const Entries& given, const DesignCheck& check) {
    const bool roundPipe = check.shape() == StructureShape::RoundPipe;
    const bool hasInstallation = !installationTypeEntries(check).empty();
    const auto wordOf = [](const EntrySpec& spec, auto value) {
        const auto position = static_cast<std::size_t>(value);
        return position < spec.words.size() ? std::string(spec.words[position]) : std::string();
    };
    // A list entry by its value, as the list shows it, at the position the
    // check took; the text given where there is none.
    const auto valueOf = [&given](const EntrySpec& spec, const ValueList& list, std::size_t position) {
        return position < list.values.size() ? list.values[position].text : given.textOf(spec);
    };
    const std::span<const ProfileEntry> profiles = profileEntries(check.shape());
    const auto profilePosition = static_cast<std::size_t>(
        std::find_if(profiles.begin(), profiles.end(), [&](const ProfileEntry& e) { return e.profile == check.profile(); }) -
        profiles.begin());
    Entries used;
    for (const EntrySpec& spec : specs) {
        std::string text = given.textOf(spec);
        int position = 0;
        if (spec.kind == EntryKind::Choice && choicePosition(spec, given, position)) text = wordOf(spec, position);
        if (&spec == &profileEntry) text = valueOf(spec, profileList(static_cast<int>(check.shape())), profilePosition);
        if (&spec == &sizeEntry && !roundPipe)
            text = valueOf(spec, sizeList(check), static_cast<std::size_t>(check.sizeIndex()));
        if (&spec == &thicknessEntry)
            text = valueOf(spec, thicknessList(check), static_cast<std::size_t>(check.thicknessIndex()));
        if (!entryApplies(spec.name, check.shape(), check.cornerRadius() != 0, check.reductionApplied())) text.clear();
        if (&spec == &corrugationEntry) text = wordOf(spec, check.corrugationType());
        if (&spec == &installationEntry) text = hasInstallation ? wordOf(spec, check.installationType()) : "";
        used.add(spec.name, std::move(text));
    }
    return used;
}

Outcome produceDesignCheckReport(const Entries& entries, ReportListing& listing, std::string* picture) {
    DesignCheck check;
    Outcome produced = produceDesignCheck(entries, check);
    if (!produced) return produced;
    listing = check.reportLines();
    if (picture) *picture = drawDesignCheckPicture(check);
    return produced;
}

}  // namespace csp::designcheck
