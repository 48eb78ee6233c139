#pragma once

#include <QDialog>

#include "designcheck/design_check.h"

class QLineEdit;

namespace csp::ui {

class ProgramShell;

// "Load Reduction Factor": the soil dead load reduction factor K, asked
// under AISI when the cover is at least the span. "Next >" stores it with
// the reduction applied; "< Backup" returns to the properties page.
class CLoadReductionFactorDlg : public QDialog {
    Q_OBJECT
public:
    CLoadReductionFactorDlg(const ProgramShell& shell, designcheck::DesignCheck& check, QWidget* parent = nullptr);

    void next();

private:
    const ProgramShell& shell_;
    designcheck::DesignCheck& check_;
    QLineEdit* factor_;
};

}  // namespace csp::ui
