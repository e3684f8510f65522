#pragma once

#include <windows.h>

namespace zbw {

// The object a window procedure serves: kept with the window from WM_NCCREATE, where it arrives as
// the creation parameter, and read back for every later message; null before that and after the
// owner let go of the window.
template <typename T> T* WindowObject(HWND window, UINT message, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    return reinterpret_cast<T*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

} // namespace zbw
