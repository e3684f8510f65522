#pragma once

#include <cstdint>

#include <windows.h>

namespace zbw {

// The TrayEvent kind for the mouse action that the notification area reports in lParam of the
// icon's callback message: 1 left button released, 2 left button double-clicked, 3 right button
// released or the context-menu request; 0 for every other action, which raises no event.
inline std::int32_t TrayEventKind(LPARAM mouseMessage) {
    switch (mouseMessage) {
    case WM_LBUTTONUP:
        return 1;
    case WM_LBUTTONDBLCLK:
        return 2;
    case WM_RBUTTONUP:
    case WM_CONTEXTMENU:
        return 3;
    default:
        return 0;
    }
}

} // namespace zbw
