#include "apps/csp-report/report_command.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <iostream>
#include <optional>
#include <array>
#include <ostream>
#include <vector>

#include "apps/csp-report/check_command.h"
#include "apps/csp-report/command_help.h"
#include "apps/csp-report/command_messages.h"
#include "apps/csp-report/select_command.h"
#include "designcheck/design_check_entries.h"
#include "selection/selection_entries.h"
#include "filltables/fill_table_entries.h"
#include "servicelife/service_life_entries.h"
#include "shell/listing_file.h"
#include "shell/svg_writer.h"
#include "shell/windows1252.h"

namespace csp::cli {
namespace {

// The programs, in the order the help lists them.
const std::array<ReportProgram, 3>& programList() {
    static const std::array<ReportProgram, 3> programs = {serviceLifeProgram(), fillTableProgram(),
                                                          designcheck::designCheckProgram()};
    return programs;
}
constexpr std::size_t programCount = 3;

const std::string versionText = std::string("csp-report ") + CSP_VERSION + "\n";
constexpr const char* standardOutput = "-";

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

struct Subcommand;
using Run = int (*)(const Subcommand& command, std::istream& in, std::ostream& out, std::ostream& err);

// One subcommand as the parser sees it: an option per entry, and its own.
struct Subcommand {
    std::string_view name;
    std::span<const EntrySpec> entries;
    const ReportProgram* program = nullptr;  // none for check and select
    Run run = nullptr;
    std::string (*help)() = nullptr;  // for check and select
    CLI::App* app = nullptr;
    std::vector<std::string> texts;  // one per entry
    std::string outputPath, file, reportsFolder, picturePath;
    bool list = false, strict = false, pictures = false, csv = false;
    bool savesPicture = false;  // --svg FILE: the picture beside the report

