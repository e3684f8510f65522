#include "ui/form.h"

#include "app/event_record.h"
#include "app/fatal_stop.h"
#include "app/frame.h"
#include "core/program_texts.h"
#include "tray/icon_from_bytes.h"
#include "tray/set_tray_icon.h"
#include "tray/tray_event_kind.h"
#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/edit_box.h"
#include "ui/focus_order.h"
#include "ui/label.h"
#include "ui/radio_box.h"
#include "ui/timer.h"
#include "ui/window_classes.h"
#include "ui/window_object.h"

#include <algorithm>
#include <optional>

#include <windowsx.h>

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
    case ControlKind::RadioBox:
        return std::make_unique<RadioBox>(window, definition, identifier);
    case ControlKind::ComboBox:
        return std::make_unique<ComboBox>(window, definition, identifier);
    case ControlKind::EditBox:
        return std::make_unique<EditBox>(window, definition, identifier);
    case ControlKind::Timer:
        return std::make_unique<Timer>(window, definition, identifier);
    case ControlKind::Window:
        break; // a window is never a control of another
    }
    return nullptr;
}

std::int32_t ClampState(std::int32_t state) {
    if (state < 0) {
        return 0;
    }
    return state > 3 ? 3 : state;
}

} // namespace

Form::Form(BuildKey /*key*/, const WindowDefinition& definition, std::uint32_t identifier)
    : Control(*this, definition.window, kWindowItself), windowIdentifier_(identifier),
      windowState_(ClampState(definition.window.windowState)) {}

Form::~Form() {
    if (window_) {
        // Destroyed by its owner rather than by the user: the window procedure must no longer
        // find this object while the window goes.
        SetWindowLongPtrA(window_.get(), GWLP_USERDATA, 0);
    }
}

std::unique_ptr<Form> Form::Build(const WindowDefinition& definition, std::uint32_t identifier) {
    auto form = std::make_unique<Form>(BuildKey{}, definition, identifier);
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
    SetIcons();
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
    if (message.message != WM_KEYDOWN) {
        return false;
    }
    switch (message.wParam) {
    case VK_ESCAPE:
        if (!Definition().escapeCloses) {
            return false;
        }
        // Exactly as the close button: the close request, and this object may be gone after it.
        SendMessageA(handle_, WM_SYSCOMMAND, SC_CLOSE, 0);
        return true;
    case VK_TAB:
        if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) {
            return false;
        }
        MoveFocus(GetKeyState(VK_SHIFT) < 0 ? -1 : 1);
        return true;
    case VK_RIGHT:
    case VK_DOWN:
        return SelectNeighbourRadio(message.hwnd, 1);
    case VK_LEFT:
    case VK_UP:
        return SelectNeighbourRadio(message.hwnd, -1);
    default:
        return false;
    }
}

std::int32_t Form::ReadInteger(IntegerProperty property) const {
    if (property != IntegerProperty::WindowState) {
        return Control::ReadInteger(property);
    }
    if (IsIconic(handle_)) {
        return 2; // also while hidden
    }
    return coversScreen_ ? 3 : 0;
}

