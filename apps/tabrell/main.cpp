#include "filltables/ui/tabrell_dlg.h"
#include "shell/ui/program_shell.h"

int main(int argc, char** argv) {
    return csp::ui::runProgram(argc, argv, csp::ProgramId::Tabrell, [](const csp::ui::ProgramShell& shell) {
        return std::make_unique<csp::ui::CTabrellDlg>(shell);
    });
}
