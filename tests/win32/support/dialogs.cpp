#include "support/dialogs.h"

#include <utility>

namespace zbw::test {
namespace {

BOOL CALLBACK FindVisibleDialog(HWND window, LPARAM found) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (std::string_view(className) == "#32770" && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

bool IsStatic(HWND window) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    return lstrcmpiA(className, "Static") == 0;
}

bool ShowsPicture(HWND window) {
    const auto type = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE)) & SS_TYPEMASK;
    return type == SS_ICON || type == SS_BITMAP || type == SS_ENHMETAFILE;
}

std::vector<HWND> VisibleStatics(HWND dialog) {
    std::vector<HWND> statics;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsStatic(child) && IsWindowVisible(child)) {
            statics.push_back(child);
        }
    }
    return statics;
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

std::string WindowText(HWND window) {
    char text[1024] = {};
    const int length = GetWindowTextA(window, text, sizeof text);
    return std::string(text, length > 0 ? static_cast<std::size_t>(length) : 0);
}

std::vector<std::string> StaticTexts(HWND dialog) {
    std::vector<std::string> texts;
    for (HWND child : VisibleStatics(dialog)) {
        if (!ShowsPicture(child)) {
            texts.push_back(WindowText(child));
        }
    }
    return texts;
}

HICON ShownIcon(HWND dialog) {
    for (HWND child : VisibleStatics(dialog)) {
        const auto type = static_cast<DWORD>(GetWindowLongPtrA(child, GWL_STYLE)) & SS_TYPEMASK;
        if (type == SS_ICON) {
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
