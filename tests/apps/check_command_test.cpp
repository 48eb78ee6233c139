#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "apps/csp-report/csv_rows.h"
#include "tests/apps/command_runner.h"

namespace csp::cli {
namespace {

namespace fs = std::filesystem;

struct Checked {
    int status;
    std::vector<std::vector<std::string>> rows;  // the summary, header first
    std::string err;
};

Checked check(const std::string& csv, std::vector<const char*> options = {}) {
    std::vector<const char*> args = {"csp-report", "check", "-"};
    args.insert(args.end(), options.begin(), options.end());
    std::istringstream in(csv);
    std::ostringstream out, err;
    Checked result{runCommandLine(static_cast<int>(args.size()), args.data(), in, out, err), {}, err.str()};
    std::istringstream summary(out.str());
    EXPECT_TRUE(readCsvRows(summary, [&](std::vector<std::string>& cells) {
        result.rows.push_back(cells);
        return true;
    }));
    return result;
}

// The cell of a summary row under a column of the header.
std::string cell(const Checked& checked, std::size_t row, const std::string& column) {
    const auto& header = checked.rows.front();
    const auto at = std::find(header.begin(), header.end(), column);
    EXPECT_NE(at, header.end()) << column;
    return checked.rows.at(row).at(static_cast<std::size_t>(at - header.begin()));
}

TEST(CheckCommand, EachRowIsCheckedInOrderWithDefaultsRefusalsAndQuotingKept) {
    const Checked c = check(
        "id,shape,profile,cover,method,size,corner-radius,span\r\n"
        "\"pipe-arch, \"\"north\"\"\",pipe-arch,3,2,,1,31,\r\n"
        "shallow,round,,0.5,,,,48\r\n"
        "plain,round,,1.5,,,,48\r\n"
        "extra,round,0,2,,,,,,\r\n"
        "word,round,first,2,,,,48\r\n");
    EXPECT_EQ(c.status, 1) << c.err;
    ASSERT_EQ(c.rows.size(), 6u);
    EXPECT_EQ(c.rows[0].size(), 29u);
    EXPECT_TRUE(c.err.ends_with("csp-report check: 5 rows: 2 checked (2 OK, 0 NO GOOD), 3 refused\n")) << c.err;
    // A pipe-arch lists every check; its entries as used, defaults filled in.
    EXPECT_EQ(cell(c, 1, "id"), "pipe-arch, \"north\"");
    EXPECT_EQ(cell(c, 1, "corrugation"), "bolted");
    EXPECT_EQ(cell(c, 1, "corner-pressure"), "4000");
    EXPECT_EQ(cell(c, 1, "span"), "");
    for (const char* column : {"Required Cross-Sectional Area", "Required Seam Strength", "Handling and Installation",
                               "Minimum Cover", "Corner Bearing Pressure"})
        EXPECT_NE(cell(c, 1, column), "") << column;
    // A refused row in the middle stops nothing and says why, as verrick does.
    EXPECT_EQ(cell(c, 2, "message"), "--cover: The cover must be >= 1.");
    EXPECT_EQ(cell(c, 2, "verdict"), "");
    // A helical round pipe has no seam or corner check.
    EXPECT_EQ(cell(c, 3, "span"), "48");
    EXPECT_EQ(cell(c, 3, "Required Seam Strength"), "");
    EXPECT_EQ(cell(c, 3, "Corner Bearing Pressure"), "");
    EXPECT_EQ(cell(c, 3, "verdict"), "OK");
    EXPECT_EQ(cell(c, 4, "message"), "the row has 10 cells, the header 8");
    EXPECT_TRUE(cell(c, 5, "message").starts_with("--profile: 'first' is not in the round profile list, which offers: "
                                                   "0 2-2/3 x 1/2; 1 3 x 1; 2 5 x 1; 3 6 x 2; 4 3/4 x 3/4 x 7-1/2 Ribbed;"))
        << cell(c, 5, "message");
    // The margins come after the message: each check's D/C, empty where the
    // structure has none or the row is refused, the largest and its check.
    EXPECT_EQ(c.rows[0][22], "Required Cross-Sectional Area D/C");
    EXPECT_EQ(c.rows[0].back(), "max D/C");
    EXPECT_EQ(cell(c, 3, "Required Seam Strength D/C"), "");
    EXPECT_EQ(cell(c, 2, "max D/C"), "");
    for (std::size_t row : {1u, 3u}) {
        const std::string governing = cell(c, row, "governing");
        EXPECT_EQ(cell(c, row, "max D/C"), cell(c, row, governing + " D/C")) << governing;
    }
    // 48 in. under 1.5 ft, ASTM ASD: A = 0.179 of 0.775 provided; FF =
    // 0.042 against 0.043; Hmin of 1 ft under 1.5 ft.
    EXPECT_EQ(cell(c, 3, "Required Cross-Sectional Area D/C"), "0.231");
    EXPECT_EQ(cell(c, 3, "Handling and Installation D/C"), "0.977");
    EXPECT_EQ(cell(c, 3, "Minimum Cover D/C"), "0.667");
    EXPECT_EQ(cell(c, 3, "governing"), "Handling and Installation");
    // Without an id column the id is the row number.
    EXPECT_EQ(check("shape,cover,span,size\nround,2,48,\nunderpass,2,,0\n").rows.at(2).at(0), "2");
}

// Headers are words, cells take values as the options do, and the summary
// shows each entry as used: its word, and a list's value, not its position.
TEST(CheckCommand, HeadersAreWordsAndTheSummaryShowsValuesAsUsed) {
    const Checked byValue = check(
        "ID,Shape,Profile,Corner Radius,Size,Thickness,Cover,Live Load,METHOD,Load Reduction\n"
        "A,Pipe Arch,6x2,31,159 x 112,0.38,20,h 20,AISI,0.86\n");
    const Checked byPosition = check(
        "id,shape,profile,corner-radius,size,thickness,cover,live-load,method,reduction\n"
        "A,pipe-arch,3,31,0,8,20,H20,aisi,0.86\n");
    ASSERT_EQ(byValue.status, 0) << byValue.err;
    EXPECT_EQ(byValue.rows, byPosition.rows);
    const std::pair<const char*, const char*> used[] = {
        {"shape", "pipe-arch"}, {"profile", "6 x 2"}, {"size", "159 x 112"}, {"thickness", "0.38"},
        {"live-load", "H20"},   {"method", "aisi"},   {"load-reduction", "0.86"}};
    for (const auto& [column, text] : used) EXPECT_EQ(cell(byValue, 1, column), text) << column;
}

TEST(CheckCommand, ARowWithoutItsCoverOrSizeIsRefusedAndTheCountSaysSo) {
    const Checked c = check(
        "id,shape,cover,span,size\n"
        "A,round,,48,\n"
        "B,round,2,,\n"
        "C,pipe-arch,2,,\n"
        "D,round,2,48,\n"
        "E,round,0.5,48,\n"
        "F,round,200,144,\n");
    EXPECT_EQ(c.status, 1) << c.err;
    ASSERT_EQ(c.rows.size(), 7u);
    EXPECT_EQ(cell(c, 1, "message"), "the cover cell is empty");
    EXPECT_EQ(cell(c, 2, "message"), "the span cell is empty");
    EXPECT_EQ(cell(c, 3, "message"), "the size cell is empty");
    EXPECT_EQ(cell(c, 4, "verdict"), "OK");
    EXPECT_EQ(cell(c, 5, "message"), "--cover: The cover must be >= 1.");
    EXPECT_EQ(cell(c, 6, "verdict"), "NO GOOD");
    EXPECT_EQ(c.err, "csp-report check: 6 rows: 2 checked (1 OK, 1 NO GOOD), 4 refused\n");
    // A usage error part way through still counts the rows before it; one
    // in the header counts nothing.
    const Checked stopped = check("cover,span,shape\n2,48,round\n2,,underpass\n");
    EXPECT_EQ(stopped.status, 2);
    EXPECT_NE(stopped.err.find("csp-report check: 1 row: 1 checked (1 OK, 0 NO GOOD), 0 refused\n"),
              std::string::npos)
        << stopped.err;
    EXPECT_EQ(check("shape\n").err.find(" rows: "), std::string::npos);
}

TEST(CheckCommand, AFileThatCannotBeReadIsAUsageError) {
    struct Case {
        const char* name;
        std::string csv;
        const char* err;
    };
    const Case cases[] = {
        {"unknown column", "id,shape,colour\n", "unknown column 'colour'"},
        {"column given twice", "cover,cover\n", "the column 'cover' is given twice"},
        {"column given twice in other words", "reduction,Load Reduction\n", "the column 'Load Reduction' is given twice"},
        {"column near a known one", "id,cvoer\n", "installation, load-reduction; did you mean 'cover'?"},
        {"no header", "", "has no header row"},
        {"quoted field left open", "id,shape,cover\n\"open,round\n", "malformed CSV"},
        // The entries that say which structure a row is are never assumed.
        {"no cover column", "id,shape,span\nA1,round,48\n", "the header has no 'cover' column"},
        {"no span column for a round row", "shape,cover\nround,2\n", "row 2: a round structure needs a 'span' column"},
        {"no size column for a pipe-arch row", "cover,span,shape\n2,48,round\n2,,pipe-arch\n",
         "row 3: a pipe-arch structure needs a 'size' column"},
    };
    for (const Case& c : cases) {
        const Checked checked = check(c.csv);
        EXPECT_EQ(checked.status, 2) << c.name;
        EXPECT_NE(checked.err.find(c.err), std::string::npos) << c.name << ": " << checked.err;
    }
    const Invocation missing = invokeCspReport({"check", "/nonexistent/jobs.csv"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("cannot read /nonexistent/jobs.csv"), std::string::npos);
}

TEST(CheckCommand, ReportsAreVerricksBytesAndNoIdWritesOutsideOrOverAnotherRow) {
    const fs::path folder = fs::temp_directory_path() / ("check-reports-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    const fs::path outside = fs::temp_directory_path() / ("outside-" + std::to_string(::getpid()) + ".txt");
    fs::create_directories(folder);
    // Where no link can be made (Windows), a folder is no regular file either.
    std::error_code noLink;
    fs::create_symlink(outside, folder / "linked.txt", noLink);
    if (noLink) fs::create_directory(folder / "linked.txt");
    const Checked c = check(
        "id,shape,method,cover,reduction,size,span\n"
        "A1,round,aisi,4,0.86,,48\n"
        "a1,round,,2,,,48\n"
        "../up,round,,2,,,48\n"
        "CON,round,,2,,,48\n"
        "linked,round,,2,,,48\n"
        "U2,underpass,,2,,3,\n",
        {"--reports", folder.string().c_str()});
    EXPECT_EQ(c.status, 1);
    const auto verrick = [](std::vector<const char*> args) {
        args.insert(args.begin(), "verrick");
        args.insert(args.end(), {"-o", "-"});
        return invokeCspReport(args).out;
    };
    EXPECT_EQ(takeSavedBytes(folder / "A1.txt"),
              verrick({"--shape", "round", "--method", "aisi", "--cover", "4", "--reduction", "0.86", "--span", "48"}));
    EXPECT_EQ(takeSavedBytes(folder / "U2.txt"), verrick({"--shape", "underpass", "--cover", "2", "--size", "3"}));
    EXPECT_EQ(cell(c, 2, "message"), "--reports: the id 'a1' is an earlier row's");
    EXPECT_NE(cell(c, 3, "message").find("a path separator"), std::string::npos);
    EXPECT_NE(cell(c, 4, "message").find("a device name"), std::string::npos);
    EXPECT_NE(cell(c, 5, "message").find("is not a regular file"), std::string::npos);
    EXPECT_FALSE(fs::exists(outside));
    fs::remove(folder / "linked.txt");
    EXPECT_TRUE(fs::is_empty(folder));
    fs::remove_all(folder);
}

}  // namespace
}  // namespace csp::cli
