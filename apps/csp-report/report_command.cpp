#include "apps/csp-report/report_command.h"

#include <algorithm>
#include <sstream>

#include "shell/listing_file.h"
#include "shell/windows1252.h"

namespace csp::cli {
namespace {

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

}  // namespace

Subcommand makeSubcommand(CLI::App& parent, const std::string& name, const std::string& description) {
    Subcommand command;
    command.app = parent.add_subcommand(name, description);
    command.outputPath = std::make_shared<std::string>();
    command.app->add_option("-o,--output", *command.outputPath,
                            "Write the report to FILE as Save As does (Windows-1252, CR LF) instead of printing it")
        ->option_text("FILE");
    return command;
}

bool given(const CLI::App* app, const std::string& name) { return app->count(name) > 0; }

int runCommandLine(int argc, const char* const* argv, std::string& out, std::string& err) {
    CLI::App app{"Reports of the corrugated steel pipe design suite, without the windows.", "csp-report"};
    app.set_version_flag("--version", std::string("csp-report ") + CSP_VERSION);
    app.require_subcommand(1);
    std::vector<Subcommand> commands;
    addOmbrelCommand(app, commands);
    addTabrellCommand(app, commands);
    addVerrickCommand(app, commands);

    std::ostringstream helpOut, helpErr;
    try {
        std::vector<std::string> args = withEmptyValuesSplit(argc, argv);
        app.parse(args);
    } catch (const CLI::CallForHelp& e) {
        app.exit(e, helpOut, helpErr);
        out += helpOut.str();
        return 0;
    } catch (const CLI::CallForAllHelp& e) {
        app.exit(e, helpOut, helpErr);
        out += helpOut.str();
        return 0;
    } catch (const CLI::CallForVersion& e) {
        app.exit(e, helpOut, helpErr);
        out += helpOut.str();
        return 0;
    } catch (const CLI::ParseError& e) {
        err += std::string("csp-report: ") + e.what() + "\nRun with --help for more information.\n";
        return 2;
    }

    for (const Subcommand& command : commands) {
        if (!command.app->parsed()) continue;
        ReportListing listing;
        const CommandResult result = command.run(listing);
        if (result.kind == CommandResult::Kind::UsageError) {
            err += "csp-report " + command.app->get_name() + ": " + result.message +
                   "\nRun with --help for more information.\n";
            return 2;
        }
        if (result.kind == CommandResult::Kind::Refused) {
            err += windows1252ToUtf8(result.message) + "\n";
            return 1;
        }
        if (!command.outputPath->empty()) {
            const Outcome saved = writeListingFile(&listing, *command.outputPath);
            if (!saved) {
                err += saved.message + "\n";
                return 1;
            }
            return 0;
        }
        for (const std::string& line : listing.lines()) {
            out += windows1252ToUtf8(line);
            out += '\n';
        }
        return 0;
    }
    return 2;
}

}  // namespace csp::cli
