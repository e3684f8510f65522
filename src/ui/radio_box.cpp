#include "ui/radio_box.h"

#include "app/event_record.h"

namespace zbw {

bool RadioBox::Create(HWND parent) {
    return CreateStandard(parent, "BUTTON", BS_AUTORADIOBUTTON | BS_LEFT | BS_VCENTER | WS_TABSTOP,
                          0, Definition().text);
}

void RadioBox::OnCommand(WORD notification) {
    if (notification == BN_CLICKED && focusChanges_ == 0) {
        Raise(events::kClicked);
    }
}

HBRUSH RadioBox::PrepareColours(UINT message, HDC dc) {
    return message == WM_CTLCOLORSTATIC ? ApplyDefinitionColours(dc) : nullptr;
}

std::int32_t RadioBox::ReadInteger(IntegerProperty property) const {
    if (property == IntegerProperty::Checked) {
        return IsChecked() ? 1 : 0;
    }
    return Control::ReadInteger(property);
}

void RadioBox::WriteInteger(IntegerProperty property, std::int32_t value) {
    if (property == IntegerProperty::Checked) {
        SetChecked(value != 0);
        return;
    }
    Control::WriteInteger(property, value);
}

TextValue RadioBox::ReadText(TextProperty property) const {
    return property == TextProperty::Caption ? WindowText() : TextValue{};
}

void RadioBox::WriteText(TextProperty property, std::string_view text) {
    if (property == TextProperty::Caption) {
        SetWindowTextA(handle_, TextValue::CopyOf(text).CStr());
    }
}

bool RadioBox::IsChecked() const {
    return SendMessageA(handle_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void RadioBox::SetChecked(bool checked) {
    SendMessageA(handle_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void RadioBox::RaiseClicked() {
    Raise(events::kClicked);
}

LRESULT RadioBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_SETFOCUS && message != WM_KILLFOCUS) {
        return CallPlatform(message, wParam, lParam);
    }
    ++focusChanges_;
    const LRESULT result = CallPlatform(message, wParam, lParam);
    --focusChanges_;
    return result;
}

} // namespace zbw
