#include "app/event_record.h"
#include "support/keyboard.h"
#include "support/loaded_window.h"
#include "support/message_pump.h"
#include "ui/main_window_controls.h"
#include "ui/main_window_definition.h"
#include "ui/properties.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <initializer_list>
#include <optional>
#include <string_view>

namespace zbw {
namespace {

using namespace std::chrono_literals;
using test::CountRecorded;
using test::LoadedWindow;
using test::RecordingDefinition;

// The program's main window, with every handler replaced by a recorder.
class ControlModel : public ::testing::Test {
  protected:
    Control& ControlNamed(std::string_view name) const {
        return name.empty() ? static_cast<Control&>(*window_) : window_[name];
    }

    RecordingDefinition definition_{MainWindowDefinition()};
    LoadedWindow window_{definition_.Get()};
};

TEST_F(ControlModel, WritesAreBroughtIntoRangeAndReadBack) {
    struct Case {
        std::string_view control; // empty for the window itself
        IntegerProperty property;
        std::int32_t written;
        std::int32_t read;
        std::optional<std::string_view> text = std::nullopt; // Text after the write
    };
    const Case cases[] = {
        {controls::kHourList, IntegerProperty::SelectedIndex, 5, 5, "5"},
        {controls::kHourList, IntegerProperty::SelectedIndex, 99, 23, "23"},
        {controls::kHourList, IntegerProperty::SelectedIndex, -5, -1, ""},
        {controls::kHourList, IntegerProperty::SelectedIndex, 0, 0, "0"},
        {controls::kHourList, IntegerProperty::SelectedIndex, -1, -1, ""},
        {controls::kTriggerTimer, IntegerProperty::Interval, 250, 250},
        {controls::kTriggerTimer, IntegerProperty::Interval, 0, 0},
        {controls::kTriggerTimer, IntegerProperty::Interval, -1, 0},
        {"", IntegerProperty::WindowState, 7, 3},
        {"", IntegerProperty::WindowState, -2, 0},
        {"", IntegerProperty::WindowState, 1, 0},
        {controls::kShutDownRadio, IntegerProperty::Checked, 5, 1},
        {controls::kShutDownRadio, IntegerProperty::Checked, 0, 0},
        {controls::kSetButton, IntegerProperty::Disabled, -9, 1},
        {controls::kSetButton, IntegerProperty::Disabled, 0, 0},
        {controls::kSetButton, IntegerProperty::Visible, 0, 0},
        {controls::kSetButton, IntegerProperty::Visible, 3, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "control '" << c.control << "' written " << c.written);
        Control& control = ControlNamed(c.control);
        WriteProperty(control, c.property, c.written);
        EXPECT_EQ(ReadProperty(control, c.property), c.read);
        if (c.text) {
            EXPECT_EQ(ReadProperty(control, TextProperty::Text).View(), *c.text);
            // The box shows the selected entry, or nothing.
            char shown[16] = {};
            GetWindowTextA(control.Handle(), shown, sizeof shown);
            EXPECT_EQ(std::string_view(shown), *c.text);
        }
    }
}

TEST_F(ControlModel, SelectingAnEntryByItsTextSelectsThatIndex) {
    Control& minutes = window_[controls::kMinuteList];
    SelectEntryByText(minutes, "7");
    EXPECT_EQ(ReadProperty(minutes, IntegerProperty::SelectedIndex), 7);
    EXPECT_EQ(ReadProperty(minutes, TextProperty::Text).View(), "7");

    SelectEntryByText(minutes, "07"); // byte for byte: no entry matches, nothing changes
    EXPECT_EQ(ReadProperty(minutes, IntegerProperty::SelectedIndex), 7);
}

TEST_F(ControlModel, RewritingARunningTimersIntervalKeepsItsPhase) {
    Control& timer = window_[controls::kTriggerTimer];
    WriteProperty(timer, IntegerProperty::Interval, 100);
    // Rewritten far more often than its period: a timer restarted by each write never ticks.
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (CountRecorded(controls::kTriggerTimer, events::kTick) == 0 &&
           std::chrono::steady_clock::now() < deadline) {
        WriteProperty(timer, IntegerProperty::Interval, 100);
        test::PumpFor(20ms);
    }
    EXPECT_GE(CountRecorded(controls::kTriggerTimer, events::kTick), 1u);

    WriteProperty(timer, IntegerProperty::Interval, 0);
    test::PumpMessages();
    const std::size_t ticksWhenStopped = CountRecorded(controls::kTriggerTimer, events::kTick);
    test::PumpFor(400ms);
    EXPECT_EQ(CountRecorded(controls::kTriggerTimer, events::kTick), ticksWhenStopped);
}

TEST_F(ControlModel, HiddenMinimisedWindowStaysMinimisedUntilRestored) {
    Control& window = *window_;
    const HWND handle = window_.Handle();
    WriteProperty(window, IntegerProperty::WindowState, 2);
    // The platform reports the minimise before the write returns.
    EXPECT_GE(CountRecorded("", events::kPositionChanged), 2u);
    WriteProperty(window, IntegerProperty::Visible, 0);
    EXPECT_EQ(ReadProperty(window, IntegerProperty::WindowState), 2);
    EXPECT_EQ(ReadProperty(window, IntegerProperty::Visible), 0);

    WriteProperty(window, IntegerProperty::WindowState, 0); // only recorded while hidden
    EXPECT_FALSE(IsWindowVisible(handle));
    EXPECT_TRUE(IsIconic(handle));

    WriteProperty(window, IntegerProperty::Visible, 1);
    EXPECT_TRUE(IsWindowVisible(handle));
    EXPECT_EQ(ReadProperty(window, IntegerProperty::WindowState), 2);

    const std::size_t moves = CountRecorded("", events::kPositionChanged);
    WriteProperty(window, IntegerProperty::WindowState, 0);
    EXPECT_EQ(ReadProperty(window, IntegerProperty::WindowState), 0);
    EXPECT_GT(CountRecorded("", events::kPositionChanged), moves);
    RECT place;
    GetWindowRect(handle, &place);
    EXPECT_EQ(place.left, (GetSystemMetrics(SM_CXSCREEN) - 380) / 2);
    EXPECT_EQ(place.top, (GetSystemMetrics(SM_CYSCREEN) - 250) / 2);
}

TEST_F(ControlModel, MaximisedCoversTheScreenAndNormalComesBack) {
    const HWND handle = window_.Handle();
    RECT normal;
    GetWindowRect(handle, &normal);
    WriteProperty(*window_, IntegerProperty::WindowState, 3);
    RECT covering;
    GetWindowRect(handle, &covering);
    EXPECT_EQ(covering.left, 0);
    EXPECT_EQ(covering.top, 0);
    EXPECT_EQ(covering.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(covering.bottom, GetSystemMetrics(SM_CYSCREEN));

    WriteProperty(*window_, IntegerProperty::WindowState, 0);
    RECT back;
    GetWindowRect(handle, &back);
    EXPECT_TRUE(EqualRect(&back, &normal));
}

TEST_F(ControlModel, TextsAreCopiedInAndOut) {
    Control& path = window_[controls::kPathBox];
    WriteProperty(path, TextProperty::Text, "C:\\tools\\run.exe");
    WriteProperty(path, IntegerProperty::Disabled, 1);
    EXPECT_FALSE(IsWindowEnabled(path.Handle()));
    EXPECT_EQ(ReadProperty(path, TextProperty::Text).View(), "C:\\tools\\run.exe");

    Control& label = window_[controls::kHourLabel];
    WriteProperty(label, TextProperty::Caption, "12");
    EXPECT_EQ(ReadProperty(label, TextProperty::Caption).View(), "12");
    char spoken[8] = {};
    SendMessageA(label.Handle(), WM_GETTEXT, sizeof spoken, reinterpret_cast<LPARAM>(spoken));
    EXPECT_EQ(std::string_view(spoken), "12"); // what a screen reader reads

    WriteProperty(*window_, TextProperty::Title, "title");
    EXPECT_EQ(ReadProperty(*window_, TextProperty::Title).View(), "title");

    const ByteString icon = ReadProperty(*window_, ByteStringProperty::Icon);
    const auto defined = MainWindowDefinition().window.icon;
    EXPECT_EQ(icon.Bytes().size(), 1150u);
    EXPECT_TRUE(std::ranges::equal(icon.Bytes(), defined));
    EXPECT_NE(icon.Bytes().data(), defined.data()); // a copy
}

TEST_F(ControlModel, WritingCheckedChangesOnlyThatRadioButtonAndRaisesNothing) {
    Control& shutDown = window_[controls::kShutDownRadio];
    Control& restart = window_[controls::kRestartRadio];
    WriteProperty(shutDown, IntegerProperty::Checked, 1);
    WriteProperty(restart, IntegerProperty::Checked, 1);
    EXPECT_EQ(ReadProperty(shutDown, IntegerProperty::Checked), 1);
    EXPECT_EQ(ReadProperty(restart, IntegerProperty::Checked), 1);
    EXPECT_EQ(CountRecorded(controls::kShutDownRadio, events::kClicked), 0u);
    EXPECT_EQ(CountRecorded(controls::kRestartRadio, events::kClicked), 0u);
}

// Some platforms send a radio button's click notification while the button gains or loses the
// focus; this one does not. With BS_NOTIFY the button tells its window about the focus change
// while processing it, and this subclass of the window answers each such report with the click
// notification those platforms send at that moment.
class FocusClickNotifier {
  public:
    FocusClickNotifier(HWND window, std::initializer_list<HWND> radios) : window_(window) {
        for (const HWND radio : radios) {
            SetWindowLongA(radio, GWL_STYLE, GetWindowLongA(radio, GWL_STYLE) | BS_NOTIFY);
        }
        active_ = this;
        original_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
            window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FocusClickNotifier::Procedure)));
    }
    ~FocusClickNotifier() {
        SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
        active_ = nullptr;
    }
    int Sent() const { return sent_; }

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_COMMAND &&
            (HIWORD(wParam) == BN_SETFOCUS || HIWORD(wParam) == BN_KILLFOCUS)) {
            ++active_->sent_;
            CallWindowProcA(active_->original_, window, WM_COMMAND,
                            MAKEWPARAM(LOWORD(wParam), BN_CLICKED), lParam);
        }
        return CallWindowProcA(active_->original_, window, message, wParam, lParam);
    }
    static inline FocusClickNotifier* active_ = nullptr;
    HWND window_;
    WNDPROC original_ = nullptr;
    int sent_ = 0;
};

