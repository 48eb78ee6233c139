#include "shell/ui/resizable_dlg.h"

#include <QResizeEvent>
#include <QScreen>

#include "shell/ui/qt_geometry.h"

namespace csp::ui {
CResizableDlg::CResizableDlg(StoreOpener openStore, std::string section, QWidget* parent)
    : QDialog(parent), openStore_(std::move(openStore)), section_(std::move(section)) {
    setSizeGripEnabled(true);
}

CResizableDlg::~CResizableDlg() { rememberSize(); }

void CResizableDlg::addControl(std::uint16_t controlId, QWidget* control) { controls_[controlId] = control; }

void CResizableDlg::registerAnchor(std::uint16_t controlId, std::uint16_t flags) {
    layout_.registerAnchor(controlId, flags);
}

void CResizableDlg::setDesignedSize(ClientSize size) {
    const QSize designed(size.width, size.height);
    setMinimumSize(designed);
    resize(designed);
    // The size the window is created at: the first size seen, which only
    // records it.
    layout_.clientResized(size, false);
}

void CResizableDlg::setVisible(bool visible) {
    if (visible && !initialised_) {
        initialised_ = true;
        restoreRememberedSize();
        initialise();
    }
    QDialog::setVisible(visible);
}

void CResizableDlg::restoreRememberedSize() {
    const std::unique_ptr<WindowSizeStore> store = openStore_();
    const int width = store->readInt(section_, widthKey);
    const int height = store->readInt(section_, heightKey);
    const QSize available = screen()->availableGeometry().size();
    const std::optional<ClientSize> size = rememberedWindowSize(
        width, height, {available.width(), available.height()}, {minimumWidth(), minimumHeight()});
    if (size) resize(size->width, size->height);
}

void CResizableDlg::rememberSize() {
    const ClientSize last = layout_.lastClientSize();
    if (layout_.resized() && last.width != 0 && last.height != 0) {
        const std::unique_ptr<WindowSizeStore> store = openStore_();
        store->writeInt(section_, widthKey, width());
        store->writeInt(section_, heightKey, height());
    }
    layout_.reset();
}

void CResizableDlg::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    const ClientSize size{event->size().width(), event->size().height()};
    // Showing the window repeats the size it was created at; that is no
    // change of size.
    if (size == layout_.lastClientSize()) return;
    const std::optional<SizeChange> change = layout_.clientResized(size, isMinimized());
    if (!change) return;
    layout_.moveAnchoredControls(
        *change,
        [this](std::uint16_t id) -> std::optional<ClientRect> {
            const QWidget* widget = control(id);
            if (widget == nullptr) return std::nullopt;
            return toClientRect(widget->geometry());
        },
        [this](std::uint16_t id, ClientRect rect) { control(id)->setGeometry(toQRect(rect)); });
}

QWidget* CResizableDlg::control(std::uint16_t controlId) const {
    const auto found = controls_.find(controlId);
    return found == controls_.end() ? nullptr : found->second.data();
}

}  // namespace csp::ui
