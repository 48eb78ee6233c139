#include "filltables/ui/tabrell_dlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "filltables/ui/choice_page_dlg.h"
#include "filltables/ui/load_reduction_dlg.h"
#include "filltables/wizard_page_texts.h"
#include "shell/ui/program_shell.h"
#include "shell/ui/results_dlg.h"
#include "shell/windows1252.h"
#include "shell/ui/page_layout.h"

namespace csp::ui {
namespace {

constexpr int fieldWidthInChars = 12;

QComboBox* listOf(std::span<const std::string_view> entries, const char* name, QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    for (std::string_view entry : entries) list->addItem(toQString(entry));
    return list;
}

QLabel* label(std::string_view text, QWidget* buddy, QWidget* parent) {
    auto* result = new QLabel(toQString(text), parent);
    result->setBuddy(buddy);
    return result;
}

}  // namespace

CTabrellDlg::CTabrellDlg(const ProgramShell& shell, QWidget* parent)
    : CMainPageDlg(shell, MinimiseBox::Yes, parent),
      shapeProfile_(listOf(shapeProfileTexts, "shapeProfile", this)),
      liveLoad_(listOf(liveLoadTexts, "liveLoad", this)),
      soilDensity_(new QLineEdit(this)),
      conditions_(listOf(conditionsTexts, "conditions", this)),
      print_(listOf(printTexts, "print", this)) {
    soilDensity_->setObjectName("soilDensity");
    soilDensity_->setFixedWidth(fontMetrics().averageCharWidth() * fieldWidthInChars);
    setPageLayout(buildLayout());
    showEntries(MainPageValues{});
}

QLayout* CTabrellDlg::buildLayout() {
    const auto [next, done] = pageButtons(*this, nextButtonText, doneButtonText);
    connect(next, &QPushButton::clicked, this, &CTabrellDlg::next);

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(10);
    fields->setVerticalSpacing(8);
    int row = 0;
    for (auto [text, control] : {std::pair<std::string_view, QWidget*>{shapeProfileLabel, shapeProfile_},
                                 {liveLoadLabel, liveLoad_},
                                 {soilDensityLabel, soilDensity_},
                                 {conditionsLabel, conditions_},
                                 {printLabel, print_}}) {
        fields->addWidget(label(text, control, this), row, 0);
        fields->addWidget(control, row++, 1, Qt::AlignLeft);
    }

    auto* page = new QVBoxLayout;
    page->addLayout(fields);
    addButtonRow(page, next, done, 12);
    tabInOrder({shapeProfile_, liveLoad_, soilDensity_, conditions_, print_, next, done});
    focusOnOpen(*this, shapeProfile_);
    markEntry(soilDensity_, "soil-density");
    giveMnemonics(*this);
    return page;
}

void CTabrellDlg::showEntries(const MainPageValues& values) {
    shapeProfile_->setCurrentIndex(values.shape);
    liveLoad_->setCurrentIndex(static_cast<int>(values.liveLoad));
    soilDensity_->setText(QString::fromStdString(windows1252ToUtf8(values.soilDensityText)));
    conditions_->setCurrentIndex(static_cast<int>(values.conditions));
    print_->setCurrentIndex(values.showCriteria);
}

MainPageValues CTabrellDlg::readEntries() const {
    return {.shape = shapeProfile_->currentIndex(),
            .liveLoad = static_cast<LiveLoad>(liveLoad_->currentIndex()),
            .soilDensityText = utf8ToWindows1252(soilDensity_->text().toStdString()),
            .conditions = static_cast<Conditions>(conditions_->currentIndex()),
            .showCriteria = print_->currentIndex()};
}

void CTabrellDlg::next() {
    if (!shell().passes(this, request_.takeMainPage(readEntries()))) return;
    // A failed table's message comes once this page is back.
    shell().passes(this, makeTable());
}

Outcome CTabrellDlg::makeTable() {
    hide();
    Outcome generated;
    if (walkFollowUpPages(request_, [this](FollowUpPage page) { return askPage(page); }) == PageExit::Next) {
        generated = request_.generate();
        if (generated) showResults();
    }
    // A failed table may have left part of itself.
    request_.report().clear();
    showAgain();
    return generated;
}

// Back in front with the keyboard, where the window system would not hand
// it over by itself once the last page is gone.
void CTabrellDlg::showAgain() {
    show();
    raise();
    activateWindow();
}

// Each page is made afresh, so that it shows its own preselection. Only
// "Next >" goes on: the back button, Escape and the close box all end the
// sequence, so no table is ever made from a page the user dismissed (on the
// first table, the load reduction factor would still be empty).
PageExit CTabrellDlg::askPage(FollowUpPage page) {
    std::unique_ptr<QDialog> dialog;
    switch (page) {
    case FollowUpPage::TrenchDetails: dialog = std::make_unique<CTrenchDetailsDlg>(request_); break;
    case FollowUpPage::SelectDesign:
    case FollowUpPage::SelectDesignTwoChoices: dialog = std::make_unique<CSelectDesignDlg>(request_, page); break;
    case FollowUpPage::BaseForTables: dialog = std::make_unique<CBaseForTablesDlg>(request_); break;
    case FollowUpPage::LoadReduction: dialog = std::make_unique<CLoadReductionDlg>(shell(), request_); break;
    }
    if (!dialog) return PageExit::Back;
    return shell().runModal(*dialog) == QDialog::Accepted ? PageExit::Next : PageExit::Back;
}

void CTabrellDlg::showResults() {
    CResultsDlg results(shell());
    results.setListing(&request_.report());
    shell().runModal(results);
}

}  // namespace csp::ui
