#include <algorithm>
#include <map>

#include "apps/csp-report/report_command.h"
#include "designcheck/design_check.h"
#include "designcheck/design_check_pages.h"
#include "shell/typed_number.h"

namespace csp::cli {
namespace {

namespace dc = csp::designcheck;

const std::map<std::string, int> shapeNames = {{"round", 0}, {"pipe-arch", 1}, {"underpass", 2}};
const std::map<std::string, int> liveLoadNames = {{"H20", 0}, {"H25", 1}, {"E80", 2}};
const std::map<std::string, int> methodNames = {{"astm-asd", 0},   {"astm-lrfd", 1},   {"aashto-asd", 2},
                                                {"aashto-lfd", 3}, {"aashto-lrfd", 4}, {"aisi", 5}};
const std::map<std::string, std::string> corrugationNames = {
    {"helical", "Helical"}, {"annular", "Annular"}, {"bolted", "Bolted"}};
const std::map<std::string, std::string> installationNames = {
    {"embankment", "Embankment"}, {"trench-standard", "Trench, Standard"}, {"trench-special", "Trench, Special"}};

std::vector<std::string> keysOf(const auto& names) {
    std::vector<std::string> keys;
    for (const auto& [key, value] : names) keys.push_back(key);
    return keys;
}

struct Options {
    std::string shape = "round";
    int profile = 0;
    std::string liveLoad = "H20";
    std::string method = "astm-asd";
    std::string soilDensity{dc::defaultSoilDensityText};
    std::string cover{dc::defaultCoverText};
    std::string cornerPressure = "4000";
    int cornerRadius = 18;
    std::string span{dc::defaultRoundSpanText};
    int size = 0;
    int thickness = 0;
    std::string corrugation;
    std::string installation;
    std::string reduction{dc::defaultReductionText};
};

bool within(int index, std::size_t count) { return index >= 0 && static_cast<std::size_t>(index) < count; }

std::string rangeText(std::size_t count) {
    return count == 1 ? std::string("0") : "0-" + std::to_string(count - 1);
}

// The choices the pages offer, checked before any typed value is read. On
// success `main` and `properties` hold the page entries.
std::optional<std::string> choose(const CLI::App* app, const Options& options, dc::DesignCheck& check,
                                  dc::MainPageEntries& main, dc::PropertiesPageEntries& properties) {
    main.shape = shapeNames.at(options.shape);
    main.liveLoad = liveLoadNames.at(options.liveLoad);
    main.method = methodNames.at(options.method);
    const auto shape = static_cast<dc::StructureShape>(main.shape);
    const bool roundPipe = shape == dc::StructureShape::RoundPipe;

    const std::size_t profileCount = dc::profileEntries(shape).size();
    if (!within(options.profile, profileCount))
        return "--profile: the " + options.shape + " profile list holds entries " + rangeText(profileCount);
    main.profileEntry = options.profile;
    if (roundPipe && given(app, "--corner-pressure")) return "--corner-pressure: a round pipe has no corners";
    const bool plateArch = dc::cornerRadiusEntries(shape, main.profileEntry).size() > 1;
    if (given(app, "--corner-radius") && !plateArch)
        return "--corner-radius: only a 6 x 2 pipe-arch offers a corner radius";
    main.cornerRadiusEntry = options.cornerRadius == 31 ? 1 : 0;
    if (!roundPipe && given(app, "--span")) return "--span: only a round pipe has a typed span; use --size";
    if (roundPipe && given(app, "--size")) return "--size: a round pipe has a typed span; use --span";
    dc::storeMainPageSelections(main, check);

    if (!roundPipe) {
        const std::size_t sizeCount = dc::spanEntries(check).size();
        if (!within(options.size, sizeCount)) return "--size: this structure offers sizes " + rangeText(sizeCount);
        properties.sizeEntry = options.size;
        check.setSizeIndex(options.size);
    }
    const std::size_t thicknessCount = dc::thicknessEntries(check).size();
    if (!within(options.thickness, thicknessCount))
        return "--thickness: this profile offers thicknesses " + rangeText(thicknessCount);
    properties.thicknessEntry = options.thickness;

    const std::vector<std::string_view> corrugations = dc::corrugationTypeEntries(check);
    if (corrugations.empty()) return "this profile offers no corrugation type";
    properties.corrugationTypeText = corrugations.front();
    if (given(app, "--corrugation")) {
        const std::string& text = corrugationNames.at(options.corrugation);
        if (std::find(corrugations.begin(), corrugations.end(), text) == corrugations.end())
            return "--corrugation: this profile is not made as " + options.corrugation + " pipe";
        properties.corrugationTypeText = text;
    }

    const std::vector<std::string_view> installations = dc::installationTypeEntries(check);
    if (!installations.empty()) properties.installationTypeText = std::string(installations.front());
    if (given(app, "--installation")) {
        const std::string& text = installationNames.at(options.installation);
        if (std::find(installations.begin(), installations.end(), text) == installations.end())
            return "--installation: " + options.installation + " is not offered for this profile and design method";
        properties.installationTypeText = text;
    }

    // Whether the Load Reduction Factor page comes up follows the values as
    // typed, before the pages check them.
    const double cover = readTypedNumber(options.cover);
    const double span = roundPipe ? readTypedNumber(options.span) : check.effectiveSpan();
    const bool reductionAsked = main.method == static_cast<int>(dc::CheckMethod::Aisi) && 12.0 * cover >= span;
    if (given(app, "--reduction") && !reductionAsked)
        return "--reduction: the load reduction factor is asked only under AISI when 12 x cover >= span";

    main.soilDensityText = options.soilDensity;
    main.coverText = options.cover;
    main.cornerPressureText = roundPipe ? std::string(dc::notApplicableText) : options.cornerPressure;
    properties.spanText = options.span;
    return std::nullopt;
}

}  // namespace

void addVerrickCommand(CLI::App& parent, std::vector<Subcommand>& commands) {
    Subcommand command = makeSubcommand(parent, "verrick", "Design check of one buried corrugated steel structure");
    auto options = std::make_shared<Options>();
    CLI::App& app = *command.app;
    app.add_option("--shape", options->shape, "Structure shape: round, pipe-arch or underpass")
        ->check(CLI::IsMember(keysOf(shapeNames)))
        ->capture_default_str();
    app.add_option("--profile", options->profile,
                   "Index in the shape's profile list: round 0-7, pipe-arch 0-6, underpass 0")
        ->capture_default_str();
    app.add_option("--live-load", options->liveLoad, "Live load: H20, H25 or E80")
        ->check(CLI::IsMember(keysOf(liveLoadNames)))
        ->capture_default_str();
    app.add_option("--method", options->method,
                   "Design method: astm-asd, astm-lrfd, aashto-asd, aashto-lfd, aashto-lrfd or aisi")
        ->check(CLI::IsMember(keysOf(methodNames)))
        ->capture_default_str();
    app.add_option("--soil-density", options->soilDensity, "Soil density in pcf, as typed")->capture_default_str();
    app.add_option("--cover", options->cover, "Cover over the crown in ft, as typed")->capture_default_str();
    app.add_option("--corner-pressure", options->cornerPressure,
                   "Allowable corner bearing pressure, as typed (pipe-arch and underpass)")
        ->capture_default_str();
    app.add_option("--corner-radius", options->cornerRadius, "Corner radius in inches, 18 or 31 (6 x 2 pipe-arch)")
        ->check(CLI::IsMember({18, 31}))
        ->capture_default_str();
    app.add_option("--span", options->span, "Diameter of a round pipe in inches, as typed")->capture_default_str();
    app.add_option("--size", options->size, "Index in the span list (pipe-arch and underpass)")
        ->capture_default_str();
    app.add_option("--thickness", options->thickness, "Index in the thickness list")->capture_default_str();
    app.add_option("--corrugation", options->corrugation,
                   "Corrugation type: helical, annular or bolted (default: the first the profile offers)")
        ->check(CLI::IsMember(keysOf(corrugationNames)));
    app.add_option("--installation", options->installation,
                   "Installation type: embankment, trench-standard or trench-special (default: the first offered)")
        ->check(CLI::IsMember(keysOf(installationNames)));
    app.add_option("--reduction", options->reduction,
                   "Soil dead load reduction factor K, as typed (AISI when 12 x cover >= span)")
        ->capture_default_str();

    const CLI::App* parsed = command.app;
    command.run = [options, parsed](ReportListing& listing) {
        dc::DesignCheck check;
        dc::MainPageEntries main;
        dc::PropertiesPageEntries properties;
        if (const std::optional<std::string> misuse = choose(parsed, *options, check, main, properties))
            return CommandResult::usageError(*misuse);

        if (const Outcome accepted = dc::acceptMainPage(main, check); !accepted)
            return CommandResult::refused(accepted.message);
        if (const Outcome accepted = dc::acceptPropertiesPage(properties, check); !accepted)
            return CommandResult::refused(accepted.message);
        if (dc::reductionPageAsked(check)) {
            if (const Outcome accepted = dc::acceptReductionPage(options->reduction, check); !accepted)
                return CommandResult::refused(accepted.message);
        }
        check.run();
        for (const std::string& line : check.reportLines().lines()) listing.append(line);
        return CommandResult::report();
    };
    commands.push_back(std::move(command));
}

}  // namespace csp::cli
