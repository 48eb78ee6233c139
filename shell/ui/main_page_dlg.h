#pragma once

#include <QDialog>

class QAction;

namespace csp::ui {

class ProgramShell;

// What the three main pages share: the program's name as title, its icon,
// a fixed frame, a place in the task bar, and the About entry. On Windows
// the entry is appended to the system menu; elsewhere it is in the page's
// context menu, and F1 opens the About box too. Escape and the close box
// end the page, and with it the program.
class CMainPageDlg : public QDialog {
    Q_OBJECT
public:
    enum class MinimiseBox { No, Yes };

    CMainPageDlg(const ProgramShell& shell, MinimiseBox minimiseBox, QWidget* parent = nullptr);

    const ProgramShell& shell() const { return shell_; }
    QAction* aboutAction() const { return aboutAction_; }
    void openAboutBox();

protected:
    // Gives the page its layout and fixes the frame to it.
    void setPageLayout(QLayout* layout);
#ifdef Q_OS_WIN
    void showEvent(QShowEvent* event) override;
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;
#endif

private:
    const ProgramShell& shell_;
    QAction* aboutAction_;
#ifdef Q_OS_WIN
    bool systemMenuExtended_ = false;
#endif
};

}  // namespace csp::ui
