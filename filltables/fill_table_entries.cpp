#include "filltables/fill_table_entries.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "filltables/choice_pages.h"
#include "filltables/fill_table_chart.h"
#include "filltables/fill_table_request.h"
#include "filltables/shape_table.h"
#include "filltables/wizard_choices.h"
#include "shell/number_format.h"
#include "shell/typed_number.h"

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

const MainPageValues mainPagePresets;

// The shapes whose row says `is`, as the help writes them: "0-3, 14 and 15",
// a run of three or more as its ends.
std::string shapeNumbers(bool (*is)(const ShapeSpec&)) {
    const auto isShape = [is](int shape) { return shape < shapeCount && is(*shapeSpecOf(shape)); };
    std::vector<std::string> runs;
    for (int first = 0; first < shapeCount; ++first) {
        if (!isShape(first)) continue;
        int last = first;
        while (isShape(last + 1)) ++last;
        if (last - first >= 2)
            runs.push_back(format("%d-%d", first, last));
        else
            for (int shape = first; shape <= last; ++shape) runs.push_back(format("%d", shape));
        first = last;
    }
    std::string text;
    for (std::size_t i = 0; i < runs.size(); ++i) text += (i == 0 ? "" : i + 1 == runs.size() ? " and " : ", ") + runs[i];
    return text;
}
const std::string ribShapes = shapeNumbers([](const ShapeSpec& spec) { return spec.isRibProfile(); });
const std::string tableBaseShapes = shapeNumbers([](const ShapeSpec& spec) { return spec.baseChoice; });
const std::string baseHelp = "Base for Tables page (shapes " + tableBaseShapes + ")";

