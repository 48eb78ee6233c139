#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace csp {

// The three desktop programs built on the shared shell.
enum class ProgramId { Tabrell, Verrick, Ombrel };

// What the shell shows of a program besides its own pages.
struct ProgramTexts {
    std::string_view name;         // main page title and message box caption
    std::string_view settingsName;  // its window-size store
    std::string_view aboutTitle;
    std::string_view versionLine;
    std::string_view furtherLine;  // empty when the About box has none
    std::string_view aboutEntry;   // menu entry that opens the About box
};

inline constexpr std::array<ProgramTexts, 3> programTextsTable = {{
    {"Tabrell", "tabrell", "About Tabrell", "Tabrell Version 1.0", "", "&About Tabrell..."},
    {"Verrick", "verrick", "About Verrick", "Verrick Version 1.0", "", "&About Verrick..."},
    {"Ombrel", "ombrel", "About Ombrel", "Ombrel Version 1.0", "Estimating Average Invert Life for  CSP",
     "&About Ombrel..."},
}};

constexpr const ProgramTexts& programTexts(ProgramId program) {
    return programTextsTable[static_cast<std::size_t>(program)];
}

}  // namespace csp
