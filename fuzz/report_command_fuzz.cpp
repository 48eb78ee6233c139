// csp-report's argument handling, in process: argument lists built from
// every subcommand's option names (or a slip away from one) with random
// values, choice words in any case and spacing, and the values the lists
// show, and for check a CSV of random columns (headers in any case) and
// cells on standard input. Every run ends with
// 0, 1 or 2 and without a crash, and a refused -o leaves the file as it was
// and nothing beside it.

#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "apps/csp-report/report_command.h"
#include "fuzz/fuzz_support.h"
#include "selection/selection_entries.h"
#include "shell/windows1252.h"
#include "tests/file_bytes.h"

namespace {

namespace fs = std::filesystem;

// A folder of this process's own, holding the -o targets: the report file,
// a file standing where a folder should, and a folder.
struct OutputFolder {
    // In memory where there is a file system there: every save syncs.
    fs::path root = (fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path()) /
                    ("csp-report-fuzz-" + std::to_string(::getpid()));
    fs::path report = root / "report.txt", file = root / "file", folder = root / "folder";

    OutputFolder() {
        // Those of runs that ended without cleaning up go first.
        for (const fs::directory_entry& entry : fs::directory_iterator(root.parent_path())) {
            const std::string name = entry.path().filename().string();
            if (name.starts_with("csp-report-fuzz-") && !fs::exists("/proc/" + name.substr(16))) fs::remove_all(entry);
        }
        fs::remove_all(root);
        fs::create_directories(folder);
        std::ofstream(file) << "x";
    }
    ~OutputFolder() { fs::remove_all(root); }
};


// Any text but a path: a random value may become a file name ("-oNAME"),
// which must stay in the folder, whoever runs the target.
std::string randomValue(FuzzedDataProvider& in) {
    std::string text = in.ConsumeRandomLengthString(20);
    std::replace(text.begin(), text.end(), '/', '_');
    return text;
}

// The same text as an engineer might type it: in another case, with a
// blank put in, hyphens as blanks, or two neighbours swapped (a slip).
std::string variant(FuzzedDataProvider& in, std::string text) {
    if (text.empty()) return text;
    const std::size_t at = in.ConsumeIntegralInRange<std::size_t>(0, text.size() - 1);
    switch (in.ConsumeIntegralInRange(0, 5)) {
    case 0:
        for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        break;
    case 1: text.insert(at, " "); break;
    case 2: std::replace(text.begin(), text.end(), '-', ' '); break;
    case 3:
        if (at + 1 < text.size()) std::swap(text[at], text[at + 1]);
        break;
    default: break;
    }
    return text;
}

// Every value a list the pages build shows, and its spelling: the
// profiles, sizes and thicknesses of every shape and profile, the fill
// tables' shapes.
const std::vector<std::string>& listedValues() {
    static const std::vector<std::string> values = [] {
        std::vector<std::string> found;
        const auto take = [&found](const csp::cli::ReportProgram& program, const csp::Entries& entries) {
            std::vector<csp::OfferedList> lists;
            if (!program.lists || !program.lists(entries, lists)) return;
            for (const csp::OfferedList& list : lists)
                for (const csp::OfferedItem& item : list.items)
                    if (!item.key.empty() && std::isdigit(static_cast<unsigned char>(item.key.front()))) {
                        found.push_back(csp::windows1252ToUtf8(item.text));
                        if (!item.spelling.empty()) found.push_back(item.spelling);
                    }
        };
        for (const csp::cli::ReportProgram& program : csp::cli::reportPrograms())
            for (const char* shape : {"round", "pipe-arch", "underpass"})
                for (int profile = 0; profile < 8; ++profile) {
                    csp::Entries entries;
                    if (program.name == "verrick") {
                        entries.set("shape", shape);
                        entries.set("profile", std::to_string(profile));
                    }
                    take(program, entries);
                }
        std::sort(found.begin(), found.end());
        found.erase(std::unique(found.begin(), found.end()), found.end());
        return found;
    }();
    return values;
}

// A value for the entry: one of its words, a list position, a value some
// list shows, each now and then typed another way, or any text.
std::string entryValue(FuzzedDataProvider& in, const csp::EntrySpec& spec) {
    if (in.ConsumeIntegralInRange(0, 3) == 0) return randomValue(in);
    switch (spec.kind) {
    case csp::EntryKind::Choice:
        return spec.words.empty()
                   ? randomValue(in)
                   : variant(in, std::string(spec.words[in.ConsumeIntegralInRange<std::size_t>(0, spec.words.size() - 1)]));
    case csp::EntryKind::Position:
        if (in.ConsumeBool()) return std::to_string(in.ConsumeIntegralInRange(-1, 40));
        return variant(in, listedValues()[in.ConsumeIntegralInRange<std::size_t>(0, listedValues().size() - 1)]);
    case csp::EntryKind::Typed: break;
    }
    return std::to_string(in.ConsumeFloatingPointInRange(-100.0, 20000.0));
}

// A CSV of structures: a header of entry names (and now and then an id or
// an unknown column), then rows of values, quoted or not.
std::string structures(FuzzedDataProvider& in, std::span<const csp::EntrySpec> specs) {
    std::vector<const csp::EntrySpec*> columns;
    std::string csv;
    const int count = in.ConsumeIntegralInRange(0, 6);
    for (int i = 0; i < count; ++i) {
        const csp::EntrySpec& spec = specs[in.ConsumeIntegralInRange<std::size_t>(0, specs.size() - 1)];
        columns.push_back(&spec);
        const std::string name = in.ConsumeBool() && !spec.alias.empty() ? std::string(spec.alias) : std::string(spec.name);
        csv += (i ? "," : "") + (in.ConsumeIntegralInRange(0, 9) == 0 ? randomValue(in) : variant(in, name));
    }
    csv += in.ConsumeBool() ? "\r\n" : "\n";
    const int rows = in.ConsumeIntegralInRange(0, 4);
    for (int r = 0; r < rows; ++r) {
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const std::string value = entryValue(in, *columns[c]);
            csv += (c ? "," : "") + (in.ConsumeBool() ? "\"" + value + "\"" : value);
        }
        csv += "\n";
    }
    return csv;
}

