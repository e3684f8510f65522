#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace zbw {

class Form;
struct EventRecord;

enum class ControlKind { Window, Label, Button, RadioBox, ComboBox, EditBox, Timer };

// RGB as 0x00BBGGRR; kSystemDefaultColour stands for the system's button-face colour.
using Colour = std::uint32_t;
inline constexpr Colour kSystemDefaultColour = 0xFF000000;
inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kWhite = 0xFFFFFF;

struct FontDefinition {
    const char* face = "";
    int height = 0;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    std::uint8_t charSet = 1; // DEFAULT_CHARSET
};

enum class HorizontalAlignment { Left, Centre, Right };
enum class VerticalAlignment { Top, Centre, Bottom };

// A bound handler. It sees the window that raised the event and the event's record, never a
// platform message.
using EventHandler = void (*)(Form& window, EventRecord& event);

struct EventBinding {
    std::int32_t eventIndex = 0;
    EventHandler handler = nullptr;
};

// One entry of a window definition: the window itself or one of its controls. Texts are code page
// 936 bytes; names are the program's own identifiers and are never shown.
struct ControlDefinition {
    ControlKind kind = ControlKind::Label;
    std::string_view name{};
    // A control's rectangle in the window's client area; for the window its screen place and
    // outer size.
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool visible = true;
    bool disabled = false;
    bool inFocusOrder = false;
    int focusOrder = 0;
    std::span<const EventBinding> events{};

    const char* text = nullptr; // the window's title, a label's or button's caption
    const FontDefinition* font = nullptr;
    Colour textColour = kBlack;
    Colour backColour = kSystemDefaultColour;
    HorizontalAlignment horizontalAlignment = HorizontalAlignment::Left;
    VerticalAlignment verticalAlignment = VerticalAlignment::Centre;
    bool wordWrap = false;

    std::span<const char* const> items{}; // ComboBox entries, in order
    std::int32_t selectedIndex = 0;       // ComboBox
    std::int32_t interval = 0;            // Timer, in milliseconds

    // Window only.
    std::int32_t windowState = 0;
    std::span<const std::uint8_t> icon{}; // an icon file image
    bool minimizeButton = true;
    bool escapeCloses = true;
    bool dragMoves = true;
};

struct WindowDefinition {
    ControlDefinition window;
    std::span<const ControlDefinition> controls{}; // in definition order
};

} // namespace zbw
