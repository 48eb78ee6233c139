#pragma once

#include <istream>
#include <ostream>
#include <string>

namespace csp::cli {

// `csp-report check FILE`: a design check of every structure of a CSV file,
// one row each, summed up as CSV.
struct CheckOptions {
    std::string file;          // "-" for standard input
    std::string outputPath;    // empty: standard output
    std::string reportsFolder; // empty: no reports
    bool pictures = false;     // each report's picture beside it, DIR/<id>.svg
};

// Returns the exit status: 0 every row checked, 1 a row refused, 2 a usage
// error or a file that cannot be read.
int runCheck(const CheckOptions& options, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace csp::cli
