#include <algorithm>
#include <optional>

#include "designcheck/design_check_entries.h"
#include "designcheck/design_check_page_texts.h"
#include "designcheck/design_check_pages.h"
#include "designcheck/design_check_picture.h"
#include "shell/program_pages.h"

namespace csp::pages {
namespace {

namespace dc = csp::designcheck;

class DesignCheckPages final : public ProgramPages {
public:
    DesignCheckPages() : ProgramPages(ProgramId::Verrick, "verrick", dc::designCheckEntries()) {}

    int stage() const override {
        const int shown = static_cast<int>(stage_);
        return showingResults() ? shown + 1 : shown;
    }

    Page page() const override {
        switch (stage_) {
        case Stage::Main:
        case Stage::Results: return mainPage();
        case Stage::Properties: return propertiesPage();
        case Stage::Reduction: break;
        }
        Page page = makePage("load-reduction", std::string(dc::reductionTitle));
        Control factor = field("load-reduction", dc::reductionLabel, valueOf("load-reduction"));
        factor.widthInChars = numberWidthInChars;
        Control explained = note("note", dc::reductionNote);
        explained.wrapInChars = 56;  // the note on two lines
        page.controls = {factor, explained};
        page.buttons = {{"backup", std::string(dc::backupButtonText)}, {"next", std::string(dc::nextButtonText)}};
        page.defaultButton = "next";
        page.escapeButton = "backup";
        page.focus = "load-reduction";
        return page;
    }

    void change(std::string_view control, std::string_view value) override {
        // A new shape brings its own profiles and its corner pressure
        // preset; a new profile its own corner radii.
        if (control == "shape") forget({"profile", "corner-pressure", "corner-radius"});
        if (control == "profile") forget({"corner-radius"});
        if (control == "corrugation" || control == "installation") {
            const std::vector<std::string_view> offered =
                control == "corrugation" ? dc::corrugationTypeEntries(check_) : dc::installationTypeEntries(check_);
            const std::size_t position = static_cast<std::size_t>(std::max(0, positionIn(value)));
            if (position >= offered.size()) return;
            const std::span<const std::string_view> texts =
                control == "corrugation" ? std::span<const std::string_view>(dc::corrugationTypeTexts)
                                         : std::span<const std::string_view>(dc::installationTypeTexts);
            const auto found = std::find(texts.begin(), texts.end(), offered[position]);
            values_[std::string(control)] = std::string(spec(control).words[static_cast<std::size_t>(found - texts.begin())]);
            return;
        }
        store(control, value);
        if (control == "size") check_.setSizeIndex(selectedIn("size"));
    }

    Answer press(std::string_view button) override {
        if (showingResults()) {
            if (button == "ok") {
                showingResults_ = false;
                stage_ = Stage::Main;
            }
            return {};
        }
        switch (stage_) {
        case Stage::Main:
            if (button == "quit") return {Answer::Kind::End, {}};
            if (button == "next") return leaveMainPage();
            return {};
        case Stage::Properties:
            if (button == "backup") stage_ = Stage::Main;
            if (button == "next") return leavePropertiesPage();
            return {};
        case Stage::Reduction:
            if (button == "backup") stage_ = Stage::Properties;
            if (button != "next") return {};
            if (Outcome accepted = dc::acceptReductionPage(utf8ToWindows1252(valueOf("load-reduction")), check_); !accepted)
                return {Answer::Kind::Message, refusal(texts().name, accepted)};
            return goOn(Stage::Reduction);
        case Stage::Results: break;
        }
        return {};
    }

    void back() override {
        if (showingResults())
            showingResults_ = false;
        else if (stage_ != Stage::Main)
            stage_ = static_cast<Stage>(static_cast<int>(stage_) - 1);
    }

    Outcome produce(const Entries& entries, Results& results) const override {
        dc::DesignCheck check;
        const Outcome produced = dc::produceDesignCheck(entries, check);
        if (!produced) return produced;
        fill(results, check.reportLines(), dc::drawDesignCheckPicture(check));
        results.pageBreakLine = check.pageBreakLine();
        return produced;
    }

    const ValueList* valueList(std::string_view entry) const override {
        return dc::designCheckValueList(entry, static_cast<int>(shape()), check_);
    }

    std::string fileNameOf(const Entries& entries) const override {
        const bool round = selectedIn("shape") == static_cast<int>(dc::StructureShape::RoundPipe);
        std::string size;
        if (round) {
            size = numberPart(entries.textOf(spec("span"))) + "in";
        } else {
            const std::vector<std::string> spans = dc::spanEntries(check_);
            const std::size_t position = static_cast<std::size_t>(selectedIn("size"));
            size = position < spans.size() ? namePart(windows1252ToUtf8(spans[position])) : "size";
        }
        return size + "-" + numberPart(entries.textOf(spec("cover"))) + "ft";
    }

private:
    using Stage = dc::DesignCheckPage;
    static constexpr int numberWidthInChars = 12;

