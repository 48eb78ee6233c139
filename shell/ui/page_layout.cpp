#include "shell/ui/page_layout.h"

#include <QHBoxLayout>
#include <QDialog>
#include <QPushButton>

#include "shell/ui/program_shell.h"

namespace csp::ui {

PageButtons pageButtons(QDialog& page, std::string_view forwardText, std::string_view backText) {
    auto* forward = new QPushButton(toQString(forwardText), &page);
    auto* back = new QPushButton(toQString(backText), &page);
    forward->setDefault(true);
    back->setAutoDefault(false);
    QObject::connect(back, &QPushButton::clicked, &page, &QDialog::reject);
    return {forward, back};
}

QBoxLayout* buttonRow(QPushButton* left, QPushButton* right) {
    auto* row = new QHBoxLayout;
    row->addWidget(left);
    row->addStretch(1);
    row->addWidget(right);
    return row;
}

void addButtonRow(QBoxLayout* page, QPushButton* left, QPushButton* right, int gap) {
    page->addSpacing(gap);
    page->addLayout(buttonRow(left, right));
}

}  // namespace csp::ui
