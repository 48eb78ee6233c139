#include "designcheck/ui/verrick_dlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "designcheck/design_check_page_texts.h"
#include "designcheck/ui/page_controls.h"
#include "designcheck/ui/properties_dlg.h"
#include "shell/ui/program_shell.h"
#include "shell/ui/results_dlg.h"
#include "shell/ui/page_layout.h"

namespace csp::ui {
namespace {

namespace dc = csp::designcheck;

std::vector<std::string_view> profileTexts(dc::StructureShape shape) {
    std::vector<std::string_view> texts;
    for (const dc::ProfileEntry& entry : dc::profileEntries(shape)) texts.push_back(entry.text);
    return texts;
}

}  // namespace

CVerrickDlg::CVerrickDlg(const ProgramShell& shell, QWidget* parent)
    : CMainPageDlg(shell, MinimiseBox::Yes, parent),
      shape_(dropDownList(this)),
      profile_(dropDownList(this)),
      soilDensity_(numberField(this)),
      liveLoad_(dropDownList(this)),
      cover_(numberField(this)),
      method_(dropDownList(this)),
      cornerRadius_(dropDownList(this)),
      cornerPressure_(numberField(this)) {
    shape_->setObjectName("shape");
    profile_->setObjectName("profile");
    soilDensity_->setObjectName("soilDensity");
    liveLoad_->setObjectName("liveLoad");
    cover_->setObjectName("cover");
    method_->setObjectName("method");
    cornerRadius_->setObjectName("cornerRadius");
    cornerPressure_->setObjectName("cornerPressure");

    // The two lists show no label of their own; a screen reader names them
    // by labels kept hidden, as it names the others by theirs.
    for (auto [list, text] : {std::pair{shape_, dc::structureShapeLabel}, {profile_, dc::profileLabel}}) {
        list->setAccessibleName(toQString(text));
        auto* hidden = new QLabel(toQString(text), this);
        hidden->setBuddy(list);
        hidden->hide();
    }
    markEntry(soilDensity_, "soil-density");
    markEntry(cover_, "cover");
    markEntry(cornerPressure_, "corner-pressure");

    fillList(shape_, dc::shapeTexts);
    fillList(liveLoad_, dc::liveLoadTexts);
    fillList(method_, dc::methodTexts);
    soilDensity_->setText(toQString(dc::defaultSoilDensityText));
    cover_->setText(toQString(dc::defaultCoverText));
    setPageLayout(buildLayout());
    rebuildProfileList();

    connect(shape_, &QComboBox::currentIndexChanged, this, &CVerrickDlg::rebuildProfileList);
    connect(profile_, &QComboBox::currentIndexChanged, this, &CVerrickDlg::rebuildCornerRadiusList);
}

QLayout* CVerrickDlg::buildLayout() {
    const auto [next, quit] = pageButtons(*this, dc::nextButtonText, dc::quitButtonText);
    connect(next, &QPushButton::clicked, this, &CVerrickDlg::next);

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(8);
    fields->setVerticalSpacing(8);
    fields->addWidget(shape_, 0, 0, 1, 2);
    fields->addWidget(profile_, 0, 2, 1, 2);
    addRow(fields, 1, 0, dc::soilDensityLabel, soilDensity_, dc::soilDensityUnit);
    addRow(fields, 1, 2, dc::liveLoadLabel, liveLoad_);
    addRow(fields, 2, 0, dc::coverLabel, cover_, dc::coverUnit);
    addRow(fields, 2, 2, dc::designMethodLabel, method_);
    addRow(fields, 3, 0, dc::cornerRadiusLabel, cornerRadius_);
    addRow(fields, 3, 2, dc::cornerPressureLabel, cornerPressure_, dc::cornerPressureUnit);
    fields->setColumnMinimumWidth(1, fontMetrics().averageCharWidth() * 20);

    auto* page = new QVBoxLayout;
    page->addLayout(fields);
    addButtonRow(page, next, quit, 12);

    // Tab goes along each row, the rows downwards, then across the buttons.
    tabInOrder({shape_, profile_, soilDensity_, liveLoad_, cover_, method_, cornerRadius_, cornerPressure_, next, quit});
    focusOnOpen(*this, shape_);
    giveMnemonics(*this);
    return page;
}

// A new shape brings its own profiles, and its corner pressure preset in
// place of whatever was typed.
void CVerrickDlg::rebuildProfileList() {
    const auto shape = static_cast<dc::StructureShape>(shape_->currentIndex());
    fillList(profile_, profileTexts(shape));
    cornerPressure_->setText(toQString(dc::defaultCornerPressureText(shape)));
    // "N/A" where the shape has no corners: shown, but not to be changed.
    cornerPressure_->setEnabled(shape != dc::StructureShape::RoundPipe);
    rebuildCornerRadiusList();
}

void CVerrickDlg::rebuildCornerRadiusList() {
    fillList(cornerRadius_, dc::cornerRadiusEntries(static_cast<dc::StructureShape>(shape_->currentIndex()),
                                                    profile_->currentIndex()));
    cornerRadius_->setEnabled(cornerRadius_->count() > 1);
}

dc::MainPageEntries CVerrickDlg::readEntries() const {
    dc::MainPageEntries entries;
    entries.shape = shape_->currentIndex();
    entries.profileEntry = profile_->currentIndex();
    entries.liveLoad = liveLoad_->currentIndex();
    entries.method = method_->currentIndex();
    entries.soilDensityText = toRecordText(soilDensity_->text());
    entries.coverText = toRecordText(cover_->text());
    entries.cornerPressureText = toRecordText(cornerPressure_->text());
    entries.cornerRadiusEntry = cornerRadius_->currentIndex();
    return entries;
}

void CVerrickDlg::next() {
    if (!shell().passes(this, dc::acceptMainPage(readEntries(), check_))) return;
    hide();
    if (runPropertiesPage()) {
        check_.run();
        showResults();
    }
    show();
    activateWindow();
}

bool CVerrickDlg::runPropertiesPage() {
    if (dc::spanIsTyped(check_.shape())) {
        CPropertiesRoundDlg page(shell(), check_);
        return shell().runModal(page) == QDialog::Accepted;
    }
    CPropertiesDlg page(shell(), check_);
    return shell().runModal(page) == QDialog::Accepted;
}

void CVerrickDlg::showResults() {
    CResultsDlg results(shell());
    results.setListing(&check_.reportLines());
    results.setPageBreakLine(static_cast<std::size_t>(check_.pageBreakLine()));
    shell().runModal(results);
    check_.clearReport();
}

}  // namespace csp::ui
