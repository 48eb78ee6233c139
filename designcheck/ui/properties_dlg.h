#pragma once

#include <QDialog>

#include "designcheck/design_check.h"
#include "designcheck/design_check_pages.h"

class QComboBox;
class QLineEdit;

namespace csp::ui {

class ProgramShell;

// What the two properties pages share: the shape and profile shown, the
// span, the thickness, corrugation and installation type lists filled from
// the catalog of the record's profile, "Next >" and "< Backup". "Next >"
// stores the entries in the record and, when the Load Reduction Factor page
// is asked, runs it with this page hidden; "< Backup" there comes back here.
class CPropertiesPageDlg : public QDialog {
    Q_OBJECT
public:
    void next();

protected:
    enum class SpanControl { List, TypedField };
    CPropertiesPageDlg(const ProgramShell& shell, designcheck::DesignCheck& check, SpanControl span,
                       QWidget* parent);

private:
    QLayout* buildLayout();
    void fillLists();
    designcheck::PropertiesPageEntries readEntries() const;
    // True when the Load Reduction Factor page ends with "Next >".
    bool runReductionPage();

    const ProgramShell& shell_;
    designcheck::DesignCheck& check_;
    QComboBox* spanList_ = nullptr;   // a pipe-arch or underpass size
    QLineEdit* spanField_ = nullptr;  // a round pipe's diameter
    QComboBox* thickness_;
    QComboBox* corrugationType_;
    QComboBox* installationType_;
};

// "Design Properties": a pipe-arch or an underpass, its size from a list.
class CPropertiesDlg : public CPropertiesPageDlg {
    Q_OBJECT
public:
    CPropertiesDlg(const ProgramShell& shell, designcheck::DesignCheck& check, QWidget* parent = nullptr);
};

// "Round Pipe Properties": a round pipe, its diameter typed.
class CPropertiesRoundDlg : public CPropertiesPageDlg {
    Q_OBJECT
public:
    CPropertiesRoundDlg(const ProgramShell& shell, designcheck::DesignCheck& check, QWidget* parent = nullptr);
};

}  // namespace csp::ui
