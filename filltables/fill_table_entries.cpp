#include "filltables/fill_table_entries.h"

#include <array>

#include "filltables/fill_table_request.h"
#include "filltables/wizard_choices.h"
#include "shell/number_format.h"

namespace csp {
namespace {

// Each list's words, in the order of the page's list or radio group.
constexpr std::array<std::string_view, liveLoadCount> liveLoadWords = {"H20", "H25", "E80"};
constexpr std::array<std::string_view, conditionsCount> conditionsWords = {"embankment-astm", "trench-astm",
                                                                           "embankment-aisi", "trench-aisi"};
constexpr std::array<std::string_view, 2> criteriaWords = {"show", "hide"};
constexpr std::array<std::string_view, trenchDetailsChoices.size()> trenchWords = {"special", "standard"};
constexpr std::array<std::string_view, selectDesignChoices.size()> designWords = {"asd", "lrfd", "aashto-lfd"};
constexpr std::array<std::string_view, baseForTablesChoices.size()> baseWords = {"helical", "annular"};

template <class T, std::size_t N>
constexpr std::size_t positionOf(const std::array<T, N>& choices, T value) {
    for (std::size_t i = 0; i < N; ++i)
        if (choices[i] == value) return i;
    return 0;
}

const MainPageValues mainPagePresets;

const std::array<EntrySpec, 9> specs = {{
    positionEntry("shape", "4", "Shape and profile: position in the program's list"),
    choiceEntry("live-load", liveLoadWords, liveLoadWords[static_cast<std::size_t>(mainPagePresets.liveLoad)],
                "Live load"),
    typedEntry("soil-density", mainPagePresets.soilDensityText, "pcf", "Soil density, as typed"),
    choiceEntry("conditions", conditionsWords, conditionsWords[static_cast<std::size_t>(mainPagePresets.conditions)],
                "Conditions/criteria"),
    choiceEntry("criteria", criteriaWords, criteriaWords[static_cast<std::size_t>(mainPagePresets.showCriteria)],
                "Show or hide the criteria after the table"),
    choiceEntry("trench", trenchWords, trenchWords[positionOf(trenchDetailsChoices, trenchDetailsPreselection)],
                "Trench Details page (trench conditions, rib profiles)"),
    choiceEntry("design", designWords, designWords[positionOf(selectDesignChoices, selectDesignPreselection)],
                "Select Design page (ASTM/AASHTO conditions; aashto-lfd on embankment)"),
    choiceEntry("base", baseWords, baseWords[positionOf(baseForTablesChoices, baseForTablesPreselection)],
                "Base for Tables page (shapes 4, 5, 8 and 9)"),
    typedEntry("load-reduction", loadReductionPreselection, {},
               "Load Reduction page (AISI conditions): soil dead load reduction factor, as typed"),
}};
const EntrySpec& shapeEntry = specs[0];
const EntrySpec& liveLoadEntry = specs[1];
const EntrySpec& soilDensityEntry = specs[2];
const EntrySpec& conditionsEntry = specs[3];
const EntrySpec& criteriaEntry = specs[4];
const EntrySpec& trenchEntry = specs[5];
const EntrySpec& designEntry = specs[6];
const EntrySpec& baseEntry = specs[7];
const EntrySpec& loadReductionEntry = specs[8];

// The entry that answers the page of each follow-up step.
const EntrySpec& entryOf(FollowUpStep step) {
    switch (step) {
        case FollowUpStep::Trench: return trenchEntry;
        case FollowUpStep::Design: return designEntry;
        case FollowUpStep::Base: return baseEntry;
        case FollowUpStep::LoadReduction: break;
    }
    return loadReductionEntry;
}

// The list positions of every choice, checked before any typed value.
struct Choices {
    int shape = 0, liveLoad = 0, conditions = 0, criteria = 0, trench = 0, design = 0, base = 0;
};

Outcome readChoices(const Entries& entries, Choices& c) {
    for (auto [spec, position] : {std::pair{&liveLoadEntry, &c.liveLoad},
                                  {&conditionsEntry, &c.conditions},
                                  {&criteriaEntry, &c.criteria},
                                  {&trenchEntry, &c.trench},
                                  {&designEntry, &c.design},
                                  {&baseEntry, &c.base}})
        if (Outcome chosen = choicePosition(*spec, entries, *position); !chosen) return chosen;
    return listPosition(shapeEntry, entries, shapeCount, "the shape list", c.shape);
}

// Why the page of a step is not asked: the choice that rules it out.
std::string notAskedReason(FollowUpStep step, int shape, Conditions conditions) {
    const std::string underConditions =
        "--conditions " + std::string(conditionsWords[static_cast<std::size_t>(conditions)]);
    const std::string forShape = format("--shape %d", shape);
    switch (step) {
        case FollowUpStep::Trench:
            if (!isTrenchConditions(conditions))
                return "the Trench Details page is not asked under " + underConditions +
                       " (only under trench-astm and trench-aisi)";
            return "the Trench Details page is not asked for " + forShape +
                   " (only for the rib profiles 0-3, 14 and 15)";
        case FollowUpStep::Design:
            return "the Select Design page is not asked under " + underConditions +
                   " (the AISI condition sets are designed by ASD)";
        case FollowUpStep::Base:
            return "the Base for Tables page is not asked for " + forShape + " (only for shapes 4, 5, 8 and 9)";
        case FollowUpStep::LoadReduction: break;
    }
    return "the Load Reduction page is not asked under " + underConditions +
           " (only under embankment-aisi and trench-aisi)";
}

// A follow-up entry given for a page the rule does not ask, or a choice the
// asked page does not offer.
Outcome checkFollowUpEntries(const Entries& entries, const Choices& c) {
    const auto conditions = static_cast<Conditions>(c.conditions);
    for (FollowUpStep step : followUpSteps) {
        const auto asked = pageAskedAt(step, c.shape, conditions);
        if (!asked && entries.given(entryOf(step).name))
            return Outcome::usageError(entryOf(step).name, notAskedReason(step, c.shape, conditions));
        if (asked == FollowUpPage::SelectDesignTwoChoices &&
            static_cast<std::size_t>(c.design) >= selectDesignTwoChoices.size())
            return Outcome::usageError(designEntry.name,
                                       "aashto-lfd is not offered: the Select Design page under --conditions " +
                                           std::string(conditionsWords[static_cast<std::size_t>(c.conditions)]) +
                                           " offers only asd and lrfd");
    }
    return Outcome::success();
}

// The words of a choice entry as a list, the first `count` of them.
OfferedList wordList(const EntrySpec& spec, std::string title, std::size_t count) {
    OfferedList list{spec.name, std::move(title), {}};
    for (std::size_t i = 0; i < count && i < spec.words.size(); ++i) list.items.emplace_back(spec.words[i], "");
    return list;
}

std::string pageTitle(FollowUpPage page) {
    switch (page) {
    case FollowUpPage::TrenchDetails: return "Trench Details page";
    case FollowUpPage::SelectDesign:
    case FollowUpPage::SelectDesignTwoChoices: return "Select Design page";
    case FollowUpPage::BaseForTables: return "Base for Tables page";
    case FollowUpPage::LoadReduction: break;
    }
    return "Load Reduction page";
}

}  // namespace

std::span<const EntrySpec> fillTableEntries() { return specs; }

Outcome listFillTableChoices(const Entries& entries, std::vector<OfferedList>& lists) {
    Choices c;
    if (Outcome chosen = readChoices(entries, c); !chosen) return chosen;
    OfferedList shapes{shapeEntry.name, "Shape and Profile", {}};
    for (std::size_t i = 0; i < shapeProfileTexts.size(); ++i)
        shapes.items.emplace_back(std::to_string(i), shapeProfileTexts[i]);
    lists.push_back(std::move(shapes));
    lists.push_back(wordList(liveLoadEntry, "Live Load", liveLoadWords.size()));
    lists.push_back(wordList(conditionsEntry, "Conditions/Criteria", conditionsWords.size()));
    lists.push_back(wordList(criteriaEntry, "Print", criteriaWords.size()));
    for (FollowUpPage page : followUpPages(c.shape, static_cast<Conditions>(c.conditions))) {
        switch (page) {
        case FollowUpPage::TrenchDetails: lists.push_back(wordList(trenchEntry, pageTitle(page), 2)); break;
        case FollowUpPage::SelectDesign:
            lists.push_back(wordList(designEntry, pageTitle(page), selectDesignChoices.size()));
            break;
        case FollowUpPage::SelectDesignTwoChoices:
            lists.push_back(wordList(designEntry, pageTitle(page), selectDesignTwoChoices.size()));
            break;
        case FollowUpPage::BaseForTables: lists.push_back(wordList(baseEntry, pageTitle(page), 2)); break;
        case FollowUpPage::LoadReduction:
            lists.push_back({loadReductionEntry.name, pageTitle(page), {{"", "a factor > 0 and <= 1, as typed"}}});
            break;
        }
    }
    return Outcome::success();
}

Outcome produceFillTable(const Entries& entries, ReportListing& listing) {
    Choices c;
    if (Outcome chosen = readChoices(entries, c); !chosen) return chosen;
    if (Outcome checked = checkFollowUpEntries(entries, c); !checked) return checked;

    FillTableRequest request;
    const MainPageValues page = {.shape = c.shape,
                                 .liveLoad = static_cast<LiveLoad>(c.liveLoad),
                                 .soilDensityText = typedText(soilDensityEntry, entries),
                                 .conditions = static_cast<Conditions>(c.conditions),
                                 .showCriteria = c.criteria};
    if (Outcome taken = request.takeMainPage(page); !taken) return taken;

    Outcome refused;
    walkFollowUpPages(request, [&](FollowUpPage asked) {
        switch (asked) {
            case FollowUpPage::TrenchDetails:
                request.setTrenchType(trenchDetailsChoices[static_cast<std::size_t>(c.trench)]);
                break;
            case FollowUpPage::SelectDesign:
                request.setDesignMethod(selectDesignChoices[static_cast<std::size_t>(c.design)]);
                break;
            case FollowUpPage::SelectDesignTwoChoices:
                request.setDesignMethod(selectDesignTwoChoices[static_cast<std::size_t>(c.design)]);
                break;
            case FollowUpPage::BaseForTables:
                request.setTableBase(baseForTablesChoices[static_cast<std::size_t>(c.base)]);
                break;
            case FollowUpPage::LoadReduction:
                refused = request.takeLoadReduction(typedText(loadReductionEntry, entries));
        }
        return refused ? PageExit::Next : PageExit::Back;
    });
    if (!refused) return refused;
    if (Outcome generated = request.generate(); !generated) return generated;
    listing = std::move(request.report());
    return Outcome::success();
}

}  // namespace csp
