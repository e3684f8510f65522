#include "app/event_record.h"
#include "core/program_texts.h"
#include "scheduler/arming.h"
#include "scheduler/clock_and_trigger.h"
#include "scheduler/command_selection.h"
#include "support/loaded_window.h"
#include "support/message_pump.h"
#include "support/window_image.h"
#include "tray/tray_handlers.h"
#include "ui/main_window_controls.h"
#include "ui/main_window_definition.h"
#include "ui/properties.h"
#include "ui/window_classes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace zbw {
namespace {

using test::LoadedWindow;
using test::RecordingDefinition;

// Class names compare without regard to case.
std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return Lower(name);
}

std::uint32_t PixelOf(COLORREF colour) {
    return static_cast<std::uint32_t>(GetRValue(colour) << 16 | GetGValue(colour) << 8 |
                                      GetBValue(colour));
}

std::string TextOf(HWND window) {
    char text[128] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

RECT PlaceInClient(HWND control) {
    RECT place;
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

LONG StyleOf(HWND window) {
    return GetWindowLongA(window, GWL_STYLE);
}

enum class Font { DefaultGui, SetTime, Clock };
enum class Kind { Label, Button, RadioBox, ComboBox, EditBox, Timer };

// The built window, checked against what it must show. Every handler is replaced by a recorder,
// so what is seen is the state at the end of building.
class MainWindow : public ::testing::Test {
  protected:
    RecordingDefinition definition_{MainWindowDefinition()};
    LoadedWindow window_{definition_.Get()};
};

TEST_F(MainWindow, IsAFixedDialogFrameCentredOnTheScreen) {
    const HWND handle = window_.Handle();
    EXPECT_EQ(ClassOf(handle), Lower(kFormClassName));
    const LONG style = StyleOf(handle);
    for (const LONG wanted : {WS_CAPTION, WS_SYSMENU, WS_MINIMIZEBOX, WS_CLIPCHILDREN}) {
        EXPECT_EQ(style & wanted, wanted);
    }
    EXPECT_EQ(style & (WS_MAXIMIZEBOX | WS_THICKFRAME), 0);
    EXPECT_EQ(GetWindowLongA(handle, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, 0);
    EXPECT_EQ(TextOf(handle), texts::kProgramTitle);
    const auto applicationIcon = reinterpret_cast<LRESULT>(LoadIconA(nullptr, IDI_APPLICATION));
    for (const WPARAM size : {ICON_BIG, ICON_SMALL}) {
        const LRESULT icon = SendMessageA(handle, WM_GETICON, size, 0);
        EXPECT_NE(icon, 0);
        EXPECT_NE(icon, applicationIcon); // the program's own
    }

    RECT place;
    GetWindowRect(handle, &place);
    EXPECT_EQ(place.right - place.left, 380);
    EXPECT_EQ(place.bottom - place.top, 250);
    EXPECT_EQ(place.left, (GetSystemMetrics(SM_CXSCREEN) - 380) / 2);
    EXPECT_EQ(place.top, (GetSystemMetrics(SM_CYSCREEN) - 250) / 2);
    if (GetSystemMetrics(SM_CXSCREEN) == 1024 && GetSystemMetrics(SM_CYSCREEN) == 768) {
        EXPECT_EQ(place.left, 322);
        EXPECT_EQ(place.top, 259);
    }
    EXPECT_TRUE(IsWindowVisible(handle));
    EXPECT_EQ(GetActiveWindow(), handle);
}

TEST_F(MainWindow, EveryControlIsBuiltAsDefined) {
    struct Expected {
        std::string_view name;
        Kind kind;
        int left, top, width, height;
        const char* text; // null for none
        Font font = Font::DefaultGui;
    };
    const Expected expected[] = {
        {controls::kSecondList, Kind::ComboBox, 245, 48, 37, 20, "0", Font::SetTime},
        {controls::kMinuteList, Kind::ComboBox, 191, 48, 37, 20, "0", Font::SetTime},
        {controls::kHourList, Kind::ComboBox, 137, 48, 37, 20, "0", Font::SetTime},
        {controls::kTriggerTimer, Kind::Timer, 344, 64, 26, 26, nullptr},
        {controls::kConfirmationLabel, Kind::Label, 30, 160, 320, 48, nullptr},
        {controls::kSetButton, Kind::Button, 259, 80, 32, 20, texts::kSetButton},
        {controls::kBrowseButton, Kind::Button, 316, 130, 32, 20, texts::kBrowseButton},
        {controls::kPathBox, Kind::EditBox, 26, 131, 288, 20, nullptr},
        {controls::kPathLabel, Kind::Label, 26, 106, 56, 24, texts::kProgramPathLabel},
        {controls::kRunProgramRadio, Kind::RadioBox, 183, 80, 74, 24, texts::kRunProgramChoice},
        {controls::kRestartRadio, Kind::RadioBox, 136, 80, 48, 24, texts::kRestartChoice},
        {controls::kShutDownRadio, Kind::RadioBox, 89, 80, 48, 24, texts::kShutDownChoice},
        {controls::kSecondUnitLabel, Kind::Label, 285, 12, 16, 24, texts::kSecondUnit},
        {controls::kSecondLabel, Kind::Label, 256, 11, 20, 24, nullptr, Font::Clock},
        {controls::kMinuteUnitLabel, Kind::Label, 231, 12, 16, 24, texts::kMinuteUnit},
        {controls::kMinuteLabel, Kind::Label, 205, 11, 20, 24, nullptr, Font::Clock},
        {controls::kClockTimer, Kind::Timer, 336, 24, 26, 26, nullptr},
        {controls::kHourUnitLabel, Kind::Label, 177, 12, 16, 24, texts::kHourUnit},
        {controls::kSetTimeUnitsLabel, Kind::Label, 165, 46, 139, 24, texts::kSetTimeUnits},
        {controls::kSetTimeLabel, Kind::Label, 70, 44, 64, 24, texts::kSetTimeLabel},
        {controls::kHourLabel, Kind::Label, 152, 12, 20, 24, nullptr, Font::Clock},
        {controls::kNowTimeLabel, Kind::Label, 70, 12, 56, 24, texts::kNowTimeLabel},
    };
    ASSERT_EQ(MainWindowDefinition().controls.size(), std::size(expected));

    std::vector<HWND> definitionOrder;
    for (std::size_t index = 0; index < std::size(expected); ++index) {
        const Expected& want = expected[index];
        SCOPED_TRACE(testing::Message() << "control #" << index + 1);
        EXPECT_EQ(MainWindowDefinition().controls[index].name, want.name);
        const HWND control = window_[want.name].Handle();
        definitionOrder.push_back(control);
        const LONG style = StyleOf(control);
        EXPECT_TRUE(IsWindowEnabled(control));

        if (want.kind == Kind::Timer) {
            EXPECT_EQ(ClassOf(control), Lower(kTimerClassName));
            EXPECT_EQ(style & WS_VISIBLE, 0);
            continue;
        }
        EXPECT_EQ(style & WS_VISIBLE, WS_VISIBLE);
        EXPECT_EQ(style & WS_CLIPSIBLINGS, WS_CLIPSIBLINGS); // the lists lie over a label

        const RECT place = PlaceInClient(control);
        EXPECT_EQ(place.left, want.left);
        EXPECT_EQ(place.top, want.top);
        EXPECT_EQ(place.right - place.left, want.width);
        if (want.kind == Kind::ComboBox) {
            // The closed box is as high as the platform makes it; opened, the list reaches
            // to 160 pixels below the box's top, less what rounding to whole entries takes.
            COMBOBOXINFO parts{};
            parts.cbSize = sizeof parts;
            ASSERT_TRUE(GetComboBoxInfo(control, &parts));
            EXPECT_EQ(StyleOf(parts.hwndList) & WS_VSCROLL, WS_VSCROLL);
            SendMessageA(control, CB_SHOWDROPDOWN, TRUE, 0);
            RECT box;
            RECT list;
            GetWindowRect(control, &box);
            GetWindowRect(parts.hwndList, &list);
            SendMessageA(control, CB_SHOWDROPDOWN, FALSE, 0);
            const auto entryHeight = SendMessageA(control, CB_GETITEMHEIGHT, 0, 0);
            EXPECT_LE(list.bottom - box.top, 160);
            EXPECT_GT(list.bottom - box.top, 160 - entryHeight);
        } else {
            EXPECT_EQ(place.bottom - place.top, want.height);
        }
        EXPECT_EQ(TextOf(control), want.text != nullptr ? want.text : "");

        const auto font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
        if (want.font == Font::DefaultGui) {
            EXPECT_EQ(font, GetStockObject(DEFAULT_GUI_FONT));
        } else {
            LOGFONTA logical{};
            ASSERT_NE(GetObjectA(font, sizeof logical, &logical), 0);
            EXPECT_STREQ(logical.lfFaceName, texts::kSongTypeface);
            EXPECT_EQ(logical.lfHeight, want.font == Font::SetTime ? -12 : -16);
            EXPECT_EQ(logical.lfWeight, 700);
            EXPECT_EQ(logical.lfCharSet, 134);
        }

        switch (want.kind) {
        case Kind::Label:
            EXPECT_EQ(ClassOf(control), Lower(kLabelClassName));
            break;
        case Kind::Button:
            EXPECT_EQ(ClassOf(control), "button");
            EXPECT_EQ(style & BS_TYPEMASK, BS_PUSHBUTTON); // never the default button
            EXPECT_EQ(style & (BS_MULTILINE | BS_CENTER | BS_VCENTER),
                      BS_MULTILINE | BS_CENTER | BS_VCENTER);
            break;
        case Kind::RadioBox:
            EXPECT_EQ(ClassOf(control), "button");
            EXPECT_EQ(style & BS_TYPEMASK, BS_AUTORADIOBUTTON);
            EXPECT_EQ(style & (BS_CENTER | BS_VCENTER | BS_PUSHLIKE | BS_FLAT),
                      BS_LEFT | BS_VCENTER);
            break;
        case Kind::ComboBox:
            EXPECT_EQ(ClassOf(control), "combobox");
            EXPECT_EQ(style & 3, CBS_DROPDOWNLIST);
            EXPECT_EQ(style & CBS_SORT, 0);
            break;
        case Kind::EditBox:
            EXPECT_EQ(ClassOf(control), "edit");
            EXPECT_EQ(style & (ES_AUTOHSCROLL | ES_MULTILINE | ES_READONLY | ES_PASSWORD |
                               ES_NOHIDESEL | ES_CENTER | ES_RIGHT),
                      ES_AUTOHSCROLL);
            EXPECT_EQ(GetWindowLongA(control, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, WS_EX_CLIENTEDGE);
            break;
        case Kind::Timer:
            break;
        }
    }

    // The first entry lies on top: the children in z-order are the definition order.
    std::vector<HWND> zOrder;
    for (HWND child = GetWindow(window_.Handle(), GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        zOrder.push_back(child);
    }
    EXPECT_EQ(zOrder, definitionOrder);
}

TEST_F(MainWindow, ListsHoldTheirEntriesInOrderOneEntryHeightTaller) {
    struct Case {
        std::string_view name;
        int count;
    };
    for (const Case& c : {Case{controls::kHourList, 24}, Case{controls::kMinuteList, 60},
                          Case{controls::kSecondList, 60}}) {
        SCOPED_TRACE(c.name);
        const HWND list = window_[c.name].Handle();
        ASSERT_EQ(SendMessageA(list, CB_GETCOUNT, 0, 0), c.count);
        for (int index = 0; index < c.count; ++index) {
            char entry[8] = {};
            SendMessageA(list, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(entry));
            EXPECT_EQ(std::string(entry), std::to_string(index));
        }
        // A plain list with the same font shows the font's standard entry height.
        const HWND plain = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | CBS_DROPDOWNLIST, 0, 0, 37,
                                           160, window_.Handle(), nullptr, nullptr, nullptr);
        SendMessageA(plain, WM_SETFONT, SendMessageA(list, WM_GETFONT, 0, 0), FALSE);
        const LRESULT standard = SendMessageA(plain, CB_GETITEMHEIGHT, 0, 0);
        DestroyWindow(plain);
        EXPECT_EQ(SendMessageA(list, CB_GETITEMHEIGHT, 0, 0), standard + 1);
    }
}

TEST_F(MainWindow, StartsWithNothingChosenAndTheTimeLabelsEmpty) {
    for (const auto name : {controls::kHourList, controls::kMinuteList, controls::kSecondList}) {
        EXPECT_EQ(ReadProperty(window_[name], TextProperty::Text).View(), "0");
        EXPECT_EQ(ReadProperty(window_[name], IntegerProperty::SelectedIndex), 0);
    }
    for (const auto name :
         {controls::kShutDownRadio, controls::kRestartRadio, controls::kRunProgramRadio}) {
        EXPECT_EQ(ReadProperty(window_[name], IntegerProperty::Checked), 0);
    }
    EXPECT_TRUE(ReadProperty(window_[controls::kPathBox], TextProperty::Text).IsAbsent());
    DWORD selectionStart = 1;
    DWORD selectionEnd = 1;
    SendMessageA(window_[controls::kPathBox].Handle(), EM_GETSEL,
                 reinterpret_cast<WPARAM>(&selectionStart),
                 reinterpret_cast<LPARAM>(&selectionEnd));
    EXPECT_EQ(selectionStart, 0u); // the caret at the start
    EXPECT_EQ(selectionEnd, 0u);
    for (const auto name : {controls::kHourLabel, controls::kMinuteLabel, controls::kSecondLabel,
                            controls::kConfirmationLabel}) {
        EXPECT_TRUE(ReadProperty(window_[name], TextProperty::Caption).IsAbsent());
    }
    EXPECT_EQ(ReadProperty(window_[controls::kClockTimer], IntegerProperty::Interval), 1000);
    EXPECT_EQ(ReadProperty(window_[controls::kTriggerTimer], IntegerProperty::Interval), 0);
}

TEST(WindowIcon, FallsBackToTheDefaultApplicationIcon) {
    const std::uint8_t noIcon[] = {0, 0, 1, 0, 1, 0, 16, 16, 0, 0};
    RecordingDefinition recording(MainWindowDefinition());
    WindowDefinition definition = recording.Get();
    definition.window.icon = noIcon;
    LoadedWindow window(definition);
    const auto applicationIcon = reinterpret_cast<LRESULT>(LoadIconA(nullptr, IDI_APPLICATION));
    EXPECT_EQ(SendMessageA(window.Handle(), WM_GETICON, ICON_BIG, 0), applicationIcon);
    EXPECT_EQ(SendMessageA(window.Handle(), WM_GETICON, ICON_SMALL, 0), applicationIcon);
}

TEST(MainWindowDefinition, BindsEachEventToItsHandler) {
    using Bindings = std::multimap<std::int32_t, EventHandler>;
    const std::map<std::string_view, Bindings> expected = {
        {"",
         {{events::kCreated, &OnMainWindowCreated},
          {events::kPositionChanged, &OnMainWindowPositionChanged},
          {events::kTrayEvent, &OnTrayEvent},
          {events::kWillBeDestroyed, &OnMainWindowDestroyed}}},
        {controls::kShutDownRadio, {{events::kClicked, &OnShutDownChosen}}},
        {controls::kRestartRadio, {{events::kClicked, &OnRestartChosen}}},
        {controls::kRunProgramRadio, {{events::kClicked, &OnRunProgramChosen}}},
        {controls::kBrowseButton, {{events::kClicked, &OnBrowseClicked}}},
        {controls::kSetButton, {{events::kClicked, &OnSetClicked}}},
        {controls::kClockTimer, {{events::kTick, &OnClockTick}}},
        {controls::kTriggerTimer, {{events::kTick, &OnTriggerTick}}},
    };
    const auto bound = [](const ControlDefinition& entry) {
        Bindings bindings;
        for (const EventBinding& binding : entry.events) {
            bindings.emplace(binding.eventIndex, binding.handler);
        }
        return bindings;
    };
    const auto wanted = [&](std::string_view name) {
        const auto found = expected.find(name);
        return found != expected.end() ? found->second : Bindings{};
    };
    EXPECT_EQ(bound(MainWindowDefinition().window), wanted(""));
    for (const ControlDefinition& control : MainWindowDefinition().controls) {
        SCOPED_TRACE(control.name);
        EXPECT_EQ(bound(control), wanted(control.name));
    }
}

bool IsGreen(std::uint32_t pixel) {
    const int red = static_cast<int>(pixel >> 16) & 0xFF;
    const int green = static_cast<int>(pixel >> 8) & 0xFF;
    const int blue = static_cast<int>(pixel) & 0xFF;
    return green > red + 40 && green > blue + 40;
}

TEST_F(MainWindow, ConfirmationWrapsFromTheTopCentredAndIsCutAtTheEdge) {
    Control& label = window_[controls::kConfirmationLabel];
    // Six lines' worth of words: more than the label's 48 pixels hold.
    std::string words;
    for (int word = 0; word < 36; ++word) {
        words += "wrapped ";
    }
    WriteProperty(label, TextProperty::Caption, words);
    const test::WindowImage image = test::CaptureWindow(label.Handle());
    ASSERT_EQ(image.width, 320);
    ASSERT_EQ(image.height, 48);

    std::vector<int> greenRows;
    int leftmost = image.width;
    int rightmost = -1;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            if (IsGreen(image.At(x, y))) {
                if (greenRows.empty() || greenRows.back() != y) {
                    greenRows.push_back(y);
                }
                leftmost = std::min(leftmost, x);
                rightmost = std::max(rightmost, x);
            }
        }
    }
    ASSERT_FALSE(greenRows.empty());
    EXPECT_LE(greenRows.front(), 4);                       // the first line at the top edge
    EXPECT_GE(greenRows.back(), 40);                       // further lines down to the bottom edge
    EXPECT_NEAR(leftmost, image.width - 1 - rightmost, 2); // each line centred
    EXPECT_EQ(image.At(image.width - 1, 0), PixelOf(GetSysColor(COLOR_BTNFACE)));

    // Below the label the window shows none of the lines that did not fit.
    const test::WindowImage window = test::CaptureWindow(window_.Handle());
    for (int y = 160 + 48; y < 160 + 48 + 20; ++y) {
        for (int x = 30; x < 350; ++x) {
            ASSERT_FALSE(IsGreen(window.At(x, y))) << x << "," << y;
        }
    }
}

TEST_F(MainWindow, ScreenshotShowsTheWholeFormInItsColours) {
    WriteProperty(window_[controls::kHourLabel], TextProperty::Caption, "23");
    WriteProperty(window_[controls::kMinuteLabel], TextProperty::Caption, "59");
    WriteProperty(window_[controls::kSecondLabel], TextProperty::Caption, "58");
    WriteProperty(window_[controls::kConfirmationLabel], TextProperty::Caption,
                  JoinTexts({texts::kSetTimeLabel, "23", texts::kHourUnit, "59", texts::kMinuteUnit,
                             "58", texts::kSecondUnit}));
    RedrawWindow(window_.Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    test::PumpMessages();
    const test::WindowImage image = test::CaptureWindow(window_.Handle(), true);
    ASSERT_EQ(image.width, 380);
    ASSERT_EQ(image.height, 250);
    // Black on white in the lists and the edit box; the radio buttons on the window's colour.
    const auto pixelIn = [&](std::string_view name, int x, int y) {
        return test::CaptureWindow(window_[name].Handle()).At(x, y);
    };
    EXPECT_EQ(pixelIn(controls::kPathBox, 200, 8), 0xFFFFFFu);
    EXPECT_EQ(pixelIn(controls::kHourList, 3, 10), 0xFFFFFFu);
    EXPECT_EQ(pixelIn(controls::kRunProgramRadio, 73, 1), PixelOf(GetSysColor(COLOR_BTNFACE)));

    const char* path = std::getenv("ZBW_SCREENSHOT");
    if (path != nullptr) {
        EXPECT_TRUE(test::SavePng(image, path)) << path;
    }
}

} // namespace
} // namespace zbw
