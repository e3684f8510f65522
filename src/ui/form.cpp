#include "ui/form.h"

#include "app/event_record.h"
#include "app/fatal_stop.h"
#include "app/frame.h"
#include "core/program_texts.h"
#include "ui/button.h"
#include "ui/label.h"
#include "ui/timer.h"
#include "ui/window_classes.h"

namespace zbw {
namespace {

constexpr DWORD kWindowStyle = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

std::unique_ptr<Control> MakeControl(Form& window, const ControlDefinition& definition,
                                     std::uint32_t identifier) {
    switch (definition.kind) {
    case ControlKind::Label:
        return std::make_unique<Label>(window, definition, identifier);
    case ControlKind::Button:
        return std::make_unique<Button>(window, definition, identifier);
    case ControlKind::Timer:
        return std::make_unique<Timer>(window, definition, identifier);
    default:
        return nullptr;
    }
}

std::int32_t ClampState(std::int32_t state) {
    if (state < 0) {
        return 0;
    }
    return state > 3 ? 3 : state;
}

} // namespace

Form::Form(const WindowDefinition& definition, std::uint32_t identifier)
    : Control(*this, definition.window, kWindowItself), windowDefinition_(definition),
      windowIdentifier_(identifier), windowState_(ClampState(definition.window.windowState)) {}

Form::~Form() {
    if (window_) {
        // Destroyed by its owner rather than by the user: the window procedure must no longer
        // find this object while the window goes.
        SetWindowLongPtrA(window_.get(), GWLP_USERDATA, 0);
    }
}

std::unique_ptr<Form> Form::Build(const WindowDefinition& definition, std::uint32_t identifier) {
    std::unique_ptr<Form> form(new Form(definition, identifier));
    if (!form->Create(nullptr)) {
        return nullptr;
    }
    std::uint32_t controlIdentifier = 1;
    for (const ControlDefinition& control : definition.controls) {
        form->controls_.push_back(MakeControl(*form, control, controlIdentifier++));
        if (!form->controls_.back()) {
            return nullptr;
        }
    }
    // Created in reverse definition order, then restacked so that the first entry lies on top.
    for (auto control = form->controls_.rbegin(); control != form->controls_.rend(); ++control) {
        if (!(*control)->Create(form->Handle())) {
            return nullptr;
        }
    }
    HWND above = HWND_TOP;
    for (const auto& control : form->controls_) {
        SetWindowPos(control->Handle(), above, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
        above = control->Handle();
    }
    return form;
}

bool Form::Create(HWND /*parent*/) {
    const ControlDefinition& definition = Definition();
    DWORD style = kWindowStyle;
    if (definition.minimizeButton) {
        style |= WS_MINIMIZEBOX;
    }
    handle_ = CreateWindowExA(0, kFormClassName, definition.text, style, definition.left,
                              definition.top, definition.width, definition.height, nullptr, nullptr,
                              GetModuleHandleA(nullptr), this);
    if (handle_ == nullptr) {
        return false;
    }
    window_.reset(handle_);
    SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
    const auto applicationIcon = LoadIconA(nullptr, MAKEINTRESOURCEA(32512)); // IDI_APPLICATION
    SendMessageA(handle_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(applicationIcon));
    SendMessageA(handle_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(applicationIcon));
    if (windowState_ == 1) {
        Centre();
    }
    return true;
}

Control& Form::operator[](std::string_view name) const {
    for (const auto& control : controls_) {
        if (control->Name() == name) {
            return *control;
        }
    }
    FatalStop(texts::kAccessedWindowNotLoaded, 0);
}

Control* Form::FindControl(std::uint32_t identifier) {
    if (identifier == kWindowItself) {
        return this;
    }
    if (identifier > controls_.size()) {
        return nullptr;
    }
    return controls_[identifier - 1].get();
}

void Form::ShowControls() {
    for (const auto& control : controls_) {
        control->ShowIfVisible();
    }
}

void Form::ShowLoaded() {
    if (!Definition().visible) {
        return;
    }
    switch (windowState_) {
    case 2:
        ShowWindow(handle_, SW_SHOWMINIMIZED);
        break;
    case 3:
        ApplyState(3);
        break;
    default:
        ShowWindow(handle_, SW_SHOW);
        break;
    }
}

bool Form::PreTranslate(const MSG& message) {
    if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE && Definition().escapeCloses) {
        SendMessageA(handle_, WM_SYSCOMMAND, SC_CLOSE, 0);
        return true;
    }
    return false;
}

std::int32_t Form::ReadInteger(IntegerProperty property) const {
    switch (property) {
    case IntegerProperty::WindowState:
        if (IsIconic(handle_)) {
            return 2;
        }
        return windowState_ == 3 ? 3 : 0;
    default:
        return Control::ReadInteger(property);
    }
}

void Form::WriteInteger(IntegerProperty property, std::int32_t value) {
    switch (property) {
    case IntegerProperty::WindowState:
        windowState_ = ClampState(value);
        if (IsWindowVisible(handle_)) {
            ApplyState(windowState_);
        }
        break;
    default:
        Control::WriteInteger(property, value);
        break;
    }
}

TextValue Form::ReadText(TextProperty property) const {
    return property == TextProperty::Title ? WindowText() : TextValue{};
}

void Form::WriteText(TextProperty property, std::string_view text) {
    if (property == TextProperty::Title) {
        SetWindowTextA(handle_, TextValue::CopyOf(text).CStr());
    }
}

void Form::ApplyState(std::int32_t state) {
    switch (state) {
    case 0:
        ShowWindow(handle_, SW_SHOWNORMAL);
        SetForegroundWindow(handle_);
        break;
    case 1:
        if (IsIconic(handle_) || IsZoomed(handle_)) {
            ShowWindow(handle_, SW_RESTORE);
        }
        Centre();
        break;
    case 2:
        ShowWindow(handle_, SW_MINIMIZE);
        break;
    default:
        // Without a sizing border the window is not maximised by the platform: it covers the
        // screen instead.
        if (IsIconic(handle_)) {
            ShowWindow(handle_, SW_RESTORE);
        }
        SetWindowPos(handle_, nullptr, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                     GetSystemMetrics(SM_CYSCREEN), SWP_NOZORDER | SWP_SHOWWINDOW);
        break;
    }
}

void Form::Centre() {
    const ControlDefinition& definition = Definition();
    const int left = (GetSystemMetrics(SM_CXSCREEN) - definition.width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - definition.height) / 2;
    RECT place;
    GetWindowRect(handle_, &place);
    if (place.left != left || place.top != top || place.right - place.left != definition.width ||
        place.bottom - place.top != definition.height) {
        SetWindowPos(handle_, nullptr, left, top, definition.width, definition.height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOVE: {
        const LRESULT result = DefWindowProcA(handle_, message, wParam, lParam);
        Raise(events::kPositionChanged);
        return result;
    }
    case WM_SIZE: {
        const LRESULT result = DefWindowProcA(handle_, message, wParam, lParam);
        Raise(events::kSizeChanged);
        return result;
    }
    case WM_CLOSE: {
        EventRecord record{windowIdentifier_, kWindowItself, events::kCloseQuery};
        if (RaiseEvent(record) && record.hasResult && record.result == 0) {
            return 0;
        }
        DestroyWindow(handle_);
        return 0;
    }
    case WM_QUERYENDSESSION: {
        const LRESULT allowed = DefWindowProcA(handle_, message, wParam, lParam);
        if (!allowed) {
            return allowed;
        }
        EventRecord record{windowIdentifier_, kWindowItself, events::kCloseQuery};
        return RaiseEvent(record) && record.hasResult && record.result == 0 ? FALSE : TRUE;
    }
    case WM_DESTROY: {
        const LRESULT result = DefWindowProcA(handle_, message, wParam, lParam);
        Raise(events::kWillBeDestroyed);
        return result;
    }
    case WM_COMMAND:
        for (const auto& control : controls_) {
            if (lParam != 0 && control->Handle() == reinterpret_cast<HWND>(lParam)) {
                control->OnCommand(HIWORD(wParam));
                return 0;
            }
        }
        break;
    case WM_LBUTTONDOWN:
        if (Definition().dragMoves) {
            // Moves the window as if its caption had been grabbed.
            ReleaseCapture();
            SendMessageA(handle_, WM_NCLBUTTONDOWN, HTCAPTION, 0);
            return 0;
        }
        break;
    default:
        break;
    }
    return DefWindowProcA(handle_, message, wParam, lParam);
}

LRESULT CALLBACK Form::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        form->handle_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<Form*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (form == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        // The user or the program destroyed the window: the frame forgets it, and this object goes
        // with its record, so nothing here may touch it afterwards.
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        static_cast<void>(form->window_.release());
        const LRESULT result = DefWindowProcA(window, message, wParam, lParam);
        ForgetWindow(*form);
        return result;
    }
    return form->HandleMessage(message, wParam, lParam);
}

} // namespace zbw
