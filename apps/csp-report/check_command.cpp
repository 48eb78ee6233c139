#include "apps/csp-report/check_command.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <sstream>
#include <vector>

#include "apps/csp-report/command_messages.h"
#include "apps/csp-report/csv_rows.h"
#include "designcheck/design_check_entries.h"
#include "designcheck/design_check_picture.h"
#include "shell/number_format.h"
#include "shell/svg_writer.h"
#include "shell/utf8_path.h"

namespace csp::cli {
namespace {

namespace dc = csp::designcheck;
constexpr std::string_view command = "check";
constexpr std::string_view idColumn = "id";
// The entries that say which structure a row is: never taken as defaults.
constexpr std::string_view coverColumn = "cover";
constexpr std::string_view spanColumn = "span";  // a round pipe's
constexpr std::string_view sizeColumn = "size";  // a pipe-arch's or an underpass's

std::string trimmed(std::string text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.back())) text.pop_back();
    const auto first = std::find_if_not(text.begin(), text.end(), blank);
    return std::string(first, text.end());
}

// Why an id cannot name a report file in the folder, or none. Names that
// some file system would take apart, hide or refuse are refused on every
// system, so that a project's reports can move between them.
std::optional<std::string> unsafeFileName(const std::string& id) {
    if (id.empty()) return "it is empty";
    if (id == "." || id == "..") return "it names a folder";
    if (id.size() > 200) return "it is longer than 200 characters";
    for (unsigned char c : id) {
        if (c < 0x20 || c == 0x7F) return "it holds a control character";
        if (c == '/' || c == '\\') return "it holds a path separator";
        if (std::string_view("<>:\"|?*").find(static_cast<char>(c)) != std::string_view::npos)
            return "it holds a character Windows does not take in a file name";
    }
    if (id.front() == ' ' || id.back() == ' ' || id.back() == '.')
        return "it begins or ends with a blank or ends with a point";
    std::string stem = id.substr(0, id.find('.'));
    for (char& c : stem) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    static const std::set<std::string> reserved = {"CON",  "PRN",  "AUX",  "NUL",  "COM1", "COM2", "COM3", "COM4",
                                                   "COM5", "COM6", "COM7", "COM8", "COM9", "LPT1", "LPT2", "LPT3",
                                                   "LPT4", "LPT5", "LPT6", "LPT7", "LPT8", "LPT9"};
    if (reserved.count(stem) > 0) return "it is a device name on Windows";
    return std::nullopt;
}

std::string folded(const std::string& id) {
    std::string key = id;
    for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return key;
}

// A message of several lines (a list's offer) as one cell: "...; 1 3 x 1; ...".
std::string oneLine(const std::string& message) {
    std::string line;
    std::istringstream lines(message);
    for (std::string part; std::getline(lines, part);) {
        part = trimmed(part);
        const std::size_t gap = part.find("  ");
        if (gap != std::string::npos) part = part.substr(0, gap) + " " + trimmed(part.substr(gap));
        line += (line.empty() ? "" : line.ends_with(':') ? " " : "; ") + part;
    }
    return line;
}

// One run over the rows of a file.
class CheckRun {
public:
    explicit CheckRun(const CheckOptions& options) : options_(options), specs_(dc::designCheckEntries()) {}

    // The header row: each column an entry's name or "id".
    Outcome takeHeader(std::vector<std::string>& cells) {
        if (!cells.empty() && cells.front().starts_with("\xEF\xBB\xBF"))
            cells.front().erase(0, 3);  // a byte order mark
        for (std::string& cell : cells) {
            // Headers are words: "ID", "Live Load" and "live-load" are columns.
            const std::string name = trimmed(cell);
            const bool isId = normalisedWord(name) == idColumn;
            const EntrySpec* spec = isId ? nullptr : findEntryByWord(specs_, name);
            if (!isId && !spec)
                return Outcome::usageError("", "unknown column '" + name + "'; the columns are " + columnNames() +
                                                   nearestColumn(name));
            const std::string column = isId ? std::string(idColumn) : std::string(spec->name);
            if (hasColumn(column)) return Outcome::usageError("", "the column '" + name + "' is given twice");
            columns_.push_back({column, spec});
        }
        if (!hasColumn(coverColumn))
            return Outcome::usageError("", "the header has no '" + std::string(coverColumn) +
                                               "' column; every structure needs its cover");
        return Outcome::success();
    }

