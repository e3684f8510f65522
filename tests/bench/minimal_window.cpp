// The floor for start-up on this platform: one empty window, shown and painted, built by the same
// toolchain with the same options as the program. It closes on WM_CLOSE like the program.
#include "plain_window.h"

#include <windows.h>

namespace {

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (!zbw::bench::RegisterPlainClass(instance, "MinimalWindow", Procedure)) {
        return 1;
    }
    const HWND window =
        CreateWindowExA(0, "MinimalWindow", "minimal", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                        CW_USEDEFAULT, 360, 240, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return 1;
    }
    return zbw::bench::ShowAndServe(window);
}
