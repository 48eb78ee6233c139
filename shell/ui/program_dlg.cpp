#include "shell/ui/program_dlg.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QStringList>
#include <QVBoxLayout>

#include "shell/ui/page_layout.h"
#include "shell/ui/program_shell.h"
#include "shell/ui/results_dlg.h"

namespace csp::ui {
namespace {

using pages::Control;

QString qText(const std::string& utf8) { return QString::fromStdString(utf8); }

Qt::WindowFlags laterPageFlags() {
    return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
           Qt::WindowCloseButtonHint;
}

// A text broken between words so that no line is wider than `width`
// pixels: a radio button does not wrap its own text.
QString wrappedText(const std::string& text, int width, const QFontMetrics& metrics) {
    const QStringList words = qText(text).split(QLatin1Char(' '));
    QString result, line;
    for (const QString& word : words) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
            result += line + QLatin1Char('\n');
            line = word;
        } else {
            line = longer;
        }
    }
    return result + line;
}

QLabel* plainLabel(const std::string& text, QWidget* parent) {
    auto* label = new QLabel(qText(text), parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// A box of labelled texts and one OK button, such as Ombrel's abrasion
// level details.
class CDetailsDlg : public QDialog {
public:
    CDetailsDlg(const pages::MessageBox& box, QWidget* parent) : QDialog(parent, laterPageFlags()) {
        setWindowTitle(qText(box.title));
        auto* layout = new QGridLayout(this);
        layout->setSizeConstraint(QLayout::SetFixedSize);
        layout->setHorizontalSpacing(12);
        layout->setVerticalSpacing(10);
        const int textWidth = fontMetrics().averageCharWidth() * box.wrapInChars;
        int row = 0;
        for (const auto& [label, text] : box.rows) {
            layout->addWidget(plainLabel(label, this), row, 0);
            QLabel* detail = plainLabel(text, this);
            detail->setWordWrap(true);
            detail->setFixedWidth(textWidth);
            layout->addWidget(detail, row++, 1);
        }
        auto* ok = new QPushButton(QStringLiteral("OK"), this);
        ok->setDefault(true);
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
        layout->addWidget(ok, row, 0, 1, 2, Qt::AlignHCenter);
        giveMnemonics(*this);
    }
};

}  // namespace

// --- The widgets of a page ---------------------------------------------------------

PageView::PageView(QDialog& dialog, const ProgramShell& shell, Changed changed, Pressed pressed)
    : dialog_(dialog), shell_(shell), changed_(std::move(changed)), pressed_(std::move(pressed)) {}

QWidget* PageView::control(std::string_view id) const {
    const auto found = widgets_.find(id);
    return found != widgets_.end() ? found->second : nullptr;
}

QWidget* PageView::makeControl(const Control& control) {
    const int charWidth = dialog_.fontMetrics().averageCharWidth();
    const std::string id = control.id;
    switch (control.kind) {
    case Control::Kind::List: {
        auto* list = new QComboBox(&dialog_);
        list->setEditable(false);
        list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        QObject::connect(list, &QComboBox::currentIndexChanged, &dialog_, [this, id](int index) {
            if (!showing_ && index >= 0) changed_(id, std::to_string(index));
        });
        return list;
    }
    case Control::Kind::Field:
    case Control::Kind::Shown: {
        auto* field = new QLineEdit(&dialog_);
        if (control.widthInChars > 0) field->setFixedWidth(charWidth * control.widthInChars);
        if (control.minWidthInChars > 0) field->setMinimumWidth(charWidth * control.minWidthInChars);
        if (control.kind == Control::Kind::Shown) {
            field->setReadOnly(true);
            field->setFocusPolicy(Qt::NoFocus);
        } else {
            QObject::connect(field, &QLineEdit::textChanged, &dialog_, [this, id](const QString& text) {
                if (!showing_) changed_(id, text.toStdString());
            });
        }
        return field;
    }
    case Control::Kind::Radio: {
        auto* group = new QGroupBox(qText(control.label), &dialog_);
        auto* buttons = new QButtonGroup(group);
        QBoxLayout* row = control.sideBySide ? static_cast<QBoxLayout*>(new QHBoxLayout(group)) : new QVBoxLayout(group);
        const int textWidth = charWidth * control.wrapInChars;
        for (std::size_t i = 0; i < control.items.size(); ++i) {
            const QString text = control.wrapInChars > 0 ? wrappedText(control.items[i], textWidth, dialog_.fontMetrics())
                                                          : qText(control.items[i]);
            auto* radio = new QRadioButton(text, group);
            buttons->addButton(radio, static_cast<int>(i));
            row->addWidget(radio);
        }
        QObject::connect(buttons, &QButtonGroup::idToggled, &dialog_, [this, id](int index, bool checked) {
            if (!showing_ && checked) changed_(id, std::to_string(index));
        });
        radios_[id] = buttons;
        return group;
    }
    case Control::Kind::Note: {
        QLabel* note = plainLabel(control.text, &dialog_);
        note->setWordWrap(true);
        if (control.wrapInChars > 0) note->setFixedWidth(charWidth * control.wrapInChars);
        return note;
    }
    case Control::Kind::Button: {
        auto* button = new QPushButton(qText(control.text), &dialog_);
        button->setAutoDefault(false);
        QObject::connect(button, &QPushButton::clicked, &dialog_, [this, id] { pressed_(id); });
        return button;
    }
    }
    return nullptr;
}

QLayout* PageView::build(const pages::Page& page) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(page.columnGap);
    grid->setVerticalSpacing(page.rowGap);
    std::vector<QWidget*> tabOrder;
    QHBoxLayout* lastRow = nullptr;  // where a control's own button goes
    int place = 0;
    for (const Control& control : page.controls) {
        QWidget* widget = makeControl(control);
        widget->setObjectName(qText(control.id));
        widget->setWhatsThis(qText(control.help));
        widgets_[control.id] = widget;
        if (control.kind == Control::Kind::Radio) {
            for (QAbstractButton* radio : radios_[control.id]->buttons()) tabOrder.push_back(radio);
        } else if ((widget->focusPolicy() & Qt::TabFocus) != 0 && control.kind != Control::Kind::Note) {
            tabOrder.push_back(widget);
        }
        if (control.kind == Control::Kind::Button && lastRow != nullptr) {
            lastRow->insertWidget(lastRow->count() - 1, widget);
            continue;
        }
        const int row = page.twoColumns ? place / 2 : place;
        const int column = page.twoColumns ? (place % 2) * 2 : 0;
        ++place;
        lastRow = nullptr;
        const bool labelled = control.kind == Control::Kind::List || control.kind == Control::Kind::Field ||
                              control.kind == Control::Kind::Shown;
        if (!labelled || control.labelHidden) {
            grid->addWidget(widget, row, column, 1, 2);
            if (!labelled) continue;
        }
        auto* label = new QLabel(qText(control.label), &dialog_);
        label->setBuddy(widget);
        giveMnemonic(dialog_, widget, control.mnemonic, true);
        if (control.labelHidden) {
            // Named to a screen reader by its label, which is not shown.
            widget->setAccessibleName(label->text());
            label->hide();
            continue;
        }
        grid->addWidget(label, row, column);
        lastRow = new QHBoxLayout;
        lastRow->setSpacing(6);
        lastRow->addWidget(widget);
        if (!control.unit.empty()) lastRow->addWidget(new QLabel(qText(control.unit), &dialog_));
        lastRow->addStretch(1);
        grid->addLayout(lastRow, row, column + 1);
    }
    if (page.columnWidthInChars > 0)
        grid->setColumnMinimumWidth(1, dialog_.fontMetrics().averageCharWidth() * page.columnWidthInChars);

    auto* buttons = new QHBoxLayout;
    for (std::size_t i = 0; i < page.buttons.size(); ++i) {
        const pages::Button& made = page.buttons[i];
        auto* button = new QPushButton(qText(made.text), &dialog_);
        if (made.id == page.defaultButton)
            button->setDefault(true);
        else
            button->setAutoDefault(false);
        QObject::connect(button, &QPushButton::clicked, &dialog_, [this, id = made.id] { pressed_(id); });
        giveMnemonic(dialog_, button, made.mnemonic, false);
        widgets_[made.id] = button;
        tabOrder.push_back(button);
        buttons->addWidget(button);
        if (i == 0) buttons->addStretch(1);
    }
    for (const Control& control : page.controls) {
        if (control.kind == Control::Kind::Button) giveMnemonic(dialog_, control.id.empty() ? nullptr : widgets_[control.id], control.mnemonic, false);
        if (control.kind != Control::Kind::Radio) continue;
        const QList<QAbstractButton*> radios = radios_[control.id]->buttons();
        for (qsizetype i = 0; i < radios.size() && static_cast<std::size_t>(i) < control.itemMnemonics.size(); ++i)
            giveMnemonic(dialog_, radios[i], control.itemMnemonics[static_cast<std::size_t>(i)], false);
    }
    for (std::size_t i = 1; i < tabOrder.size(); ++i) QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);

    auto* layout = new QVBoxLayout;
    layout->addLayout(grid);
    layout->addSpacing(page.buttonGap);
    layout->addLayout(buttons);
    show(page);
    // The page opens on its first control; a radio group on its chosen button.
    QWidget* first = control(page.focus);
    if (const auto radios = radios_.find(page.focus); radios != radios_.end()) first = radios->second->checkedButton();
    if (first != nullptr) focusOnOpen(dialog_, first);
    // Shift+F1: what the control with the focus means (a radio button
    // shares its group's).
    auto* help = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1), &dialog_);
    QObject::connect(help, &QShortcut::activated, &dialog_, [this] {
        for (QWidget* at = dialog_.focusWidget(); at != nullptr && at != &dialog_; at = at->parentWidget())
            if (!at->whatsThis().isEmpty() && shell_.services().showHelp) return shell_.services().showHelp(at, at->whatsThis());
    });
    return layout;
}

