#include "designcheck/ui/load_reduction_factor_dlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "designcheck/design_check_page_texts.h"
#include "designcheck/design_check_pages.h"
#include "designcheck/ui/page_controls.h"
#include "shell/ui/program_shell.h"
#include "shell/ui/page_layout.h"

namespace csp::ui {
namespace {

namespace dc = csp::designcheck;

// Wide enough for the note on two lines.
constexpr int noteWidthInChars = 56;

}  // namespace

CLoadReductionFactorDlg::CLoadReductionFactorDlg(const ProgramShell& shell, dc::DesignCheck& check, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      shell_(shell),
      check_(check),
      factor_(numberField(this)) {
    setWindowTitle(toQString(dc::reductionTitle));
    factor_->setObjectName("reductionFactor");
    factor_->setText(toQString(dc::defaultReductionText));
    // Typing the factor at once replaces the suggested one.
    focusOnOpen(*this, factor_);

    auto* note = new QLabel(toQString(dc::reductionNote), this);
    note->setWordWrap(true);
    note->setFixedWidth(fontMetrics().averageCharWidth() * noteWidthInChars);

    const auto [next, backup] = pageButtons(*this, dc::nextButtonText, dc::backupButtonText);
    connect(next, &QPushButton::clicked, this, &CLoadReductionFactorDlg::next);

    auto* field = new QGridLayout;
    field->setHorizontalSpacing(8);
    addRow(field, 0, 0, dc::reductionLabel, factor_);

    auto* page = new QVBoxLayout(this);
    page->setSizeConstraint(QLayout::SetFixedSize);
    page->addLayout(field);
    page->addWidget(note);
    addButtonRow(page, backup, next, 12);
    tabInOrder({factor_, backup, next});
    markEntry(factor_, "reduction");
    giveMnemonics(*this);
}

void CLoadReductionFactorDlg::next() {
    if (shell_.passes(this, dc::acceptReductionPage(toRecordText(factor_->text()), check_))) accept();
}

}  // namespace csp::ui
