#include "shell/ui/program_shell.h"

#include "shell/ui/program_dlg.h"

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <array>
#include <csignal>
#include <cstdio>

#include "shell/program_command_line.h"
#include "shell/ui/page_layout.h"
#include "shell/ui/settings_window_size_store.h"
#include "shell/windows1252.h"

namespace csp::ui {
namespace {

// By ProgramId; the pipe selection, which runs Verrick's checks, shows
constexpr std::array<const char*, programTextsTable.size()> iconResources = {
    ":/icons/tabrell.svg", ":/icons/verrick.svg", ":/icons/ombrel.svg", ":/icons/selector.svg"};
constexpr int iconSizes[] = {16, 24, 32, 48, 64};

}  // namespace

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QIcon programIcon(ProgramId program) {
    QSvgRenderer renderer(QString::fromLatin1(iconResources[static_cast<std::size_t>(program)]));
    QIcon icon;
    for (int size : iconSizes) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter, QRectF(0, 0, size, size));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

ProgramShell::ProgramShell(ProgramId program, ShellServices services)
    : program_(program), services_(std::move(services)), icon_(programIcon(program)) {}

QString ProgramShell::name() const { return toQString(texts().name); }

void ProgramShell::warn(QWidget* parent, const QString& text) const { services_.warn(parent, name(), text); }

int ProgramShell::runModal(QDialog& dialog) const { return services_.runModal(dialog); }

std::unique_ptr<WindowSizeStore> ProgramShell::openWindowSizeStore() const {
    return std::make_unique<SettingsWindowSizeStore>(toQString(texts().settingsName));
}

void runMainPage(QDialog& mainPage) {
    // A loop of its own rather than exec(): hiding a dialog ends its exec().
    QEventLoop untilClosed;
    QObject::connect(&mainPage, &QDialog::finished, &untilClosed, &QEventLoop::quit);
    mainPage.show();
    untilClosed.exec();
}

int runProgram(int& argc, char** argv, const ProgramDescription& program) {
    if (const std::optional<CommandLineAnswer> answer = answerCommandLine(program.id, argc, argv)) {
        std::fputs(answer->text.c_str(), stdout);
        return std::fflush(stdout) == 0 ? answer->status : 1;
    }
#ifdef SIGPIPE
    // A report saved to a FIFO whose reader goes away fails with its
    // message, instead of the signal ending the program and every entry.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    QApplication application(argc, argv);
    const ProgramShell shell(program.id);
    QApplication::setWindowIcon(shell.icon());
    CProgramDlg mainPage(shell, program);
    runMainPage(mainPage);
    return 0;
}

}  // namespace csp::ui
