#pragma once

#include "ui/control.h"
#include "ui/handles.h"

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include <windows.h>

namespace zbw {

// A top-level window built from its definition: the window itself (control 0) and its controls.
class Form : public Control {
  public:
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
    // The window's keyboard handling, offered every message of its thread before dispatch;
    // true when the message was consumed.
    bool PreTranslate(const MSG& message);

    bool Create(HWND parent) override;
    bool RaisesEvents() const override { return true; }
    std::int32_t ReadInteger(IntegerProperty property) const override;
    void WriteInteger(IntegerProperty property, std::int32_t value) override;
    TextValue ReadText(TextProperty property) const override;
    void WriteText(TextProperty property, std::string_view text) override;

    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);

  private:
    Form(const WindowDefinition& definition, std::uint32_t identifier);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnDestroyed();
    void ApplyState(std::int32_t state);
    void Centre();

    const WindowDefinition& windowDefinition_;
    std::uint32_t windowIdentifier_;
    std::vector<std::unique_ptr<Control>> controls_; // definition order
    std::int32_t windowState_;
    // Declared last: the window, and with it every control window, goes before the controls'
    // fonts.
    UniqueWindow window_;
};

} // namespace zbw
