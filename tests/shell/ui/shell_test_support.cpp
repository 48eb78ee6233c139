#include "tests/shell/ui/shell_test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

namespace csp::ui::testing_support {

void ensureApplication() {
    static int argc = 1;
    static char name[] = "csp-ui-tests";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance() != nullptr) return;
    // No display is needed, even when the program is run by hand.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(argc, argv);  // lives until the test program ends
}

namespace {

std::string nameOf(const QWidget* control) {
    if (control == nullptr) return "nothing";
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        if (!button->text().isEmpty()) return QString("'%1'").arg(button->text()).toStdString();
    }
    if (!control->objectName().isEmpty()) return control->objectName().toStdString();
    return control->metaObject()->className();
}

// A radio button Tab passes over: an unchecked one of an exclusive group.
bool passedOverByTab(const QWidget* control) {
    const auto* radio = qobject_cast<const QRadioButton*>(control);
    return radio != nullptr && radio->autoExclusive() && !radio->isChecked();
}

// The controls Tab should reach, as they are laid out.
std::vector<QWidget*> visualOrder(QDialog& page) {
    struct Placed {
        QWidget* control;
        bool button;
        QRect place;
    };
    std::vector<Placed> placed;
    for (QWidget* control : page.findChildren<QWidget*>()) {
        if (!control->isVisibleTo(&page) || !control->isEnabled() || passedOverByTab(control)) continue;
        if ((control->focusPolicy() & Qt::TabFocus) == 0 || control->focusProxy() != nullptr) continue;
        // The parts of a compound control (a list's own editor) are not stops.
        if (control->parentWidget() != &page && control->parentWidget()->focusProxy() == control) continue;
        placed.push_back({control, qobject_cast<QPushButton*>(control) != nullptr,
                          QRect(control->mapTo(&page, QPoint(0, 0)), control->size())});
    }
    // Controls whose middles are within a few pixels of height share a row.
    std::sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) {
        if (a.button != b.button) return b.button;
        const int rowA = a.place.center().y(), rowB = b.place.center().y();
        if (std::abs(rowA - rowB) > 6) return rowA < rowB;
        return a.place.x() < b.place.x();
    });
    std::vector<QWidget*> order;
    for (const Placed& p : placed) order.push_back(p.control);
    return order;
}

std::string namesOf(const std::vector<QWidget*>& controls) {
    std::string names;
    for (const QWidget* control : controls) names += (names.empty() ? "" : ", ") + nameOf(control);
    return names;
}

void checkSelected(const QWidget* control, const char* when, std::vector<std::string>& faults) {
    const auto* field = qobject_cast<const QLineEdit*>(control);
    if (field != nullptr && !field->text().isEmpty() && field->selectedText() != field->text())
        faults.push_back(nameOf(control) + " has its text unselected " + when);
}

}  // namespace

std::vector<std::string> keyboardFaults(QDialog& page) {
    // As a person sees it: shown and active, so that the focus is where the
    // platform puts it.
    page.show();
    page.activateWindow();
    QApplication::processEvents();
    std::vector<std::string> faults;
    const std::string title = page.windowTitle().toStdString();
    const std::vector<QWidget*> expected = visualOrder(page);
    QWidget* first = page.focusWidget();
    if (expected.empty()) return faults;
    if (first != expected.front())
        faults.push_back(title + " opens with the focus on " + nameOf(first) + ", not on " + nameOf(expected.front()));
    checkSelected(first, "on opening", faults);

    std::vector<QWidget*> visited;
    QWidget* at = first;
    do {
        visited.push_back(at);
        if (at == nullptr) break;
        QTest::keyClick(at, Qt::Key_Tab);
        at = page.focusWidget();
        if (at != first) checkSelected(at, "when Tab reaches it", faults);
    } while (at != first && visited.size() <= expected.size() + 2);
    // From the first control, Tab should go round the laid-out order.
    std::vector<QWidget*> round = expected;
    const auto start = std::find(round.begin(), round.end(), first);
    if (start != round.end()) std::rotate(round.begin(), start, round.end());
    if (visited != round)
        faults.push_back(title + ": Tab goes " + namesOf(visited) + "; the page shows " + namesOf(expected));
    return faults;
}

