#include "filltables/ui/load_reduction_dlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "filltables/ui/page_parts.h"
#include "filltables/wizard_page_texts.h"
#include "shell/ui/page_layout.h"
#include "shell/ui/program_shell.h"
#include "shell/windows1252.h"

namespace csp::ui {
namespace {

constexpr int fieldWidthInChars = 10;
// The note goes on over a second line at about this width.
constexpr int noteWidthInChars = 60;

}  // namespace

CLoadReductionDlg::CLoadReductionDlg(const ProgramShell& shell, FillTableRequest& request, QWidget* parent)
    : QDialog(parent), shell_(shell), request_(request), factor_(new QLineEdit(this)) {
    setUpFollowUpPage(*this, loadReductionTitle);
    factor_->setObjectName("loadReductionFactor");
    factor_->setText(toQString(loadReductionPreselection));
    factor_->setFixedWidth(fontMetrics().averageCharWidth() * fieldWidthInChars);
    // Typing the factor at once replaces the suggested one.
    focusOnOpen(*this, factor_);

    auto* label = new QLabel(toQString(loadReductionLabel), this);
    label->setBuddy(factor_);
    auto* note = new QLabel(toQString(loadReductionNote), this);
    note->setTextFormat(Qt::PlainText);
    note->setWordWrap(true);
    note->setFixedWidth(fontMetrics().averageCharWidth() * noteWidthInChars);

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(10);
    fields->setVerticalSpacing(10);
    fields->addWidget(label, 0, 0);
    fields->addWidget(factor_, 0, 1, Qt::AlignLeft);
    fields->addWidget(note, 1, 0, 1, 2);

    QPushButton* forward = nullptr;
    QBoxLayout* buttons = nextAndBackRow(*this, backButtonText, &forward);
    connect(forward, &QPushButton::clicked, this, &CLoadReductionDlg::next);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(fields);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    markEntry(factor_, "load-reduction");
    giveMnemonics(*this);
}

void CLoadReductionDlg::next() {
    if (!shell_.passes(this, request_.takeLoadReduction(utf8ToWindows1252(factor_->text().toStdString())))) return;
    accept();
}

}  // namespace csp::ui
