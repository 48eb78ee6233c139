#pragma once

#include <QDialog>

namespace csp::ui {

class ProgramShell;

// The About box: the program's icon at the top left, its version line, for
// Ombrel a further line, and "OK".
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(const ProgramShell& shell, QWidget* parent = nullptr);
};

}  // namespace csp::ui
