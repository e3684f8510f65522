#include "ui/control.h"

#include "app/frame.h"
#include "ui/form.h"

#include <algorithm>

namespace zbw {

Control::Control(Form& window, const ControlDefinition& definition, std::uint32_t identifier)
    : window_(window), definition_(definition), identifier_(identifier) {}

void Control::ShowIfVisible() {
    ShowWindow(handle_, definition_.visible ? SW_SHOWNA : SW_HIDE);
}

std::int32_t Control::ReadInteger(IntegerProperty property) const {
    switch (property) {
    case IntegerProperty::Visible:
        // The control's own state: a control of a hidden window keeps reading 1.
        return (GetWindowLongA(handle_, GWL_STYLE) & WS_VISIBLE) != 0 ? 1 : 0;
    case IntegerProperty::Disabled:
        return IsWindowEnabled(handle_) ? 0 : 1;
    default:
        return 0;
    }
}

void Control::WriteInteger(IntegerProperty property, std::int32_t value) {
    switch (property) {
    case IntegerProperty::Visible:
        ShowWindow(handle_, value != 0 ? SW_SHOW : SW_HIDE);
        break;
    case IntegerProperty::Disabled:
        EnableWindow(handle_, value == 0);
        break;
    default:
        break;
    }
}

TextValue Control::ReadText(TextProperty /*property*/) const {
    return {};
}

void Control::WriteText(TextProperty /*property*/, std::string_view /*text*/) {}

ByteString Control::ReadBytes(ByteStringProperty /*property*/) const {
    return {};
}

bool Control::Raise(std::int32_t eventIndex, std::span<const std::int32_t> arguments) {
    EventRecord record;
    record.window = window_.WindowIdentifier();
    record.control = identifier_;
    record.eventIndex = eventIndex;
    const std::size_t count = std::min(arguments.size(), record.arguments.size());
    std::copy_n(arguments.begin(), count, record.arguments.begin());
    record.argumentCount = static_cast<std::int32_t>(count);
    return RaiseEvent(record);
}

HFONT Control::Font() {
    if (definition_.font != nullptr && !ownFont_) {
        const FontDefinition& font = *definition_.font;
        ownFont_.reset(CreateFontA(-font.height, 0, 0, 0, font.weight, font.italic, font.underline,
                                   font.strikeOut, font.charSet, OUT_DEFAULT_PRECIS,
                                   CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                   DEFAULT_PITCH | FF_DONTCARE, font.face));
    }
    return ownFont_ ? ownFont_.get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

HBRUSH Control::ApplyDefinitionColours(HDC dc) {
    const Colour background = definition_.backColour;
    SetTextColor(dc, ColourOf(definition_.textColour));
    SetBkColor(dc, ColourOf(background));
    if (background == kSystemDefaultColour) {
        return GetSysColorBrush(COLOR_BTNFACE);
    }
    if (!ownBackground_) {
        ownBackground_.reset(CreateSolidBrush(background));
    }
    return ownBackground_ ? ownBackground_.get() : GetSysColorBrush(COLOR_BTNFACE);
}

COLORREF ColourOf(Colour colour) {
    return colour == kSystemDefaultColour ? GetSysColor(COLOR_BTNFACE) : colour;
}

TextValue Control::WindowText() const {
    const int length = GetWindowTextLengthA(handle_);
    if (length <= 0) {
        return {};
    }
    return TextValue::Filled(static_cast<std::size_t>(length), [&](char* bytes) {
        return GetWindowTextA(handle_, bytes, length + 1);
    });
}

bool SubclassedControl::CreateStandard(HWND parent, const char* className, DWORD style,
                                       DWORD extendedStyle, const char* text, int height) {
    const ControlDefinition& definition = Definition();
    // Controls may overlap: each paints only where no sibling above it lies.
    handle_ = CreateWindowExA(extendedStyle, className, text, WS_CHILD | WS_CLIPSIBLINGS | style,
                              definition.left, definition.top, definition.width, height, parent,
                              nullptr, GetModuleHandleA(nullptr), nullptr);
    if (handle_ == nullptr) {
        return false;
    }
    SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
    SetWindowLongPtrA(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    platformProcedure_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassProcedure)));
    return true;
}

LRESULT SubclassedControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return CallPlatform(message, wParam, lParam);
}

LRESULT SubclassedControl::CallPlatform(UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcA(platformProcedure_, handle_, message, wParam, lParam);
}

LRESULT CALLBACK SubclassedControl::SubclassProcedure(HWND window, UINT message, WPARAM wParam,
                                                      LPARAM lParam) {
    auto* control = reinterpret_cast<SubclassedControl*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_SETFOCUS) {
        control->Window().ControlReceivedFocus(*control);
    }
    return control->HandleMessage(message, wParam, lParam);
}

} // namespace zbw
