#include "shell/report_listing.h"

#include <algorithm>

namespace csp {

void ReportListing::append(std::string line) { lines_.push_back(std::move(line)); }

void ReportListing::insertAfter(std::size_t index, std::string line) {
    const std::size_t at = std::min(index + 1, lines_.size());
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
}

std::optional<std::string> ReportListing::removeLast() {
    if (lines_.empty()) return std::nullopt;
    std::string last = std::move(lines_.back());
    lines_.pop_back();
    return last;
}

std::optional<std::string> ReportListing::line(std::size_t index) const {
    if (index >= lines_.size()) return std::nullopt;
    return lines_[index];
}

}  // namespace csp
