#pragma once

#include <QIcon>
#include <QString>

#include <functional>
#include <memory>

#include "shell/outcome.h"
#include "shell/program_texts.h"
#include "shell/results_window_design.h"
#include "shell/ui/shell_services.h"

class QDialog;

namespace csp {
struct ProgramDescription;
}

namespace csp::ui {

// What every page of one program shares: its texts, its icon, its
// Results window design and the services through which it waits for the
// user.
class ProgramShell {
public:
    explicit ProgramShell(ProgramId program, ShellServices services = ShellServices::platform());

    ProgramId program() const { return program_; }
    const ProgramTexts& texts() const { return programTexts(program_); }
    const ResultsWindowDesign& resultsDesign() const { return resultsWindowDesign(program_); }
    QString name() const;
    const QIcon& icon() const { return icon_; }

    // A warning box with the program's name as caption.
    void warn(QWidget* parent, const QString& text) const;
    int runModal(QDialog& dialog) const;
    const ShellServices& services() const { return services_; }

    std::unique_ptr<WindowSizeStore> openWindowSizeStore() const;

private:
    ProgramId program_;
    ShellServices services_;
    QIcon icon_;
};

// The program's icon, drawn from its SVG at the sizes window managers ask for.
QIcon programIcon(ProgramId program);

// Shell text held as std::string_view, for Qt.
QString toQString(std::string_view text);

// Start-up: --help and --version answered on the command line; otherwise
// the application object, then the main page as the application window, run until it closes (whatever closed it); then the program ends.
// The page may hide itself while later pages run without ending the program.
int runProgram(int& argc, char** argv, const ProgramDescription& program);

// Shows the main page and returns when it closes.
void runMainPage(QDialog& mainPage);

}  // namespace csp::ui
