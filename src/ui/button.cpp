#include "ui/button.h"

#include "app/event_record.h"

namespace zbw {

bool Button::Create(HWND parent) {
    return CreateStandard(parent, "BUTTON",
                          BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER | WS_TABSTOP, 0,
                          Definition().text);
}

void Button::OnCommand(WORD notification) {
    if (notification == BN_CLICKED) {
        Raise(events::kClicked);
    }
}

TextValue Button::ReadText(TextProperty property) const {
    return property == TextProperty::Caption ? WindowText() : TextValue{};
}

void Button::WriteText(TextProperty property, std::string_view text) {
    if (property == TextProperty::Caption) {
        SetWindowTextA(handle_, TextValue::CopyOf(text).CStr());
    }
}

} // namespace zbw
