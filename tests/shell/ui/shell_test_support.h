#pragma once

#include <QDialog>
#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "shell/ui/shell_services.h"

namespace csp::ui::testing_support {

// The one application object of a test program; under the offscreen
// platform no display is needed.
void ensureApplication();

// Shows and activates a page, and says what is wrong with its keyboard use, one sentence each: the
// control focused on opening is not the first one, a focused field's text is
// not selected, or Tab does not go through the controls as they are laid out
// (top to bottom, left to right, the push buttons last). Tab goes round once
// and leaves the focus where it was.
std::vector<std::string> keyboardFaults(QDialog& page);

// Services that never wait for the user: message boxes are recorded, modal
// runs show the page, check its keyboard use and call `onModal`, and the save
// and print dialogs answer what the test set up.
struct FakeUser {
    struct Warning {
        QString caption, text;
    };
    std::vector<Warning> warnings;
    std::vector<QString> modalTitles;
    std::function<int(QDialog&)> onModal = [](QDialog&) { return int(QDialog::Accepted); };
    std::optional<QString> saveAnswer;
    int saveDialogsShown = 0;
    std::optional<QString> printToPdf;  // nothing: the print dialog is cancelled
    std::vector<PageRange> printRanges;
    struct Help {
        QString control, text;  // the control's name, and what it shows
    };
    std::vector<Help> helps;
    CalendarDate today{2026, 3, 14};  // the day printouts are dated
    bool checkKeyboard = true;

    ShellServices services();
};

// Keeps the window-size store of every program in a folder of its own,
// emptied for each test.
class ScratchSettings {
public:
    ScratchSettings();
    QString path() const { return folder_.path(); }
    QString iniFile(const char* settingsName) const;
    void write(const char* settingsName, const char* section, const char* key, const QString& value) const;
    QString read(const char* settingsName, const char* section, const char* key) const;

private:
    QTemporaryDir folder_;
};

// The bytes of a file.
std::string contentsOf(const QString& path);

// The text of a PDF file by pages, as pdftotext reads it.
std::vector<std::string> pdfPages(const QString& path);

// How many pixels of a page (from 1) of a PDF file, drawn at 40 dots to
// the inch, are dark between two heights given as fractions of the page's
// (0 its top, 1 its bottom): where a picture drawn as vectors shows.
int inkedPixels(const QString& path, int page, double fromTop, double toTop);

// One field of what pdfinfo reports of a PDF file ("Title", "Pages").
QString pdfInfo(const QString& path, const char* field);

}  // namespace csp::ui::testing_support