TEST_F(ControlModel, RadioButtonsRaiseClickedOnlyForTheUsersSelection) {
    Control& shutDown = window_[controls::kShutDownRadio];
    Control& restart = window_[controls::kRestartRadio];
    Control& runProgram = window_[controls::kRunProgramRadio];

    {
        // The focus moving onto and off the radio buttons is no selection.
        FocusClickNotifier notifier(window_.Handle(), {runProgram.Handle(), restart.Handle()});
        SetFocus(runProgram.Handle());
        SetFocus(restart.Handle());
        SetFocus(window_[controls::kSetButton].Handle());
        test::PumpMessages();
        EXPECT_EQ(notifier.Sent(), 4);
        EXPECT_EQ(CountRecorded(controls::kRunProgramRadio, events::kClicked), 0u);
        EXPECT_EQ(CountRecorded(controls::kRestartRadio, events::kClicked), 0u);
    }

    WriteProperty(runProgram, IntegerProperty::Checked, 0);
    WriteProperty(restart, IntegerProperty::Checked, 0);
    WriteProperty(shutDown, IntegerProperty::Checked, 1);
    SendMessageA(restart.Handle(), BM_CLICK, 0, 0); // a mouse click
    EXPECT_EQ(CountRecorded(controls::kRestartRadio, events::kClicked), 1u);
    EXPECT_EQ(ReadProperty(restart, IntegerProperty::Checked), 1);
    EXPECT_EQ(ReadProperty(shutDown, IntegerProperty::Checked), 0);
    EXPECT_EQ(ReadProperty(runProgram, IntegerProperty::Checked), 0);

    SetFocus(runProgram.Handle());
    test::PressKey(VK_SPACE);
    EXPECT_EQ(CountRecorded(controls::kRunProgramRadio, events::kClicked), 1u);
    EXPECT_EQ(ReadProperty(runProgram, IntegerProperty::Checked), 1);
    EXPECT_EQ(ReadProperty(restart, IntegerProperty::Checked), 0);
}

} // namespace
} // namespace zbw
