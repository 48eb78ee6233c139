#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace csp {

// The report as printed: an ordered list of Windows-1252 lines, each already
// padded to its columns, without line ends. A blank line holds one space.
class ReportListing {
public:
    void append(std::string line);
    // Places the line at index + 1; an index past the end appends.
    void insertAfter(std::size_t index, std::string line);
    std::optional<std::string> removeLast();
    std::size_t count() const { return lines_.size(); }
    std::optional<std::string> line(std::size_t index) const;
    bool isEmpty() const { return lines_.empty(); }
    void clear() { lines_.clear(); }

    const std::vector<std::string>& lines() const { return lines_; }

private:
    std::vector<std::string> lines_;
};

}  // namespace csp
