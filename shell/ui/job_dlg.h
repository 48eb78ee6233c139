#pragma once

#include <QDialog>

#include <array>

#include "shell/calculation_sheet.h"

class QLineEdit;

namespace csp::ui {

// The Job dialog, which Print shows before the print dialog: the job block
// every printed page starts with. It opens on what was typed last in any
// program of the suite, and OK keeps what it holds for the next printout.
class CJobDlg : public QDialog {
    Q_OBJECT
public:
    explicit CJobDlg(QWidget* parent = nullptr);

    // The fields as typed, in Windows-1252.
    JobBlock job() const;
    void accept() override;

private:
    std::array<QLineEdit*, jobFields.size()> fields_;
};

}  // namespace csp::ui
