#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <optional>

#include "shell/calculation_sheet.h"
#include "shell/results_window_design.h"

class QDialog;
class QFileDialog;
class QMessageBox;
class QPrintDialog;
class QPrinter;
class QWidget;

namespace csp::ui {

// Everything by which the shell waits for the user: message boxes, modal
// runs of pages, the save dialog and the print dialog. The platform's own
// are the default; tests put in their own so that nothing ever blocks.
struct ShellServices {
    // A warning with one OK button.
    std::function<void(QWidget* parent, const QString& caption, const QString& text)> warn;
    // Runs a page or box modally and answers how it closed.
    std::function<int(QDialog& dialog)> runModal;
    // The full path the user chose to save to; nothing when cancelled.
    std::function<std::optional<QString>(QWidget* parent)> chooseSaveFile;
    // Lets the user set up `printer`; false when cancelled.
    std::function<bool(QWidget* parent, QPrinter& printer, PageRange range)> choosePrinter;
    // Shows what a control means beside it ("What's This?"), until the
    // next key or click.
    std::function<void(QWidget* control, const QString& text)> showHelp;
    // The day a printout is dated.
    std::function<CalendarDate()> today;

    static ShellServices platform();
};

// The platform dialogs as the default services show them.
std::unique_ptr<QMessageBox> makeWarningBox(QWidget* parent, const QString& caption, const QString& text);
std::unique_ptr<QFileDialog> makeSaveDialog(QWidget* parent);
std::unique_ptr<QPrintDialog> makePrintDialog(QWidget* parent, QPrinter& printer, PageRange range);

// Runs a page modally until it closes, and answers how it closed. Unlike
// QDialog::exec(), the page may hide itself while a later page runs (as
// Verrick's properties page does under its Load Reduction Factor page).
int runPage(QDialog& dialog);

}  // namespace csp::ui
