#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "shell/page_model.h"
#include "shell/program_description.h"
#include "shell/ui/main_page_dlg.h"

class QButtonGroup;
class QLayout;

namespace csp::ui {

// The widgets of one page, built from its description: a grid of labelled
// controls (two pairs a row on a two-column page), a note or radio group
// across a row, a control's button beside it, and the page's buttons at
// the ends of the bottom row. What the user changes goes to `changed`,
// what the user presses to `pressed`; `show` brings the widgets up to the
// description again.
class PageView {
public:
    using Changed = std::function<void(const std::string& control, const std::string& value)>;
    using Pressed = std::function<void(const std::string& button)>;

    PageView(QDialog& dialog, const ProgramShell& shell, Changed changed, Pressed pressed);

    // The page's layout; the dialog opens with the focus on the page's first
    // control.
    QLayout* build(const pages::Page& page);
    void show(const pages::Page& page);
    // The widget of the control of this name, or none.
    QWidget* control(std::string_view id) const;

private:
    QWidget* makeControl(const pages::Control& control);

    QDialog& dialog_;
    const ProgramShell& shell_;
    Changed changed_;
    Pressed pressed_;
    std::map<std::string, QWidget*, std::less<>> widgets_;
    std::map<std::string, QButtonGroup*, std::less<>> radios_;
    bool showing_ = false;  // the widgets are being brought up to the description
};

// A program's main page, drawn from its page model, and every later page
// and Results window the model leads to. The model decides what each press
// and change does; this page only draws what it describes, runs each
// later page modally with the pages before it hidden, and shows each
// message on the page the model is on when it comes.
class CProgramDlg : public CMainPageDlg {
    Q_OBJECT
public:
    CProgramDlg(const ProgramShell& shell, const ProgramDescription& program, QWidget* parent = nullptr);
    ~CProgramDlg() override;

    const pages::PageSession& session() const { return session_; }

    void reject() override;

private:
    friend class CLaterPageDlg;

    // A button of the page at `depth` (the main page is 0) was pressed.
    void press(QDialog& page, PageView& view, int depth, const std::string& button);
    // Runs the later pages the model has gone on to, then closes `page`
    // when the model has left it or shows it again as the model holds it.
    void settle(QDialog& page, PageView& view, int depth);
    void showResults();
    void showMessage(QDialog& page, const PageView& view);

    pages::PageSession session_;
    PageView view_;
    std::optional<pages::MessageBox> message_;
    bool mainPageHides_ = true;
};

}  // namespace csp::ui