    Entries givenEntries() const {
        Entries given;
        for (std::size_t i = 0; i < entries.size(); ++i)
            if (app->count("--" + std::string(entries[i].name)) > 0) given.set(entries[i].name, texts[i]);
        return given;
    }
};

CLI::App* addSubcommand(CLI::App& parent, Subcommand& command, std::string_view description) {
    command.app = parent.add_subcommand(std::string(command.name), std::string(description));
    command.app->allow_extras();
    command.app->set_version_flag("--version", versionText);
    command.texts.resize(command.entries.size());
    for (std::size_t i = 0; i < command.entries.size(); ++i) {
        const EntrySpec& spec = command.entries[i];
        const std::string alias = spec.alias.empty() ? std::string() : ",--" + std::string(spec.alias);
        command.app->add_option("--" + std::string(spec.name) + alias, command.texts[i])
            ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    }
    return command.app;
}

int runReport(const Subcommand& command, std::istream& in, std::ostream& out, std::ostream& err);
int runCheckCommand(const Subcommand& command, std::istream& in, std::ostream& out, std::ostream& err);
int runSelectCommand(const Subcommand& command, std::istream& in, std::ostream& out, std::ostream& err);

// -o FILE and --svg FILE: the report, and the picture beside it.
void addOutputOptions(CLI::App& app, Subcommand& command) {
    app.add_option("-o,--output", command.outputPath)->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    app.add_option("--svg", command.picturePath)->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    command.savesPicture = true;
}

void addReportSubcommand(CLI::App& parent, const ReportProgram& program, Subcommand& command) {
    command.name = program.name;
    command.entries = program.entries();
    command.program = &program;
    command.run = runReport;
    CLI::App* app = addSubcommand(parent, command, program.description);
    addOutputOptions(*app, command);
    if (program.lists) app->add_flag("--list", command.list);
    app->add_flag("--strict", command.strict);
}

void addCheckSubcommand(CLI::App& parent, Subcommand& command) {
    command.name = "check";
    command.run = runCheckCommand;
    command.help = checkHelp;
    CLI::App* app = addSubcommand(parent, command, checkDescription);
    app->add_option("file", command.file);
    app->add_option("-o,--output", command.outputPath)->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    app->add_option("--reports", command.reportsFolder)->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    app->add_flag("--svg", command.pictures);
}

void addSelectSubcommand(CLI::App& parent, Subcommand& command) {
    command.name = "select";
    command.entries = selection::selectionProgram().entries();
    command.run = runSelectCommand;
    command.help = selectHelp;
    CLI::App* app = addSubcommand(parent, command, selectDescription);
    addOutputOptions(*app, command);
    app->add_flag("--csv", command.csv);
}

std::string joined(const std::vector<std::string>& words, const char* separator) {
    std::string text;
    for (const std::string& word : words) text += (text.empty() ? "" : separator) + word;
    return text;
}

std::string subcommandNames() {
    std::vector<std::string> names;
    for (const ReportProgram& program : programList()) names.emplace_back(program.name);
    names.emplace_back("check");
    names.emplace_back("select");
    return joined(names, ", ");
}

std::string prefix(const Subcommand* command) { return messagePrefix(command ? command->name : ""); }

int usageError(std::ostream& err, const Subcommand* command, const std::string& message) {
    return cli::usageError(err, command ? command->name : "", message);
}

void printLists(const std::vector<OfferedList>& lists, std::ostream& out) {
    for (const OfferedList& list : lists)
        for (const std::string& line : offeredLines(list)) out << line << "\n";
}

int save(const Subcommand& command, const ReportListing& listing, std::ostream& out, std::ostream& err) {
    if (command.outputPath == standardOutput) {
        StreamLines lines(out);  // as Save As writes them
        for (const std::string& line : listing.lines()) lines.write(line);
        return 0;
    }
    const Outcome saved = writeListingFile(&listing, command.outputPath);
    if (saved) return 0;
    err << prefix(&command) << "--output: " << saved.message << "\n";
    return 1;
}

// The picture, written as a report is: to a file as Save As writes it, or
// to `out` for "-".
int savePicture(const Subcommand& command, const std::string& picture, std::ostream& out, std::ostream& err) {
    if (command.picturePath == standardOutput) {
        StreamLines lines(out);
        writePictureLines(picture, lines);
        return 0;
    }
    const Outcome saved = writePictureFile(picture, command.picturePath);
    if (saved) return 0;
    err << prefix(&command) << "--svg: " << saved.message << "\n";
    return 1;
}

// The option nearest to the first unknown one, when it is close: "; did
// you mean '--cover'?".
std::string suggestion(const Subcommand& command, const std::vector<std::string>& extras) {
    const auto unknown = std::find_if(extras.begin(), extras.end(), [](const std::string& e) { return e.starts_with("--"); });
    if (unknown == extras.end()) return {};
    std::vector<std::string> names;
    for (const CLI::Option* option : command.app->get_options())
        for (const std::string& name : option->get_lnames()) names.push_back(name);
    const std::string name = unknown->substr(2, unknown->find('=') - 2);
    const std::optional<std::string> nearest = nearestName(name, names);
    return nearest ? "; did you mean '--" + *nearest + "'?" : std::string();
}

// A usage error in the arguments every subcommand checks first: one it
// does not take, or an -o without a name.
std::optional<std::string> misusedArguments(const Subcommand& command) {
    const std::vector<std::string> extras = command.app->remaining();
    if (!extras.empty()) return "unexpected arguments: " + joined(extras, " ") + suggestion(command, extras);
    if (command.app->get_option_no_throw("--output") && command.app->count("--output") > 0 &&
        command.outputPath.empty())
        return "--output: an empty file name; use - for standard output";
    if (!command.savesPicture || command.app->count("--svg") == 0)
        return std::nullopt;
    if (command.picturePath.empty()) return "--svg: an empty file name; use - for standard output";
    if (command.list) return "--svg: --list writes no picture";
    if (command.picturePath == standardOutput &&
        (command.app->count("--output") == 0 || command.outputPath == standardOutput))
        return "--svg -: standard output already takes the report; give -o FILE for the report";
    if (command.picturePath != standardOutput && command.picturePath == command.outputPath)
        return "--svg: the same file as --output; the picture needs a file of its own";
    return std::nullopt;
}

int runCheckCommand(const Subcommand& command, std::istream& in, std::ostream& out, std::ostream& err) {
    if (const auto misused = misusedArguments(command)) return usageError(err, &command, *misused);
    if (command.app->count("file") == 0)
        return usageError(err, &command, "the CSV file is needed (- for standard input)");
    if (command.app->count("--reports") > 0 && command.reportsFolder.empty())
        return usageError(err, &command, "--reports: an empty folder name");
    if (command.pictures && command.reportsFolder.empty())
        return usageError(err, &command, "--svg: the pictures go beside the reports; give --reports DIR");
    return runCheck({command.file, command.outputPath, command.reportsFolder, command.pictures}, in, out, err);
}

// The report to standard output as UTF-8 lines, or to the -o file; then
// the picture, when asked for.
int writeOutputs(const Subcommand& command, const ReportListing& listing, const std::string& picture,
                 std::ostream& out, std::ostream& err) {
    if (command.app->count("--output") > 0) {
        if (const int status = save(command, listing, out, err); status != 0) return status;
    } else {
        for (const std::string& line : listing.lines()) out << windows1252ToUtf8(line) << '\n';
    }
    return command.app->count("--svg") > 0 ? savePicture(command, picture, out, err) : 0;
}

// A typed entry read in part: a warning, or under --strict a refusal.
bool refusedPartReadings(const Subcommand& command, const Entries& entries, std::ostream& err) {
    for (const PartReading& reading : partReadings(command.entries, entries)) {
        if (command.strict) {
            err << prefix(&command) << "--" << reading.entry << ": '" << reading.text
                << "' is not a number (the page would read it as " << reading.readAs << ")\n";
            return true;
        }
        err << prefix(&command) << warningText(reading) << "\n";
    }
    return false;
}

int runSelectCommand(const Subcommand& command, std::istream&, std::ostream& out, std::ostream& err) {
    if (const auto misused = misusedArguments(command)) return usageError(err, &command, *misused);
    const Entries entries = command.givenEntries();
    ReportListing listing;
    std::string picture;
    const bool drawn = command.app->count("--svg") > 0;
    const int status =
        runSelect(entries, command.csv ? SelectOutput::Csv : SelectOutput::Report, listing, drawn ? &picture : nullptr, err);
    if (listing.isEmpty()) return status;  // refused, or a usage error
    refusedPartReadings(command, entries, err);
    const int written = writeOutputs(command, listing, picture, out, err);
    return written != 0 ? written : status;
}

int runReport(const Subcommand& command, std::istream&, std::ostream& out, std::ostream& err) {
    if (const auto misused = misusedArguments(command)) return usageError(err, &command, *misused);

    const Entries entries = command.givenEntries();
    if (command.list) {
        std::vector<OfferedList> lists;
        const Outcome listed = command.program->lists(entries, lists);
        if (listed.usageError()) return usageError(err, &command, entryPart(listed.entry) + listed.message);
        printLists(lists, out);
        return 0;
    }

    ReportListing listing;
    std::string picture;
    const bool drawn = command.app->count("--svg") > 0;
    const Outcome produced = command.program->produce(entries, listing, drawn ? &picture : nullptr);
    if (produced.usageError()) return usageError(err, &command, entryPart(produced.entry) + produced.message);
    if (refusedPartReadings(command, entries, err)) return 1;
    if (produced.refused()) {
        err << prefix(&command) << refusalText(produced) << "\n";
        return 1;
    }
    return writeOutputs(command, listing, picture, out, err);
}

// The parser's own complaints, said in the command's words.
int parseError(const CLI::ParseError& e, const Subcommand* command, std::ostream& err) {
    std::string message = e.what();
    if (e.get_name() == "ArgumentMismatch") {
        const std::string option = message.substr(0, message.find(':'));
        return usageError(err, command, option + ": a value is needed");
    }
    return usageError(err, command, message);
}

}  // namespace

std::span<const ReportProgram> reportPrograms() { return programList(); }

int runCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    return runCommandLine(argc, argv, std::cin, out, err);
}

