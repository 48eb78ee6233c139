#pragma once

#include <QRect>

#include "shell/resizable_layout.h"

namespace csp::ui {

// ClientRect's right and bottom lie just outside the control, QRect's on it.
inline ClientRect toClientRect(const QRect& rect) {
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}
inline QRect toQRect(const ClientRect& rect) {
    return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

}  // namespace csp::ui
