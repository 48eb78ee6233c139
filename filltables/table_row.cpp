#include "filltables/table_row.h"

#include <cmath>

namespace csp {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// One conversion of a row format: where it ends and its width.
struct Conversion {
    std::size_t end = 0;
    std::size_t width = 0;
};

Conversion conversionAt(std::string_view format, std::size_t percent) {
    std::size_t at = percent + 1;
    while (at < format.size() && format[at] == '-') ++at;
    Conversion c;
    while (at < format.size() && isDigit(format[at])) c.width = c.width * 10 + static_cast<std::size_t>(format[at++] - '0');
    while (at < format.size() && (format[at] == '.' || isDigit(format[at]))) ++at;
    c.end = at + 1;  // the conversion letter
    return c;
}

// The length of the row when every number fits its column.
std::size_t fittingLength(std::string_view format) {
    std::size_t length = 0;
    for (std::size_t at = 0; at < format.size();) {
        if (format[at] != '%') {
            ++length, ++at;
            continue;
        }
        const Conversion c = conversionAt(format, at);
        length += c.width;
        at = c.end;
    }
    return length;
}

bool allFinite(std::span<const FormatArg> cells) {
    for (const FormatArg& cell : cells)
        if (cell.kind() == FormatArg::Kind::Real && !std::isfinite(cell.asReal())) return false;
    return true;
}

}  // namespace

void appendTableRow(std::string& out, std::string_view format, std::span<const FormatArg> cells) {
    const std::size_t start = out.size();
    formatArgsTo(out, format, cells);
    if (out.size() - start == fittingLength(format) && allFinite(cells)) return;

    out.resize(start);
    std::size_t next = 0;
    for (std::size_t at = 0; at < format.size();) {
        if (format[at] != '%') {
            out += format[at++];
            continue;
        }
        const Conversion c = conversionAt(format, at);
        const std::size_t cellStart = out.size();
        const FormatArg& cell = cells[next++];
        formatArgsTo(out, format.substr(at, c.end - at), std::span(&cell, 1));
        if (out.size() - cellStart > c.width || (cell.kind() == FormatArg::Kind::Real && !std::isfinite(cell.asReal()))) {
            out.resize(cellStart);
            out.append(c.width, '*');
        }
        at = c.end;
    }
}

}  // namespace csp
