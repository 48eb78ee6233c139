#include "shell/utf8_path.h"

#include <string>
#include <system_error>

namespace csp {

std::filesystem::path utf8Path(std::string_view text) {
    try {
        return std::filesystem::path(std::u8string(text.begin(), text.end()));
    } catch (const std::system_error&) {
        return {};
    }
}

}  // namespace csp
