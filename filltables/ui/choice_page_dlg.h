#pragma once

#include <QDialog>

#include "filltables/fill_table_request.h"

class QButtonGroup;

namespace csp::ui {

class ProgramShell;

// A follow-up page of radio buttons in one group box. It opens with the
// page's preselection; "Next >" stores the selected choice in the request
// and closes the page Accepted. The back button, Escape and the close box
// close it Rejected and store nothing.
class CChoicePageDlg : public QDialog {
    Q_OBJECT
public:
    enum class Arrangement { OneBelowAnother, SideBySide };

    CChoicePageDlg(FillTableRequest& request, FollowUpPage page, Arrangement arrangement,
                   QWidget* parent = nullptr);

    // The position of the selected radio button in its group.
    int selectedChoice() const;
    void next();

private:
    FillTableRequest& request_;
    FollowUpPage page_;
    QButtonGroup* choices_;
};

// "Trench Details": trench in undisturbed soil with minimal compactive
// effort (Special), or any other trench (Standard).
class CTrenchDetailsDlg : public CChoicePageDlg {
    Q_OBJECT
public:
    explicit CTrenchDetailsDlg(FillTableRequest& request, QWidget* parent = nullptr);
};

// "Select Design": ASD, LRFD and AASHTO LFD for an ASTM/AASHTO embankment;
// ASD and LRFD, with "< Backup", for an ASTM trench.
class CSelectDesignDlg : public CChoicePageDlg {
    Q_OBJECT
public:
    // `page` is SelectDesign or SelectDesignTwoChoices.
    CSelectDesignDlg(FillTableRequest& request, FollowUpPage page, QWidget* parent = nullptr);
};

// "Base for Tables": helical or annular pipe, side by side.
class CBaseForTablesDlg : public CChoicePageDlg {
    Q_OBJECT
public:
    explicit CBaseForTablesDlg(FillTableRequest& request, QWidget* parent = nullptr);
};

}  // namespace csp::ui
