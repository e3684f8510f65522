#pragma once

#include "core/byte_string.h"
#include "core/text_value.h"
#include "ui/handles.h"
#include "ui/properties.h"
#include "ui/window_definition.h"

#include <cstdint>
#include <span>
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
    // The control's number in its window: kWindowItself for the window, else from 1 in
    // definition order.
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

    // A WM_CTLCOLOR* request for this control: sets the colours into the device context and
    // returns the background brush, or null to leave the platform's colours.
    virtual HBRUSH PrepareColours(UINT /*message*/, HDC /*dc*/) { return nullptr; }

    virtual std::int32_t ReadInteger(IntegerProperty property) const;
    virtual void WriteInteger(IntegerProperty property, std::int32_t value);
    virtual TextValue ReadText(TextProperty property) const;
    virtual void WriteText(TextProperty property, std::string_view text);
    virtual ByteString ReadBytes(ByteStringProperty property) const;
    // Selects the first entry whose text equals the given one byte for byte; kinds without
    // entries ignore it.
    virtual void SelectEntryByText(std::string_view /*text*/) {}

  protected:
    // Raises one of this control's events with its arguments (at most five); true when a
    // handler ran.
    bool Raise(std::int32_t eventIndex, std::span<const std::int32_t> arguments = {});
    // The definition's font, or the system's default GUI font when it gives none or the font
    // cannot be made.
    HFONT Font();
    TextValue WindowText() const;
    // The definition's text and background colours into the device context; returns the
    // background brush.
    HBRUSH ApplyDefinitionColours(HDC dc);

    HWND handle_ = nullptr;

  private:
    Form& window_;
    const ControlDefinition& definition_;
    std::uint32_t identifier_;
    UniqueFont ownFont_;
    UniqueBrush ownBackground_;
};

// The colour a definition's colour stands for: the system default is the button-face colour.
COLORREF ColourOf(Colour colour);

// Standard controls (BUTTON, COMBOBOX, EDIT) keep the platform's window procedure; a control that
// needs to see their messages routes them through this subclass procedure to HandleMessage.
class SubclassedControl : public Control {
  public:
    using Control::Control;

  protected:
    // Creates the platform control with the definition's place and size; height replaces the
    // stored height where the kind needs more.
    bool CreateStandard(HWND parent, const char* className, DWORD style, DWORD extendedStyle,
                        const char* text, int height);
    bool CreateStandard(HWND parent, const char* className, DWORD style, DWORD extendedStyle,
                        const char* text) {
        return CreateStandard(parent, className, style, extendedStyle, text, Definition().height);
    }
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT CallPlatform(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    static LRESULT CALLBACK SubclassProcedure(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam);
    WNDPROC platformProcedure_ = nullptr;
};

} // namespace zbw
