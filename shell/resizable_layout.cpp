#include "shell/resizable_layout.h"

#include <algorithm>

namespace csp {

ClientRect anchoredRect(ClientRect rect, std::uint16_t flags, SizeChange change) {
    if (flags & StretchRight) {
        rect.right += change.dx;
    } else if (flags & MoveRight) {
        rect.left += change.dx;
        rect.right += change.dx;
    }
    if (flags & StretchDown) {
        rect.bottom += change.dy;
    } else if (flags & MoveDown) {
        rect.top += change.dy;
        rect.bottom += change.dy;
    }
    return rect;
}

void ResizableLayout::registerAnchor(std::uint16_t controlId, std::uint16_t flags) {
    if (flags != 0) anchors_.push_back({controlId, flags});
}

std::optional<SizeChange> ResizableLayout::clientResized(ClientSize size, bool minimised) {
    if (minimised) return std::nullopt;
    const SizeChange change{size.width - last_.width, size.height - last_.height};
    const bool first = last_.width == 0;
    last_ = size;
    if (first) return std::nullopt;
    resized_ = true;
    return change;
}

void ResizableLayout::moveAnchoredControls(SizeChange change,
                                           const std::function<std::optional<ClientRect>(std::uint16_t)>& rectOf,
                                           const std::function<void(std::uint16_t, ClientRect)>& moveTo) const {
    for (const Anchor& anchor : anchors_) {
        const std::optional<ClientRect> rect = rectOf(anchor.controlId);
        if (!rect) continue;
        moveTo(anchor.controlId, anchoredRect(*rect, anchor.flags, change));
    }
}

void ResizableLayout::reset() {
    last_ = {};
    resized_ = false;
}

std::optional<ClientSize> rememberedWindowSize(int width, int height, ClientSize available, ClientSize minimum) {
    if (width <= 0 || height <= 0) return std::nullopt;
    return ClientSize{std::max(std::min(width, available.width), minimum.width),
                      std::max(std::min(height, available.height), minimum.height)};
}

}  // namespace csp
