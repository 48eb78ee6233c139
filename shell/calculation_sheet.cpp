#include "shell/calculation_sheet.h"

#include <algorithm>
#include <cmath>

#include "shell/number_format.h"
#include "shell/portable_charconv.h"

namespace csp {
namespace {

// Where the date and the program's line stand when the program's line
// leaves room: two blanks past the widest Project and Structure.
constexpr std::size_t jobRightColumn = 13 + jobTitleWidth + 2;
constexpr std::size_t checkedByColumn = 13 + jobNameWidth + 2;
// A blank line, then "Page n of m".
constexpr int footerLines = 2;

// A typed field on one line of its room: a control character (a tab, a
// pasted line end) becomes a blank.
std::string fieldText(std::string_view typed, std::size_t room) {
    std::string text(typed.substr(0, room));
    for (char& c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) c = ' ';
    }
    return text;
}

// `left` padded to `column`, then `right`; a left text that reaches the
// column pushes `right` along, so that neither is cut.
std::string twoColumns(std::string left, std::size_t column, std::string_view right) {
    left.resize(std::max(column, left.size() + 2), ' ');
    left += right;
    return left;
}

// "Project:     " and the typed text.
std::string labelled(const JobField& field, const JobBlock& job) {
    return format("%-13s", std::string(field.label) + ":") + fieldText(job.*field.text, field.width);
}

std::string pageFooter(std::size_t page, std::size_t pages) {
    const std::string text = format("Page %d of %d", static_cast<int>(page), static_cast<int>(pages));
    return std::string((sheetWidth - text.size()) / 2, ' ') + text;
}

// A number attribute of the SVG's root element.
std::optional<double> rootAttribute(std::string_view svg, std::string_view name) {
    const std::size_t root = svg.find("<svg");
    if (root == std::string_view::npos) return std::nullopt;
    const std::string_view element = svg.substr(root, svg.find('>', root) - root);
    std::string pattern = " ";
    pattern += name;
    pattern += "=\"";
    const std::size_t at = element.find(pattern);
    if (at == std::string_view::npos) return std::nullopt;
    const char* first = element.data() + at + pattern.size();
    double value = 0;
    const auto [end, error] = portable::from_chars(first, element.data() + element.size(), value);
    if (error != std::errc() || end == first || !(value > 0) || !std::isfinite(value)) return std::nullopt;
    return value;
}

}  // namespace

std::vector<std::string> jobBlockLines(const SheetHeading& heading) {
    const JobBlock& job = heading.job;
    const CalendarDate& date = heading.date;
    const std::string dated = format("Date: %04d-%02d-%02d", date.year, date.month, date.day);
    // A long program line moves the right column left, to end at the rule's end.
    const std::size_t right = std::max(dated.size(), heading.programLine.size());
    const std::size_t rightColumn = std::min(jobRightColumn, sheetWidth - std::min(right, sheetWidth));
    return {
        twoColumns(labelled(jobFields[0], job), rightColumn, dated),
        twoColumns(labelled(jobFields[1], job), rightColumn, heading.programLine),
        twoColumns(labelled(jobFields[2], job), checkedByColumn,
                   std::string(jobFields[3].label) + ": " + fieldText(job.checkedBy, jobNameWidth)),
        std::string(sheetWidth, '-'),
        " ",
    };
}

std::optional<int> pictureHeightInLines(std::string_view svg, double widthInLines) {
    const std::optional<double> width = rootAttribute(svg, "width");
    const std::optional<double> height = rootAttribute(svg, "height");
    if (!width || !height || !(widthInLines > 0)) return std::nullopt;
    const double lines = std::ceil(widthInLines * *height / *width);
    return lines < 1e6 ? static_cast<int>(lines) : 1000000;
}

std::vector<SheetPage> layOutCalculationSheet(const ReportListing* listing, std::optional<std::size_t> pageBreakLine,
                                              const SheetHeading& heading, SheetGeometry geometry,
                                              std::string_view picture) {
    const std::vector<std::string> head = jobBlockLines(heading);
    const int headLines = static_cast<int>(head.size());
    // However small the page, each holds its job block, its footer and a line.
    const int linesPerPage = std::max(geometry.linesPerPage, headLines + footerLines + 1);
    const int room = linesPerPage - headLines - footerLines;

    std::vector<SheetPage> pages{{head, std::nullopt, {}, linesPerPage - 1}};
    int used = 0;  // report lines on the last page
    auto newPage = [&] {
        pages.push_back({head, std::nullopt, {}, linesPerPage - 1});
        used = 0;
    };
    const std::size_t count = listing ? listing->count() : 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (used > 0 && (used == room || pageBreakLine == i)) newPage();
        pages.back().lines.push_back(listing->lines()[i]);
        ++used;
    }

    if (!picture.empty()) {
        const int height = pictureHeightInLines(picture, geometry.widthInLines).value_or(room);
        if (used > 0 && used + 1 + height > room) newPage();
        const int first = used > 0 ? used + 1 : 0;  // a blank line below the report
        pages.back().picture = PicturePlace{headLines + first, std::min(height, room - first)};
    }

    for (std::size_t page = 0; page < pages.size(); ++page) pages[page].footer = pageFooter(page + 1, pages.size());
    return pages;
}

}  // namespace csp
