#include "support/dialogs.h"

#include "support/child_process.h"

#include <utility>

namespace zbw::test {
namespace {

BOOL CALLBACK FindVisibleDialog(HWND window, LPARAM found) {
    if (ClassName(window) == "#32770" && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

bool PollUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

HWND WaitForDialog(DWORD threadId, std::chrono::milliseconds limit) {
    HWND dialog = nullptr;
    PollUntil(
        [&] {
            EnumThreadWindows(threadId, FindVisibleDialog, reinterpret_cast<LPARAM>(&dialog));
            return dialog != nullptr;
        },
        limit);
    return dialog;
}

HICON ShownIcon(HWND dialog) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        const auto type = static_cast<DWORD>(GetWindowLongPtrA(child, GWL_STYLE)) & SS_TYPEMASK;
        if (ClassName(child) == "Static" && IsWindowVisible(child) && type == SS_ICON) {
            return reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
        }
    }
    return nullptr;
}

void PressDialogButton(HWND dialog, int buttonId) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, buttonId)));
}

DialogWatcher::DialogWatcher(DWORD threadId, std::function<void(HWND dialog)> action)
    : thread_([threadId, action = std::move(action)] {
          if (HWND dialog = WaitForDialog(threadId)) {
              action(dialog);
          }
      }) {}

DialogWatcher::~DialogWatcher() {
    thread_.join();
}

} // namespace zbw::test
