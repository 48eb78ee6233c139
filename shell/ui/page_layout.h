#pragma once

class QBoxLayout;
class QPushButton;

namespace csp::ui {

// The bottom row every page has: one button at each end ("Next >" and
// "Done", or a back button).
QBoxLayout* buttonRow(QPushButton* left, QPushButton* right);

// Ends a page's layout, under its fields, with a gap (pixels) and the
// button row.
void addButtonRow(QBoxLayout* page, QPushButton* left, QPushButton* right, int gap);

}  // namespace csp::ui
