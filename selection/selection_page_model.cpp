#include <algorithm>
#include <array>

#include "designcheck/design_check_page_texts.h"
#include "designcheck/design_check_pages.h"
#include "servicelife/abrasion_level_texts.h"
#include "servicelife/service_life_page_texts.h"
#include "selection/selection_entries.h"
#include "shell/program_pages.h"

namespace csp::pages {
namespace {

namespace dc = csp::designcheck;

inline constexpr std::string_view riseLabel = "Rise";
inline constexpr std::string_view leastCoverLabel = "Least Cover";
inline constexpr std::string_view greatestCoverLabel = "Greatest Cover";
inline constexpr std::string_view designLifeLabel = "Design Life";
inline constexpr std::string_view designLifeUnit = "years";
inline constexpr std::string_view firstOfferedText = "First offered";
inline constexpr std::string_view reductionFactorLabel = "Load Reduction Factor";

// The entries a choice list leaves to the profile: its first item takes
// whatever each profile offers first.
constexpr std::array<std::string_view, 2> leftToTheProfile = {"corrugation", "installation"};

bool leftToProfile(std::string_view entry) {
    return std::find(leftToTheProfile.begin(), leftToTheProfile.end(), entry) != leftToTheProfile.end();
}

// One page: the site, the loads and the environment; "Next >" shows the
// alternatives.
class SelectionPages final : public ProgramPages {
public:
    SelectionPages() : ProgramPages(ProgramId::Selector, "select", selection::selectionEntries()) {}

    int stage() const override { return showingResults() ? 1 : 0; }

    Page page() const override {
        Page page = makePage("main", texts().name);
        page.twoColumns = true;
        page.minimiseBox = true;
        page.columnWidthInChars = 20;
        page.liveResults = true;  // a selection takes a few milliseconds

        Control rise = number("rise", riseLabel, dc::inchesUnit);
        Control pressure = number("corner-pressure", dc::cornerPressureLabel, dc::cornerPressureUnit);
        rise.disabled = pressure.disabled = roundPipe();
        if (roundPipe()) pressure.text = std::string(dc::notApplicableText);
        Control reduction = number("load-reduction", reductionFactorLabel, {});
        reduction.disabled = !underAisi();
        Control least = number("min-cover", leastCoverLabel, dc::coverUnit);
        Control greatest = number("max-cover", greatestCoverLabel, dc::coverUnit);
        // Both ends of the range start at the one cover a caller may give.
        if (least.text.empty()) least.text = valueOf("cover");
        if (greatest.text.empty()) greatest.text = valueOf("cover");

        std::vector<std::string> levels;
        for (const AbrasionLevelText& level : abrasionLevelTexts) levels.push_back(utf8(level.listEntry));
        page.controls = {
            choice("shape", dc::structureShapeLabel, textsOf(dc::shapeTexts)),
            number("life", designLifeLabel, designLifeUnit),
            number("span", dc::spanLabel, dc::inchesUnit),
            rise,
            least,
            greatest,
            choice("live-load", dc::liveLoadLabel, textsOf(dc::liveLoadTexts)),
            number("soil-density", dc::soilDensityLabel, dc::soilDensityUnit),
            choice("method", dc::designMethodLabel, textsOf(dc::methodTexts)),
            reduction,
            choice("corrugation", dc::corrugationTypeLabel, textsOf(dc::corrugationTypeTexts)),
            choice("installation", dc::installationTypeLabel, textsOf(dc::installationTypeTexts)),
            pressure,
            number("resistivity", resistivityLabel, resistivityUnit),
            number("ph", phLabel, {}),
            choice("abrasion", abrasionLevelLabel, levels),
        };
        for (std::size_t i = 0; i < page.controls.size(); ++i) page.controls[i].column = static_cast<int>(i % 2);
        page.buttons = {{"next", std::string(dc::nextButtonText)}, {"quit", std::string(dc::quitButtonText)}};
        page.defaultButton = "next";
        page.escapeButton = "quit";
        page.focus = "shape";
        return page;
    }

    void change(std::string_view control, std::string_view value) override {
        // The first item of these lists gives each profile its own first.
        if (leftToProfile(control)) {
            const int position = positionIn(value);
            if (position == 0) return forget({control});
            if (position > 0) store(control, std::to_string(position - 1));
            return;
        }
        store(control, value);
    }

    Answer press(std::string_view button) override {
        if (showingResults()) {
            if (button == "ok") showingResults_ = false;
            return {};
        }
        if (button == "quit") return {Answer::Kind::End, {}};
        if (button != "next") return {};
        // The page's entries that the site uses: a round pipe has no rise
        // or corners, and the load reduction factor is AISI's.
        const auto used = [this](std::string_view name) {
            if (name == "rise" || name == "corner-pressure") return !roundPipe();
            if (name == "load-reduction") return underAisi();
            return name != "cover";  // the page gives both ends of the range
        };
        std::vector<std::string_view> names;
        for (const EntrySpec& s : specs())
            if (used(s.name)) names.push_back(s.name);
        return showResults(doorEntries(names));
    }

    void back() override { showingResults_ = false; }

    Outcome produce(const Entries& entries, Results& results) const override {
        return producedBy(selection::produceSelection, entries, results);
    }

    std::string fileNameOf(const Entries& entries) const override {
        const std::string least = entries.given("min-cover") ? entries.textOf(spec("min-cover")) : valueOf("cover");
        const std::string greatest = entries.given("max-cover") ? entries.textOf(spec("max-cover")) : valueOf("cover");
        return namePart(valueOf("shape")) + "-" + numberPart(entries.textOf(spec("span"))) + "in-" + numberPart(least) +
               "-" + numberPart(greatest) + "ft";
    }

private:
    dc::StructureShape shape() const { return static_cast<dc::StructureShape>(std::clamp(selectedIn("shape"), 0, 2)); }
    bool roundPipe() const { return shape() == dc::StructureShape::RoundPipe; }
    bool underAisi() const { return selectedIn("method") == static_cast<int>(dc::CheckMethod::Aisi); }

    Control number(std::string id, std::string_view label, std::string_view unit) const {
        Control control = field(id, label, valueOf(id), unit);
        control.widthInChars = 12;
        return control;
    }

    Control choice(std::string id, std::string_view label, std::vector<std::string> items) const {
        if (!leftToProfile(id)) return list(id, label, std::move(items), selectedIn(id));
        const bool given = values_.count(id) > 0;
        items.insert(items.begin(), std::string(firstOfferedText));
        return list(id, label, std::move(items), given ? selectedIn(id) + 1 : 0);
    }
};

}  // namespace
}  // namespace csp::pages

namespace csp::selection {

std::unique_ptr<pages::ProgramPages> makeSelectionPages() { return std::make_unique<pages::SelectionPages>(); }

}  // namespace csp::selection
