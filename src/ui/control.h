#pragma once

#include "core/text_value.h"
#include "ui/handles.h"
#include "ui/properties.h"
#include "ui/window_definition.h"

#include <cstdint>
#include <string_view>

#include <windows.h>

namespace zbw {

class Form;

// A control of a window, built from its definition. The platform window of a child control belongs
// to its parent and goes with it; the control owns what it made for it (its font).
class Control {
  public:
    Control(Form& window, const ControlDefinition& definition, std::uint32_t identifier);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    const ControlDefinition& Definition() const { return definition_; }
    ControlKind Kind() const { return definition_.kind; }
    std::string_view Name() const { return definition_.name; }
    std::uint32_t Identifier() const { return identifier_; }
    Form& Window() const { return window_; }
    HWND Handle() const { return handle_; }

    // Creates the platform window, hidden; false when the platform refuses.
    virtual bool Create(HWND parent) = 0;
    // Whether the kind raises events at all (Labels, combo boxes and edit boxes raise none).
    virtual bool RaisesEvents() const { return false; }
    // Shows the control at the end of building when its definition says so.
    virtual void ShowIfVisible();
    // A WM_COMMAND notification that this control sent to its window.
    virtual void OnCommand(WORD /*notification*/) {}

    virtual std::int32_t ReadInteger(IntegerProperty property) const;
    virtual void WriteInteger(IntegerProperty property, std::int32_t value);
    virtual TextValue ReadText(TextProperty property) const;
    virtual void WriteText(TextProperty property, std::string_view text);

  protected:
    // Raises one of this control's events; true when a handler ran.
    bool Raise(std::int32_t eventIndex);
    // The definition's font, or the system's default GUI font when it gives none or the font
    // cannot be made.
    HFONT Font();
    TextValue WindowText() const;

    HWND handle_ = nullptr;

  private:
    Form& window_;
    const ControlDefinition& definition_;
    std::uint32_t identifier_;
    UniqueFont ownFont_;
};

// Standard controls (BUTTON, COMBOBOX, EDIT) keep the platform's window procedure; a control that
// needs to see their messages routes them through this subclass procedure to HandleMessage.
class SubclassedControl : public Control {
  public:
    using Control::Control;

  protected:
    bool CreateStandard(HWND parent, const char* className, DWORD style, DWORD extendedStyle,
                        const char* text);
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT CallPlatform(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    static LRESULT CALLBACK SubclassProcedure(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam);
    WNDPROC platformProcedure_ = nullptr;
};

} // namespace zbw
