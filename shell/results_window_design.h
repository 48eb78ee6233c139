#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "shell/dialog_units.h"
#include "shell/program_texts.h"
#include "shell/resizable_layout.h"

namespace csp {

// What the Results window says.
inline constexpr std::string_view resultsTitle = "Results";
inline constexpr std::string_view resultsOkText = "OK";
inline constexpr std::string_view resultsSaveAsText = "Save As...";
inline constexpr std::string_view resultsPrintText = "Print...";

// What the Escape key does in the Results window.
enum class EscapeAction {
    SaveAs,  // the "Save As..." button carries the window's cancel command
    Close,   // ends the window with result cancel
};

// Pages preset in the print dialog.
struct PageRange {
    int from, to, minimum, maximum;
};

// How one program's Results window differs from the others'. Sizes are in
// dialog units of the window's own font.
struct ResultsWindowDesign {
    std::string_view fontFamily;
    int fontPoints;
    DialogSize window;
    DialogRect list;
    std::array<DialogPoint, 3> buttons;  // "OK", "Save As...", "Print..."
    bool linesSelectable;                // one at a time; the selection has no effect
    EscapeAction escape;
    int resourceId;        // names the window-size store section
    bool printsPageBreak;  // passes the owner's page-break line to printing
    PageRange printRange;
};

inline constexpr DialogSize resultsButtonSize{50, 14};

// By ProgramId. The pipe selection has no window of its own yet: its row
// is Verrick's window, whose checks it runs, under a store section of its own.
inline constexpr std::array<ResultsWindowDesign, programTextsTable.size()> resultsWindowDesigns = {{
    //  font        pt  window      list                 OK          Save As...   Print...    select  Escape              id   break  print range
    {"Courier New", 9, {330, 205}, {7, 7, 316, 171}, {{{74, 184}, {140, 184}, {206, 184}}}, false, EscapeAction::SaveAs, 134, false, {1, 1, 1, 1}},
    {"Courier New", 8, {277, 167}, {7, 7, 263, 133}, {{{7, 146}, {66, 146}, {125, 146}}}, true, EscapeAction::SaveAs, 135, true, {1, 2, 1, 2}},
    {"Courier", 8, {320, 209}, {2, 7, 316, 182}, {{{2, 192}, {65, 192}, {125, 192}}}, false, EscapeAction::Close, 133, false, {1, 1, 1, 1}},
    {"Courier New", 8, {277, 167}, {7, 7, 263, 133}, {{{7, 146}, {66, 146}, {125, 146}}}, false, EscapeAction::SaveAs, 136, false, {1, 1, 1, 1}},
}};

constexpr const ResultsWindowDesign& resultsWindowDesign(ProgramId program) {
    return resultsWindowDesigns[static_cast<std::size_t>(program)];
}

// Control identifiers of the Results window.
enum ResultsControl : std::uint16_t {
    ResultsOk = 1,
    ResultsList = 1000,
    ResultsSaveAs = 1001,
    ResultsPrint = 1002,
};

// The list follows both edges; the buttons keep their distance from the
// bottom edge and their horizontal places.
inline constexpr std::array<Anchor, 4> resultsWindowAnchors = {{
    {ResultsList, StretchRight | StretchDown},
    {ResultsOk, MoveDown},
    {ResultsSaveAs, MoveDown},
    {ResultsPrint, MoveDown},
}};

// The first line of the second printed page until the owner sets another.
inline constexpr std::size_t defaultPageBreakLine = 50;

inline constexpr std::string_view widthKey = "CX";
inline constexpr std::string_view heightKey = "CY";

// The window-size store section of a window: its resource identifier in
// lowercase hexadecimal without leading zeros.
std::string windowSizeSection(int resourceId);

// Integers remembered between runs, addressed by section and key.
class WindowSizeStore {
public:
    virtual ~WindowSizeStore() = default;
    // A missing or unreadable value reads 0.
    virtual int readInt(std::string_view section, std::string_view key) = 0;
    virtual void writeInt(std::string_view section, std::string_view key, int value) = 0;
};

}  // namespace csp