void PageView::show(const pages::Page& page) {
    showing_ = true;
    for (const Control& control : page.controls) {
        QWidget* widget = this->control(control.id);
        if (widget == nullptr) continue;
        widget->setEnabled(!control.disabled);
        if (auto* list = qobject_cast<QComboBox*>(widget)) {
            QStringList items;
            for (const std::string& item : control.items) items.push_back(qText(item));
            QStringList shown;
            for (int i = 0; i < list->count(); ++i) shown.push_back(list->itemText(i));
            if (shown != items) {
                list->clear();
                list->addItems(items);
            }
            if (list->currentIndex() != control.selected) list->setCurrentIndex(control.selected);
        } else if (auto* field = qobject_cast<QLineEdit*>(widget)) {
            if (field->text() != qText(control.text)) field->setText(qText(control.text));
        } else if (const auto radios = radios_.find(control.id); radios != radios_.end()) {
            if (QAbstractButton* chosen = radios->second->button(control.selected)) chosen->setChecked(true);
        }
    }
    showing_ = false;
}

// --- A later page ------------------------------------------------------------------

// A page after the main page, drawn from the model while the model is on
// it: Escape and the close box press the page's Escape button.
class CLaterPageDlg : public QDialog {
public:
    CLaterPageDlg(CProgramDlg& program, int depth)
        : QDialog(&program, laterPageFlags()),
          program_(program),
          depth_(depth),
          view_(
              *this, program.shell(),
              [this](const std::string& control, const std::string& value) {
                  program_.session_.change(control, value);
                  view_.show(program_.session_.page());
              },
              [this](const std::string& button) { program_.press(*this, view_, depth_, button); }) {
        const pages::Page page = program_.session_.page();
        setWindowTitle(qText(page.title));
        setModal(true);
        QLayout* layout = view_.build(page);
        layout->setSizeConstraint(QLayout::SetFixedSize);
        setLayout(layout);
        escapeButton_ = page.escapeButton;
        if (!page.notice.empty()) program_.shell().warn(this, qText(page.notice));
    }

