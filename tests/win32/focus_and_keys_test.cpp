#include "app/event_record.h"
#include "support/keyboard.h"
#include "support/loaded_window.h"
#include "support/message_pump.h"
#include "ui/main_window_controls.h"
#include "ui/main_window_definition.h"
#include "ui/properties.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace zbw {
namespace {

using test::CountRecorded;
using test::LoadedWindow;
using test::PressKey;
using test::RecordingDefinition;

// The main window with every handler replaced by a recorder, shown and active.
class FocusAndKeys : public ::testing::Test {
  protected:
    void SetUp() override {
        SetForegroundWindow(window_.Handle());
        ASSERT_TRUE(test::PumpUntil([&] { return GetActiveWindow() == window_.Handle(); }));
    }

    HWND Handle(std::string_view name) const { return window_[name].Handle(); }

    void Focus(std::string_view name) const {
        SetFocus(Handle(name));
        ASSERT_EQ(GetFocus(), Handle(name));
    }

    RecordingDefinition definition_{MainWindowDefinition()};
    LoadedWindow window_{definition_.Get()};
};

TEST_F(FocusAndKeys, TheFirstControlOfTheFocusOrderHasTheFocusWhenShown) {
    EXPECT_TRUE(test::PumpUntil([&] { return GetFocus() == Handle(controls::kShutDownRadio); }));
}

TEST_F(FocusAndKeys, TabAndShiftTabFollowTheFocusOrderAndWrap) {
    struct Case {
        bool pathControlsDisabled;
        std::string_view from;
        bool shift;
        std::string_view to;
    };
    const Case cases[] = {
        {false, controls::kShutDownRadio, false, controls::kRestartRadio},
        {false, controls::kRunProgramRadio, false, controls::kPathBox},
        {false, controls::kPathBox, false, controls::kBrowseButton},
        {false, controls::kBrowseButton, false, controls::kSetButton},
        {false, controls::kSetButton, false, controls::kHourList},
        {false, controls::kMinuteList, false, controls::kSecondList},
        {false, controls::kSetButton, true, controls::kBrowseButton},
        {true, controls::kRunProgramRadio, false, controls::kSetButton},
        {true, controls::kSetButton, true, controls::kRunProgramRadio},
        {true, controls::kSecondList, false, controls::kShutDownRadio},
        {true, controls::kShutDownRadio, true, controls::kSecondList},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "from #" << c.from.size() << " shift " << c.shift
                                        << " disabled " << c.pathControlsDisabled);
        WriteProperty(window_[controls::kPathBox], IntegerProperty::Disabled,
                      c.pathControlsDisabled);
        WriteProperty(window_[controls::kBrowseButton], IntegerProperty::Disabled,
                      c.pathControlsDisabled);
        Focus(c.from);
        PressKey(VK_TAB, c.shift);
        EXPECT_EQ(GetFocus(), Handle(c.to));
    }
}

TEST_F(FocusAndKeys, ArrowKeysSelectTheNeighbouringRadioButtonWithOneClicked) {
    struct Case {
        std::string_view from;
        UINT key;
        std::string_view to;
    };
    const Case cases[] = {
        {controls::kRunProgramRadio, VK_RIGHT, controls::kShutDownRadio},
        {controls::kShutDownRadio, VK_LEFT, controls::kRunProgramRadio},
        {controls::kShutDownRadio, VK_DOWN, controls::kRestartRadio},
        {controls::kRestartRadio, VK_UP, controls::kShutDownRadio},
    };
    const std::string_view radios[] = {controls::kShutDownRadio, controls::kRestartRadio,
                                       controls::kRunProgramRadio};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "key " << c.key);
        for (const std::string_view radio : radios) {
            WriteProperty(window_[radio], IntegerProperty::Checked, radio == c.from);
        }
        Focus(c.from);
        test::RecordedEvents().clear();
        PressKey(c.key);
        for (const std::string_view radio : radios) {
            EXPECT_EQ(ReadProperty(window_[radio], IntegerProperty::Checked), radio == c.to);
            EXPECT_EQ(CountRecorded(radio, events::kClicked), radio == c.to ? 1u : 0u);
        }
        EXPECT_EQ(GetFocus(), Handle(c.to));
    }

    // Other controls keep their arrow keys: a list moves its selection.
    Focus(controls::kHourList);
    PressKey(VK_DOWN);
    EXPECT_EQ(ReadProperty(window_[controls::kHourList], IntegerProperty::SelectedIndex), 1);
    EXPECT_EQ(GetFocus(), Handle(controls::kHourList));
}

TEST_F(FocusAndKeys, EnterDoesNothing) {
    Focus(controls::kSetButton);
    PressKey(VK_RETURN);
    EXPECT_EQ(CountRecorded(controls::kSetButton, events::kClicked), 0u);
    EXPECT_EQ(GetFocus(), Handle(controls::kSetButton));
    EXPECT_NE(window_.Get(), nullptr);
}

