#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/entries.h"
#include "shell/report_listing.h"

namespace csp::pages {

// The pages of one program, described once for every front end: which page
// shows, what each of its controls holds and offers, and what its buttons
// do. Every list, preset, check, message and page order comes from the
// engine's page functions; a front end only draws what this model
// describes and hands back what the user did. Texts are UTF-8.

// One control of a page, named by the entry it fills (csp-report's option
// name), or by a name of its own when it only shows a value.
struct Control {
    enum class Kind { List, Field, Shown, Radio, Note, Button };
    std::string id;
    Kind kind = Kind::Field;
    std::string label;  // the desktop's label, or the name another page gives it
    std::string unit;   // shown after the control; empty when none
    std::vector<std::string> items;  // List, Radio
    int selected = 0;                // List, Radio: -1 when the list is empty
    std::string text;                // Field, Shown, Note, Button
    bool disabled = false;           // not used by the chosen shape
    int column = 0;                  // 0 or 1: the desktop page's column
    std::string help;                // what the entry it fills means; empty for none
    char mnemonic = 0;               // Alt+letter of its label or button; 0 for none
    std::vector<char> itemMnemonics;  // Radio: each button's

    // The desktop's geometry, in average character widths of the page's
    // font; 0 where the control takes its natural size.
    int widthInChars = 0;     // a field's fixed width
    int minWidthInChars = 0;  // a shown value's least width
    int wrapInChars = 0;      // a note or radio text goes on over another line past this
    bool labelHidden = false;  // the desktop names it to a screen reader only
    bool sideBySide = false;   // Radio: its buttons in one row
};

struct Button {
    std::string id;
    std::string text;
    char mnemonic = 0;  // Alt+letter, by chooseMnemonics; 0 for none
};

struct Page {
    std::string id;     // "main", "properties", "trench", ...
    std::string title;  // the desktop window's title
    std::vector<Control> controls;
    std::vector<Button> buttons;  // in the order they stand
    std::string defaultButton;    // Enter
    std::string escapeButton;     // Escape; "end" leaves the program
    std::string focus;            // the control the page opens on
    bool twoColumns = false;
    std::string notice;  // a message the page gives as it opens; empty when none

    // The desktop's window: its gaps in pixels (between a label and its
    // control and between columns, between rows, above the buttons), the
    // least width of a two-column page's first control column, whether a
    // main page has a minimise box, and whether it hides while the later
    // pages and the Results window run.
    int columnGap = 8, rowGap = 8, buttonGap = 12;
    int columnWidthInChars = 0;
    bool minimiseBox = false;
    bool hiddenUnderLaterPages = true;
    // The Results may follow every change, without the default button,
    // where a front end has room to show them beside the page.
    bool liveResults = false;

    // The control of this name, or none: controls are found by name, never
    // by their place on the page.
    const Control* control(std::string_view id) const;
};

// A box with one OK button: a refusal, the About box or a details box.
struct MessageBox {
    std::string title;
    std::vector<std::pair<std::string, std::string>> rows;  // label (may be empty), text
    std::string focus;                                       // the field to focus when it closes
    int wrapInChars = 60;  // the desktop's text goes on over another line past this
};

// What the Results view shows and saves.
struct Results {
    ReportListing listing;          // the report as the desktop's Results window shows and prints it
    std::string display;            // the report, a line a "\n"
    std::string saved;              // Windows-1252, CR LF after every line
    std::string picture;            // SVG text
    std::string savedPicture;       // the picture as csp-report --svg saves it
    std::string fileName;           // for Save As; the picture takes ".svg"
    std::string commandLine;        // the csp-report command that writes the same file
    int pageBreakLine = -1;         // the first line of the second printed page, or -1
    std::string escapeButton;       // "ok": back to the main page, entries kept
};

// What a button press or a change leads to.
struct Answer {
    enum class Kind { Page, Message, Results, End };
    Kind kind = Kind::Page;
    MessageBox message;  // Message
};

class ProgramPages;

}  // namespace csp::pages

namespace csp {
struct ProgramDescription;
}

namespace csp::pages {

class PageSession {
public:
    explicit PageSession(const ProgramDescription& program);
    ~PageSession();
    PageSession(const PageSession&) = delete;
    PageSession& operator=(const PageSession&) = delete;

    std::string title() const;
    // The page showing (meaningless while the Results view shows).
    Page page() const;
    // How many pages lie behind this one (the main page is 0; Results is
    // one more than the page it follows).
    int depth() const;
    bool showingResults() const;
    const Results& results() const;

    // A list, radio group or field changed: lists that follow it are built
    // again.
    void change(std::string_view control, std::string_view value);
    Answer press(std::string_view button);
    // The browser's Back button: the page before, entries kept.
    void back();

    // Entries from a link, by csp-report's names; what cannot be used is
    // left out and named in the answered lines; the pages start from their
    // presets for it.
    std::vector<std::string> load(const std::vector<std::pair<std::string, std::string>>& given);
    // The entries as they stand, for the link: those that differ from the
    // preset, in the program's entry order.
    std::vector<std::pair<std::string, std::string>> linkEntries() const;

    MessageBox about() const;
    std::optional<MessageBox> details(std::string_view button) const;

private:
    std::unique_ptr<ProgramPages> pages_;
};

}  // namespace csp::pages
