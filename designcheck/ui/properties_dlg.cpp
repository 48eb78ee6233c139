#include "designcheck/ui/properties_dlg.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "designcheck/design_check_page_texts.h"
#include "designcheck/ui/load_reduction_factor_dlg.h"
#include "designcheck/ui/page_controls.h"
#include "shell/ui/program_shell.h"
#include "shell/ui/page_layout.h"

namespace csp::ui {
namespace {

namespace dc = csp::designcheck;

Qt::WindowFlags pageFlags() {
    return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
           Qt::WindowCloseButtonHint;
}

}  // namespace

CPropertiesPageDlg::CPropertiesPageDlg(const ProgramShell& shell, dc::DesignCheck& check, SpanControl span,
                                       QWidget* parent)
    : QDialog(parent, pageFlags()),
      shell_(shell),
      check_(check),
      thickness_(dropDownList(this)),
      corrugationType_(dropDownList(this)),
      installationType_(dropDownList(this)) {
    setWindowTitle(toQString(span == SpanControl::TypedField ? dc::roundPropertiesTitle : dc::propertiesTitle));
    if (span == SpanControl::TypedField) {
        spanField_ = numberField(this);
        spanField_->setObjectName("span");
        spanField_->setText(toQString(dc::defaultRoundSpanText));
    } else {
        spanList_ = dropDownList(this);
        spanList_->setObjectName("span");
    }
    thickness_->setObjectName("thickness");
    corrugationType_->setObjectName("corrugationType");
    installationType_->setObjectName("installationType");
    QLayout* page = buildLayout();
    page->setSizeConstraint(QLayout::SetFixedSize);
    setLayout(page);
    fillLists();
}

QLayout* CPropertiesPageDlg::buildLayout() {
    const auto [next, backup] = pageButtons(*this, dc::nextButtonText, dc::backupButtonText);
    connect(next, &QPushButton::clicked, this, &CPropertiesPageDlg::next);

    QLineEdit* shape = shownField(check_.shapeText(), this);
    QLineEdit* profile = shownField(check_.profileText(), this);
    shape->setObjectName("structureShape");
    profile->setObjectName("profileName");

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(8);
    fields->setVerticalSpacing(8);
    int row = 0;
    addRow(fields, row++, 0, dc::structureShapeLabel, shape);
    addRow(fields, row++, 0, dc::profileLabel, profile);
    QWidget* span = spanList_ ? static_cast<QWidget*>(spanList_) : spanField_;
    addRow(fields, row++, 0, dc::spanLabel, span, dc::inchesUnit);
    addRow(fields, row++, 0, dc::thicknessLabel, thickness_, dc::inchesUnit);
    addRow(fields, row++, 0, dc::corrugationTypeLabel, corrugationType_);
    addRow(fields, row++, 0, dc::installationTypeLabel, installationType_);

    auto* page = new QVBoxLayout;
    page->addLayout(fields);
    addButtonRow(page, backup, next, 12);

    // The span is typed or chosen first: the page opens on it, and Tab goes
    // down the fields and then across the buttons.
    tabInOrder({span, thickness_, corrugationType_, installationType_, backup, next});
    focusOnOpen(*this, span);
    if (spanField_) markEntry(spanField_, "span");
    giveMnemonics(*this);
    return page;
}

void CPropertiesPageDlg::fillLists() {
    if (spanList_) fillList(spanList_, dc::spanEntries(check_));
    const std::vector<std::string> thicknesses = dc::thicknessEntries(check_);
    if (thicknesses.empty()) {
        shell_.warn(this, toQString(dc::thicknessListFailure));
        return;
    }
    fillList(thickness_, thicknesses);
    fillList(corrugationType_, dc::corrugationTypeEntries(check_));
    fillList(installationType_, dc::installationTypeEntries(check_));
}

dc::PropertiesPageEntries CPropertiesPageDlg::readEntries() const {
    dc::PropertiesPageEntries entries;
    if (spanList_) entries.sizeEntry = spanList_->currentIndex();
    if (spanField_) entries.spanText = toRecordText(spanField_->text());
    entries.thicknessEntry = thickness_->currentIndex();
    entries.corrugationTypeText = toRecordText(corrugationType_->currentText());
    // An empty list has no entry to read.
    if (installationType_->currentIndex() >= 0)
        entries.installationTypeText = toRecordText(installationType_->currentText());
    return entries;
}

void CPropertiesPageDlg::next() {
    if (!shell_.passes(this, dc::acceptPropertiesPage(readEntries(), check_))) return;
    if (dc::reductionPageAsked(check_) && !runReductionPage()) return;
    accept();
}

bool CPropertiesPageDlg::runReductionPage() {
    hide();
    CLoadReductionFactorDlg page(shell_, check_);
    if (shell_.runModal(page) == QDialog::Accepted) return true;
    // "< Backup": this page again, as it was left.
    show();
    activateWindow();
    return false;
}

CPropertiesDlg::CPropertiesDlg(const ProgramShell& shell, dc::DesignCheck& check, QWidget* parent)
    : CPropertiesPageDlg(shell, check, SpanControl::List, parent) {}

CPropertiesRoundDlg::CPropertiesRoundDlg(const ProgramShell& shell, dc::DesignCheck& check, QWidget* parent)
    : CPropertiesPageDlg(shell, check, SpanControl::TypedField, parent) {}

}  // namespace csp::ui
