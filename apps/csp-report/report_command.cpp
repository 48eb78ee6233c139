#include "apps/csp-report/report_command.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>
#include <memory>
#include <ostream>
#include <sstream>
#include <vector>

#include "designcheck/design_check_entries.h"
#include "filltables/fill_table_entries.h"
#include "servicelife/service_life_entries.h"
#include "shell/listing_file.h"
#include "shell/windows1252.h"

namespace csp::cli {
namespace {

constexpr std::array<ReportProgram, 3> programs = {{
    {"ombrel", "Service life of galvanized pipe and of each coating", serviceLifeEntries, produceServiceLifeReport},
    {"tabrell", "Maximum fill heights for one shape and corrugation profile", fillTableEntries, produceFillTable},
    {"verrick", "Design check of one buried corrugated steel structure", designcheck::designCheckEntries,
     designcheck::produceDesignCheckReport},
}};

// "--ph=" gives the option an empty text, as an emptied field does; the
// command-line parser would otherwise take it for a missing value.
std::vector<std::string> withEmptyValuesSplit(int argc, const char* const* argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.starts_with("--") && arg.size() > 3 && arg.ends_with('=') && arg.find('=') == arg.size() - 1) {
            args.push_back(arg.substr(0, arg.size() - 1));
            args.emplace_back();
        } else {
            args.push_back(arg);
        }
    }
    std::reverse(args.begin(), args.end());  // the parser takes its arguments last first
    return args;
}

std::string helpOf(const EntrySpec& spec) {
    std::string help(spec.help);
    if (!spec.unit.empty()) help += " (" + std::string(spec.unit) + ")";
    if (spec.kind == EntryKind::Choice) {
        help += ": ";
        for (std::size_t i = 0; i < spec.words.size(); ++i) help += (i ? ", " : "") + std::string(spec.words[i]);
    }
    return help;
}

// One subcommand as the parser sees it: an option per entry, and -o.
struct Subcommand {
    const ReportProgram* program = nullptr;
    CLI::App* app = nullptr;
    std::vector<std::string> texts;  // one per entry
    std::string outputPath;

    Entries givenEntries() const {
        Entries entries;
        const std::span<const EntrySpec> specs = program->entries();
        for (std::size_t i = 0; i < specs.size(); ++i)
            if (app->count("--" + std::string(specs[i].name)) > 0) entries.set(specs[i].name, texts[i]);
        return entries;
    }
};

void addSubcommand(CLI::App& parent, const ReportProgram& program, Subcommand& command) {
    command.program = &program;
    command.app = parent.add_subcommand(std::string(program.name), std::string(program.description));
    command.app
        ->add_option("-o,--output", command.outputPath,
                     "Write the report to FILE as Save As does (Windows-1252, CR LF) instead of printing it")
        ->option_text("FILE");
    const std::span<const EntrySpec> specs = program.entries();
    command.texts.resize(specs.size());
    for (std::size_t i = 0; i < specs.size(); ++i) {
        CLI::Option* option =
            command.app->add_option("--" + std::string(specs[i].name), command.texts[i], helpOf(specs[i]));
        option->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
        if (!specs[i].defaultText.empty()) option->default_str(std::string(specs[i].defaultText));
    }
}

void printListing(const ReportListing& listing, std::ostream& out) {
    for (const std::string& line : listing.lines()) out << windows1252ToUtf8(line) << '\n';
}

int runSubcommand(const Subcommand& command, std::ostream& out, std::ostream& err) {
    const std::string name(command.program->name);
    ReportListing listing;
    const Outcome produced = command.program->produce(command.givenEntries(), listing);
    if (produced.usageError()) {
        const std::string entry = produced.entry.empty() ? std::string() : "--" + produced.entry + ": ";
        err << "csp-report " << name << ": " << entry << produced.message
            << "\nRun with --help for more information.\n";
        return 2;
    }
    if (produced.refused()) {
        err << windows1252ToUtf8(produced.message) << "\n";
        return 1;
    }
    if (!command.outputPath.empty()) {
        const Outcome saved = writeListingFile(&listing, command.outputPath);
        if (!saved) {
            err << saved.message << "\n";
            return 1;
        }
        return 0;
    }
    printListing(listing, out);
    return 0;
}

}  // namespace

std::span<const ReportProgram> reportPrograms() { return programs; }

int runCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    CLI::App app{"Reports of the corrugated steel pipe design suite, without the windows.", "csp-report"};
    app.set_version_flag("--version", std::string("csp-report ") + CSP_VERSION);
    app.require_subcommand(1);
    std::array<Subcommand, programs.size()> commands;
    for (std::size_t i = 0; i < programs.size(); ++i) addSubcommand(app, programs[i], commands[i]);

    try {
        std::vector<std::string> args = withEmptyValuesSplit(argc, argv);
        app.parse(args);
    } catch (const CLI::ParseError& e) {
        if (e.get_exit_code() == 0) {  // --help or --version
            std::ostringstream unused;
            app.exit(e, out, unused);
            return 0;
        }
        err << "csp-report: " << e.what() << "\nRun with --help for more information.\n";
        return 2;
    }
    for (const Subcommand& command : commands)
        if (command.app->parsed()) return runSubcommand(command, out, err);
    return 2;
}

}  // namespace csp::cli
