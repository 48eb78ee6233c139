#include "shell/ui/page_layout.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace csp::ui {

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
