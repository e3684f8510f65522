#pragma once

#include "core/list.h"
#include "tray/tray_icon.h"
#include "ui/control.h"
#include "ui/handles.h"

#include <cstdint>
#include <memory>
#include <string_view>

#include <windows.h>

namespace zbw {

// A top-level window built from its definition: the window itself (control 0) and its controls.
class Form : public Control {
    // Only Build makes a Form: a window exists whole or not at all.
    struct BuildKey {
        explicit BuildKey() = default;
    };

  public:
    Form(BuildKey key, const WindowDefinition& definition, std::uint32_t identifier);
    // Builds the window and its controls hidden, as the definition gives them; null when the
    // window or a control cannot be created.
    static std::unique_ptr<Form> Build(const WindowDefinition& definition,
                                       std::uint32_t identifier);
    ~Form() override;

    // Which loaded window this is; the window itself is control kWindowItself within it.
    std::uint32_t WindowIdentifier() const { return windowIdentifier_; }

    // The control with this name; a name the definition does not hold stops the program.
    Control& operator[](std::string_view name) const;
    // The window itself for kWindowItself, else the control with that identifier; null if none.
    Control* FindControl(std::uint32_t identifier);
    // Shows the controls whose definition makes them visible, without activating them.
    void ShowControls();
    // Shows the window in its recorded state: the last step of loading.
    void ShowLoaded();
    // Remembered for the next time the window receives the focus.
    void ControlReceivedFocus(Control& control) { lastFocused_ = &control; }
    // The window's keyboard handling, offered every message of its thread before dispatch;
    // true when the message was consumed. The window may be gone when it returns true.
    bool PreTranslate(const MSG& message);
    // The window's own icon in the notification area; SetTrayIcon changes it.
    TrayIcon& Tray() { return trayIcon_; }
    const TrayIcon& Tray() const { return trayIcon_; }

    bool Create(HWND parent) override;
    bool RaisesEvents() const override { return true; }
    std::int32_t ReadInteger(IntegerProperty property) const override;
    void WriteInteger(IntegerProperty property, std::int32_t value) override;
    TextValue ReadText(TextProperty property) const override;
    void WriteText(TextProperty property, std::string_view text) override;
    ByteString ReadBytes(ByteStringProperty property) const override;

    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);

  private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void SetIcons();
    void ApplyState(std::int32_t state);
    void Centre();
    // Leaves the screen-covering place that stands in for maximised, back to the normal place.
    void LeaveCoveringPlace();
    // The control whose window is this one or holds it (a combo box's list), or null.
    Control* ControlHolding(HWND window) const;
    // Gives the focus back to the control that had it last, when it can still take it, or else
    // to the first control of the focus order.
    void RestoreFocus();
    void MoveFocus(int steps);
    // Arrow keys on a focused radio button select its neighbour in the focus order; false when
    // the focus is not on a radio button.
    bool SelectNeighbourRadio(HWND focused, int steps);

    std::uint32_t windowIdentifier_;
    List<std::unique_ptr<Control>> controls_; // definition order
    std::int32_t windowState_;
    // The place to go back to when the window leaves the screen-covering place of state 3.
    RECT normalPlace_{};
    bool coversScreen_ = false;
    Control* lastFocused_ = nullptr;
    UniqueIcon largeIcon_;
    UniqueIcon smallIcon_;
    TrayIcon trayIcon_;
    // Declared last: the window, and with it every control window, goes before the controls'
    // fonts and the window's icons.
    UniqueWindow window_;
};

} // namespace zbw