    void reject() override { program_.press(*this, view_, depth_, escapeButton_); }

private:
    CProgramDlg& program_;
    int depth_;
    PageView view_;
    std::string escapeButton_;
};

// --- The main page -----------------------------------------------------------------

namespace {

CMainPageDlg::MinimiseBox minimiseBoxOf(const ProgramDescription& program) {
    return pages::PageSession(program).page().minimiseBox ? CMainPageDlg::MinimiseBox::Yes
                                                          : CMainPageDlg::MinimiseBox::No;
}

}  // namespace

CProgramDlg::CProgramDlg(const ProgramShell& shell, const ProgramDescription& program, QWidget* parent)
    : CMainPageDlg(shell, minimiseBoxOf(program), parent),
      session_(program),
      view_(
          *this, shell,
          [this](const std::string& control, const std::string& value) {
              session_.change(control, value);
              view_.show(session_.page());
          },
          [this](const std::string& button) { press(*this, view_, 0, button); }) {
    const pages::Page page = session_.page();
    mainPageHides_ = page.hiddenUnderLaterPages;
    setPageLayout(view_.build(page));
}

CProgramDlg::~CProgramDlg() = default;

void CProgramDlg::reject() {
    if (session_.depth() == 0) press(*this, view_, 0, session_.page().escapeButton);
}

