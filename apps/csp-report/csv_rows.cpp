#include "apps/csp-report/csv_rows.h"

#include <csv.h>

#include <array>

namespace csp::cli {
namespace {

// What the parser's callbacks fill: the row being read, and whether the
// reader wants more.
struct RowReader {
    const std::function<bool(std::vector<std::string>&)>& onRow;
    std::vector<std::string> cells;
    std::size_t rows = 0;
    bool stopped = false;

    static void cell(void* text, std::size_t size, void* data) {
        auto* reader = static_cast<RowReader*>(data);
        reader->cells.emplace_back(static_cast<const char*>(text), size);
    }
    static void rowEnd(int, void* data) {
        auto* reader = static_cast<RowReader*>(data);
        ++reader->rows;
        if (!reader->stopped && !reader->onRow(reader->cells)) reader->stopped = true;
        reader->cells.clear();
    }
};

// The parser's state, freed on every way out.
class Parser {
public:
    Parser() { ok_ = csv_init(&parser_, CSV_STRICT | CSV_STRICT_FINI) == 0; }
    ~Parser() { csv_free(&parser_); }
    Parser(const Parser&) = delete;
    Parser& operator=(const Parser&) = delete;
    bool ok() const { return ok_; }
    csv_parser* get() { return &parser_; }

private:
    csv_parser parser_{};
    bool ok_ = false;
};

Outcome malformed(csv_parser* parser, std::size_t row) {
    return Outcome::usageError(
        "", "malformed CSV at row " + std::to_string(row + 1) + ": " + csv_strerror(csv_error(parser)));
}

}  // namespace

Outcome readCsvRows(std::istream& in, const std::function<bool(std::vector<std::string>&)>& onRow) {
    Parser parser;
    if (!parser.ok()) return Outcome::usageError("", "the CSV reader could not start");
    RowReader reader{onRow, {}, 0, false};
    std::array<char, 64 * 1024> buffer{};
    while (!reader.stopped && in) {
        in.read(buffer.data(), buffer.size());
        const auto size = static_cast<std::size_t>(in.gcount());
        if (csv_parse(parser.get(), buffer.data(), size, RowReader::cell, RowReader::rowEnd, &reader) != size)
            return malformed(parser.get(), reader.rows);
    }
    if (in.bad()) return Outcome::usageError("", "the CSV text could not be read");
    if (!reader.stopped && csv_fini(parser.get(), RowReader::cell, RowReader::rowEnd, &reader) != 0)
        return malformed(parser.get(), reader.rows);
    return Outcome::success();
}

}  // namespace csp::cli
