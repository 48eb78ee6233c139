#include "servicelife/service_life_entries.h"

#include <array>

#include "servicelife/abrasion_level_texts.h"
#include "servicelife/service_life_chart.h"
#include "servicelife/service_life_run.h"
#include "shell/typed_number.h"

namespace csp {
namespace {

// The thickness list by gage number, and the abrasion levels, in list order.
constexpr std::array<std::string_view, gageTable.size()> gageWords = {"18", "16", "14", "12", "10", "8"};
static_assert(
    [] {
        for (std::size_t i = 0; i < gageTable.size(); ++i) {
            int number = 0;
            for (char digit : gageWords[i]) number = number * 10 + (digit - '0');
            if (number != gageTable[i].number) return false;
        }
        return true;
    }(),
    "each gage word names its row of the gage table");
constexpr std::array<std::string_view, abrasionLevelCount> abrasionWords = {"1", "2", "3", "4"};

// What each abrasion level means, as the Abrasion Level Details box says it.
constexpr std::array<std::string_view, abrasionLevelCount> abrasionMeanings = [] {
    std::array<std::string_view, abrasionLevelCount> meanings;
    for (std::size_t i = 0; i < abrasionLevelCount; ++i) meanings[i] = abrasionLevelTexts[i].detail;
    return meanings;
}();

const ServiceLifeInput presets;

const std::array<EntrySpec, 4> specs = {{
    choiceEntry("gage", gageWords, "16", "Wall gage"),
    accepting(typedEntry("resistivity", presets.resistivityText, units::ohmCentimetres.shown,
                         "Resistivity of the soil or water, as typed"),
              "between 100 and 100000"),
    accepting(typedEntry("ph", presets.phText, {}, "pH, as typed"), "between 0 and 14"),
    withMeanings(choiceEntry("abrasion", abrasionWords, "1", "Abrasion level"), abrasionMeanings),
}};
const EntrySpec& gageEntry = specs[0];
const EntrySpec& resistivityEntry = specs[1];
const EntrySpec& phEntry = specs[2];
const EntrySpec& abrasionEntry = specs[3];

// The texts of the page's lists, in list order, as its controls show them.
constexpr std::array<std::string_view, gageTable.size()> gageTexts = [] {
    std::array<std::string_view, gageTable.size()> texts;
    for (std::size_t i = 0; i < gageTable.size(); ++i) texts[i] = gageTable[i].listText;
    return texts;
}();
constexpr std::array<std::string_view, abrasionLevelCount> abrasionTexts = [] {
    std::array<std::string_view, abrasionLevelCount> texts;
    for (std::size_t i = 0; i < abrasionLevelTexts.size(); ++i) texts[i] = abrasionLevelTexts[i].listEntry;
    return texts;
}();
// The page's record filled from the entries.
Outcome readInput(const Entries& entries, ServiceLifeInput& input) {
    if (Outcome chosen = choicePosition(gageEntry, entries, input.thicknessIndex); !chosen) return chosen;
    if (Outcome chosen = choicePosition(abrasionEntry, entries, input.abrasionLevel); !chosen) return chosen;
    input.resistivityText = typedText(resistivityEntry, entries);
    input.phText = typedText(phEntry, entries);
    return Outcome::success();
}

}  // namespace

std::span<const EntrySpec> serviceLifeEntries() { return specs; }

Outcome listServiceLifeChoices(const Entries& entries, std::vector<OfferedList>& lists) {
    int position = 0;
    if (Outcome chosen = choicePosition(gageEntry, entries, position); !chosen) return chosen;
    if (Outcome chosen = choicePosition(abrasionEntry, entries, position); !chosen) return chosen;
    lists.push_back(wordList(gageEntry, "Thickness", gageTexts));
    lists.push_back(wordList(abrasionEntry, "Abrasion Level", abrasionTexts));
    return Outcome::success();
}


Outcome estimateServiceLife(const Entries& entries, ServiceLifeInput& input) {
    if (Outcome read = readInput(entries, input); !read) return read;
    if (Outcome checked = validateServiceLifeInput(input); !checked) return checked;
    estimateLife(input);
    return Outcome::success();
}

Outcome produceServiceLife(const Entries& entries, ReportListing& listing, std::string* picture) {
    ServiceLifeInput input;
    if (Outcome read = readInput(entries, input); !read) return read;
    if (Outcome produced = produceServiceLifeReport(input, listing); !produced) return produced;
    if (picture) *picture = drawServiceLifeChart(input);
    return Outcome::success();
}

}  // namespace csp