ShellServices FakeUser::services() {
    ShellServices services;
    services.warn = [this](QWidget*, const QString& caption, const QString& text) {
        warnings.push_back({caption, text});
    };
    services.runModal = [this](QDialog& dialog) {
        modalTitles.push_back(dialog.windowTitle());
        if (checkKeyboard) {
            for (const std::string& fault : keyboardFaults(dialog)) ADD_FAILURE() << fault;
        }
        return onModal(dialog);
    };
    services.chooseSaveFile = [this](QWidget*) {
        ++saveDialogsShown;
        return saveAnswer;
    };
    services.choosePrinter = [this](QWidget*, QPrinter& printer, PageRange range) {
        printRanges.push_back(range);
        if (!printToPdf) return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(*printToPdf);
        return true;
    };
    services.showHelp = [this](QWidget* control, const QString& text) { helps.push_back({control->objectName(), text}); };
    services.today = [this] { return today; };
    return services;
}

ScratchSettings::ScratchSettings() {
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder_.path());
}

QString ScratchSettings::iniFile(const char* settingsName) const {
    return folder_.filePath(QString::fromLatin1(settingsName) + ".ini");
}

void ScratchSettings::write(const char* settingsName, const char* section, const char* key,
                            const QString& value) const {
    QSettings settings(iniFile(settingsName), QSettings::IniFormat);
    settings.setValue(QString::fromLatin1(section) + "/" + key, value);
}

QString ScratchSettings::read(const char* settingsName, const char* section, const char* key) const {
    QSettings settings(iniFile(settingsName), QSettings::IniFormat);
    return settings.value(QString::fromLatin1(section) + "/" + key).toString();
}

std::string contentsOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
}

std::vector<std::string> pdfPages(const QString& path) {
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", "-enc", "UTF-8", path, "-"});
    EXPECT_TRUE(pdftotext.waitForFinished(30000)) << "pdftotext (Debian poppler-utils) must be installed";
    const std::string text = pdftotext.readAllStandardOutput().toStdString();
    // pdftotext ends every page with a form feed.
    std::vector<std::string> pages;
    std::size_t start = 0;
    for (std::size_t feed = text.find('\f'); feed != std::string::npos; feed = text.find('\f', start)) {
        pages.push_back(text.substr(start, feed - start));
        start = feed + 1;
    }
    return pages;
}

int inkedPixels(const QString& path, int page, double fromTop, double toTop) {
    QProcess pdftoppm;
    const QString number = QString::number(page);
    const QString picture = path + "-page";
    pdftoppm.start("pdftoppm", {"-png", "-gray", "-r", "40", "-f", number, "-l", number, "-singlefile", path, picture});
    EXPECT_TRUE(pdftoppm.waitForFinished(30000)) << "pdftoppm (Debian poppler-utils) must be installed";
    const QImage image(picture + ".png");
    QFile::remove(picture + ".png");
    int inked = 0;
    for (int y = static_cast<int>(fromTop * image.height()); y < static_cast<int>(toTop * image.height()); ++y)
        for (int x = 0; x < image.width(); ++x) inked += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
    return inked;
}

QString pdfInfo(const QString& path, const char* field) {
    QProcess pdfinfo;
    pdfinfo.start("pdfinfo", {path});
    EXPECT_TRUE(pdfinfo.waitForFinished(30000)) << "pdfinfo (Debian poppler-utils) must be installed";
    const QRegularExpression line(QString("^%1:\\s*(.*)$").arg(field), QRegularExpression::MultilineOption);
    return line.match(QString::fromUtf8(pdfinfo.readAllStandardOutput())).captured(1).trimmed();
}

}  // namespace csp::ui::testing_support
