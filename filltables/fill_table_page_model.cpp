#include <algorithm>
#include <array>
#include <optional>

#include "filltables/choice_pages.h"
#include "filltables/fill_table_entries.h"
#include "filltables/fill_table_request.h"
#include "filltables/wizard_page_texts.h"
#include "shell/program_pages.h"

namespace csp::pages {
namespace {

// --- Tabrell -------------------------------------------------------------------

// The entries of the follow-up pages, each page's own.
std::string_view entryOfPage(FollowUpPage page) {
    switch (page) {
    case FollowUpPage::TrenchDetails: return "trench";
    case FollowUpPage::SelectDesign:
    case FollowUpPage::SelectDesignTwoChoices: return "design";
    case FollowUpPage::BaseForTables: return "base";
    case FollowUpPage::LoadReduction: return "load-reduction";
    }
    return "load-reduction";
}

class FillTablePages final : public ProgramPages {
public:
    FillTablePages() : ProgramPages(ProgramId::Tabrell, "tabrell", fillTableEntries()) {}

    int stage() const override {
        return showingResults() ? static_cast<int>(asked_.size()) + 1 : (followUp_ ? *followUp_ + 1 : 0);
    }

    Page page() const override {
        if (followUp_) return followUpPage(asked_[*followUp_]);
        Page page = makePage("main", std::string(texts().name));
        Control soilDensity = field("soil-density", soilDensityLabel, valueOf("soil-density"));
        soilDensity.widthInChars = 12;
        page.controls = {
            list("shape", shapeProfileLabel, textsOf(shapeProfileTexts), selectedIn("shape")),
            list("live-load", liveLoadLabel, textsOf(liveLoadTexts), selectedIn("live-load")),
            soilDensity,
            list("conditions", conditionsLabel, textsOf(conditionsTexts), selectedIn("conditions")),
            list("criteria", printLabel, textsOf(printTexts), selectedIn("criteria")),
        };
        page.buttons = {{"next", std::string(nextButtonText)}, {"done", std::string(doneButtonText)}};
        page.defaultButton = "next";
        page.escapeButton = "done";
        page.focus = "shape";
        page.columnGap = 10;
        page.minimiseBox = true;
        return page;
    }

    Answer press(std::string_view button) override {
        if (showingResults()) {
            if (button == "ok") showingResults_ = false;
            return {};
        }
        if (!followUp_) {
            if (button == "done") return {Answer::Kind::End, {}};
            if (button == "next") return leaveMainPage();
            return {};
        }
        if (button == "back") {
            followUp_.reset();  // every way off a follow-up page but Next ends the sequence
            return {};
        }
        if (button != "next") return {};
        const FollowUpPage asked = asked_[*followUp_];
        if (asked == FollowUpPage::LoadReduction) {
            if (Outcome taken = request_.takeLoadReduction(utf8ToWindows1252(valueOf("load-reduction"))); !taken)
                return {Answer::Kind::Message, refusal(texts().name, taken)};
        } else {
            values_[std::string(entryOfPage(asked))] = std::string(
                spec(entryOfPage(asked)).words[static_cast<std::size_t>(radioPosition(asked))]);
        }
        if (*followUp_ + 1 < asked_.size()) {
            ++*followUp_;
            return {};
        }
        return makeTable();
    }

    void back() override {
        if (showingResults()) {
            showingResults_ = false;
            followUp_ = asked_.empty() ? std::nullopt : std::optional<std::size_t>(asked_.size() - 1);
        } else if (followUp_) {
            followUp_ = *followUp_ == 0 ? std::nullopt : std::optional<std::size_t>(*followUp_ - 1);
        }
    }

    Outcome produce(const Entries& entries, Results& results) const override {
        return producedBy(produceFillTable, entries, results);
    }

    const ValueList* valueList(std::string_view entry) const override {
        return entry == "shape" ? &fillTableShapeList() : nullptr;
    }

