#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

#include "apps/csp-report/report_command.h"
#include "filltables/fill_table_request.h"
#include "shell/number_format.h"
#include "shell/windows1252.h"

namespace csp::cli {
namespace {

// The command-line word for each entry of a page's list or radio group.
template <class T>
struct Choice {
    std::string_view word;
    T value;
};

constexpr std::array<Choice<LiveLoad>, 3> liveLoadChoices = {{
    {"H20", LiveLoad::H20}, {"H25", LiveLoad::H25}, {"E80", LiveLoad::E80}}};
constexpr std::array<Choice<Conditions>, 4> conditionsChoices = {{{"embankment-astm", Conditions::EmbankmentAstmAashto},
                                                                  {"trench-astm", Conditions::TrenchAstm},
                                                                  {"embankment-aisi", Conditions::EmbankmentAisi},
                                                                  {"trench-aisi", Conditions::TrenchAisi}}};
constexpr std::array<Choice<int>, 2> criteriaChoices = {{{"show", 0}, {"hide", 1}}};
constexpr std::array<Choice<TrenchType>, 2> trenchChoices = {{{"special", TrenchType::Special},
                                                              {"standard", TrenchType::Standard}}};
constexpr std::array<Choice<DesignMethod>, 3> designChoices = {{{"asd", DesignMethod::Asd},
                                                                {"lrfd", DesignMethod::Lrfd},
                                                                {"aashto-lfd", DesignMethod::AashtoLfd}}};
constexpr std::array<Choice<TableBase>, 2> baseChoices = {{{"helical", TableBase::Helical},
                                                           {"annular", TableBase::Annular}}};

template <class T, std::size_t N>
T valueOf(const std::array<Choice<T>, N>& choices, const std::string& word) {
    for (const Choice<T>& c : choices)
        if (c.word == word) return c.value;
    return choices.front().value;  // unreachable: the option's check admits only these words
}

template <class T, std::size_t N>
std::string wordOf(const std::array<Choice<T>, N>& choices, T value) {
    for (const Choice<T>& c : choices)
        if (c.value == value) return std::string(c.word);
    return {};
}

template <class T, std::size_t N>
std::vector<std::string> wordsOf(const std::array<Choice<T>, N>& choices) {
    std::vector<std::string> words;
    for (const Choice<T>& c : choices) words.emplace_back(c.word);
    return words;
}

struct Options {
    MainPageValues mainPage;
    std::string liveLoad = wordOf(liveLoadChoices, mainPage.liveLoad);
    std::string conditions = wordOf(conditionsChoices, mainPage.conditions);
    std::string criteria = wordOf(criteriaChoices, mainPage.showCriteria);
    std::string trench = wordOf(trenchChoices, trenchDetailsPreselection);
    std::string design = wordOf(designChoices, selectDesignPreselection);
    std::string base = wordOf(baseChoices, baseForTablesPreselection);
    std::string loadReduction = std::string(loadReductionPreselection);
};

// The main page as the options fill it (the typed text as Windows-1252).
MainPageValues mainPageOf(const Options& options) {
    MainPageValues page = options.mainPage;
    page.liveLoad = valueOf(liveLoadChoices, options.liveLoad);
    page.conditions = valueOf(conditionsChoices, options.conditions);
    page.showCriteria = valueOf(criteriaChoices, options.criteria);
    page.soilDensityText = utf8ToWindows1252(options.mainPage.soilDensityText);
    return page;
}

// The option that answers each follow-up page.
const char* optionOf(FollowUpStep step) {
    switch (step) {
    case FollowUpStep::Trench: return "--trench";
    case FollowUpStep::Design: return "--design";
    case FollowUpStep::Base: return "--base";
    default: return "--load-reduction";
    }
}

// Why the page of a step is not asked: the choice that rules it out.
std::string notAskedReason(FollowUpStep step, const MainPageValues& page, const std::string& conditionsWord) {
    const std::string underConditions = "--conditions " + conditionsWord;
    const std::string forShape = format("--shape %d", page.shape);
    switch (step) {
    case FollowUpStep::Trench:
        if (!isTrenchConditions(page.conditions))
            return "the Trench Details page is not asked under " + underConditions +
                   " (only under trench-astm and trench-aisi)";
        return "the Trench Details page is not asked for " + forShape + " (only for the rib profiles 0-3, 14 and 15)";
    case FollowUpStep::Design:
        return "the Select Design page is not asked under " + underConditions +
               " (the AISI condition sets are designed by ASD)";
    case FollowUpStep::Base:
        return "the Base for Tables page is not asked for " + forShape + " (only for shapes 4, 5, 8 and 9)";
    default:
        return "the Load Reduction page is not asked under " + underConditions +
               " (only under embankment-aisi and trench-aisi)";
    }
}

// A follow-up option given for a page the wizard would not show, or a
// choice the page does not offer.
std::optional<std::string> usageErrorOf(const CLI::App* app, const Options& options, const MainPageValues& page) {
    for (FollowUpStep step : followUpSteps) {
        const auto asked = pageAskedAt(step, page.shape, page.conditions);
        if (!asked && given(app, optionOf(step)))
            return std::string(optionOf(step)) + ": " + notAskedReason(step, page, options.conditions);
        if (asked == FollowUpPage::SelectDesignTwoChoices &&
            valueOf(designChoices, options.design) == DesignMethod::AashtoLfd)
            return "--design aashto-lfd: the Select Design page under --conditions " + options.conditions +
                   " offers only asd and lrfd";
    }
    return std::nullopt;
}

// Walks the follow-up pages as the wizard does: an asked page stores the
// option's value (its preselection by default), a page not asked gives its
// field the rule's value.
Outcome takeFollowUpPages(FillTableRequest& request, const Options& options) {
    for (FollowUpStep step : followUpSteps) {
        if (!pageAskedAt(step, request.shape(), request.conditions())) {
            request.takeValueOfPageNotAsked(step);
            continue;
        }
        switch (step) {
        case FollowUpStep::Trench: request.setTrenchType(valueOf(trenchChoices, options.trench)); break;
        case FollowUpStep::Design: request.setDesignMethod(valueOf(designChoices, options.design)); break;
        case FollowUpStep::Base: request.setTableBase(valueOf(baseChoices, options.base)); break;
        case FollowUpStep::LoadReduction: {
            const Outcome taken = request.takeLoadReduction(utf8ToWindows1252(options.loadReduction));
            if (!taken) return taken;
            break;
        }
        }
    }
    return Outcome::success();
}

CommandResult runTabrell(const CLI::App* app, const Options& options, ReportListing& listing) {
    const MainPageValues page = mainPageOf(options);
    if (const auto usage = usageErrorOf(app, options, page)) return CommandResult::usageError(*usage);

    FillTableRequest request;
    if (const Outcome taken = request.takeMainPage(page); !taken) return CommandResult::refused(taken.message);
    if (const Outcome taken = takeFollowUpPages(request, options); !taken)
        return CommandResult::refused(taken.message);
    if (const Outcome generated = request.generate(); !generated) return CommandResult::refused(generated.message);
    listing = std::move(request.report());
    return CommandResult::report();
}

}  // namespace

void addTabrellCommand(CLI::App& parent, std::vector<Subcommand>& commands) {
    Subcommand command = makeSubcommand(parent, "tabrell", "Maximum fill heights for one shape and corrugation profile");
    auto options = std::make_shared<Options>();
    CLI::App* app = command.app;
    app->add_option("--shape", options->mainPage.shape,
                    "Shape and profile, 0-15 in the order of the program's list (4: round pipe 2-2/3 x 1/2)")
        ->check(CLI::Range(0, shapeCount - 1))
        ->capture_default_str();
    app->add_option("--live-load", options->liveLoad, "Live load: H20, H25 or E80")
        ->check(CLI::IsMember(wordsOf(liveLoadChoices)))
        ->capture_default_str();
    app->add_option("--soil-density", options->mainPage.soilDensityText, "Soil density in pcf, as typed")
        ->capture_default_str();
    app->add_option("--conditions", options->conditions, "Conditions/criteria")
        ->check(CLI::IsMember(wordsOf(conditionsChoices)))
        ->capture_default_str();
    app->add_option("--criteria", options->criteria, "Show or hide the criteria after the table")
        ->check(CLI::IsMember(wordsOf(criteriaChoices)))
        ->capture_default_str();
    app->add_option("--trench", options->trench, "Trench Details page (trench conditions, rib profiles)")
        ->check(CLI::IsMember(wordsOf(trenchChoices)))
        ->capture_default_str();
    app->add_option("--design", options->design, "Select Design page (ASTM/AASHTO conditions; aashto-lfd on embankment)")
        ->check(CLI::IsMember(wordsOf(designChoices)))
        ->capture_default_str();
    app->add_option("--base", options->base, "Base for Tables page (shapes 4, 5, 8 and 9)")
        ->check(CLI::IsMember(wordsOf(baseChoices)))
        ->capture_default_str();
    app->add_option("--load-reduction", options->loadReduction,
                    "Load Reduction page (AISI conditions): soil dead load reduction factor, as typed")
        ->capture_default_str();

    command.run = [options, app](ReportListing& listing) { return runTabrell(app, *options, listing); };
    commands.push_back(std::move(command));
}

}  // namespace csp::cli
