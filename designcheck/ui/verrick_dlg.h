#pragma once

#include "designcheck/design_check.h"
#include "designcheck/design_check_pages.h"
#include "shell/ui/main_page_dlg.h"

class QComboBox;
class QLineEdit;

namespace csp::ui {

// Verrick's main page: the structure (shape, profile, corner radius) and
// the design criteria (soil density, live load, cover, method, corner
// pressure). "Next >" checks them, stores them in the design check it
// owns and runs the properties page, the Load Reduction Factor page when
// asked, the check and the Results window, with this page hidden
// meanwhile. "Quit" and Escape end the program.
class CVerrickDlg : public CMainPageDlg {
    Q_OBJECT
public:
    explicit CVerrickDlg(const ProgramShell& shell, QWidget* parent = nullptr);

    const designcheck::DesignCheck& designCheck() const { return check_; }

    void next();

private:
    QLayout* buildLayout();
    void rebuildProfileList();
    void rebuildCornerRadiusList();
    designcheck::MainPageEntries readEntries() const;
    // The properties page of the stored shape; true when it ends with "Next >".
    bool runPropertiesPage();
    void showResults();

    designcheck::DesignCheck check_;
    QComboBox* shape_;
    QComboBox* profile_;
    QLineEdit* soilDensity_;
    QComboBox* liveLoad_;
    QLineEdit* cover_;
    QComboBox* method_;
    QComboBox* cornerRadius_;
    QLineEdit* cornerPressure_;
};

}  // namespace csp::ui
