#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "apps/csp-report/report_command.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#include <shellapi.h>

namespace {

// Windows hands a program its arguments in the ANSI code page: they are
// taken from the wide command line instead, as UTF-8, so that "7½" is the
// text it is elsewhere. The standard streams carry the same bytes as
// elsewhere too: no CR is put before each LF, none is taken out.
std::vector<std::string> windowsArguments() {
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> args;
    for (int i = 0; wide != nullptr && i < count; ++i) {
        const int size = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string arg(static_cast<std::size_t>(size > 0 ? size : 1), '\0');
        WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, arg.data(), size, nullptr, nullptr);
        arg.pop_back();  // the terminating zero
        args.push_back(std::move(arg));
    }
    LocalFree(wide);
    return args;
}

}  // namespace
#endif

int main(int argc, char** argv) {
    std::vector<const char*> arguments(argv, argv + argc);
#ifdef _WIN32
    const std::vector<std::string> utf8Arguments = windowsArguments();
    if (!utf8Arguments.empty()) arguments.clear();
    for (const std::string& argument : utf8Arguments) arguments.push_back(argument.c_str());
#endif
    const int status =
        csp::cli::runCommandLine(static_cast<int>(arguments.size()), arguments.data(), std::cout, std::cerr);
    std::cout.flush();
    if (!std::cout || std::fflush(stdout) != 0) {
        std::cerr << "csp-report: write error: " << std::strerror(errno) << "\n";
        return 1;
    }
    return status;
}
