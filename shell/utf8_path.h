#pragma once

#include <filesystem>
#include <string_view>

namespace csp {

// A file name given as UTF-8 text (an argument, a CSV cell) as the file
// system takes it: on Windows, the wide-character name; elsewhere, the same
// bytes. Text that is not UTF-8 gives an empty path on Windows, which names
// no file.
std::filesystem::path utf8Path(std::string_view text);

}  // namespace csp
