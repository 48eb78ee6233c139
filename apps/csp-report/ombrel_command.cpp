#include "apps/csp-report/report_command.h"
#include "servicelife/service_life.h"
#include "servicelife/service_life_report.h"
#include "shell/windows1252.h"

namespace csp::cli {

void addOmbrelCommand(CLI::App& parent, std::vector<Subcommand>& commands) {
    Subcommand command = makeSubcommand(parent, "ombrel", "Service life of galvanized pipe and of each coating");
    struct Options {
        int gage = 16;
        ServiceLifeInput input;
        int abrasion = 1;
    };
    auto options = std::make_shared<Options>();
    command.app->add_option("--gage", options->gage, "Wall gage: 18, 16, 14, 12, 10 or 8")
        ->check(CLI::IsMember({18, 16, 14, 12, 10, 8}))
        ->capture_default_str();
    command.app->add_option("--resistivity", options->input.resistivityText, "Resistivity in ohm-cm, as typed")
        ->capture_default_str();
    command.app->add_option("--ph", options->input.phText, "pH, as typed")->capture_default_str();
    command.app->add_option("--abrasion", options->abrasion, "Abrasion level 1-4")
        ->check(CLI::Range(1, 4))
        ->capture_default_str();

    command.run = [options](ReportListing& listing) {
        ServiceLifeInput input = options->input;
        input.resistivityText = utf8ToWindows1252(input.resistivityText);
        input.phText = utf8ToWindows1252(input.phText);
        for (std::size_t i = 0; i < gageTable.size(); ++i)
            if (gageTable[i].number == options->gage) input.thicknessIndex = static_cast<int>(i);
        input.abrasionLevel = options->abrasion - 1;
        const Outcome checked = validateServiceLifeInput(input);
        if (!checked) return CommandResult::refused(checked.message);
        estimateLife(input);
        buildServiceLifeReport(input, listing);
        return CommandResult::report();
    };
    commands.push_back(std::move(command));
}

}  // namespace csp::cli
