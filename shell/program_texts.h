#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace csp {

// The programs built on the shared shell: the three desktop programs, and
// the pipe selection, which csp-report runs over Verrick's and Ombrel's
// engines.
enum class ProgramId { Tabrell, Verrick, Ombrel, Selector };

// What the shell shows of a program besides its own pages.
struct ProgramTexts {
    std::string_view name;         // main page title and message box caption
    std::string_view settingsName;  // its window-size store
    std::string_view aboutTitle;
    std::string_view versionLine;
    std::string_view furtherLine;  // empty when the About box has none
    std::string_view aboutEntry;   // menu entry that opens the About box
};

inline constexpr std::array<ProgramTexts, 4> programTextsTable = {{
    {"Tabrell", "tabrell", "About Tabrell", "Tabrell Version 1.0", "", "&About Tabrell..."},
    {"Verrick", "verrick", "About Verrick", "Verrick Version 1.0", "", "&About Verrick..."},
    {"Ombrel", "ombrel", "About Ombrel", "Ombrel Version 1.0", "Estimating Average Invert Life for  CSP",
     "&About Ombrel..."},
    {"Pipe Selection", "selector", "About Pipe Selection", "Pipe Selection Version 1.0", "",
     "&About Pipe Selection..."},
}};

constexpr const ProgramTexts& programTexts(ProgramId program) {
    return programTextsTable[static_cast<std::size_t>(program)];
}

}  // namespace csp
