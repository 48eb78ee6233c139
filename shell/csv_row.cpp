#include "shell/csv_row.h"

namespace csp {

std::string csvRow(const std::vector<std::string>& cells) {
    std::string row;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) row += ',';
        const std::string& cell = cells[i];
        if (cell.find_first_of(",\"\r\n") == std::string::npos) {
            row += cell;
            continue;
        }
        row += '"';
        for (char c : cell) row += c == '"' ? std::string("\"\"") : std::string(1, c);
        row += '"';
    }
    return row;
}

}  // namespace csp