    std::string fileNameOf(const Entries& entries) const override {
        const std::size_t shape = static_cast<std::size_t>(std::clamp(selectedIn("shape"), 0, shapeCount - 1));
        (void)entries;
        return namePart(shapeProfileTexts[shape]) + "-" + namePart(valueOf("live-load"));
    }

private:
    Page followUpPage(FollowUpPage asked) const {
        const std::string entry(entryOfPage(asked));
        Page page = makePage(entry, {});
        if (const ChoicePageTexts* texts = choicePageTexts(asked)) {
            page.title = std::string(texts->title);
            Control radio = list(entry, texts->groupCaption, textsOf(texts->choices), radioPosition(asked));
            radio.kind = Control::Kind::Radio;
            radio.wrapInChars = 60;
            radio.sideBySide = asked == FollowUpPage::BaseForTables;
            page.controls = {radio};
            page.buttons = {{"next", std::string(nextButtonText)}, {"back", std::string(texts->backButton)}};
        } else {
            page.title = std::string(loadReductionTitle);
            Control factor = field(entry, loadReductionLabel, valueOf(entry));
            factor.widthInChars = 10;
            Control explained = note("note", loadReductionNote);
            explained.wrapInChars = 60;
            page.controls = {factor, explained};
            page.columnGap = page.rowGap = 10;
            page.buttons = {{"next", std::string(nextButtonText)}, {"back", std::string(backButtonText)}};
        }
        page.defaultButton = "next";
        page.escapeButton = "back";
        page.focus = entry;
        page.buttonGap = 8;
        return page;
    }

    // The radio button a page shows: the one stored, or the page's own
    // preselection when the page does not offer the stored one.
    int radioPosition(FollowUpPage asked) const {
        const std::string_view entry = entryOfPage(asked);
        const std::size_t offered = choicePageTexts(asked)->choices.size();
        if (values_.count(std::string(entry)) == 0) return static_cast<int>(preselectedChoice(asked));
        const int position = selectedIn(entry);
        return static_cast<std::size_t>(position) < offered ? position : static_cast<int>(preselectedChoice(asked));
    }

    MainPageValues mainPageValues() const {
        return {.shape = std::clamp(selectedIn("shape"), 0, shapeCount - 1),
                .liveLoad = static_cast<LiveLoad>(selectedIn("live-load")),
                .soilDensityText = utf8ToWindows1252(valueOf("soil-density")),
                .conditions = static_cast<Conditions>(selectedIn("conditions")),
                .showCriteria = selectedIn("criteria")};
    }

    Answer leaveMainPage() {
        request_ = FillTableRequest{};
        if (Outcome taken = request_.takeMainPage(mainPageValues()); !taken)
            return {Answer::Kind::Message, refusal(texts().name, taken)};
        // The pages the rule asks, in their order, walked on a copy.
        asked_.clear();
        FillTableRequest walked = request_;
        walkFollowUpPages(walked, [&](FollowUpPage asked) {
            asked_.push_back(asked);
            return PageExit::Next;
        });
        // Each page opens with its preselection, unless a link gave it.
        if (!fromLink_) forget({"trench", "design", "base", "load-reduction"});
        if (asked_.empty()) return makeTable();
        followUp_ = 0;
        return {};
    }

    Answer makeTable() {
        std::vector<std::string_view> names = {"shape", "live-load", "soil-density", "conditions", "criteria"};
        for (FollowUpPage asked : asked_) names.push_back(entryOfPage(asked));
        Answer answer = showResults(doorEntries(names));
        // A failed table's message comes once the main page is back.
        followUp_.reset();
        return answer;
    }

    FillTableRequest request_;
    std::vector<FollowUpPage> asked_;
    std::optional<std::size_t> followUp_;
};

}  // namespace
}  // namespace csp::pages

namespace csp {

const ProgramDescription& fillTableProgram() {
    static const ProgramDescription program = {
        .name = "tabrell",
        .description = "Maximum fill heights for one shape and corrugation profile",
        .id = ProgramId::Tabrell,
        .entries = fillTableEntries,
        .produce = produceFillTable,
        .lists = listFillTableChoices,
        .listedInHelp = "shape",
        .pages = [] { return std::unique_ptr<pages::ProgramPages>(std::make_unique<pages::FillTablePages>()); },
    };
    return program;
}

}  // namespace csp
