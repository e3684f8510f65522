// The main window under long use: ticks of both timers with the trigger armed, minimising into the
// notification area and restoring through its icon, armings with each action and error boxes
// opened and cancelled, each many times over. What the program holds after
// the first round must be what it holds at the end: the handles its owners hold and the windows of
// its thread exactly, the live blocks of its heap exactly (their bytes within what texts of another
// length take, such as the time shown), and its private bytes within a small allowance for the
// allocators beneath it.
//
// `make test` runs the short form; `make soak` sets ZBW_SOAK and runs the full counts.
#include "core/now_date_time.h"
#include "core/program_texts.h"
#include "scheduler/selected_command.h"
#include "support/footprint.h"
#include "support/loaded_window.h"
#include "support/message_pump.h"
#include "support/power_recorder.h"
#include "tray/tray_icon.h"
#include "ui/main_window_controls.h"
#include "ui/main_window_definition.h"
#include "ui/properties.h"
#include "ui/timer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include <windows.h>

namespace zbw {
namespace {

namespace names = controls;
using namespace std::chrono_literals;

bool Soak() {
    return std::getenv("ZBW_SOAK") != nullptr;
}

// The full count under `make soak`, the short one otherwise.
int Rounds(int full, int brief) {
    return Soak() ? full : brief;
}

// The allowance for private bytes: pages that the allocators beneath the program keep once
// touched. Wine's own rise settles within the first few hundred rounds (by some 230 KB over the
// error boxes, then flat); a leak of a handle or of a few hundred bytes per round runs past it in
// the full counts, and the program's own heap and handles are held to exact figures besides.
constexpr std::size_t kPrivateBytesAllowance = 512 * 1024;
// The labels keep their captions on the heap: "9" and "10" differ by a byte.
constexpr std::size_t kTextLengthAllowance = 64;

// The clock the program reads: the test moves it on by a second before each tick of the display.
int secondOfDay = 0;

void WINAPI ReadTestClock(LPSYSTEMTIME now) {
    *now = SYSTEMTIME{};
    now->wYear = 2026;
    now->wMonth = 12;
    now->wDay = 11;
    now->wHour = static_cast<WORD>(secondOfDay / 3600);
    now->wMinute = static_cast<WORD>(secondOfDay / 60 % 60);
    now->wSecond = static_cast<WORD>(secondOfDay % 60);
}

// Answers every dialog box of this thread as it comes up, as a user pressing Esc would.
int boxesAnswered = 0;

LRESULT CALLBACK AnswerBoxes(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        const auto box = reinterpret_cast<HWND>(wParam);
        char className[16] = {};
        GetClassNameA(box, className, sizeof className);
        if (std::strcmp(className, "#32770") == 0) {
            ++boxesAnswered;
            PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class Endurance : public ::testing::Test {
  protected:
    void SetUp() override {
        secondOfDay = 11 * 3600 + 59 * 60; // 11:59:00
        SetLocalTimeReader(&ReadTestClock);
        power_ = std::make_unique<test::PowerRecorder>();
        window_ = std::make_unique<test::LoadedWindow>(MainWindowDefinition());
        SelectedCommand = 0;
        // The window as it stands a second after the start: the time labels show a time and
        // have made their fonts.
        Tick(names::kClockTimer);
        test::PumpMessages();
    }
    void TearDown() override {
        window_.reset();
        test::PumpMessages();
        power_.reset();
        SetLocalTimeReader(nullptr);
    }

    Control& operator[](std::string_view name) const { return (*window_)[name]; }
    void Click(std::string_view name) const {
        SendMessageA((*this)[name].Handle(), BM_CLICK, 0, 0);
    }
    void Arm(std::string_view action, const char* hour, const char* minute,
             const char* second) const {
        Click(action);
        SelectEntryByText((*this)[names::kHourList], hour);
        SelectEntryByText((*this)[names::kMinuteList], minute);
        SelectEntryByText((*this)[names::kSecondList], second);
        Click(names::kSetButton);
    }
    void Tick(std::string_view timer) const {
        SendMessageA((*this)[timer].Handle(), WM_TIMER, Timer::kTimerId, 0);
    }
    std::string Caption(std::string_view name) const {
        return std::string(ReadProperty((*this)[name], TextProperty::Caption).View());
    }

    // Runs the round once, measures, runs it `rounds - 1` times more, and expects the program to
    // hold at the end what it held after the first round.
    template <typename Round> void ExpectNothingLeftBehind(int rounds, Round round) {
        round();
        test::PumpMessages();
        const test::Footprint first = test::MeasureFootprint();
        for (int index = 1; index < rounds; ++index) {
            round();
        }
        test::PumpMessages();
        const test::Footprint last = test::MeasureFootprint();
        const std::string figures = "after the first round: " + test::Describe(first) +
                                    "\nat the end: " + test::Describe(last);
        EXPECT_EQ(last.handles, first.handles) << figures;
        EXPECT_EQ(last.windows, first.windows) << figures;
        EXPECT_EQ(last.heapBlocks, first.heapBlocks) << figures;
        EXPECT_LE(last.heapBytes, first.heapBytes + kTextLengthAllowance) << figures;
        EXPECT_LE(last.privateBytes, first.privateBytes + kPrivateBytesAllowance) << figures;
        RecordProperty("figures", figures);
    }

    std::unique_ptr<test::LoadedWindow> window_;
    std::unique_ptr<test::PowerRecorder> power_;
};

// The figures the checks below rest on move when they should: a font made and not deleted shows
// in the handle count, a block left on the heap in the heap walk, and committed memory in the
// private bytes (Wine reports resident anonymous memory there).
TEST(Footprint, EachFigureMovesWithWhatItCounts) {
    const test::Footprint before = test::MeasureFootprint();
    EXPECT_GT(before.privateBytes, 1024u * 1024u);

    UniqueFont font(
        CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma"));
    const auto block = std::make_unique<char[]>(1000);
    constexpr std::size_t kCommitted = 16 * 1024 * 1024;
    void* pages = VirtualAlloc(nullptr, kCommitted, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    ASSERT_NE(pages, nullptr);
    std::memset(pages, 1, kCommitted);
    const test::Footprint holding = test::MeasureFootprint();
    EXPECT_EQ(holding.handles[static_cast<std::size_t>(HandleKind::Font)],
              before.handles[static_cast<std::size_t>(HandleKind::Font)] + 1);
    EXPECT_EQ(holding.heapBlocks, before.heapBlocks + 1);
    EXPECT_GE(holding.heapBytes, before.heapBytes + 1000);
    EXPECT_GE(holding.privateBytes, before.privateBytes + kCommitted - 1024 * 1024);

    VirtualFree(pages, 0, MEM_RELEASE);
    font.reset();
    EXPECT_EQ(test::MeasureFootprint().handles, before.handles);
    EXPECT_LE(test::PrivateBytes(), before.privateBytes + kPrivateBytesAllowance);
}

TEST_F(Endurance, TicksOfBothTimersWithTheTriggerArmed) {
    Arm(names::kShutDownRadio, "12", "0", "0");
    ASSERT_EQ(ReadProperty((*this)[names::kTriggerTimer], IntegerProperty::Interval), 1000);
    const int ticks = Rounds(100000, 5000);
    ExpectNothingLeftBehind(ticks, [&] {
        secondOfDay = (secondOfDay + 1) % 86400;
        Tick(names::kClockTimer);
        Tick(names::kTriggerTimer);
        test::PumpMessages(); // the labels repaint
    });
    // The clock passed 12:00:00 once in the short form; the full form passes it twice.
    EXPECT_EQ(test::PowerRecorder::Requests().size(), 1u + (ticks - 60) / 86400);
    EXPECT_EQ(Caption(names::kSecondLabel), std::to_string(secondOfDay % 60));
}

TEST_F(Endurance, ArmingsWithEachAction) {
    WriteProperty((*this)[names::kPathBox], TextProperty::Text, "C:\\nothing\\there.exe");
    ExpectNothingLeftBehind(Rounds(1000, 100), [&] {
        Arm(names::kShutDownRadio, "8", "30", "0");
        Arm(names::kRestartRadio, "9", "31", "1");
        Arm(names::kRunProgramRadio, "10", "32", "2");
    });
    EXPECT_EQ(SelectedCommand, 3);
    EXPECT_TRUE(test::PowerRecorder::Requests().empty());
}

TEST_F(Endurance, ErrorBoxesOpenedAndCancelled) {
    const HHOOK hook = SetWindowsHookExA(WH_CBT, &AnswerBoxes, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    boxesAnswered = 0;
    const int rounds = Rounds(1000, 100);
    ExpectNothingLeftBehind(rounds, [&] { Click(names::kSetButton); }); // no action chosen
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(boxesAnswered, rounds);
    EXPECT_EQ(ReadProperty((*this)[names::kTriggerTimer], IntegerProperty::Interval), 0);
}

// The notification area really takes the icon each time; the restore comes as the icon's callback
// message for a left-button release, which is what the notification area sends on a click. (The
// end-to-end tests click the icon itself; Wine's taskbar slows down with every icon it has shown,
// which a thousand rounds of finding the icon among its tooltips would make the test's own cost.)
// Last of the rounds: the taskbar stays slow afterwards, and every box would wait on it.
TEST_F(Endurance, MinimisedIntoTheNotificationAreaAndRestoredThroughItsIcon) {
    ASSERT_TRUE(test::PumpUntil([] { return FindWindowA("Shell_TrayWnd", nullptr) != nullptr; }))
        << "the virtual desktop has no taskbar";
    const HWND window = window_->Handle();
    const TrayIcon& tray = (*window_)->Tray();
    int completed = 0;
    const int rounds = Rounds(1000, 20);
    ExpectNothingLeftBehind(rounds, [&] {
        SendMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        if (!test::PumpUntil([&] { return !IsWindowVisible(window) && tray.Shown(); }, 2s)) {
            return;
        }
        SendMessageA(window, kTrayCallbackMessage, kTrayIconIdentifier, WM_LBUTTONUP);
        if (test::PumpUntil([&] { return IsWindowVisible(window) && !IsIconic(window); }, 2s) &&
            tray.Handle() == nullptr) {
            ++completed;
        }
    });
    EXPECT_EQ(completed, rounds);
}

} // namespace
} // namespace zbw
