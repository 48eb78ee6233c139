#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

#include "apps/csp-report/report_command.h"

int main(int argc, char** argv) {
    const int status = csp::cli::runCommandLine(argc, argv, std::cout, std::cerr);
    std::cout.flush();
    if (!std::cout || std::fflush(stdout) != 0) {
        std::cerr << "csp-report: write error: " << std::strerror(errno) << "\n";
        return 1;
    }
    return status;
}
