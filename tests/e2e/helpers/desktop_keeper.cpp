// Keeps the Wine virtual desktop open after the program has ended, so that the screen can still be
// read: the desktop closes when no process uses it any more. Its one window is never shown; the
// scenario's end stops it with the rest of the Wine prefix.
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (CreateWindowExA(0, "STATIC", "desktop keeper", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                        instance, nullptr) == nullptr) {
        return 1;
    }
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        DispatchMessageA(&message);
    }
    return 0;
}
