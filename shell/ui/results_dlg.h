#pragma once

#include <cstddef>
#include <string_view>

#include "shell/report_listing.h"
#include "shell/results_window_design.h"
#include "shell/ui/resizable_dlg.h"

class QListWidget;
class QPushButton;

namespace csp::ui {

class ProgramShell;

// The Results window: the report in a fixed-pitch list with "OK",
// "Save As..." and "Print...". It borrows the listing for one modal run
// and never changes it.
class CResultsDlg : public CResizableDlg {
    Q_OBJECT
public:
    explicit CResultsDlg(const ProgramShell& shell, QWidget* parent = nullptr);

    // The listing must outlive the window.
    void setListing(const ReportListing* listing) { listing_ = listing; }
    // The first line of the second printed page, where the program prints two.
    void setPageBreakLine(std::size_t line) { pageBreakLine_ = line; }
    // The report's picture (SVG), which the printout prints after the
    // report; it must outlive the window.
    void setPicture(std::string_view picture) { picture_ = picture; }

    void saveAs();
    void print();

protected:
    void initialise() override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QPushButton* addButton(std::uint16_t controlId, const QString& text, DialogPoint place, DialogBaseUnits base);
    void fillList();

    const ProgramShell& shell_;
    const ResultsWindowDesign& design_;
    QListWidget* list_;
    const ReportListing* listing_ = nullptr;
    std::size_t pageBreakLine_ = defaultPageBreakLine;
    std::string_view picture_;
};

}  // namespace csp::ui
