#include "shell/ui/main_page_dlg.h"

#include <QAction>
#include <QLayout>

#include "shell/ui/about_dlg.h"
#include "shell/ui/program_shell.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace csp::ui {
namespace {

#ifdef Q_OS_WIN
// Command identifier of the About entry in the system menu.
constexpr UINT aboutCommand = 0x10;
#endif

Qt::WindowFlags mainPageFlags(CMainPageDlg::MinimiseBox minimiseBox) {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                            Qt::WindowCloseButtonHint;
    if (minimiseBox == CMainPageDlg::MinimiseBox::Yes) flags |= Qt::WindowMinimizeButtonHint;
    return flags;
}

}  // namespace

CMainPageDlg::CMainPageDlg(const ProgramShell& shell, MinimiseBox minimiseBox, QWidget* parent)
    : QDialog(parent, mainPageFlags(minimiseBox)), shell_(shell), aboutAction_(new QAction(this)) {
    setWindowTitle(shell.name());
    setWindowIcon(shell.icon());

    aboutAction_->setText(toQString(shell.texts().aboutEntry));
    aboutAction_->setShortcut(QKeySequence::HelpContents);
    aboutAction_->setShortcutContext(Qt::WindowShortcut);
    connect(aboutAction_, &QAction::triggered, this, &CMainPageDlg::openAboutBox);
    addAction(aboutAction_);
#ifndef Q_OS_WIN
    setContextMenuPolicy(Qt::ActionsContextMenu);
#endif
}

void CMainPageDlg::openAboutBox() {
    CAboutDlg about(shell_, this);
    shell_.runModal(about);
}

void CMainPageDlg::setPageLayout(QLayout* layout) {
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setLayout(layout);
}

#ifdef Q_OS_WIN
void CMainPageDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (systemMenuExtended_) return;
    systemMenuExtended_ = true;
    const std::wstring entry = aboutAction_->text().toStdWString();
    HMENU menu = ::GetSystemMenu(reinterpret_cast<HWND>(winId()), FALSE);
    if (menu == nullptr || entry.empty()) return;
    ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(menu, MF_STRING, aboutCommand, entry.c_str());
}

bool CMainPageDlg::nativeEvent(const QByteArray& eventType, void* message, qintptr* result) {
    const MSG* msg = static_cast<const MSG*>(message);
    if (msg->message == WM_SYSCOMMAND && (msg->wParam & 0xFFF0) == aboutCommand) {
        openAboutBox();
        *result = 0;
        return true;
    }
    return QDialog::nativeEvent(eventType, message, result);
}
#endif

}  // namespace csp::ui