const std::array<EntrySpec, 9> specs = {{
    positionEntry("shape", "4", "Shape and profile: shape and corrugation (pipe-arch-3x1) or a spelling the list shows, or its position"),
    choiceEntry("live-load", liveLoadWords, liveLoadWords[static_cast<std::size_t>(mainPagePresets.liveLoad)],
                "Live load"),
    accepting(typedEntry("soil-density", mainPagePresets.soilDensityText, units::poundsPerCubicFoot.shown,
                         "Soil density, as typed"),
              "between 1 and 10000"),
    choiceEntry("conditions", conditionsWords, conditionsWords[static_cast<std::size_t>(mainPagePresets.conditions)],
                "Conditions/criteria"),
    choiceEntry("criteria", criteriaWords, criteriaWords[static_cast<std::size_t>(mainPagePresets.showCriteria)],
                "Show or hide the criteria after the table"),
    choiceEntry("trench", trenchWords, trenchWords[preselectedChoice(FollowUpPage::TrenchDetails)],
                "Trench Details page (trench conditions, rib profiles)"),
    choiceEntry("design", designWords, designWords[preselectedChoice(FollowUpPage::SelectDesign)],
                "Select Design page (ASTM/AASHTO conditions; aashto-lfd on embankment)"),
    choiceEntry("base", baseWords, baseWords[preselectedChoice(FollowUpPage::BaseForTables)], baseHelp),
    accepting(typedEntry("load-reduction", loadReductionPreselection, {},
                         "Load Reduction page (AISI conditions): soil dead load reduction factor, as typed"),
              "> 0 and <= 1"),
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

    // The radio button chosen on a follow-up page.
    int positionOn(FollowUpPage page) const {
        switch (page) {
        case FollowUpPage::TrenchDetails: return trench;
        case FollowUpPage::BaseForTables: return base;
        case FollowUpPage::SelectDesign:
        case FollowUpPage::SelectDesignTwoChoices:
        case FollowUpPage::LoadReduction: break;
        }
        return design;
    }
};

std::string lowerCase(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The shape list, each text also selected by a short spelling: the shape's
// first word, the corrugation as one word, and the first word after the
// corrugation's noun that tells two texts apart ("pipe-arch-6x2-18",
// "round-3/4x3/4x7-1/2-composite"); when no spelling does, by the shape and
// corrugation alone ("pipe-arch-6x2" is the 18 and the 31 in. radius).
ValueList shapeList() {
    ValueList list{"the shape list", std::string(shapeProfileLabel), {}, {}};
    for (std::string_view text : shapeProfileTexts) {
        std::vector<std::string> words;
        for (std::size_t at = 0; at < text.size();) {
            const std::size_t end = std::min(text.find(' ', at), text.size());
            if (end > at) words.emplace_back(text.substr(at, end - at));
            at = end + 1;
        }
        const auto with = std::find(words.begin(), words.end(), "with");
        ListValue value{std::string(text), {}, {}, {}, {}};
        std::string rest;
        for (auto word = with; word != words.end(); ++word) {
            if (word != with) rest += ' ';
            rest += *word;
        }
        const std::string corrugation = leadingCorrugation(std::string_view(rest).substr(std::min<std::size_t>(rest.size(), 5)));
        if (words.empty() || with == words.end() || corrugation.empty()) {
            list.values.push_back(std::move(value));
            continue;
        }
        // "7 1/2" is 7-1/2; "3 x 1" is 3x1.
        std::string compact;
        auto word = with + 1;
        const auto tokens = std::count(corrugation.begin(), corrugation.end(), ' ') + 1;
        for (std::string previous; word != words.end() && word - with <= tokens; ++word) {
            if (!compact.empty() && *word != "x" && previous != "x") compact += '-';
            compact += *word;
            previous = *word;
        }
        std::string spelling = lowerCase(words.front());
        spelling += '-';
        spelling += compact;
        value.looseNames.push_back(spelling);
        if (word != words.end()) ++word;  // the corrugation's noun
        while (word != words.end() && *word == "-") ++word;
        if (word != words.end()) {
            spelling += '-';
            spelling += lowerCase(*word);
        }
        value.spelling = spelling;
        list.values.push_back(std::move(value));
    }
    return list;
}

Outcome readChoices(const Entries& entries, Choices& c) {
    for (auto [spec, position] : {std::pair{&liveLoadEntry, &c.liveLoad},
                                  {&conditionsEntry, &c.conditions},
                                  {&criteriaEntry, &c.criteria},
                                  {&trenchEntry, &c.trench},
                                  {&designEntry, &c.design},
                                  {&baseEntry, &c.base}})
        if (Outcome chosen = choicePosition(*spec, entries, *position); !chosen) return chosen;
    return listPosition(shapeEntry, entries, shapeList(), c.shape);
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
                   " (only for the rib profiles " + ribShapes + ")";
        case FollowUpStep::Design:
            return "the Select Design page is not asked under " + underConditions +
                   " (the AISI condition sets are designed by ASD)";
        case FollowUpStep::Base:
            return "the Base for Tables page is not asked for " + forShape + " (only for shapes " + tableBaseShapes +
                   ")";
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

const EntrySpec& entryOf(FollowUpPage page) {
    switch (page) {
    case FollowUpPage::TrenchDetails: return trenchEntry;
    case FollowUpPage::BaseForTables: return baseEntry;
    case FollowUpPage::LoadReduction: return loadReductionEntry;
    case FollowUpPage::SelectDesign:
    case FollowUpPage::SelectDesignTwoChoices: break;
    }
    return designEntry;
}

}  // namespace

std::span<const EntrySpec> fillTableEntries() { return specs; }

const ValueList& fillTableShapeList() {
    static const ValueList list = shapeList();
    return list;
}

Outcome listFillTableChoices(const Entries& entries, std::vector<OfferedList>& lists) {
    Choices c;
    if (Outcome chosen = readChoices(entries, c); !chosen) return chosen;
    lists.push_back(positionList(shapeEntry, shapeList()));
    lists.push_back(wordList(liveLoadEntry, std::string(liveLoadLabel), liveLoadTexts));
    lists.push_back(wordList(conditionsEntry, std::string(conditionsLabel), conditionsTexts));
    lists.push_back(wordList(criteriaEntry, std::string(printLabel), printTexts));
    for (FollowUpPage page : followUpPages(c.shape, static_cast<Conditions>(c.conditions))) {
        if (const ChoicePageTexts* texts = choicePageTexts(page))
            lists.push_back(wordList(entryOf(page), std::string(texts->title), texts->choices));
        else
            lists.push_back({loadReductionEntry.name, std::string(loadReductionTitle),
                             {{"", std::string(loadReductionLabel) + ", as typed: > 0 and <= 1", ""}}});
    }
    return Outcome::success();
}

namespace {

// The page sequence and the table, in the request.
Outcome generateFromEntries(const Entries& entries, FillTableRequest& request) {
    Choices c;
    if (Outcome chosen = readChoices(entries, c); !chosen) return chosen;
    if (Outcome checked = checkFollowUpEntries(entries, c); !checked) return checked;

    const MainPageValues page = {.shape = c.shape,
                                 .liveLoad = static_cast<LiveLoad>(c.liveLoad),
                                 .soilDensityText = typedText(soilDensityEntry, entries),
                                 .conditions = static_cast<Conditions>(c.conditions),
                                 .showCriteria = c.criteria};
    if (Outcome taken = request.takeMainPage(page); !taken) return taken;

    Outcome refused;
    walkFollowUpPages(request, [&](FollowUpPage asked) {
        if (asked == FollowUpPage::LoadReduction) {
            refused = request.takeLoadReduction(typedText(loadReductionEntry, entries));
            return refused ? PageExit::Next : PageExit::Back;
        }
        storeChoice(request, asked, static_cast<std::size_t>(c.positionOn(asked)));
        return PageExit::Next;
    });
    if (!refused) return refused;
    return request.generate();
}

}  // namespace

Outcome produceFillTable(const Entries& entries, ReportListing& listing, std::string* picture) {
    FillTableRequest request;
    if (Outcome generated = generateFromEntries(entries, request); !generated) return generated;
    if (picture) *picture = drawFillTableChart(request);
    listing = std::move(request.report());
    return Outcome::success();
}

}  // namespace csp
