#include "ui/label.h"

#include "ui/window_classes.h"
#include "ui/window_object.h"

namespace zbw {
namespace {

UINT DrawFlagsOf(const ControlDefinition& definition) {
    UINT flags = 0;
    switch (definition.horizontalAlignment) {
    case HorizontalAlignment::Left:
        flags |= DT_LEFT;
        break;
    case HorizontalAlignment::Centre:
        flags |= DT_CENTER;
        break;
    case HorizontalAlignment::Right:
        flags |= DT_RIGHT;
        break;
    }
    if (definition.wordWrap) {
        return flags | DT_WORDBREAK | DT_TOP;
    }
    flags |= DT_SINGLELINE;
    switch (definition.verticalAlignment) {
    case VerticalAlignment::Top:
        return flags | DT_TOP;
    case VerticalAlignment::Centre:
        return flags | DT_VCENTER;
    case VerticalAlignment::Bottom:
        return flags | DT_BOTTOM;
    }
    return flags;
}

} // namespace

bool Label::Create(HWND parent) {
    const ControlDefinition& definition = Definition();
    handle_ = CreateWindowExA(0, kLabelClassName, definition.text, WS_CHILD | WS_CLIPSIBLINGS,
                              definition.left, definition.top, definition.width, definition.height,
                              parent, nullptr, GetModuleHandleA(nullptr), this);
    return handle_ != nullptr;
}

TextValue Label::ReadText(TextProperty property) const {
    return property == TextProperty::Caption ? WindowText() : TextValue{};
}

void Label::WriteText(TextProperty property, std::string_view text) {
    if (property != TextProperty::Caption) {
        return;
    }
    const TextValue caption = TextValue::CopyOf(text);
    SetWindowTextA(handle_, caption.CStr());
    InvalidateRect(handle_, nullptr, FALSE);
    UpdateWindow(handle_);
}

void Label::Paint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(handle_, &paint);
    RECT area;
    GetClientRect(handle_, &area);
    const ControlDefinition& definition = Definition();
    SetBkColor(dc, ColourOf(definition.backColour));
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);

    const TextValue caption = WindowText();
    if (!caption.IsAbsent()) {
        const HGDIOBJ previousFont = SelectObject(dc, Font());
        SetTextColor(dc, ColourOf(definition.textColour));
        SetBkMode(dc, TRANSPARENT);
        DrawTextA(dc, caption.CStr(), TextByteLength(caption), &area, DrawFlagsOf(definition));
        SelectObject(dc, previousFont);
    }
    EndPaint(handle_, &paint);
}

LRESULT CALLBACK Label::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* label = WindowObject<Label>(window, message, lParam);
    switch (message) {
    case WM_PAINT:
        if (label != nullptr) {
            label->Paint();
            return 0;
        }
        break;
    case WM_ERASEBKGND:
        return 1; // painting fills the whole label
    case WM_GETFONT:
        // Lets screen readers and other programs measure the caption as it is drawn.
        return label != nullptr ? reinterpret_cast<LRESULT>(label->Font()) : 0;
    case WM_NCHITTEST:
        // A press on a label goes to the window underneath, which moves the window.
        return HTTRANSPARENT;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace zbw
