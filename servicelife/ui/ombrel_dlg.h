#pragma once

#include "servicelife/service_life.h"
#include "shell/report_listing.h"
#include "shell/ui/main_page_dlg.h"

class QComboBox;
class QLineEdit;

namespace csp::ui {

// Ombrel's one page: thickness, resistivity, pH and abrasion level in;
// "Next..." checks them, estimates the life and shows the report in the
// Results window, over this page.
class COmbrelDlg : public CMainPageDlg {
    Q_OBJECT
public:
    explicit COmbrelDlg(const ProgramShell& shell, QWidget* parent = nullptr);

    void next();
    void moreInfo();

private:
    QLayout* buildLayout();
    void showEntries();
    void readEntries();

    ServiceLifeInput input_;
    ReportListing listing_;
    QComboBox* thickness_;
    QLineEdit* resistivity_;
    QLineEdit* ph_;
    QComboBox* abrasionLevel_;
};

}  // namespace csp::ui
