// Reads, from outside, what a person sees of the top-level windows with a given title: where each
// is, whether it is shown, minimised and active, and for each of its controls the place, kind,
// state and text. The end-to-end driver runs it in the program's Wine prefix.
//
//   window_texts TITLE
//
// prints one tab-separated line per window and per direct child control, in UTF-8:
//
//   window   LEFT TOP RIGHT BOTTOM VISIBLE MINIMISED ACTIVE MINIMISE_X MINIMISE_Y TITLE
//   control  X Y SCREEN_X SCREEN_Y WIDTH HEIGHT CLASS ENABLED CHECKED DROPPED FOCUSED TEXT
//
// MINIMISE_X and MINIMISE_Y are the middle of the title bar's minimise button on the screen (-1
// when the window shows none). X and Y are the control's place in the window's client area, as
// the window's definition gives it; SCREEN_X and SCREEN_Y where it is on the screen. The texts come
// from WM_GETTEXT, which a drop-down list answers with its selected entry. The exit code is 1 when
// no window has the title.
#include <string>
#include <vector>

#include <windows.h>

namespace {

constexpr UINT kReplyLimitMs = 2000;

std::string Utf8(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), utf8.data(), size,
                        nullptr, nullptr);
    return utf8;
}

// Asks the window's own thread, so that controls answer as they do for their program.
LRESULT Ask(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kReplyLimitMs, &answer);
    return static_cast<LRESULT>(answer);
}

std::wstring TextOf(HWND window) {
    const auto length = Ask(window, WM_GETTEXTLENGTH);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const auto copied = Ask(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

GUITHREADINFO ThreadInfoOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info;
}

struct Search {
    std::wstring title;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTitled(HWND window, LPARAM search) {
    auto& wanted = *reinterpret_cast<Search*>(search);
    if (GetParent(window) == nullptr && TextOf(window) == wanted.title) {
        wanted.found.push_back(window);
    }
    return TRUE;
}

// The minimise button, found as the window itself tells it apart: along the middle of the title
// bar, from the right, where the buttons are, the points for which WM_NCHITTEST answers
// HTMINBUTTON.
POINT MinimiseButton(HWND window) {
    TITLEBARINFO title{};
    title.cbSize = sizeof title;
    POINT middle{-1, -1};
    if (!IsWindowVisible(window) || IsIconic(window) || !GetTitleBarInfo(window, &title)) {
        return middle;
    }
    const int y = (title.rcTitleBar.top + title.rcTitleBar.bottom) / 2;
    int first = -1;
    int last = -1;
    for (int x = title.rcTitleBar.right - 1; x >= title.rcTitleBar.left; --x) {
        if (Ask(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTMINBUTTON) {
            last = last < 0 ? x : last;
            first = x;
        } else if (last >= 0) {
            break;
        }
    }
    if (last >= 0) {
        middle = {(first + last) / 2, y};
    }
    return middle;
}

std::string WindowLine(HWND window) {
    RECT place{};
    GetWindowRect(window, &place);
    const bool active =
        GetForegroundWindow() == window && ThreadInfoOf(window).hwndActive == window;
    const POINT minimise = MinimiseButton(window);
    return "window\t" + std::to_string(place.left) + '\t' + std::to_string(place.top) + '\t' +
           std::to_string(place.right) + '\t' + std::to_string(place.bottom) + '\t' +
           (IsWindowVisible(window) ? "1" : "0") + '\t' + (IsIconic(window) ? "1" : "0") + '\t' +
           (active ? "1" : "0") + '\t' + std::to_string(minimise.x) + '\t' +
           std::to_string(minimise.y) + '\t' + Utf8(TextOf(window)) + '\n';
}

std::string ControlLine(HWND window, HWND control) {
    RECT place{};
    GetWindowRect(control, &place);
    POINT client{place.left, place.top};
    ScreenToClient(window, &client);
    const std::wstring kind = ClassOf(control);
    const bool button = lstrcmpiW(kind.c_str(), L"Button") == 0;
    const bool list = lstrcmpiW(kind.c_str(), L"ComboBox") == 0;
    const bool checked = button && Ask(control, BM_GETCHECK) == BST_CHECKED;
    const bool dropped = list && Ask(control, CB_GETDROPPEDSTATE) != 0;
    const bool focused = ThreadInfoOf(control).hwndFocus == control;
    return "control\t" + std::to_string(client.x) + '\t' + std::to_string(client.y) + '\t' +
           std::to_string(place.left) + '\t' + std::to_string(place.top) + '\t' +
           std::to_string(place.right - place.left) + '\t' +
           std::to_string(place.bottom - place.top) + '\t' + Utf8(kind) + '\t' +
           (IsWindowEnabled(control) ? "1" : "0") + '\t' + (checked ? "1" : "0") + '\t' +
           (dropped ? "1" : "0") + '\t' + (focused ? "1" : "0") + '\t' + Utf8(TextOf(control)) +
           '\n';
}

} // namespace

int main() {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (arguments == nullptr || count != 2) {
        return 2;
    }
    Search search{arguments[1], {}};
    LocalFree(arguments);
    EnumWindows(CollectTitled, reinterpret_cast<LPARAM>(&search));

    std::string report;
    for (HWND window : search.found) {
        report += WindowLine(window);
        for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
             child = GetWindow(child, GW_HWNDNEXT)) {
            report += ControlLine(window, child);
        }
    }
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), report.data(), static_cast<DWORD>(report.size()),
              &written, nullptr);
    return search.found.empty() ? 1 : 0;
}
