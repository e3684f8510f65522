#include "ui/edit_box.h"

#include <algorithm>

namespace zbw {

bool EditBox::Create(HWND parent) {
    if (!CreateStandard(parent, "EDIT", ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, "",
                        std::max(Definition().height, MinimumHeight()))) {
        return false;
    }
    SendMessageA(handle_, EM_SETSEL, 0, 0);
    return true;
}

HBRUSH EditBox::PrepareColours(UINT message, HDC dc) {
    // A disabled box asks with WM_CTLCOLORSTATIC and keeps the platform's grey.
    return message == WM_CTLCOLOREDIT ? ApplyDefinitionColours(dc) : nullptr;
}

TextValue EditBox::ReadText(TextProperty property) const {
    return property == TextProperty::Text ? WindowText() : TextValue{};
}

void EditBox::WriteText(TextProperty property, std::string_view text) {
    if (property == TextProperty::Text) {
        SetWindowTextA(handle_, TextValue::CopyOf(text).CStr());
    }
}

int EditBox::MinimumHeight() {
    HDC screen = GetDC(nullptr);
    if (screen == nullptr) {
        return 0;
    }
    const HGDIOBJ previousFont = SelectObject(screen, Font());
    TEXTMETRICA metrics{};
    const bool measured = GetTextMetricsA(screen, &metrics) != FALSE;
    SelectObject(screen, previousFont);
    ReleaseDC(nullptr, screen);
    return measured ? metrics.tmHeight + 2 * GetSystemMetrics(SM_CYEDGE) : 0;
}

} // namespace zbw
