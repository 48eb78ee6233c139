#pragma once

#include <QDialog>

#include "filltables/fill_table_request.h"

class QLineEdit;

namespace csp::ui {

class ProgramShell;

// "Load Reduction": the soil dead load reduction factor applied when the
// cover exceeds the span. "Next >" checks the typed factor; a refused one
// keeps the page open with the text as typed, an accepted one is stored in
// the request and closes the page Accepted. The back button, Escape and the
// close box close it Rejected and store nothing.
class CLoadReductionDlg : public QDialog {
    Q_OBJECT
public:
    CLoadReductionDlg(const ProgramShell& shell, FillTableRequest& request, QWidget* parent = nullptr);

    void next();

private:
    const ProgramShell& shell_;
    FillTableRequest& request_;
    QLineEdit* factor_;
};

}  // namespace csp::ui
