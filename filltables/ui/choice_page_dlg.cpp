#include "filltables/ui/choice_page_dlg.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "filltables/choice_pages.h"
#include "filltables/ui/page_parts.h"
#include "shell/ui/page_layout.h"
#include "shell/ui/program_shell.h"

namespace csp::ui {
namespace {

// A radio text longer than this many average characters goes on over a
// second line.
constexpr int radioTextWidthInChars = 60;

}  // namespace

CChoicePageDlg::CChoicePageDlg(FillTableRequest& request, FollowUpPage page, Arrangement arrangement,
                               QWidget* parent)
    : QDialog(parent), request_(request), page_(page), choices_(new QButtonGroup(this)) {
    const ChoicePageTexts& texts = *choicePageTexts(page);
    setUpFollowUpPage(*this, texts.title);

    auto* group = new QGroupBox(toQString(texts.groupCaption), this);
    QBoxLayout* radios = arrangement == Arrangement::SideBySide ? static_cast<QBoxLayout*>(new QHBoxLayout(group))
                                                                : new QVBoxLayout(group);
    const int textWidth = fontMetrics().averageCharWidth() * radioTextWidthInChars;
    for (std::string_view text : texts.choices) {
        auto* radio = new QRadioButton(wrappedText(text, textWidth, fontMetrics()), group);
        choices_->addButton(radio, choices_->buttons().size());
        radios->addWidget(radio);
    }
    QAbstractButton* preselected = choices_->button(static_cast<int>(preselectedChoice(page)));
    preselected->setChecked(true);
    // The group is the page's first control: Tab reaches its checked radio
    // button, the arrow keys the others.
    focusOnOpen(*this, preselected);

    QPushButton* forward = nullptr;
    QBoxLayout* buttons = nextAndBackRow(*this, texts.backButton, &forward);
    connect(forward, &QPushButton::clicked, this, &CChoicePageDlg::next);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(group);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    giveMnemonics(*this);
}

int CChoicePageDlg::selectedChoice() const { return choices_->checkedId(); }

void CChoicePageDlg::next() {
    storeChoice(request_, page_, static_cast<std::size_t>(selectedChoice()));
    accept();
}

CTrenchDetailsDlg::CTrenchDetailsDlg(FillTableRequest& request, QWidget* parent)
    : CChoicePageDlg(request, FollowUpPage::TrenchDetails, Arrangement::OneBelowAnother, parent) {}

CSelectDesignDlg::CSelectDesignDlg(FillTableRequest& request, FollowUpPage page, QWidget* parent)
    : CChoicePageDlg(request,
                     page == FollowUpPage::SelectDesignTwoChoices ? page : FollowUpPage::SelectDesign,
                     Arrangement::OneBelowAnother, parent) {}

CBaseForTablesDlg::CBaseForTablesDlg(FillTableRequest& request, QWidget* parent)
    : CChoicePageDlg(request, FollowUpPage::BaseForTables, Arrangement::SideBySide, parent) {}

}  // namespace csp::ui
