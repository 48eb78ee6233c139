#include <algorithm>
#include <array>
#include <optional>

#include "servicelife/abrasion_level_texts.h"
#include "servicelife/service_life.h"
#include "servicelife/service_life_entries.h"
#include "servicelife/service_life_page_texts.h"
#include "shell/program_pages.h"

namespace csp::pages {
namespace {

class ServiceLifePages final : public ProgramPages {
public:
    ServiceLifePages() : ProgramPages(ProgramId::Ombrel, "ombrel", serviceLifeEntries()) {}

    int stage() const override { return showingResults() ? 1 : 0; }

    Page page() const override {
        Page page = makePage("main", std::string(texts().name));
        std::vector<std::string> gages;
        for (const Gage& gage : gageTable) gages.push_back(utf8(gage.listText));
        std::vector<std::string> levels;
        for (const AbrasionLevelText& level : abrasionLevelTexts) levels.push_back(utf8(level.listEntry));
        Control resistivity = field("resistivity", resistivityLabel, valueOf("resistivity"), resistivityUnit);
        Control ph = field("ph", phLabel, valueOf("ph"));
        resistivity.widthInChars = ph.widthInChars = 12;
        page.controls = {
            list("gage", thicknessLabel, gages, selectedIn("gage")),
            resistivity,
            ph,
            list("abrasion", abrasionLevelLabel, levels, selectedIn("abrasion")),
            makeControl("more-info", Control::Kind::Button, {}, std::string(moreInfoButtonText)),
        };
        page.buttons = {{"next", std::string(serviceLifeNextButtonText)},
                        {"done", std::string(serviceLifeDoneButtonText)}};
        page.defaultButton = "next";
        page.escapeButton = "done";
        page.focus = "gage";
        page.columnGap = 10;
        // The Results window opens over the page, which stays in view.
        page.hiddenUnderLaterPages = false;
        return page;
    }

    Answer press(std::string_view button) override {
        if (button == "done") return {Answer::Kind::End, {}};
        if (button == "ok" && showingResults()) {
            showingResults_ = false;
            return {};
        }
        if (button != "next") return {};
        static constexpr std::array<std::string_view, 4> names = {"gage", "resistivity", "ph", "abrasion"};
        return showResults(doorEntries(names));
    }

    void back() override { showingResults_ = false; }

    std::optional<MessageBox> details(std::string_view button) const override {
        if (button != "more-info") return std::nullopt;
        MessageBox box{std::string(abrasionLevelDetailsTitle), {}, "abrasion"};
        for (const AbrasionLevelText& level : abrasionLevelTexts)
            box.rows.emplace_back(utf8(level.detailLabel), utf8(level.detail));
        return box;
    }

    Outcome produce(const Entries& entries, Results& results) const override {
        return producedBy(produceServiceLife, entries, results);
    }

    std::string fileNameOf(const Entries& entries) const override {
        return namePart(entries.textOf(spec("gage"))) + "ga-" + numberPart(entries.textOf(spec("resistivity"))) +
               "ohm-cm-ph" + numberPart(entries.textOf(spec("ph")));
    }
};

}  // namespace
}  // namespace csp::pages

namespace csp {

const ProgramDescription& serviceLifeProgram() {
    static const ProgramDescription program = {
        .name = "ombrel",
        .description = "Service life of galvanized pipe and of each coating",
        .id = ProgramId::Ombrel,
        .entries = serviceLifeEntries,
        .produce = produceServiceLife,
        .lists = listServiceLifeChoices,
        .listedInHelp = {},
        .pages = [] { return std::unique_ptr<pages::ProgramPages>(std::make_unique<pages::ServiceLifePages>()); },
    };
    return program;
}

}  // namespace csp
