#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "apps/csp-report/report_command.h"
#include "tests/file_bytes.h"

namespace csp::cli {

// One run of csp-report in-process: what it printed and how it ended.
struct Invocation {
    int status;
    std::string out, err;
};

// `args` are the arguments after the program name.
inline Invocation invokeCspReport(std::vector<const char*> args) {
    args.insert(args.begin(), "csp-report");
    std::ostringstream out, err;
    const int status = runCommandLine(static_cast<int>(args.size()), args.data(), out, err);
    return {status, out.str(), err.str()};
}

// A report file path of this test process's own, as an argument gives it.
inline std::string temporaryReportPath(const std::string& name) {
    return (std::filesystem::temp_directory_path() / (name + "-" + std::to_string(::getpid()) + ".txt")).string();
}

// The bytes of a saved report; the file is removed.
inline std::string takeSavedBytes(const std::filesystem::path& path) {
    const std::string bytes = fileBytes(path);
    std::filesystem::remove(path);
    return bytes;
}

}  // namespace csp::cli