    std::vector<std::string> summaryHeader() const {
        std::vector<std::string> cells = {std::string(idColumn)};
        for (const EntrySpec& spec : specs_) cells.emplace_back(spec.name);
        for (std::string_view check : dc::summaryCheckTexts) cells.emplace_back(check);
        cells.emplace_back("verdict");
        cells.emplace_back("message");
        // The margins follow, so that the columns before keep their places.
        for (std::string_view check : dc::summaryCheckTexts) cells.push_back(std::string(check) + " D/C");
        cells.emplace_back("governing");
        cells.emplace_back("max D/C");
        return cells;
    }

    // One structure: its summary row. A row whose shape needs a column the
    // header lacks is a usage error instead.
    Outcome takeRow(const std::vector<std::string>& cells, std::vector<std::string>& row) {
        ++rows_;
        Entries given;
        std::string id = std::to_string(rows_);
        for (std::size_t i = 0; i < cells.size() && i < columns_.size(); ++i) {
            if (!columns_[i].spec)
                id = cells[i];
            else if (!cells[i].empty())
                given.set(columns_[i].spec->name, cells[i]);
        }
        if (cells.size() > columns_.size()) {
            row = refused(id, given,
                          "the row has " + std::to_string(cells.size()) + " cells, the header " +
                              std::to_string(columns_.size()));
            return Outcome::success();
        }
        const std::string_view sizeName = roundRow(given) ? spanColumn : sizeColumn;
        if (!hasColumn(sizeName))
            return Outcome::usageError("", "row " + std::to_string(rows_ + 1) + ": a " + given.textOf(shapeSpec()) +
                                               " structure needs a '" + std::string(sizeName) + "' column");
        for (std::string_view required : {coverColumn, sizeName})
            if (!given.given(required)) {
                row = refused(id, given, "the " + std::string(required) + " cell is empty");
                return Outcome::success();
            }
        row = summaryRow(id, given);
        return Outcome::success();
    }

    // The count of the rows taken, as the last line on standard error says it.
    std::string counts() const {
        const std::size_t rows = ok_ + noGood_ + refused_;
        return std::to_string(rows) + (rows == 1 ? " row: " : " rows: ") + std::to_string(ok_ + noGood_) +
               " checked (" + std::to_string(ok_) + " OK, " + std::to_string(noGood_) + " NO GOOD), " +
               std::to_string(refused_) + " refused";
    }

    bool anyRefused() const { return refused_ > 0; }

private:
    struct Column {
        std::string name;
        const EntrySpec* spec;  // none for the id
    };

    const EntrySpec& shapeSpec() const { return *findEntry(specs_, "shape"); }

    bool hasColumn(std::string_view name) const {
        return std::any_of(columns_.begin(), columns_.end(), [&](const Column& c) { return c.name == name; });
    }

    // Whether the row's shape, given or default, is a round pipe. A shape
    // word the check does not take counts as round here: the check then
    // refuses it by its own message.
    bool roundRow(const Entries& given) const {
        int shape = 0;
        return !choicePosition(shapeSpec(), given, shape) || shape == 0;
    }

