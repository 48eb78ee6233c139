#include <cstdio>
#include <string>

#include "apps/csp-report/report_command.h"

int main(int argc, char** argv) {
    std::string out, err;
    const int status = csp::cli::runCommandLine(argc, argv, out, err);
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fwrite(err.data(), 1, err.size(), stderr);
    return std::fflush(stdout) == 0 ? status : 1;
}
