#include "shell/ui/job_dlg.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

#include "shell/ui/page_layout.h"
#include "shell/ui/program_shell.h"
#include "shell/windows1252.h"

namespace csp::ui {
namespace {

// The field's width: its room, and a little for the cursor.
constexpr int fieldMarginCharacters = 2;

QSettings jobStore() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, toQString(jobStoreName));
}

QString storeKey(const JobField& field) { return toQString(jobStoreSection) + '/' + toQString(field.key); }

}  // namespace

CJobDlg::CJobDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(toQString(jobDialogTitle));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    auto* form = new QFormLayout;
    const QSettings kept = jobStore();
    for (std::size_t i = 0; i < jobFields.size(); ++i) {
        const JobField& field = jobFields[i];
        auto* edit = new QLineEdit(kept.value(storeKey(field)).toString(), this);
        edit->setMaxLength(static_cast<int>(field.width));
        edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() *
                              static_cast<int>(field.width + fieldMarginCharacters));
        auto* label = new QLabel(toQString(field.label) + ':', this);
        label->setBuddy(edit);
        form->addRow(label, edit);
        fields_[i] = edit;
    }

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(form);
    layout->addLayout(buttons);
    tabInOrder({fields_[0], fields_[1], fields_[2], fields_[3], ok, cancel});
    focusOnOpen(*this, fields_[0]);
    giveMnemonics(*this);
}

JobBlock CJobDlg::job() const {
    JobBlock job;
    for (std::size_t i = 0; i < jobFields.size(); ++i)
        job.*jobFields[i].text = utf8ToWindows1252(fields_[i]->text().toStdString());
    return job;
}

void CJobDlg::accept() {
    QSettings kept = jobStore();
    for (std::size_t i = 0; i < jobFields.size(); ++i) kept.setValue(storeKey(jobFields[i]), fields_[i]->text());
    QDialog::accept();
}

}  // namespace csp::ui
