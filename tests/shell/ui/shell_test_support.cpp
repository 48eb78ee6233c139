#include "tests/shell/ui/shell_test_support.h"

#include <QApplication>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>

#include <gtest/gtest.h>

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

ShellServices FakeUser::services() {
    ShellServices services;
    services.warn = [this](QWidget*, const QString& caption, const QString& text) {
        warnings.push_back({caption, text});
    };
    services.runModal = [this](QDialog& dialog) {
        modalTitles.push_back(dialog.windowTitle());
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

QString pdfInfo(const QString& path, const char* field) {
    QProcess pdfinfo;
    pdfinfo.start("pdfinfo", {path});
    EXPECT_TRUE(pdfinfo.waitForFinished(30000)) << "pdfinfo (Debian poppler-utils) must be installed";
    const QRegularExpression line(QString("^%1:\\s*(.*)$").arg(field), QRegularExpression::MultilineOption);
    return line.match(QString::fromUtf8(pdfinfo.readAllStandardOutput())).captured(1).trimmed();
}

}  // namespace csp::ui::testing_support
