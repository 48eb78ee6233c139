#pragma once

#include <QDialog>
#include <QPointer>

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "shell/resizable_layout.h"
#include "shell/results_window_design.h"

namespace csp::ui {

// A dialog whose registered controls follow its lower-right corner as it is
// resized, with a size grip, never smaller than its designed size, and
// reopening at the size it had when it last closed.
class CResizableDlg : public QDialog {
    Q_OBJECT
public:
    using StoreOpener = std::function<std::unique_ptr<WindowSizeStore>()>;

    // `section` addresses the window's size in the store `openStore` opens.
    CResizableDlg(StoreOpener openStore, std::string section, QWidget* parent = nullptr);
    ~CResizableDlg() override;

    void setVisible(bool visible) override;

protected:
    void addControl(std::uint16_t controlId, QWidget* control);
    void registerAnchor(std::uint16_t controlId, std::uint16_t flags);
    // The client size the controls are placed for; it is also the smallest.
    void setDesignedSize(ClientSize size);
    // Runs once, before the window is first shown.
    virtual void initialise() {}

    void resizeEvent(QResizeEvent* event) override;

private:
    void restoreRememberedSize();
    void rememberSize();
    QWidget* control(std::uint16_t controlId) const;

    StoreOpener openStore_;
    std::string section_;
    ResizableLayout layout_;
    std::map<std::uint16_t, QPointer<QWidget>> controls_;
    bool initialised_ = false;
};

}  // namespace csp::ui
