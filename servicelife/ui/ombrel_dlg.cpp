#include "servicelife/ui/ombrel_dlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "servicelife/service_life_run.h"
#include "servicelife/ui/abrasion_level_details_dlg.h"
#include "servicelife/abrasion_level_texts.h"
#include "servicelife/service_life_page_texts.h"
#include "shell/ui/program_shell.h"
#include "shell/ui/results_dlg.h"
#include "shell/windows1252.h"
#include "shell/ui/page_layout.h"

namespace csp::ui {
namespace {

constexpr int fieldWidthInChars = 12;

QLabel* label(std::string_view text, QWidget* buddy, QWidget* parent) {
    auto* result = new QLabel(toQString(text), parent);
    result->setBuddy(buddy);
    return result;
}

QString fromRecordText(const std::string& text) { return QString::fromStdString(windows1252ToUtf8(text)); }
std::string toRecordText(const QString& text) { return utf8ToWindows1252(text.toStdString()); }

}  // namespace

COmbrelDlg::COmbrelDlg(const ProgramShell& shell, QWidget* parent)
    : CMainPageDlg(shell, MinimiseBox::No, parent),
      thickness_(new QComboBox(this)),
      resistivity_(new QLineEdit(this)),
      ph_(new QLineEdit(this)),
      abrasionLevel_(new QComboBox(this)) {
    thickness_->setObjectName("thickness");
    resistivity_->setObjectName("resistivity");
    ph_->setObjectName("ph");
    abrasionLevel_->setObjectName("abrasionLevel");
    for (const Gage& gage : gageTable) thickness_->addItem(toQString(gage.listText));
    for (const AbrasionLevelText& level : abrasionLevelTexts) abrasionLevel_->addItem(toQString(level.listEntry));
    const int fieldWidth = fontMetrics().averageCharWidth() * fieldWidthInChars;
    resistivity_->setFixedWidth(fieldWidth);
    ph_->setFixedWidth(fieldWidth);
    setPageLayout(buildLayout());
    showEntries();
}

QLayout* COmbrelDlg::buildLayout() {
    auto* moreInfo = new QPushButton(toQString(moreInfoButtonText), this);
    const auto [next, done] = pageButtons(*this, serviceLifeNextButtonText, serviceLifeDoneButtonText);
    moreInfo->setAutoDefault(false);
    connect(moreInfo, &QPushButton::clicked, this, &COmbrelDlg::moreInfo);
    connect(next, &QPushButton::clicked, this, &COmbrelDlg::next);

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(10);
    fields->setVerticalSpacing(8);
    fields->addWidget(label(thicknessLabel, thickness_, this), 0, 0);
    fields->addWidget(thickness_, 0, 1, 1, 2, Qt::AlignLeft);
    fields->addWidget(label(resistivityLabel, resistivity_, this), 1, 0);
    fields->addWidget(resistivity_, 1, 1, Qt::AlignLeft);
    fields->addWidget(new QLabel(toQString(resistivityUnit), this), 1, 2);
    fields->addWidget(label(phLabel, ph_, this), 2, 0);
    fields->addWidget(ph_, 2, 1, Qt::AlignLeft);
    fields->addWidget(label(abrasionLevelLabel, abrasionLevel_, this), 3, 0);
    fields->addWidget(abrasionLevel_, 3, 1, 1, 2);
    fields->addWidget(moreInfo, 3, 3);
    fields->setColumnStretch(2, 1);

    auto* page = new QVBoxLayout;
    page->addLayout(fields);
    addButtonRow(page, next, done, 12);
    tabInOrder({thickness_, resistivity_, ph_, abrasionLevel_, moreInfo, next, done});
    focusOnOpen(*this, thickness_);
    markEntry(resistivity_, "resistivity");
    markEntry(ph_, "ph");
    giveMnemonics(*this);
    return page;
}

void COmbrelDlg::showEntries() {
    thickness_->setCurrentIndex(input_.thicknessIndex);
    resistivity_->setText(fromRecordText(input_.resistivityText));
    ph_->setText(fromRecordText(input_.phText));
    abrasionLevel_->setCurrentIndex(input_.abrasionLevel);
}

void COmbrelDlg::readEntries() {
    input_.thicknessIndex = thickness_->currentIndex();
    input_.resistivityText = toRecordText(resistivity_->text());
    input_.phText = toRecordText(ph_->text());
    input_.abrasionLevel = abrasionLevel_->currentIndex();
}

void COmbrelDlg::next() {
    readEntries();
    if (!shell().passes(this, produceServiceLifeReport(input_, listing_))) return;
    CResultsDlg results(shell());
    results.setListing(&listing_);
    shell().runModal(results);
    listing_.clear();
}

void COmbrelDlg::moreInfo() {
    CAbrasionLevelDetailsDlg details(this);
    shell().runModal(details);
}

}  // namespace csp::ui
