#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "shell/listing_file.h"

// What saving a listing file is on every system: its two messages, and the
// lines written in chunks, CR LF after each. The system's own part, where
// the bytes go and how the file is replaced, is saveLines in
// listing_file_posix.cpp or listing_file_windows.cpp.
namespace csp::listing_file {

using LineWriter = std::function<bool(SavedLines&)>;
// Writes all the bytes or returns false.
using ByteWriter = std::function<bool(const char* data, std::size_t size)>;

Outcome cannotOpen(const std::string& path);
Outcome cannotWrite(const std::string& path);

// The lines `writeEveryLine` gives, each followed by CR LF, through
// `writeBytes`; false when a line, or the bytes, could not be written.
bool writeLines(const ByteWriter& writeBytes, const LineWriter& writeEveryLine);

}  // namespace csp::listing_file
