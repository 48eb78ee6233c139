#include "servicelife/ui/abrasion_level_details_dlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "servicelife/abrasion_level_texts.h"
#include "servicelife/service_life_page_texts.h"
#include "shell/ui/page_layout.h"
#include "shell/ui/program_shell.h"

namespace csp::ui {
namespace {

// Wide enough for the longest detail on two lines.
constexpr int detailWidthInChars = 60;

QLabel* plainLabel(std::string_view text, QWidget* parent) {
    auto* label = new QLabel(toQString(text), parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

}  // namespace

CAbrasionLevelDetailsDlg::CAbrasionLevelDetailsDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(toQString(abrasionLevelDetailsTitle));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);

    auto* layout = new QGridLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setHorizontalSpacing(12);
    layout->setVerticalSpacing(10);
    const int detailWidth = fontMetrics().averageCharWidth() * detailWidthInChars;
    int row = 0;
    for (const AbrasionLevelText& level : abrasionLevelTexts) {
        layout->addWidget(plainLabel(level.detailLabel, this), row, 0);
        QLabel* detail = plainLabel(level.detail, this);
        detail->setWordWrap(true);
        detail->setFixedWidth(detailWidth);
        layout->addWidget(detail, row++, 1);
    }
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, row, 0, 1, 2, Qt::AlignHCenter);
    giveMnemonics(*this);
}

}  // namespace csp::ui
