#include "shell/ui/about_dlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "shell/ui/page_layout.h"
#include "shell/ui/program_shell.h"

namespace csp::ui {
namespace {

constexpr int aboutIconSize = 32;

QLabel* textLabel(std::string_view text, QWidget* parent) {
    auto* label = new QLabel(toQString(text), parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace

CAboutDlg::CAboutDlg(const ProgramShell& shell, QWidget* parent) : QDialog(parent) {
    const ProgramTexts& texts = shell.texts();
    setWindowTitle(toQString(texts.aboutTitle));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);

    auto* icon = new QLabel(this);
    icon->setPixmap(shell.icon().pixmap(aboutIconSize, aboutIconSize));
    icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setHorizontalSpacing(16);
    layout->addWidget(icon, 0, 0, 2, 1);
    layout->addWidget(textLabel(texts.versionLine, this), 0, 1);
    int row = 1;
    if (!texts.furtherLine.empty()) layout->addWidget(textLabel(texts.furtherLine, this), row++, 1);
    layout->addWidget(ok, 0, 2, Qt::AlignTop);
    layout->setRowStretch(row, 1);
    giveMnemonics(*this);
}

}  // namespace csp::ui
