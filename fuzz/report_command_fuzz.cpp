// csp-report's argument handling, in process: argument lists built from
// every subcommand's option names with random values, and for check a CSV
// of random columns and cells on standard input. Every run ends with
// 0, 1 or 2 and without a crash, and a refused -o leaves the file as it was
// and nothing beside it.

#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "apps/csp-report/report_command.h"
#include "fuzz/fuzz_support.h"
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

// A value for the entry: one of its words, a list position, or any text.
std::string entryValue(FuzzedDataProvider& in, const csp::EntrySpec& spec) {
    if (in.ConsumeBool()) return randomValue(in);
    switch (spec.kind) {
    case csp::EntryKind::Choice:
        return spec.words.empty() ? randomValue(in)
                                  : std::string(spec.words[in.ConsumeIntegralInRange<std::size_t>(0, spec.words.size() - 1)]);
    case csp::EntryKind::Position: return std::to_string(in.ConsumeIntegralInRange(-1, 40));
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
        csv += (i ? "," : "") + (in.ConsumeIntegralInRange(0, 9) == 0 ? randomValue(in) : std::string(spec.name));
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const OutputFolder folder;
    FuzzedDataProvider in(data, size);
    const std::span<const csp::cli::ReportProgram> programs = csp::cli::reportPrograms();
    // The report programs, then check and select, which take verrick's entries.
    const std::size_t chosen = in.ConsumeIntegralInRange<std::size_t>(0, programs.size() + 2);
    const bool oldReport = in.ConsumeBool();
    std::vector<std::string> args = {"csp-report"};
    const std::span<const csp::EntrySpec> verrick = programs.back().entries();
    const std::span<const csp::EntrySpec> specs = chosen < programs.size() ? programs[chosen].entries() : verrick;
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
            const std::string option = "--" + std::string(spec.name);
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
    if (toReportFile && status != 0 && !summarySaved) {
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