void Form::WriteInteger(IntegerProperty property, std::int32_t value) {
    switch (property) {
    case IntegerProperty::WindowState:
        windowState_ = ClampState(value);
        if (IsWindowVisible(handle_)) {
            ApplyState(windowState_);
        }
        break;
    case IntegerProperty::Visible:
        if (value == 0) {
            ShowWindow(handle_, SW_HIDE); // a minimised window stays minimised while hidden
        } else {
            ShowWindow(handle_, SW_SHOW);
            SetForegroundWindow(handle_);
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

ByteString Form::ReadBytes(ByteStringProperty property) const {
    return property == ByteStringProperty::Icon ? ByteString::CopyOf(Definition().icon)
                                                : ByteString{};
}

void Form::SetIcons() {
    // The definition's one 16 x 16 image serves for both sizes. The default application icon is
    // shared and so never owned.
    largeIcon_ = IconFromBytes(Definition().icon, 16);
    smallIcon_ = IconFromBytes(Definition().icon, 16);
    const HICON applicationIcon = LoadIconA(nullptr, MAKEINTRESOURCEA(32512)); // IDI_APPLICATION
    SendMessageA(handle_, WM_SETICON, ICON_BIG,
                 reinterpret_cast<LPARAM>(largeIcon_ ? largeIcon_.get() : applicationIcon));
    SendMessageA(handle_, WM_SETICON, ICON_SMALL,
                 reinterpret_cast<LPARAM>(smallIcon_ ? smallIcon_.get() : applicationIcon));
}

void Form::ApplyState(std::int32_t state) {
    switch (state) {
    case 0:
        LeaveCoveringPlace();
        ShowWindow(handle_, SW_SHOWNORMAL);
        SetForegroundWindow(handle_);
        break;
    case 1:
        if (IsIconic(handle_) || IsZoomed(handle_)) {
            ShowWindow(handle_, SW_RESTORE);
        }
        LeaveCoveringPlace();
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
        if (!coversScreen_) {
            GetWindowRect(handle_, &normalPlace_);
            coversScreen_ = true;
        }
        SetWindowPos(handle_, nullptr, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                     GetSystemMetrics(SM_CYSCREEN), SWP_NOZORDER | SWP_SHOWWINDOW);
        break;
    }
}

void Form::LeaveCoveringPlace() {
    if (!coversScreen_) {
        return;
    }
    coversScreen_ = false;
    SetWindowPos(handle_, nullptr, normalPlace_.left, normalPlace_.top,
                 normalPlace_.right - normalPlace_.left, normalPlace_.bottom - normalPlace_.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
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

Control* Form::ControlHolding(HWND window) const {
    for (HWND inner = window; inner != nullptr && inner != handle_; inner = GetParent(inner)) {
        for (const auto& control : controls_) {
            if (control->Handle() == inner) {
                return control.get();
            }
        }
    }
    return nullptr;
}

void Form::RestoreFocus() {
    const List<Control*> order = FocusOrder(controls_);
    if (order.empty()) {
        return;
    }
    const bool remembered = std::find(order.begin(), order.end(), lastFocused_) != order.end();
    SetFocus((remembered ? lastFocused_ : order.front())->Handle());
}

void Form::MoveFocus(int steps) {
    const List<Control*> order = FocusOrder(controls_);
    if (Control* next = StepThrough(order, ControlHolding(GetFocus()), steps)) {
        SetFocus(next->Handle());
    }
}

bool Form::SelectNeighbourRadio(HWND focused, int steps) {
    Control* current = ControlHolding(focused);
    if (current == nullptr || current->Kind() != ControlKind::RadioBox) {
        return false;
    }
    List<Control*> radios = FocusOrder(controls_);
    erase_if(radios,
             [](const Control* control) { return control->Kind() != ControlKind::RadioBox; });
    Control* next = StepThrough(radios, current, steps);
    if (next == nullptr) {
        return true;
    }
    for (const auto& control : controls_) {
        if (control->Kind() == ControlKind::RadioBox && control.get() != next) {
            static_cast<RadioBox&>(*control).SetChecked(false);
        }
    }
    auto& chosen = static_cast<RadioBox&>(*next);
    chosen.SetChecked(true);
    const HWND chosenHandle = chosen.Handle();
    chosen.RaiseClicked(); // its handler may destroy the window, and this object with it
    if (IsWindow(chosenHandle) && IsWindowVisible(chosenHandle) && IsWindowEnabled(chosenHandle)) {
        SetFocus(chosenHandle);
    }
    return true;
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
        // A window activated while minimised could not pass the focus on; it does so when it
        // comes back.
        if (wParam != SIZE_MINIMIZED && GetActiveWindow() == handle_ &&
            ControlHolding(GetFocus()) == nullptr) {
            RestoreFocus();
        }
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
        // No icon may outlive its window, whatever the handlers did.
        if (IsWindow(handle_)) {
            SetTrayIcon(*this, {}, std::nullopt);
        }
        return result;
    }
    case kTrayCallbackMessage:
        // Raised while the window is hidden too: the icon is then the only way back to it.
        if (const std::int32_t kind = TrayEventKind(lParam); kind != 0) {
            const std::int32_t arguments[] = {kind};
            Raise(events::kTrayEvent, arguments);
        }
        return 0;
    case WM_SETFOCUS:
        // Default processing of an activation gives the window itself the focus.
        RestoreFocus();
        return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        if (Control* control = ControlHolding(reinterpret_cast<HWND>(lParam))) {
            if (HBRUSH brush = control->PrepareColours(message, reinterpret_cast<HDC>(wParam))) {
                return reinterpret_cast<LRESULT>(brush);
            }
        }
        break;
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
            // Moves the window as if its caption had been grabbed at the point of the press,
            // from which the platform measures the drag.
            POINT press{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            ClientToScreen(handle_, &press);
            ReleaseCapture();
            SendMessageA(handle_, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(press.x, press.y));
            return 0;
        }
        break;
    default:
        if (message == TaskbarCreatedMessage()) {
            // The shell has made its notification area anew and forgotten the icons shown before;
            // a window hidden in it would otherwise have no way back.
            trayIcon_.AddAgain();
            return 0;
        }
        break;
    }
    return DefWindowProcA(handle_, message, wParam, lParam);
}

LRESULT CALLBACK Form::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* form = WindowObject<Form>(window, message, lParam);
    if (form == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    if (message == WM_NCCREATE) {
        form->handle_ = window;
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
