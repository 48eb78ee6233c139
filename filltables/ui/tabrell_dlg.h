#pragma once

#include "filltables/fill_table_request.h"
#include "shell/ui/main_page_dlg.h"

class QComboBox;
class QLineEdit;

namespace csp::ui {

// Tabrell's main page: shape and profile, live load, soil density,
// conditions and whether to print the criteria. "Next >" checks the soil
// density and, with the page hidden, asks the follow-up pages the choice
// needs, makes the table and shows it in the Results window; "Done" ends
// the program. The page keeps its entries across tables.
class CTabrellDlg : public CMainPageDlg {
    Q_OBJECT
public:
    explicit CTabrellDlg(const ProgramShell& shell, QWidget* parent = nullptr);

    const FillTableRequest& request() const { return request_; }
    void next();

private:
    QLayout* buildLayout();
    void showEntries(const MainPageValues& values);
    MainPageValues readEntries() const;
    // The follow-up pages and the table, with this page hidden. Answers
    // generate's outcome, or success when a page ended the sequence.
    Outcome makeTable();
    PageExit askPage(FollowUpPage page);
    void showAgain();
    void showResults();

    FillTableRequest request_;
    QComboBox* shapeProfile_;
    QComboBox* liveLoad_;
    QLineEdit* soilDensity_;
    QComboBox* conditions_;
    QComboBox* print_;
};

}  // namespace csp::ui
