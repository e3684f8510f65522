// The scheduler on the real main window: the clock comes through the clock seam, ticks are the
// timers' own WM_TIMER messages, power requests go to a recorder, programs start through the
// real shell, and error boxes are real boxes read and closed by a watcher thread.
#include "core/now_date_time.h"
#include "scheduler/selected_command.h"
#include "support/child_process.h"
#include "support/dialogs.h"
#include "support/loaded_window.h"
#include "support/message_pump.h"
#include "support/power_recorder.h"
#include "ui/main_window_controls.h"
#include "ui/main_window_definition.h"
#include "ui/properties.h"
#include "ui/timer.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <windows.h>

namespace zbw {
namespace {

namespace names = controls;

// The clock the program reads: a fixed reading, or a sequence that steps on at each reading.
std::vector<SYSTEMTIME> readings;
std::size_t nextReading = 0;

void WINAPI ReadFakeClock(LPSYSTEMTIME now) {
    *now = readings[nextReading < readings.size() ? nextReading++ : readings.size() - 1];
}

SYSTEMTIME Reading(int hour, int minute, int second, int day = 11, int milliseconds = 0) {
    SYSTEMTIME time{};
    time.wYear = 2026;
    time.wMonth = 12;
    time.wDay = static_cast<WORD>(day);
    time.wHour = static_cast<WORD>(hour);
    time.wMinute = static_cast<WORD>(minute);
    time.wSecond = static_cast<WORD>(second);
    time.wMilliseconds = static_cast<WORD>(milliseconds);
    return time;
}

void SetClock(std::vector<SYSTEMTIME> sequence) {
    readings = std::move(sequence);
    nextReading = 0;
}

constexpr UINT kForcedPowerOff = 0xC;
constexpr UINT kForcedRestart = 0x6;

// Code page 936 texts the tests compare with.
const std::string kArmedPrefix =
    "\xC9\xE8\xB6\xA8\xB3\xC9\xB9\xA6\xA3\xA1\xC4\xFA\xB5\xC4\xB5\xE7\xC4\xD4\xBD\xAB\xD4\xDA ";
const std::string kHour = "\xCA\xB1";
const std::string kMinute = "\xB7\xD6";
const std::string kSecondShutDown = "\xC3\xEB \xB9\xD8\xBB\xFA";
const std::string kSecondRestart = "\xC3\xEB \xD6\xD8\xC6\xF4";
const std::string kSecondRun = "\xC3\xEB\xD6\xB4\xD0\xD0 ";
const std::string kInformation = "\xD0\xC5\xCF\xA2\xA3\xBA";

class Scheduler : public ::testing::Test {
  protected:
    void SetUp() override {
        SetClock({Reading(9, 5, 3)});
        SetLocalTimeReader(&ReadFakeClock);
        power_ = std::make_unique<test::PowerRecorder>();
        window_ = std::make_unique<test::LoadedWindow>(MainWindowDefinition());
    }
    void TearDown() override {
        window_.reset();
        test::PumpMessages();
        power_.reset();
        SetLocalTimeReader(nullptr);
    }

    Control& operator[](std::string_view name) const { return (*window_)[name]; }
    std::string Text(std::string_view name, TextProperty property = TextProperty::Text) const {
        return std::string(ReadProperty((*this)[name], property).View());
    }
    void Click(std::string_view name) const {
        SendMessageA((*this)[name].Handle(), BM_CLICK, 0, 0);
    }
    void SetTime(const char* hour, const char* minute, const char* second) const {
        SelectEntryByText((*this)[names::kHourList], hour);
        SelectEntryByText((*this)[names::kMinuteList], minute);
        SelectEntryByText((*this)[names::kSecondList], second);
    }
    void Arm(std::string_view action, const char* hour, const char* minute,
             const char* second) const {
        Click(action);
        SetTime(hour, minute, second);
        Click(names::kSetButton);
    }
    // One tick of the display, then one of the trigger, at the given clock reading.
    void TickAt(const SYSTEMTIME& now) const {
        SetClock({now});
        Tick(names::kClockTimer);
        Tick(names::kTriggerTimer);
    }
    void Tick(std::string_view timer) const {
        SendMessageA((*this)[timer].Handle(), WM_TIMER, Timer::kTimerId, 0);
    }
    std::int32_t TriggerInterval() const {
        return ReadProperty((*this)[names::kTriggerTimer], IntegerProperty::Interval);
    }