TEST_F(FocusAndKeys, TheFocusComesBackWhenTheWindowIsActivatedAgain) {
    const HWND other =
        CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                        nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    const auto switchAwayAndBack = [&] {
        SetForegroundWindow(other);
        ASSERT_TRUE(test::PumpUntil([&] { return GetActiveWindow() == other; }));
        SetForegroundWindow(window_.Handle());
        ASSERT_TRUE(test::PumpUntil([&] { return GetActiveWindow() == window_.Handle(); }));
    };

    Focus(controls::kMinuteList);
    switchAwayAndBack();
    EXPECT_EQ(GetFocus(), Handle(controls::kMinuteList));

    // A control that can no longer take the focus hands it to the first of the order.
    Focus(controls::kPathBox);
    SetForegroundWindow(other);
    ASSERT_TRUE(test::PumpUntil([&] { return GetActiveWindow() == other; }));
    WriteProperty(window_[controls::kPathBox], IntegerProperty::Disabled, 1);
    SetForegroundWindow(window_.Handle());
    ASSERT_TRUE(test::PumpUntil([&] { return GetActiveWindow() == window_.Handle(); }));
    EXPECT_EQ(GetFocus(), Handle(controls::kShutDownRadio));
    DestroyWindow(other);
}

TEST_F(FocusAndKeys, TheFocusComesBackAfterTheWindowWasMinimisedHiddenAndRestored) {
    Focus(controls::kSetButton);
    Control& window = *window_;
    WriteProperty(window, IntegerProperty::WindowState, 2);
    WriteProperty(window, IntegerProperty::Visible, 0);
    test::PumpMessages();
    WriteProperty(window, IntegerProperty::Visible, 1);
    WriteProperty(window, IntegerProperty::WindowState, 0);
    EXPECT_TRUE(test::PumpUntil([&] { return GetFocus() == Handle(controls::kSetButton); }));
}

TEST(EscapeKey, ClosesTheWindowFromAnyControl) {
    struct Case {
        std::string_view control;
        bool dropped;
    };
    for (const Case& c : {Case{controls::kPathBox, false}, Case{controls::kHourList, false},
                          Case{controls::kMinuteList, true}, Case{controls::kSetButton, false}}) {
        SCOPED_TRACE(testing::Message() << "dropped " << c.dropped);
        RecordingDefinition definition(MainWindowDefinition());
        LoadedWindow window(definition.Get());
        SetForegroundWindow(window.Handle());
        const HWND control = window[c.control].Handle();
        SetFocus(control);
        if (c.dropped) {
            SendMessageA(control, CB_SHOWDROPDOWN, TRUE, 0);
            ASSERT_TRUE(SendMessageA(control, CB_GETDROPPEDSTATE, 0, 0));
        }
        ASSERT_EQ(GetFocus(), control);
        PressKey(VK_ESCAPE);
        EXPECT_EQ(window.Get(), nullptr);
        EXPECT_EQ(CountRecorded("", events::kWillBeDestroyed), 1u);
    }
}

// Counts the left-button presses that reach a window.
class PressCounter {
  public:
    explicit PressCounter(HWND window) : window_(window) {
        active_ = this;
        original_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
            window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&PressCounter::Procedure)));
    }
    ~PressCounter() {
        SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
        active_ = nullptr;
    }
    int Presses() const { return presses_; }

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_LBUTTONDOWN) {
            ++active_->presses_;
        }
        return CallWindowProcA(active_->original_, window, message, wParam, lParam);
    }
    static inline PressCounter* active_ = nullptr;
    HWND window_;
    WNDPROC original_ = nullptr;
    int presses_ = 0;
};

INPUT MouseAt(POINT point, DWORD buttons) {
    // Absolute coordinates run from 0 to 65535 over the screen; rounded up, they land on the
    // wanted pixel.
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = (point.x * 65536 + width - 1) / width;
    input.mi.dy = (point.y * 65536 + height - 1) / height;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttons;
    return input;
}

// Presses the left button at a point of the window's client area, moves the mouse by the offset
// and releases it, as the user's hand would. The input is queued at once, before the window takes
// the mouse for its move, and each event goes to the window under it when queued: the whole path
// must lie over the window.
void Drag(HWND window, POINT start, POINT offset) {
    ClientToScreen(window, &start);
    const POINT halfway{start.x + offset.x / 2, start.y + offset.y / 2};
    const POINT end{start.x + offset.x, start.y + offset.y};
    INPUT inputs[] = {MouseAt(start, 0), MouseAt(start, MOUSEEVENTF_LEFTDOWN), MouseAt(halfway, 0),
                      MouseAt(end, 0), MouseAt(end, MOUSEEVENTF_LEFTUP)};
    ASSERT_EQ(SendInput(static_cast<UINT>(std::size(inputs)), inputs, sizeof(INPUT)),
              std::size(inputs));
}

TEST_F(FocusAndKeys, PressingOnALabelOrTheBackgroundDragsTheWindow) {
    struct Case {
        POINT start; // in the client area
        POINT offset;
    };
    const Case cases[] = {
        {{70 + 20, 12 + 12}, {-60, -45}}, // on 标签1
        {{365, 8}, {-50, 30}},            // on no control
    };
    PressCounter label(Handle(controls::kNowTimeLabel));
    for (const Case& c : cases) {
        RECT before;
        GetWindowRect(window_.Handle(), &before);
        Drag(window_.Handle(), c.start, c.offset);
        RECT after{};
        EXPECT_TRUE(test::PumpUntil([&] {
            GetWindowRect(window_.Handle(), &after);
            return after.left == before.left + c.offset.x && after.top == before.top + c.offset.y;
        })) << after.left - before.left
            << "," << after.top - before.top;
    }
    EXPECT_EQ(label.Presses(), 0);
}

} // namespace
} // namespace zbw
