#include "designcheck/ui/page_controls.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "shell/windows1252.h"

namespace csp::ui {
namespace {

constexpr int numberWidthInChars = 12;
constexpr int shownWidthInChars = 34;

}  // namespace

QLineEdit* numberField(QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setFixedWidth(field->fontMetrics().averageCharWidth() * numberWidthInChars);
    return field;
}

QLineEdit* shownField(std::string_view text, QWidget* parent) {
    auto* field = new QLineEdit(toQString(text), parent);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    field->setMinimumWidth(field->fontMetrics().averageCharWidth() * shownWidthInChars);
    return field;
}

QComboBox* dropDownList(QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setEditable(false);
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return list;
}

void addRow(QGridLayout* grid, int row, int column, std::string_view label, QWidget* control,
            std::string_view unit) {
    auto* text = new QLabel(toQString(label), control->parentWidget());
    text->setBuddy(control);
    grid->addWidget(text, row, column);
    auto* controlAndUnit = new QHBoxLayout;
    controlAndUnit->addWidget(control);
    if (!unit.empty()) controlAndUnit->addWidget(new QLabel(toQString(unit), control->parentWidget()));
    controlAndUnit->addStretch(1);
    grid->addLayout(controlAndUnit, row, column + 1);
}

std::string toRecordText(const QString& text) { return utf8ToWindows1252(text.toStdString()); }

}  // namespace csp::ui
