#include "shell/ui/page_layout.h"

#include <QAbstractButton>
#include <QDialog>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>

#include <algorithm>
#include <set>

#include "shell/mnemonics.h"
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
            if (first_ && first_->isEnabled()) focusWithTextSelected(first_);
        }
        return false;
    }

private:
    QPointer<QWidget> first_;
};

}  // namespace

void focusWithTextSelected(QWidget* control) {
    control->setFocus(Qt::TabFocusReason);
    if (auto* field = qobject_cast<QLineEdit*>(control)) field->selectAll();
}

std::vector<std::pair<QWidget*, char>> giveMnemonics(QWidget& page) {
    // Push buttons first, so that "Next >" keeps its N whatever the page's
    // radio buttons say; then the labels of controls.
    QList<QAbstractButton*> buttons = page.findChildren<QAbstractButton*>();
    std::stable_partition(buttons.begin(), buttons.end(),
                          [](QAbstractButton* button) { return qobject_cast<QPushButton*>(button) != nullptr; });
    std::vector<QWidget*> controls;
    std::vector<std::string> texts;
    std::vector<bool> wordsFirst;
    for (QAbstractButton* button : buttons) {
        if (!button->shortcut().isEmpty()) continue;
        controls.push_back(button);
        texts.push_back(button->text().toStdString());
        wordsFirst.push_back(false);
    }
    for (QLabel* label : page.findChildren<QLabel*>()) {
        if (!label->buddy()) continue;
        controls.push_back(label);
        texts.push_back(label->text().toStdString());
        wordsFirst.push_back(true);
    }
    std::vector<MnemonicText> offered;
    for (std::size_t i = 0; i < texts.size(); ++i) offered.push_back({texts[i], wordsFirst[i]});
    const std::vector<char> letters = chooseMnemonics(offered);

    std::vector<std::pair<QWidget*, char>> given;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (letters[i] == 0) continue;
        given.emplace_back(controls[i], letters[i]);
        if (qobject_cast<QAbstractButton*>(controls[i]) != nullptr)
            giveMnemonic(page, controls[i], letters[i], false);
        else
            giveMnemonic(page, static_cast<QLabel*>(controls[i])->buddy(), letters[i], true);
    }
    return given;
}

void giveMnemonic(QWidget& page, QWidget* target, char letter, bool focusOnly) {
    if (letter == 0 || target == nullptr) return;
    const QKeySequence keys(Qt::ALT | static_cast<Qt::Key>(letter));
    if (auto* button = qobject_cast<QAbstractButton*>(target); button && !focusOnly) {
        button->setShortcut(keys);
        return;
    }
    auto* shortcut = new QShortcut(keys, &page);
    QObject::connect(shortcut, &QShortcut::activated, target, [target] {
        if (target->isEnabled()) focusWithTextSelected(target);
    });
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
