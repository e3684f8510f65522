#include "ui/combo_box.h"

#include <algorithm>

namespace zbw {

bool ComboBox::Create(HWND parent) {
    const ControlDefinition& definition = Definition();
    if (!CreateStandard(parent, "COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, "",
                        std::max(definition.height, kMinimumDroppedHeight))) {
        return false;
    }
    const LRESULT standardHeight = SendMessageA(handle_, CB_GETITEMHEIGHT, 0, 0);
    if (standardHeight > 0 &&
        SendMessageA(handle_, CB_SETITEMHEIGHT, 0, standardHeight + 1) == CB_ERR) {
        // Some platforms give the list's entries a height only when they are drawn by the
        // program; the list itself takes it from its own message.
        COMBOBOXINFO parts{};
        parts.cbSize = sizeof parts;
        if (GetComboBoxInfo(handle_, &parts) != FALSE && parts.hwndList != nullptr) {
            SendMessageA(parts.hwndList, LB_SETITEMHEIGHT, 0, standardHeight + 1);
        }
    }
    for (const char* entry : definition.items) {
        const LRESULT added =
            SendMessageA(handle_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
        if (added == CB_ERR || added == CB_ERRSPACE) {
            return false;
        }
    }
    Select(definition.selectedIndex);
    return true;
}

HBRUSH ComboBox::PrepareColours(UINT message, HDC dc) {
    return message == WM_CTLCOLORLISTBOX || message == WM_CTLCOLOREDIT ? ApplyDefinitionColours(dc)
                                                                       : nullptr;
}

std::int32_t ComboBox::ReadInteger(IntegerProperty property) const {
    if (property == IntegerProperty::SelectedIndex) {
        const LRESULT index = SendMessageA(handle_, CB_GETCURSEL, 0, 0);
        return index == CB_ERR ? -1 : static_cast<std::int32_t>(index);
    }
    return Control::ReadInteger(property);
}

void ComboBox::WriteInteger(IntegerProperty property, std::int32_t value) {
    if (property == IntegerProperty::SelectedIndex) {
        Select(value);
        return;
    }
    Control::WriteInteger(property, value);
}

TextValue ComboBox::ReadText(TextProperty property) const {
    if (property != TextProperty::Text) {
        return {};
    }
    return EntryText(ReadInteger(IntegerProperty::SelectedIndex));
}

void ComboBox::SelectEntryByText(std::string_view text) {
    const std::int32_t count = EntryCount();
    for (std::int32_t index = 0; index < count; ++index) {
        if (CompareTexts(EntryText(index), text) == 0) {
            Select(index);
            return;
        }
    }
}

std::int32_t ComboBox::EntryCount() const {
    const LRESULT count = SendMessageA(handle_, CB_GETCOUNT, 0, 0);
    return count == CB_ERR ? 0 : static_cast<std::int32_t>(count);
}

TextValue ComboBox::EntryText(std::int32_t index) const {
    if (index < 0) {
        return {};
    }
    const LRESULT length = SendMessageA(handle_, CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR || length <= 0) {
        return {};
    }
    return TextValue::Filled(static_cast<std::size_t>(length), [&](char* bytes) {
        return SendMessageA(handle_, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(bytes));
    });
}

void ComboBox::Select(std::int32_t index) {
    const std::int32_t last = EntryCount() - 1;
    const std::int32_t clamped = index < 0 ? -1 : std::min(index, last);
    SendMessageA(handle_, CB_SETCURSEL, static_cast<WPARAM>(clamped), 0);
}

} // namespace zbw
