#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace csp {

// Sizes and rectangles in pixels of a window's client area.
struct ClientSize {
    int width = 0;
    int height = 0;
    bool operator==(const ClientSize&) const = default;
};

struct ClientRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const ClientRect&) const = default;
};

// How a control follows the window's lower-right corner. Stretching takes
// precedence over moving on the same axis.
enum AnchorFlag : std::uint16_t {
    MoveRight = 1,
    MoveDown = 2,
    StretchRight = 4,
    StretchDown = 8,
};

struct Anchor {
    std::uint16_t controlId;
    std::uint16_t flags;
};

// Change of the client size since the last size the controls were laid out for.
struct SizeChange {
    int dx = 0;
    int dy = 0;
};

// The control's rectangle after the window grew by `change`.
ClientRect anchoredRect(ClientRect rect, std::uint16_t flags, SizeChange change);

// The resizable window's memory: its anchor table and the client size the
// controls were last laid out for.
class ResizableLayout {
public:
    // An entry with flags 0 is not kept; entries keep their order.
    void registerAnchor(std::uint16_t controlId, std::uint16_t flags);
    const std::vector<Anchor>& anchors() const { return anchors_; }

    // A new client size was seen. Answers the change the controls must
    // follow, or nothing: when the window is minimised (the size before
    // stays the reference) and for the first size seen, which only
    // records it.
    std::optional<SizeChange> clientResized(ClientSize size, bool minimised);

    // Moves every registered control by its anchor. `rectOf` answers a
    // control's rectangle, or nothing when the window has no such control
    // (that entry is skipped); `moveTo` places it.
    void moveAnchoredControls(SizeChange change, const std::function<std::optional<ClientRect>(std::uint16_t)>& rectOf,
                              const std::function<void(std::uint16_t, ClientRect)>& moveTo) const;

    bool resized() const { return resized_; }
    ClientSize lastClientSize() const { return last_; }
    void reset();

private:
    std::vector<Anchor> anchors_;
    ClientSize last_;
    bool resized_ = false;
};

// The size a window reopens at from the remembered width and height: none
// unless both are positive; otherwise at most the screen's available size
// (a window larger than the screen hides its buttons) and at least the
// window's designed minimum.
std::optional<ClientSize> rememberedWindowSize(int width, int height, ClientSize available, ClientSize minimum);

}  // namespace csp