    std::unique_ptr<test::LoadedWindow> window_;
    std::unique_ptr<test::PowerRecorder> power_;
};

TEST_F(Scheduler, OpensWithTheListsAtTheCurrentTimeAndThePathControlsDisabled) {
    EXPECT_EQ(Text(names::kHourList), "9");
    EXPECT_EQ(Text(names::kMinuteList), "5");
    EXPECT_EQ(Text(names::kSecondList), "3");
    EXPECT_EQ(ReadProperty((*this)[names::kPathBox], IntegerProperty::Disabled), 1);
    EXPECT_EQ(ReadProperty((*this)[names::kBrowseButton], IntegerProperty::Disabled), 1);
    EXPECT_EQ(SelectedCommand, 0);
}

TEST_F(Scheduler, RadioButtonsChooseTheActionAndThePathControls) {
    struct Case {
        std::string_view radio;
        std::int32_t command;
        std::int32_t pathDisabled;
    };
    WriteProperty((*this)[names::kPathBox], TextProperty::Text, "C:\\tools\\x.exe");
    for (const Case& c : {Case{names::kRunProgramRadio, 3, 0}, Case{names::kShutDownRadio, 1, 1},
                          Case{names::kRestartRadio, 2, 1}, Case{names::kRestartRadio, 2, 1},
                          Case{names::kRunProgramRadio, 3, 0}}) {
        Click(c.radio);
        EXPECT_EQ(SelectedCommand, c.command);
        EXPECT_EQ(ReadProperty((*this)[names::kPathBox], IntegerProperty::Disabled),
                  c.pathDisabled);
        EXPECT_EQ(ReadProperty((*this)[names::kBrowseButton], IntegerProperty::Disabled),
                  c.pathDisabled);
    }
    // The path stays in the box while the path controls are disabled.
    EXPECT_EQ(Text(names::kPathBox), "C:\\tools\\x.exe");
}

TEST_F(Scheduler, SetButtonReportsTheFirstMissingInputAndArmsNothing) {
    struct Case {
        const char* what;
        std::function<void()> prepare;
        std::string message;
    };
    const Case cases[] = {
        {"no hour",
         [&] { WriteProperty((*this)[names::kHourList], IntegerProperty::SelectedIndex, -1); },
         "\xC7\xEB\xCA\xE4\xC8\xEB\xCA\xB1\xA3\xA1"},
        {"no minute",
         [&] { WriteProperty((*this)[names::kMinuteList], IntegerProperty::SelectedIndex, -1); },
         "\xC7\xEB\xCA\xE4\xC8\xEB\xB7\xD6\xA3\xA1"},
        {"no second",
         [&] { WriteProperty((*this)[names::kSecondList], IntegerProperty::SelectedIndex, -1); },
         "\xC7\xEB\xCA\xE4\xC8\xEB\xC3\xEB\xA3\xA1"},
        {"no action", [] {},
         "\xC7\xEB\xD1\xA1\xD4\xF1\xD2\xAA\xD6\xB4\xD0\xD0\xB5\xC4\xC3\xFC\xC1\xEE\xA3\xA1"},
        {"no path", [&] { Click(names::kRunProgramRadio); },
         "\xC7\xEB\xD1\xA1\xD4\xF1\xD2\xAA\xD6\xB4\xD0\xD0\xB3\xCC\xD0\xF2\xB5\xC4\xC2\xB7\xBE\xB6"
         "\xA3\xA1"},
    };
    for (const Case& c : cases) {
        window_ = std::make_unique<test::LoadedWindow>(MainWindowDefinition());
        SelectedCommand = 0;
        c.prepare();
        std::string title;
        std::vector<std::string> texts;
        {
            test::DialogWatcher watcher(GetCurrentThreadId(), [&](HWND box) {
                title = test::WindowText(box);
                texts = test::StaticTexts(box);
                test::PressDialogButton(box, IDOK);
            });
            Click(names::kSetButton);
        }
        EXPECT_EQ(title, kInformation) << c.what;
        ASSERT_FALSE(texts.empty()) << c.what;
        EXPECT_EQ(texts.back(), c.message) << c.what;
        EXPECT_EQ(TriggerInterval(), 0) << c.what;
        EXPECT_EQ(Text(names::kConfirmationLabel, TextProperty::Caption), "") << c.what;
    }
}

TEST_F(Scheduler, SetButtonArmsTheTriggerAndConfirmsByteForByte) {
    const std::string path = "C:\\\xB3\xCC\xD0\xF2 files\\run me.exe"; // "程序 files"
    struct Case {
        std::string_view radio;
        const char* hour;
        const char* minute;
        const char* second;
        std::string confirmation;
    };
    const Case cases[] = {
        {names::kShutDownRadio, "8", "30", "0",
         kArmedPrefix + "8" + kHour + "30" + kMinute + "0" + kSecondShutDown},
        {names::kRestartRadio, "8", "30", "0",
         kArmedPrefix + "8" + kHour + "30" + kMinute + "0" + kSecondRestart},
        {names::kRunProgramRadio, "0", "0", "0",
         kArmedPrefix + "0" + kHour + "0" + kMinute + "0" + kSecondRun + path},
    };
    WriteProperty((*this)[names::kPathBox], TextProperty::Text, path);
    for (const Case& c : cases) {
        Arm(c.radio, c.hour, c.minute, c.second);
        EXPECT_EQ(TriggerInterval(), 1000);
        EXPECT_EQ(Text(names::kConfirmationLabel, TextProperty::Caption), c.confirmation);
    }
    // Arming again changes nothing; choosing other entries moves the trigger, not the wording.
    Click(names::kSetButton);
    SetTime("7", "7", "7");
    EXPECT_EQ(Text(names::kConfirmationLabel, TextProperty::Caption), cases[2].confirmation);
    EXPECT_EQ(TriggerInterval(), 1000);
}

TEST_F(Scheduler, TriggerFiresTheChosenActionOnceAtTheSetSecond) {
    struct Case {
        std::string_view radio;
        UINT flags;
    };
    for (const Case& c : {Case{names::kShutDownRadio, kForcedPowerOff},
                          Case{names::kRestartRadio, kForcedRestart}}) {
        test::PowerRecorder::Requests().clear();
        Arm(c.radio, "10", "0", "5");
        TickAt(Reading(10, 0, 4, 11, 999));
        EXPECT_TRUE(test::PowerRecorder::Requests().empty());
        TickAt(Reading(10, 0, 5));
        // The trigger timer ticking again on the same display fires nothing more.
        Tick(names::kTriggerTimer);
        Tick(names::kClockTimer);
        Tick(names::kTriggerTimer);
        EXPECT_EQ(test::PowerRecorder::Requests(), std::vector<UINT>{c.flags});
        TickAt(Reading(10, 0, 6));
        EXPECT_EQ(test::PowerRecorder::Requests().size(), 1u);
    }
}

TEST_F(Scheduler, TimesWithTheSameDigitsDoNotMatch) {
    // Set 01:11:01; joined without separators it would also match 01:01:11 and 11:01:01.
    Arm(names::kRestartRadio, "1", "11", "1");
    TickAt(Reading(1, 1, 11));
    TickAt(Reading(11, 1, 1, 11));
    EXPECT_TRUE(test::PowerRecorder::Requests().empty());
    TickAt(Reading(1, 11, 1, 12));
    EXPECT_EQ(test::PowerRecorder::Requests(), std::vector<UINT>{kForcedRestart});
}

TEST_F(Scheduler, DisplayShowsOneReadingOfTheClock) {
    // The clock steps from 09:59:59 to 10:00:00 between the display's first and second reading.
    Arm(names::kShutDownRadio, "9", "0", "0");
    SetClock({Reading(9, 59, 59), Reading(10, 0, 0)});
    Tick(names::kClockTimer);
    EXPECT_EQ(Text(names::kHourLabel, TextProperty::Caption), "9");
    EXPECT_EQ(Text(names::kMinuteLabel, TextProperty::Caption), "59");
    EXPECT_EQ(Text(names::kSecondLabel, TextProperty::Caption), "59");
    Tick(names::kTriggerTimer);
    EXPECT_TRUE(test::PowerRecorder::Requests().empty());
}

TEST_F(Scheduler, ASecondSkippedByALateTickStillFiresButAJumpOfTheClockDoesNot) {
    Arm(names::kShutDownRadio, "10", "0", "5");
    TickAt(Reading(10, 0, 3));
    TickAt(Reading(10, 0, 7)); // the display skipped 10:00:04 to 10:00:06
    EXPECT_EQ(test::PowerRecorder::Requests(), std::vector<UINT>{kForcedPowerOff});

    test::PowerRecorder::Requests().clear();
    SetTime("11", "30", "0");
    TickAt(Reading(11, 0, 0));
    TickAt(Reading(12, 0, 0)); // an hour passed at once: resumed from sleep, or the clock set
    EXPECT_TRUE(test::PowerRecorder::Requests().empty());
}

TEST_F(Scheduler, TriggerFiresEveryDayAndFollowsChangesMadeAfterArming) {
    Arm(names::kShutDownRadio, "10", "0", "5");
    const std::string confirmation = Text(names::kConfirmationLabel, TextProperty::Caption);
    TickAt(Reading(10, 0, 5, 11));
    TickAt(Reading(10, 0, 6, 11));
    TickAt(Reading(10, 0, 5, 12));
    EXPECT_EQ(test::PowerRecorder::Requests(),
              (std::vector<UINT>{kForcedPowerOff, kForcedPowerOff}));

    test::PowerRecorder::Requests().clear();
    Click(names::kRestartRadio);
    SetTime("10", "0", "7");
    TickAt(Reading(10, 0, 5, 13));
    TickAt(Reading(10, 0, 7, 13));
    EXPECT_EQ(test::PowerRecorder::Requests(), std::vector<UINT>{kForcedRestart});
    EXPECT_EQ(Text(names::kConfirmationLabel, TextProperty::Caption), confirmation);
}

// The third action starts a copy of the marker program kept in a folder of this test's own, whose
// name has blanks and Chinese characters in code page 936.
class RunProgram : public Scheduler {
  protected:
    void SetUp() override {
        Scheduler::SetUp();
        folder_ = test::TestProgramFolder() + "scheduler \xB2\xE2\xCA\xD4"; // "测试"
        CreateDirectoryA(folder_.c_str(), nullptr);
        program_ = folder_ + "\\\xD4\xCB\xD0\xD0 marker.exe"; // "运行 marker.exe"
        ASSERT_TRUE(CopyFileA((test::TestProgramFolder() + "marker_writer.exe").c_str(),
                              program_.c_str(), FALSE))
            << GetLastError() << " " << folder_;
        DeleteFileA(Marker().c_str());
    }
    void TearDown() override {
        DeleteFileA(Marker().c_str());
        DeleteFileA(program_.c_str());
        RemoveDirectoryA(folder_.c_str());
        Scheduler::TearDown();
    }
    std::string Marker() const { return folder_ + "\\marker.txt"; }
    std::size_t Starts() const {
        std::ifstream file(Marker());
        std::stringstream text;
        text << file.rdbuf();
        std::size_t lines = 0;
        for (const char c : text.str()) {
            lines += c == '\n' ? 1 : 0;
        }
        return lines;
    }

