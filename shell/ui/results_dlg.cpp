#include "shell/ui/results_dlg.h"

#include <QCloseEvent>
#include <QFile>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QStyledItemDelegate>

#include "shell/listing_file.h"
#include "shell/print_listing.h"
#include "shell/program_texts.h"
#include "shell/ui/dialog_font.h"
#include "shell/ui/job_dlg.h"
#include "shell/ui/program_shell.h"
#include "shell/ui/qt_geometry.h"
#include "shell/ui/page_layout.h"
#include "shell/ui/qt_printer_device.h"
#include "shell/windows1252.h"

namespace csp::ui {
namespace {

// Draws lines that cannot be selected without the current-line mark, which
// would look like a selection.
class UnselectableLineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->state &= ~QStyle::State_HasFocus;
    }
};

// A file name as writeListingFile takes it and its messages give it back:
// the file system's own bytes, and UTF-8 on Windows, where QFile's are the
// ANSI code page.
#ifdef Q_OS_WIN
QByteArray encodeName(const QString& name) { return name.toUtf8(); }
QString decodeName(const QByteArray& name) { return QString::fromUtf8(name); }
#else
QByteArray encodeName(const QString& name) { return QFile::encodeName(name); }
QString decodeName(const QByteArray& name) { return QFile::decodeName(name); }
#endif

}  // namespace

CResultsDlg::CResultsDlg(const ProgramShell& shell, QWidget* parent)
    : CResizableDlg([&shell] { return shell.openWindowSizeStore(); },
                    windowSizeSection(shell.resultsDesign().resourceId), parent),
      shell_(shell),
      design_(shell.resultsDesign()),
      list_(new QListWidget(this)) {
    setWindowTitle(toQString(resultsTitle));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setModal(true);
    setFont(fixedPitchFont(design_.fontFamily, design_.fontPoints));
    const DialogBaseUnits base = dialogBaseUnits(font());

    list_->setGeometry(toQRect(toPixels(design_.list, base)));
    list_->setUniformItemSizes(true);
    list_->setWordWrap(false);
    // A line wider than the list is cut at its right edge: no ellipsis and
    // no horizontal scroll bar; widening the window shows more of it.
    list_->setTextElideMode(Qt::ElideNone);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    if (design_.linesSelectable) {
        list_->setSelectionMode(QAbstractItemView::SingleSelection);
    } else {
        list_->setSelectionMode(QAbstractItemView::NoSelection);
        list_->setItemDelegate(new UnselectableLineDelegate(list_));
    }
    addControl(ResultsList, list_);
    list_->setAccessibleName(toQString(resultsTitle));

    QPushButton* ok = addButton(ResultsOk, toQString(resultsOkText), design_.buttons[0], base);
    QPushButton* save = addButton(ResultsSaveAs, toQString(resultsSaveAsText), design_.buttons[1], base);
    QPushButton* print = addButton(ResultsPrint, toQString(resultsPrintText), design_.buttons[2], base);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(save, &QPushButton::clicked, this, &CResultsDlg::saveAs);
    connect(print, &QPushButton::clicked, this, &CResultsDlg::print);

    // The report first, then the buttons from left to right.
    tabInOrder({list_, ok, save, print});
    focusOnOpen(*this, list_);
    giveMnemonics(*this);
    for (const Anchor& anchor : resultsWindowAnchors) registerAnchor(anchor.controlId, anchor.flags);
    setDesignedSize(toPixels(design_.window, base));
}

QPushButton* CResultsDlg::addButton(std::uint16_t controlId, const QString& text, DialogPoint place,
                                    DialogBaseUnits base) {
    auto* button = new QPushButton(text, this);
    button->setGeometry(toQRect(toPixels(DialogRect{place.x, place.y, resultsButtonSize.width, resultsButtonSize.height}, base)));
    addControl(controlId, button);
    return button;
}

void CResultsDlg::initialise() { fillList(); }

void CResultsDlg::fillList() {
    if (listing_ == nullptr || listing_->isEmpty()) return;
    QStringList items;
    items.reserve(static_cast<qsizetype>(listing_->count()));
    for (std::size_t i = 0; i < listing_->count(); ++i) {
        if (const std::optional<std::string> line = listing_->line(i))
            items.append(QString::fromStdString(windows1252ToUtf8(*line)));
    }
    list_->addItems(items);
    // A screen reader starts at the first line and reads on line by line
    // as the arrow keys move; nothing is selected by it.
    list_->selectionModel()->setCurrentIndex(list_->model()->index(0, 0), QItemSelectionModel::NoUpdate);
}

void CResultsDlg::saveAs() {
    const std::optional<QString> path = shell_.services().chooseSaveFile(this);
    if (!path) return;
    const Outcome written = writeListingFile(listing_, encodeName(*path).toStdString());
    // The message holds the path as the file system spells it.
    if (!written) shell_.warn(this, decodeName(QByteArray::fromStdString(written.message)));
}

// The job block first, kept for the next printout; then the printer.
void CResultsDlg::print() {
    CJobDlg jobPage(this);
    if (shell_.runModal(jobPage) != QDialog::Accepted) return;
    QPrinter printer(QPrinter::HighResolution);
    if (!shell_.services().choosePrinter(this, printer, design_.printRange)) return;
    QtPrinterDevice device(printer);
    printListing(listing_, device,
                 Printout{
                     .documentName = shell_.texts().name,
                     .heading = {jobPage.job(), shell_.texts().versionLine, shell_.services().today()},
                     .pageBreakLine = design_.printsPageBreak ? std::optional(pageBreakLine_) : std::nullopt,
                     .picture = picture_,
                 });
}

void CResultsDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Escape || event->modifiers() != Qt::NoModifier) {
        CResizableDlg::keyPressEvent(event);
        return;
    }
    if (design_.escape == EscapeAction::SaveAs)
        saveAs();
    else
        done(QDialog::Rejected);
}

// The close box ends the window like "OK".
void CResultsDlg::closeEvent(QCloseEvent* event) {
    done(QDialog::Accepted);
    event->accept();
}

}  // namespace csp::ui
