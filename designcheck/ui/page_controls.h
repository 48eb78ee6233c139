#pragma once

#include <QComboBox>
#include <QSignalBlocker>
#include <QString>

#include <string>
#include <string_view>

#include "shell/ui/program_shell.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QWidget;

namespace csp::ui {

// The few controls every design-check page builds the same way.

// A one-line field wide enough for a typed number.
QLineEdit* numberField(QWidget* parent);
// A read-only field that shows a record's text.
QLineEdit* shownField(std::string_view text, QWidget* parent);
QComboBox* dropDownList(QWidget* parent);

// A labelled control, with its unit when it has one, on one row of a grid:
// the label in `column`, the control and its unit in the next.
void addRow(QGridLayout* grid, int row, int column, std::string_view label, QWidget* control,
            std::string_view unit = {});

// Empties the list, adds the entries in their order and selects the first,
// without signalling: the page rebuilds what depends on it itself.
template <typename Entries>
void fillList(QComboBox* list, const Entries& entries) {
    const QSignalBlocker quiet(list);
    list->clear();
    for (const auto& entry : entries) list->addItem(toQString(entry));
    list->setCurrentIndex(list->count() > 0 ? 0 : -1);
}

// Typed text reaches the record as Windows-1252.
std::string toRecordText(const QString& text);

}  // namespace csp::ui