    std::string folder_;
    std::string program_;
};

TEST_F(RunProgram, StartsThePathInTheBoxAtTheMatchAndStaysArmed) {
    WriteProperty((*this)[names::kPathBox], TextProperty::Text, program_);
    Arm(names::kRunProgramRadio, "10", "0", "5");
    EXPECT_EQ(Text(names::kConfirmationLabel, TextProperty::Caption),
              kArmedPrefix + "10" + kHour + "0" + kMinute + "5" + kSecondRun + program_);
    TickAt(Reading(10, 0, 5));
    Tick(names::kClockTimer);
    Tick(names::kTriggerTimer);
    EXPECT_TRUE(test::PollUntil([&] { return Starts() == 1; }));

    // A path that names nothing, and an empty box, start nothing and leave the program armed.
    for (const std::string& path : {folder_ + "\\missing.exe", std::string()}) {
        WriteProperty((*this)[names::kPathBox], TextProperty::Text, path);
        TickAt(Reading(10, 0, 5, 12));
        TickAt(Reading(10, 0, 6, 12));
    }
    EXPECT_EQ(TriggerInterval(), 1000);
    EXPECT_TRUE(IsWindow(window_->Handle()));

    // The path is read at the match: the next day starts whatever the box holds then.
    WriteProperty((*this)[names::kPathBox], TextProperty::Text, program_);
    TickAt(Reading(10, 0, 5, 14));
    EXPECT_TRUE(test::PollUntil([&] { return Starts() == 2; }));
    EXPECT_TRUE(test::PowerRecorder::Requests().empty());
}

} // namespace
} // namespace zbw
