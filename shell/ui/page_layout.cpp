#include "shell/ui/page_layout.h"

#include <QHBoxLayout>
#include <QDialog>
#include <QEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include "shell/ui/program_shell.h"

namespace csp::ui {
namespace {

// Focuses a page's first control when the page is first shown, before the
// dialog's own choice of a focus widget.
class FirstFocus : public QObject {
public:
    FirstFocus(QDialog& page, QWidget* first) : QObject(&page), first_(first) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched == parent()) {
            watched->removeEventFilter(this);
            if (first_ && first_->isEnabled()) {
                first_->setFocus(Qt::OtherFocusReason);
                if (auto* field = qobject_cast<QLineEdit*>(first_.data())) field->selectAll();
            }
        }
        return false;
    }

private:
    QPointer<QWidget> first_;
};

}  // namespace

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

void focusOnOpen(QDialog& page, QWidget* first) { page.installEventFilter(new FirstFocus(page, first)); }

void tabInOrder(std::initializer_list<QWidget*> controls) {
    QWidget* previous = nullptr;
    for (QWidget* control : controls) {
        if (previous) QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

}  // namespace csp::ui
