#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/report_listing.h"

namespace csp {

// A printout is a calculation sheet: every page starts with the job block
// (what the job is, who designed and who checked it, the date and the
// program's version) and ends with "Page n of m", and the report's picture
// follows its last line. The saved file holds the report alone.

// What the engineer types once for every printout; any field may be empty.
// Windows-1252, like the report lines.
struct JobBlock {
    std::string project;
    std::string structure;
    std::string designedBy;
    std::string checkedBy;
};

struct CalendarDate {
    int year, month, day;
};

// What heads every page of one printout.
struct SheetHeading {
    JobBlock job;
    std::string_view programLine;  // the program's name and version, "Verrick Version 1.0"
    CalendarDate date;             // the day it is printed
};

// A page as the printer gives it, in lines of the printer's font.
struct SheetGeometry {
    int linesPerPage;     // lines that fit between the top and the bottom margin
    double widthInLines;  // the text width in line heights: the picture's width
};

// Where the picture stands on its page, in lines from the page's first.
struct PicturePlace {
    int firstLine;
    int lines;
};

struct SheetPage {
    std::vector<std::string> lines;  // the job block, then report lines, from the page's first line
    std::optional<PicturePlace> picture;
    std::string footer;  // "Page n of m"
    int footerLine;      // the page's last line
};

// Columns of the job block; a typed field longer than its room is cut.
inline constexpr std::size_t sheetWidth = 74;
inline constexpr std::size_t jobTitleWidth = 40;  // Project, Structure
inline constexpr std::size_t jobNameWidth = 20;   // Designed by, Checked by

// The job block's fields as every front end asks for them and keeps them:
// the key it is kept under, its label and its room in characters.
struct JobField {
    std::string_view key;
    std::string_view label;
    std::size_t width;
    std::string JobBlock::*text;
};

inline constexpr std::array<JobField, 4> jobFields = {{
    {"project", "Project", jobTitleWidth, &JobBlock::project},
    {"structure", "Structure", jobTitleWidth, &JobBlock::structure},
    {"designedBy", "Designed by", jobNameWidth, &JobBlock::designedBy},
    {"checkedBy", "Checked by", jobNameWidth, &JobBlock::checkedBy},
}};

// Where the job block is kept: one store for the whole suite, so that
// what is typed in one program serves the others.
inline constexpr std::string_view jobStoreName = "csp-suite";
inline constexpr std::string_view jobStoreSection = "Job";
inline constexpr std::string_view jobDialogTitle = "Job";

// The job block's lines: the fields, then a rule and a blank line.
std::vector<std::string> jobBlockLines(const SheetHeading& heading);

// The height of a picture drawn `widthInLines` wide, in whole lines, from
// its SVG's width and height; nothing when it gives none.
std::optional<int> pictureHeightInLines(std::string_view svg, double widthInLines);

// The printed pages of a listing. Report lines fill each page below the
// job block; a page-break line (the first line of Verrick's second page)
// starts a new page, and a page that is full continues on the next. The
// picture (SVG, empty for none) follows the report a blank line below its
// last line when it fits there, else it takes a page of its own, shrunk
// to that page's room if it needs more.
std::vector<SheetPage> layOutCalculationSheet(const ReportListing* listing, std::optional<std::size_t> pageBreakLine,
                                              const SheetHeading& heading, SheetGeometry geometry,
                                              std::string_view picture);

}  // namespace csp
