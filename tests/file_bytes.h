#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace csp {

// The bytes of a file as they stand on disk; none when it cannot be read.
inline std::string fileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

}  // namespace csp
