// The program's main window without the program: the window and its controls made from the same
// definition table by plain calls on the system's own classes, with their texts, fonts and list
// entries, centred and shown like the program's. No frame, no events, no subclassing, no icon, no
// notification area. Beside the program it shows what its window alone costs at start-up on this
// platform; beside the empty window, what the program's own work adds. It closes on WM_CLOSE.
#include "ui/main_window_definition.h"

#include "plain_window.h"

#include <windows.h>

namespace {

using zbw::ControlDefinition;
using zbw::ControlKind;

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// One font per control that names one, as the program makes them; deleted when the window is gone.
class Fonts {
  public:
    Fonts() = default;
    Fonts(const Fonts&) = delete;
    Fonts& operator=(const Fonts&) = delete;
    ~Fonts() {
        for (int index = 0; index < count_; ++index) {
            DeleteObject(made_[index]);
        }
    }

    HFONT For(const ControlDefinition& control) {
        if (control.font == nullptr || count_ == kMost) {
            return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
        }
        const zbw::FontDefinition& font = *control.font;
        made_[count_] = CreateFontA(-font.height, 0, 0, 0, font.weight, font.italic, font.underline,
                                    font.strikeOut, font.charSet, OUT_DEFAULT_PRECIS,
                                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, font.face);
        return made_[count_++];
    }

  private:
    static constexpr int kMost = 32;
    HFONT made_[kMost] = {};
    int count_ = 0;
};

bool AddControl(HWND parent, const ControlDefinition& control, Fonts& fonts) {
    const char* className = "STATIC";
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (control.visible ? WS_VISIBLE : 0);
    DWORD extendedStyle = 0;
    int height = control.height;
    switch (control.kind) {
    case ControlKind::Label:
        break;
    case ControlKind::Button:
        className = "BUTTON";
        style |= WS_TABSTOP | BS_PUSHBUTTON;
        break;
    case ControlKind::RadioBox:
        className = "BUTTON";
        style |= WS_TABSTOP | BS_AUTORADIOBUTTON;
        break;
    case ControlKind::EditBox:
        className = "EDIT";
        style |= WS_TABSTOP | ES_AUTOHSCROLL;
        extendedStyle = WS_EX_CLIENTEDGE;
        break;
    case ControlKind::ComboBox:
        className = "COMBOBOX";
        style |= WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
        height = 160;
        break;
    case ControlKind::Timer:
        SetTimer(parent, reinterpret_cast<UINT_PTR>(&control), control.interval, nullptr);
        return true;
    default:
        return true;
    }
    const HWND child =
        CreateWindowExA(extendedStyle, className, control.text, style, control.left, control.top,
                        control.width, height, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (child == nullptr) {
        return false;
    }
    SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.For(control)), FALSE);
    for (const char* entry : control.items) {
        SendMessageA(child, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
    }
    if (control.kind == ControlKind::ComboBox) {
        SendMessageA(child, CB_SETCURSEL, static_cast<WPARAM>(control.selectedIndex), 0);
    }
    return true;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    const zbw::WindowDefinition& definition = zbw::MainWindowDefinition();
    if (!zbw::bench::RegisterPlainClass(instance, "BareMainWindow", Procedure)) {
        return 1;
    }
    const ControlDefinition& frame = definition.window;
    const HWND window = CreateWindowExA(
        0, "BareMainWindow", frame.text, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
        (GetSystemMetrics(SM_CXSCREEN) - frame.width) / 2,
        (GetSystemMetrics(SM_CYSCREEN) - frame.height) / 2, frame.width, frame.height, nullptr,
        nullptr, instance, nullptr);
    if (window == nullptr) {
        return 1;
    }
    Fonts fonts;
    for (const ControlDefinition& control : definition.controls) {
        if (!AddControl(window, control, fonts)) {
            DestroyWindow(window);
            return 1;
        }
    }
    return zbw::bench::ShowAndServe(window);
}
