#pragma once

#include <string>
#include <string_view>

namespace csp {

// Report lines are Windows-1252 bytes; terminals, files for scripts and the
// toolkit speak Unicode.
std::string windows1252ToUtf8(std::string_view text);
// Characters that Windows-1252 cannot hold, and malformed UTF-8, become '?'.
std::string utf8ToWindows1252(std::string_view text);

}  // namespace csp