    dc::StructureShape shape() const { return static_cast<dc::StructureShape>(std::clamp(selectedIn("shape"), 0, 2)); }
    bool roundPipe() const { return shape() == dc::StructureShape::RoundPipe; }

    std::vector<std::string> profileTexts() const {
        std::vector<std::string> texts;
        for (const dc::ProfileEntry& entry : dc::profileEntries(shape())) texts.push_back(utf8(entry.text));
        return texts;
    }
    int profilePosition() const {
        return std::clamp(selectedIn("profile"), 0, static_cast<int>(dc::profileEntries(shape()).size()) - 1);
    }
    std::span<const std::string_view> cornerRadii() const { return dc::cornerRadiusEntries(shape(), profilePosition()); }

    dc::MainPageEntries mainEntries() const {
        dc::MainPageEntries main;
        main.shape = static_cast<int>(shape());
        main.profileEntry = profilePosition();
        main.liveLoad = selectedIn("live-load");
        main.method = selectedIn("method");
        main.soilDensityText = utf8ToWindows1252(valueOf("soil-density"));
        main.coverText = utf8ToWindows1252(valueOf("cover"));
        main.cornerPressureText = utf8ToWindows1252(cornerPressureText());
        main.cornerRadiusEntry = cornerRadii().size() > 1 ? std::clamp(selectedIn("corner-radius"), 0, 1) : 0;
        return main;
    }
    std::string cornerPressureText() const {
        if (roundPipe()) return std::string(dc::defaultCornerPressureText(shape()));
        const auto found = values_.find("corner-pressure");
        return found != values_.end() ? found->second : std::string(dc::defaultCornerPressureText(shape()));
    }

    Page mainPage() const {
        Page page = makePage("main", texts().name);
        page.twoColumns = true;
        Control shapeList = list("shape", dc::structureShapeLabel, textsOf(dc::shapeTexts), static_cast<int>(shape()));
        Control profileList = list("profile", dc::profileLabel, profileTexts(), profilePosition());
        // The two lists head the page without labels of their own.
        shapeList.labelHidden = profileList.labelHidden = true;
        Control radius = list("corner-radius", dc::cornerRadiusLabel, textsOf(cornerRadii()), selectedIn("corner-radius"));
        radius.disabled = cornerRadii().size() <= 1;
        Control pressure = field("corner-pressure", dc::cornerPressureLabel, cornerPressureText(), dc::cornerPressureUnit);
        pressure.disabled = roundPipe();
        page.controls = {shapeList,
                         profileList,
                         field("soil-density", dc::soilDensityLabel, valueOf("soil-density"), dc::soilDensityUnit),
                         list("live-load", dc::liveLoadLabel, textsOf(dc::liveLoadTexts), selectedIn("live-load")),
                         field("cover", dc::coverLabel, valueOf("cover"), dc::coverUnit),
                         list("method", dc::designMethodLabel, textsOf(dc::methodTexts), selectedIn("method")),
                         radius,
                         pressure};
        for (std::size_t i = 0; i < page.controls.size(); ++i) {
            page.controls[i].column = static_cast<int>(i % 2);
            if (page.controls[i].kind == Control::Kind::Field) page.controls[i].widthInChars = numberWidthInChars;
        }
        page.columnWidthInChars = 20;
        page.minimiseBox = true;
        page.buttons = {{"next", std::string(dc::nextButtonText)}, {"quit", std::string(dc::quitButtonText)}};
        page.defaultButton = "next";
        page.escapeButton = "quit";
        page.focus = "shape";
        return page;
    }

    // The position of a choice's text among the texts a list offers.
    template <class Offered>
    int offeredPosition(std::string_view entry, std::span<const std::string_view> texts, const Offered& offered) const {
        const auto found = values_.find(std::string(entry));
        if (found == values_.end()) return 0;
        const std::size_t word = static_cast<std::size_t>(selectedIn(entry));
        if (word >= texts.size()) return 0;
        const auto at = std::find(offered.begin(), offered.end(), texts[word]);
        return at == offered.end() ? 0 : static_cast<int>(at - offered.begin());
    }