int runCommandLine(int argc, const char* const* argv, std::istream& in, std::ostream& out, std::ostream& err) {
    CLI::App app{"csp-report", "csp-report"};
    app.set_version_flag("--version", versionText);
    app.allow_extras();
    // A command line means the same everywhere: on Windows too, "/reports"
    // is a path, not an option (the subcommands inherit this).
    app.allow_windows_style_options(false);
    std::array<Subcommand, programCount + 2> commands;
    for (std::size_t i = 0; i < programCount; ++i) addReportSubcommand(app, programList()[i], commands[i]);
    addCheckSubcommand(app, commands[programCount]);
    addSelectSubcommand(app, commands[programCount + 1]);
    const auto parsedCommand = [&]() -> const Subcommand* {
        for (const Subcommand& command : commands)
            if (command.app->parsed()) return &command;
        return nullptr;
    };

    try {
        std::vector<std::string> args = withEmptyValuesSplit(argc, argv);
        app.parse(args);
    } catch (const CLI::CallForHelp&) {
        const Subcommand* command = parsedCommand();
        out << (!command ? commandHelp() : command->program ? subcommandHelp(*command->program) : command->help());
        return 0;
    } catch (const CLI::CallForVersion&) {
        out << versionText;
        return 0;
    } catch (const CLI::ParseError& e) {
        return parseError(e, parsedCommand(), err);
    }
    const Subcommand* command = parsedCommand();
    if (command && app.remaining().empty()) return command->run(*command, in, out, err);
    if (!app.remaining().empty()) {
        const std::string first = app.remaining().front();
        if (first.starts_with("-"))
            return usageError(
                err, nullptr,
                "unknown option '" + first + "'; the entries go after the subcommand (" + subcommandNames() + ")");
        return usageError(err, nullptr,
                          "'" + first + "' is not a subcommand; the subcommands are " + subcommandNames());
    }
    return usageError(err, nullptr, "a subcommand is needed: " + subcommandNames());
}

}  // namespace csp::cli
