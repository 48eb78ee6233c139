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
#include <cctype>
#include <set>

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

constexpr const char* entryProperty = "cspEntry";

// The letter a text offers first: the first letter of a word not taken,
// then any letter not taken; 0 when none is left.
char freeLetter(const QString& text, const std::set<char>& taken, bool wordsFirst) {
    const std::string latin = text.toLatin1().toStdString();
    const auto isFree = [&](char c) {
        return std::isalpha(static_cast<unsigned char>(c)) && !taken.count(static_cast<char>(std::toupper(c)));
    };
    if (wordsFirst)
        for (std::size_t i = 0; i < latin.size(); ++i)
            if ((i == 0 || !std::isalpha(static_cast<unsigned char>(latin[i - 1]))) && isFree(latin[i]))
                return static_cast<char>(std::toupper(latin[i]));
    for (char c : latin)
        if (isFree(c)) return static_cast<char>(std::toupper(c));
    return 0;
}

}  // namespace

void markEntry(QWidget* control, std::string_view entry) {
    control->setProperty(entryProperty, toQString(entry));
}

QWidget* markedControl(const QWidget& page, std::string_view entry) {
    if (entry.empty()) return nullptr;
    for (QWidget* control : page.findChildren<QWidget*>())
        if (control->property(entryProperty).toString() == toQString(entry)) return control;
    return nullptr;
}

void focusWithTextSelected(QWidget* control) {
    control->setFocus(Qt::TabFocusReason);
    if (auto* field = qobject_cast<QLineEdit*>(control)) field->selectAll();
}

std::vector<std::pair<QWidget*, char>> giveMnemonics(QWidget& page) {
    std::vector<std::pair<QWidget*, char>> given;
    std::set<char> taken;
    const auto take = [&](QWidget* control, char letter) {
        if (letter == 0) return false;
        taken.insert(letter);
        given.emplace_back(control, letter);
        return true;
    };
    // Push buttons first, so that "Next >" keeps its N whatever the page's
    // radio buttons say.
    QList<QAbstractButton*> buttons = page.findChildren<QAbstractButton*>();
    std::stable_partition(buttons.begin(), buttons.end(),
                          [](QAbstractButton* button) { return qobject_cast<QPushButton*>(button) != nullptr; });
    for (QAbstractButton* button : buttons) {
        if (!button->shortcut().isEmpty() || !take(button, freeLetter(button->text(), taken, false))) continue;
        button->setShortcut(QKeySequence(Qt::ALT | static_cast<Qt::Key>(given.back().second)));
    }
    for (QLabel* label : page.findChildren<QLabel*>()) {
        QWidget* buddy = label->buddy();
        if (!buddy || !take(label, freeLetter(label->text(), taken, true))) continue;
        auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | static_cast<Qt::Key>(given.back().second)), &page);
        QObject::connect(shortcut, &QShortcut::activated, buddy, [buddy] {
            if (buddy->isEnabled()) focusWithTextSelected(buddy);
        });
    }
    return given;
}

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