    // The row of a structure whose entries are all there: checked, or
    // refused by the check's own message.
    std::vector<std::string> summaryRow(const std::string& id, const Entries& given) {
        dc::DesignCheck check;
        const Outcome produced = dc::produceDesignCheck(
            given, check, options_.reportsFolder.empty() ? dc::DesignCheckOutput::RecordOnly : dc::DesignCheckOutput::Report);
        if (!produced) return refused(id, given, oneLine(refusalText(produced)));
        if (!options_.reportsFolder.empty())
            if (const std::optional<std::string> failure = saveReport(id, check)) return refused(id, given, *failure);
        return checked(id, given, check);
    }

    // "; did you mean 'cover'?" for a column name close to a known one.
    std::string nearestColumn(const std::string& name) const {
        std::vector<std::string> names = {std::string(idColumn)};
        for (const EntrySpec& spec : specs_) names.emplace_back(spec.name);
        const std::optional<std::string> nearest = nearestName(name, names);
        return nearest ? "; did you mean '" + *nearest + "'?" : std::string();
    }

    std::string columnNames() const {
        std::string names(idColumn);
        for (const EntrySpec& spec : specs_) names += ", " + std::string(spec.name);
        return names;
    }

    std::vector<std::string> refused(const std::string& id, const Entries& given, const std::string& message) {
        ++refused_;
        std::vector<std::string> row = {id};
        for (const EntrySpec& spec : specs_) {  // as given: a refused row used none
            const std::string* text = given.find(spec);
            row.push_back(text ? *text : std::string());
        }
        row.resize(row.size() + dc::summaryCheckTexts.size() + 1);
        row.push_back(message);
        row.resize(row.size() + dc::summaryCheckTexts.size() + 2);
        return row;
    }

    std::vector<std::string> checked(const std::string& id, const Entries& given, const dc::DesignCheck& check) {
        ++(check.failed() ? noGood_ : ok_);
        std::vector<std::string> row = {id};
        const Entries used = dc::entriesAsUsed(given, check);
        for (const auto& [name, text] : used.all()) row.push_back(text);
        for (std::size_t i = 0; i < dc::summaryCheckTexts.size(); ++i) {
            const auto verdict =
                std::find_if(check.verdicts().begin(), check.verdicts().end(),
                             [i](const dc::Verdict& v) { return static_cast<std::size_t>(v.check) == i; });
            row.push_back(verdict == check.verdicts().end() ? "" : verdict->ok ? "OK" : "NO GOOD");
        }
        row.push_back(check.failed() ? "NO GOOD" : "OK");
        row.push_back(partReadings(given));
        const dc::DesignCheckResult& result = check.result();
        for (std::size_t i = 0; i < dc::summaryCheckTexts.size(); ++i) {
            const dc::CheckResult* found = result.find(static_cast<dc::SummaryCheck>(i));
            row.push_back(found ? format("%.3f", found->ratio()) : std::string());
        }
        const dc::CheckResult* governing = result.governing();
        row.push_back(governing ? std::string(dc::summaryCheckTexts[static_cast<std::size_t>(governing->check)]) : "");
        row.push_back(governing ? format("%.3f", governing->ratio()) : std::string());
        return row;
    }

    // Typed cells read in part, as csp-report verrick warns of them.
    std::string partReadings(const Entries& given) const {
        std::string readings;
        for (const PartReading& reading : csp::partReadings(specs_, given))
            readings += (readings.empty() ? "" : "; ") + warningText(reading);
        return readings;
    }

    // A file of the reports folder, by its name there.
    std::string pathInFolder(const std::string& fileName) const {
        const std::u8string name = (utf8Path(options_.reportsFolder) / utf8Path(fileName)).u8string();
        return std::string(name.begin(), name.end());
    }

    // A folder, device or link in the way is never written through.
    static bool isRegularOrAbsent(const std::string& path) {
        std::error_code error;
        const std::filesystem::file_status existing = std::filesystem::symlink_status(utf8Path(path), error);
        return !std::filesystem::exists(existing) || std::filesystem::is_regular_file(existing);
    }