void CProgramDlg::press(QDialog& page, PageView& view, int depth, const std::string& button) {
    // A page the model has already left takes no more presses.
    if (session_.showingResults() || session_.depth() != depth) return;
    if (std::optional<pages::MessageBox> details = session_.details(button)) {
        CDetailsDlg box(*details, &page);
        shell().runModal(box);
        return;
    }
    const pages::Answer answer = session_.press(button);
    if (answer.kind == pages::Answer::Kind::End) {
        CMainPageDlg::reject();
        return;
    }
    if (answer.kind == pages::Answer::Kind::Message) message_ = answer.message;
    settle(page, view, depth);
}

void CProgramDlg::settle(QDialog& page, PageView& view, int depth) {
    const auto left = [&] { return session_.showingResults() || session_.depth() < depth; };
    if (depth > 0 && left()) {
        page.done(session_.showingResults() ? QDialog::Accepted : QDialog::Rejected);
        return;
    }
    const bool hides = depth > 0 || mainPageHides_;
    while (!session_.showingResults() && session_.depth() > depth) {
        CLaterPageDlg later(*this, session_.depth());
        if (hides) page.hide();
        shell().runModal(later);
    }
    if (depth > 0 && left()) {
        page.done(session_.showingResults() ? QDialog::Accepted : QDialog::Rejected);
        return;
    }
    if (session_.showingResults()) {
        if (hides) page.hide();
        showResults();
        session_.press("ok");
    }
    if (!page.isVisible()) {
        page.show();
        page.raise();
        page.activateWindow();
    }
    view.show(session_.page());
    showMessage(page, view);
}

void CProgramDlg::showResults() {
    CResultsDlg results(shell());
    const pages::Results& made = session_.results();
    results.setListing(&made.listing);
    if (made.pageBreakLine >= 0) results.setPageBreakLine(static_cast<std::size_t>(made.pageBreakLine));
    results.setPicture(made.picture);
    shell().runModal(results);
}

void CProgramDlg::showMessage(QDialog& page, const PageView& view) {
    if (!message_) return;
    const pages::MessageBox message = std::move(*message_);
    message_.reset();
    QString text;
    for (const auto& [label, row] : message.rows) text += (text.isEmpty() ? "" : "\n") + qText(row);
    if (!text.isEmpty()) shell().warn(&page, text);
    if (QWidget* control = view.control(message.focus)) focusWithTextSelected(control);
}

}  // namespace csp::ui
