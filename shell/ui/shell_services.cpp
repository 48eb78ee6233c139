#include "shell/ui/shell_services.h"

#include <QDate>
#include <QDialog>
#include <QEventLoop>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QWhatsThis>

namespace csp::ui {

std::unique_ptr<QMessageBox> makeWarningBox(QWidget* parent, const QString& caption, const QString& text) {
    return std::make_unique<QMessageBox>(QMessageBox::Warning, caption, text, QMessageBox::Ok, parent);
}

std::unique_ptr<QFileDialog> makeSaveDialog(QWidget* parent) {
    auto dialog = std::make_unique<QFileDialog>(parent);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setDefaultSuffix("txt");
    // "*" is every file on this platform; "*.*" would hide names without a dot.
    dialog->setNameFilters({"Text Files (*.txt)", "All Files (*)"});
    dialog->setOption(QFileDialog::DontConfirmOverwrite, false);
    return dialog;
}

std::unique_ptr<QPrintDialog> makePrintDialog(QWidget* parent, QPrinter& printer, PageRange range) {
    auto dialog = std::make_unique<QPrintDialog>(&printer, parent);
    dialog->setMinMax(range.minimum, range.maximum);
    dialog->setFromTo(range.from, range.to);
    return dialog;
}

int runPage(QDialog& dialog) {
    // exec() would end as soon as the page hides itself to run a later one;
    // a page runs until it closes with its button's result.
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setResult(0);
    QEventLoop untilClosed;
    QObject::connect(&dialog, &QDialog::finished, &untilClosed, &QEventLoop::quit);
    dialog.show();
    untilClosed.exec(QEventLoop::DialogExec);
    return dialog.result();
}

ShellServices ShellServices::platform() {
    ShellServices services;
    services.warn = [](QWidget* parent, const QString& caption, const QString& text) {
        makeWarningBox(parent, caption, text)->exec();
    };
    services.runModal = runPage;
    services.chooseSaveFile = [](QWidget* parent) -> std::optional<QString> {
        const std::unique_ptr<QFileDialog> dialog = makeSaveDialog(parent);
        if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return std::nullopt;
        return dialog->selectedFiles().constFirst();
    };
    services.choosePrinter = [](QWidget* parent, QPrinter& printer, PageRange range) {
        return makePrintDialog(parent, printer, range)->exec() == QDialog::Accepted;
    };
    services.showHelp = [](QWidget* control, const QString& text) {
        QWhatsThis::showText(control->mapToGlobal(QPoint(0, control->height())), text, control);
    };
    services.today = [] {
        const QDate date = QDate::currentDate();
        return CalendarDate{date.year(), date.month(), date.day()};
    };
    return services;
}

}  // namespace csp::ui
