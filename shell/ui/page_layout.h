#pragma once

#include <initializer_list>
#include <string_view>
#include <utility>
#include <vector>

class QBoxLayout;
class QDialog;
class QPushButton;
class QWidget;

namespace csp::ui {

// Opens `page` with the focus on `first` and, when it is an edit field,
// its text selected, so that what is typed at once replaces it. A page
// shown again (after a later page's back button) keeps the focus where it
// was left.
void focusOnOpen(QDialog& page, QWidget* first);

// Tab goes from each control to the next in the order given.
void tabInOrder(std::initializer_list<QWidget*> controls);

// Focuses a control as Tab would: an edit field gets its text selected.
void focusWithTextSelected(QWidget* control);

// Gives every button and every label with a buddy on `page` a mnemonic,
// without changing any text: Alt and a letter of its text presses the
// button or focuses the label's control, its text selected. Buttons choose
// first, each the first letter of its text ("Next >" Alt+N, "Save As..."
// Alt+S, "Print..." Alt+P), then the labels, each the first letter of a
// word still free, then any letter still free. Answers the letters given,
// by control.
std::vector<std::pair<QWidget*, char>> giveMnemonics(QWidget& page);

// Alt and `letter` on `page` presses `target` when it is a button, or else
// (or with `focusOnly`) focuses it, its text selected; nothing for 0.
void giveMnemonic(QWidget& page, QWidget* target, char letter, bool focusOnly);

}  // namespace csp::ui