    // Writes the structure's report as csp-report verrick -o does; the
    // failure, if any, refuses the row.
    std::optional<std::string> saveReport(const std::string& id, const dc::DesignCheck& check) {
        if (const std::optional<std::string> reason = unsafeFileName(id))
            return "--reports: the id '" + id + "' is not a safe file name: " + *reason;
        if (!idsUsed_.insert(folded(id)).second) return "--reports: the id '" + id + "' is an earlier row's";
        const std::string path = pathInFolder(id + ".txt");
        if (!isRegularOrAbsent(path)) return "--reports: " + path + " is not a regular file";
        const Outcome saved = writeListingFile(&check.reportLines(), path);
        if (!saved) return "--reports: " + saved.message;
        if (options_.pictures) return savePicture(id, check);
        return std::nullopt;
    }

    // The structure's picture beside its report, DIR/<id>.svg.
    std::optional<std::string> savePicture(const std::string& id, const dc::DesignCheck& check) const {
        const std::string path = pathInFolder(id + ".svg");
        if (!isRegularOrAbsent(path)) return "--svg: " + path + " is not a regular file";
        const Outcome saved = writePictureFile(dc::drawDesignCheckPicture(check), path);
        if (!saved) return "--svg: " + saved.message;
        return std::nullopt;
    }

    const CheckOptions& options_;
    std::span<const EntrySpec> specs_;
    std::vector<Column> columns_;
    std::size_t rows_ = 0, ok_ = 0, noGood_ = 0, refused_ = 0;
    std::set<std::string> idsUsed_;
};

// The reports folder, made when missing.
std::optional<std::string> prepareReportsFolder(const std::string& folder) {
    std::error_code error;
    std::filesystem::create_directories(utf8Path(folder), error);
    if (error) return "--reports: cannot make the folder " + folder + ": " + error.message();
    if (!std::filesystem::is_directory(utf8Path(folder), error)) return "--reports: " + folder + " is not a folder";
    return std::nullopt;
}

}  // namespace

int runCheck(const CheckOptions& options, std::istream& in, std::ostream& out, std::ostream& err) {
    std::ifstream file;
    if (options.file != "-") {
        file.open(utf8Path(options.file), std::ios::binary);
        if (!file) return usageError(err, command, "cannot read " + options.file + ": " + std::strerror(errno));
    }
    std::istream& input = options.file == "-" ? in : file;
    if (!options.reportsFolder.empty())
        if (const std::optional<std::string> failure = prepareReportsFolder(options.reportsFolder))
            return usageError(err, command, *failure);

    CheckRun run(options);
    Outcome misuse;
    bool headerSeen = false, headerTaken = false;
    const auto writeSummary = [&](SavedLines& lines) {
        const Outcome read = readCsvRows(input, [&](std::vector<std::string>& cells) {
            if (!headerSeen) {
                headerSeen = true;
                misuse = run.takeHeader(cells);
                headerTaken = misuse.ok();
                return misuse.ok() && lines.write(csvRow(run.summaryHeader()));
            }
            std::vector<std::string> row;
            misuse = run.takeRow(cells, row);
            return misuse.ok() && lines.write(csvRow(row));
        });
        if (misuse) misuse = read;
        if (misuse && !headerSeen) misuse = Outcome::usageError("", options.file + " has no header row");
        return misuse.ok();
    };

    if (options.outputPath.empty() || options.outputPath == "-") {
        StreamLines lines(out);
        writeSummary(lines);
    } else if (const Outcome saved = saveLines(options.outputPath, writeSummary); !saved && misuse) {
        err << messagePrefix(command) << "--output: " << saved.message << "\n";
        err << messagePrefix(command) << run.counts() << "\n";
        return 1;
    }
    if (headerTaken) err << messagePrefix(command) << run.counts() << "\n";
    if (!misuse) return usageError(err, command, (options.file == "-" ? "" : options.file + ": ") + misuse.message);
    return run.anyRefused() ? 1 : 0;
}

}  // namespace csp::cli