    Page propertiesPage() const {
        Page page = makePage("properties", dc::spanIsTyped(shape()) ? dc::roundPropertiesTitle : dc::propertiesTitle);
        Control shownShape =
            makeControl("structure-shape", Control::Kind::Shown, dc::structureShapeLabel, utf8(check_.shapeText()));
        Control shownProfile =
            makeControl("profile-name", Control::Kind::Shown, dc::profileLabel, utf8(check_.profileText()));
        shownShape.minWidthInChars = shownProfile.minWidthInChars = 34;
        Control span = roundPipe() ? field("span", dc::spanLabel, valueOf("span"), dc::inchesUnit)
                                   : list("size", dc::spanLabel, textsOf(dc::spanEntries(check_)), selectedIn("size"));
        span.unit = std::string(dc::inchesUnit);
        span.widthInChars = roundPipe() ? numberWidthInChars : 0;
        const std::vector<std::string> thicknesses = textsOf(dc::thicknessEntries(check_));
        Control thickness = list("thickness", dc::thicknessLabel, thicknesses, selectedIn("thickness"));
        thickness.unit = std::string(dc::inchesUnit);
        page.controls = {shownShape, shownProfile, span, thickness};
        if (thicknesses.empty()) {
            page.notice = std::string(dc::thicknessListFailure);
            page.controls.push_back(list("corrugation", dc::corrugationTypeLabel, {}, -1));
            page.controls.push_back(list("installation", dc::installationTypeLabel, {}, -1));
        } else {
            const std::vector<std::string_view> corrugations = dc::corrugationTypeEntries(check_);
            const std::vector<std::string_view> installations = dc::installationTypeEntries(check_);
            page.controls.push_back(list("corrugation", dc::corrugationTypeLabel, textsOf(corrugations),
                                         offeredPosition("corrugation", dc::corrugationTypeTexts, corrugations)));
            page.controls.push_back(list("installation", dc::installationTypeLabel, textsOf(installations),
                                         offeredPosition("installation", dc::installationTypeTexts, installations)));
        }
        page.buttons = {{"backup", std::string(dc::backupButtonText)}, {"next", std::string(dc::nextButtonText)}};
        page.defaultButton = "next";
        page.escapeButton = "backup";
        page.focus = span.id;
        return page;
    }

    Answer leaveMainPage() {
        if (Outcome accepted = dc::acceptMainPage(mainEntries(), check_); !accepted)
            return {Answer::Kind::Message, refusal(texts().name, accepted)};
        // The properties page preselects its first entries on every run,
        // unless a link gave them.
        if (!fromLink_) forget({"span", "size", "thickness", "corrugation", "installation", "load-reduction"});
        // A size or thickness kept from before that the new lists lack
        // gives way to the preset, with a notice.
        if (!roundPipe()) dropValueNotOffered("size", "size");
        dropValueNotOffered("thickness", "thickness");
        if (!roundPipe()) check_.setSizeIndex(selectedIn("size"));
        return goOn(Stage::Main);
    }

    Answer leavePropertiesPage() {
        const Page shown = propertiesPage();
        dc::PropertiesPageEntries properties;
        properties.sizeEntry = roundPipe() ? 0 : shown.control("size")->selected;
        properties.spanText = utf8ToWindows1252(valueOf("span"));
        properties.thicknessEntry = shown.control("thickness")->selected;
        const Control& corrugation = *shown.control("corrugation");
        const Control& installation = *shown.control("installation");
        if (corrugation.selected >= 0)
            properties.corrugationTypeText = utf8ToWindows1252(corrugation.items[static_cast<std::size_t>(corrugation.selected)]);
        if (installation.selected >= 0)
            properties.installationTypeText =
                utf8ToWindows1252(installation.items[static_cast<std::size_t>(installation.selected)]);
        if (Outcome accepted = dc::acceptPropertiesPage(properties, check_); !accepted)
            return {Answer::Kind::Message, refusal(texts().name, accepted)};
        return goOn(Stage::Properties);
    }

    // The page after one accepted, or the check with the entries the pages
    // took on the way.
    Answer goOn(Stage accepted) {
        const Stage next = dc::pageAfter(accepted, check_);
        if (next != Stage::Results) {
            stage_ = next;
            return {};
        }
        std::vector<std::string_view> names;
        for (const EntrySpec& s : specs())
            if (dc::entryApplies(s.name, shape(), cornerRadii().size() > 1, accepted == Stage::Reduction))
                names.push_back(s.name);
        return showResults(doorEntries(names));
    }

    dc::DesignCheck check_;
    Stage stage_ = Stage::Main;
};

}  // namespace
}  // namespace csp::pages

namespace csp::designcheck {

const ProgramDescription& designCheckProgram() {
    static const ProgramDescription program = {
        .name = "verrick",
        .description = "Design check of one buried corrugated steel structure",
        .id = ProgramId::Verrick,
        .entries = designCheckEntries,
        .produce = produceDesignCheckReport,
        .lists = listDesignCheckChoices,
        .listedInHelp = {},
        .pages = [] { return std::unique_ptr<pages::ProgramPages>(std::make_unique<pages::DesignCheckPages>()); },
    };
    return program;
}

}  // namespace csp::designcheck