std::string outputPath(FuzzedDataProvider& in, const OutputFolder& folder) {
    switch (in.ConsumeIntegralInRange(0, 6)) {
    case 0: return "-";
    case 1: return "";
    case 2: return (folder.root / "missing" / "report.txt").string();
    case 3: return (folder.file / "report.txt").string();
    case 4: return folder.folder.string();
    default: return folder.report.string();
    }
}

// Whether every line of a command's messages is a warning.
bool onlyWarnings(const std::string& messages) {
    std::istringstream lines(messages);
    for (std::string line; std::getline(lines, line);)
        if (line.find(": warning: ") == std::string::npos) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const OutputFolder folder;
    FuzzedDataProvider in(data, size);
    const std::span<const csp::cli::ReportProgram> programs = csp::cli::reportPrograms();
    // The report programs, then check, which takes verrick's entries, and
    // select, which takes the selection's.
    const std::size_t chosen = in.ConsumeIntegralInRange<std::size_t>(0, programs.size() + 2);
    const bool oldReport = in.ConsumeBool();
    std::vector<std::string> args = {"csp-report"};
    const std::span<const csp::EntrySpec> verrick = programs.back().entries();
    const std::span<const csp::EntrySpec> specs = chosen < programs.size()       ? programs[chosen].entries()
                                                  : chosen == programs.size() + 1 ? csp::selection::selectionEntries()
                                                                                  : verrick;
    if (chosen < programs.size()) args.emplace_back(programs[chosen].name);
    if (chosen == programs.size()) args.insert(args.end(), {"check", "-"});
    if (chosen == programs.size() + 1) args.emplace_back("select");
    const std::string csv = chosen == programs.size() ? structures(in, verrick) : std::string();

    bool toReportFile = false;
    const int count = in.ConsumeIntegralInRange(0, 16);
    for (int i = 0; i < count && in.remaining_bytes() > 0; ++i) {
        switch (in.ConsumeIntegralInRange(0, 9)) {
        case 0: {
            const std::string path = outputPath(in, folder);
            toReportFile = toReportFile || path == folder.report.string();
            if (in.ConsumeBool()) args.push_back("--output=" + path);
            else args.insert(args.end(), {"-o", path});
            break;
        }
        case 1:
            args.push_back(in.PickValueInArray({"--list", "--strict", "--help", "--version", "--", "--reports"}));
            break;
        case 2: args.push_back(randomValue(in)); break;
        default: {
            const csp::EntrySpec& spec = specs[in.ConsumeIntegralInRange<std::size_t>(0, specs.size() - 1)];
            // Now and then an option one slip away from the entry's name.
            const std::string name(in.ConsumeBool() && !spec.alias.empty() ? spec.alias : spec.name);
            const std::string option = "--" + (in.ConsumeIntegralInRange(0, 7) == 0 ? variant(in, name) : name);
            if (in.ConsumeBool()) args.push_back(option + "=" + entryValue(in, spec));
            else args.insert(args.end(), {option, entryValue(in, spec)});
        }
        }
    }

    fs::remove(folder.report);
    if (oldReport) std::ofstream(folder.report) << "old";
    std::vector<const char*> argv;
    for (const std::string& arg : args) argv.push_back(arg.c_str());
    std::istringstream csvIn(csv);
    std::ostringstream out, err;
    // In the folder, where a random "-oNAME" saves; back before libFuzzer
    // writes its own files.
    const fs::path workingFolder = fs::current_path();
    fs::current_path(folder.root);
    const int status = csp::cli::runCommandLine(static_cast<int>(argv.size()), argv.data(), csvIn, out, err);
    fs::current_path(workingFolder);

    if (status < 0 || status > 2) csp::fuzz::fail("exit status " + std::to_string(status));
    // check writes its summary even when it refuses a row (status 1); only a
    // refused save keeps the file.
    const bool summarySaved = chosen == programs.size() && status == 1 && err.str().find("--output: ") == std::string::npos;
    // select saves its report and exits 1 when no alternative meets both
    // the structure and the life: a result, said with no message but
    // warnings.
    const bool noneMeets = chosen == programs.size() + 1 && status == 1 && onlyWarnings(err.str());
    if (toReportFile && status != 0 && !summarySaved && !noneMeets) {
        const bool kept = oldReport ? csp::fileBytes(folder.report) == "old" : !fs::exists(folder.report);
        if (!kept) csp::fuzz::fail("a refused -o changed the report file");
    }
    // A save writes a temporary ".NAME.XXXXXX" beside its target first; a
    // report saved under a random name is removed.
    std::vector<fs::path> saved;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder.root)) {
        const fs::path path = entry.path();
        if (path.filename().string().starts_with('.')) csp::fuzz::fail("a save left " + path.string());
        if (path != folder.report && path != folder.file && path != folder.folder) saved.push_back(path);
    }
    for (const fs::path& path : saved) fs::remove_all(path);
    if (!fs::is_directory(folder.folder) || !fs::is_regular_file(folder.file))
        csp::fuzz::fail("a save replaced a folder or a file it was not given");
    return 0;
}
