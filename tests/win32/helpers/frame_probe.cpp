// A small program on the frame, started by the lifecycle tests with a scenario name and the path of
// a log file. It writes what its handlers saw to the log so that the test can read it after the
// process has ended.
#include "app/event_record.h"
#include "app/fatal_stop.h"
#include "app/frame.h"
#include "core/text_storage.h"
#include "tray/set_tray_icon.h"
#include "ui/form.h"
#include "ui/program_icon.h"
#include "ui/window_definition.h"

#include <cstdio>
#include <memory>
#include <string_view>

#include <windows.h>

namespace {

using namespace zbw;

const char* logPath = "";
bool fatalBegun = false;

void Log(const char* line) {
    if (FILE* log = std::fopen(logPath, "a")) {
        std::fprintf(log, "%s\n", line);
        std::fclose(log);
    }
}

void LogWillBeDestroyed(Form&, EventRecord&) {
    Log("WillBeDestroyed");
}
void DestroyOnCreated(Form& window, EventRecord&) {
    Log("Created");
    DestroyWindow(window.Handle());
}
void LogPositionChanged(Form&, EventRecord&) {
    Log("PositionChanged");
}
void FatalOnTick(Form&, EventRecord&) {
    Log("Tick");
    fatalBegun = true;
    FatalStop("probe failure", 7);
}
void LogEndRoutine() {
    Log("EndRoutine");
}

// Shows that the error box keeps dispatching the timer's messages while no handler runs.
LRESULT CALLBACK LogTimerMessages(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && fatalBegun && reinterpret_cast<MSG*>(lParam)->message == WM_TIMER) {
        Log("WM_TIMER");
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

constexpr EventBinding kWindowEvents[] = {{events::kWillBeDestroyed, &LogWillBeDestroyed}};
constexpr EventBinding kDestroyingEvents[] = {
    {events::kCreated, &DestroyOnCreated},
    {events::kPositionChanged, &LogPositionChanged},
};
constexpr EventBinding kFatalTick[] = {{events::kTick, &FatalOnTick}};

constexpr ControlDefinition kControls[] = {
    {.kind = ControlKind::Label,
     .name = "label",
     .left = 10,
     .top = 10,
     .width = 100,
     .height = 20,
     .text = "probe"},
    {.kind = ControlKind::Timer,
     .name = "timer",
     .visible = false,
     .events = kFatalTick,
     .interval = 30},
};

constexpr ControlDefinition Window(std::span<const EventBinding> events) {
    return {.kind = ControlKind::Window,
            .left = 100,
            .top = 100,
            .width = 240,
            .height = 120,
            .events = events,
            .text = "frame probe"};
}

constexpr WindowDefinition kPlainWindow{.window = Window(kWindowEvents),
                                        .controls = std::span(kControls, 1)};
constexpr WindowDefinition kSelfDestroyingWindow{.window = Window(kDestroyingEvents)};
constexpr WindowDefinition kFatalTimerWindow{.window = Window(kWindowEvents),
                                             .controls = kControls};
constexpr ControlDefinition kTwins[] = {kControls[0], kControls[0]};
constexpr WindowDefinition kMalformedWindow{.window = Window(kWindowEvents), .controls = kTwins};

int Run(std::string_view scenario) {
    const WindowDefinition* definition = &kPlainWindow;
    if (scenario == "created-destroys") {
        definition = &kSelfDestroyingWindow;
    } else if (scenario == "fatal-from-tick") {
        definition = &kFatalTimerWindow;
        SetWindowsHookExA(WH_GETMESSAGE, &LogTimerMessages, nullptr, GetCurrentThreadId());
    } else if (scenario == "malformed-definition") {
        definition = &kMalformedWindow;
    }
    const WindowDefinition* const definitions[] = {definition};
    InitFrame(definitions);
    SetEndRoutine(&LogEndRoutine);
    if (!LoadWindow(*definition)) {
        FatalStop("load failed", 0);
    }
    if (scenario == "allocation-fails") {
        AllocateTextStorage(0x7FFFFFF0);
    }
    if (scenario == "object-allocation-fails") {
        const auto block = std::make_unique<char[]>(0x7FFFFFF0);
        Log(block.get());
    }
    if (scenario == "tray-icon-of-unloaded-window") {
        // Built as the frame builds a window, but never loaded.
        if (const auto stray = Form::Build(kPlainWindow, 999)) {
            SetTrayIcon(*stray, ProgramIconFile(), "probe");
        }
    }
    if (scenario.starts_with("raise-")) {
        EventRecord record;
        record.window = LoadedWindows().front()->WindowIdentifier();
        if (scenario == "raise-unknown-window") {
            record.window = 999;
        } else if (scenario == "raise-unknown-control") {
            record.control = 999;
        } else {
            record.control = 1; // a label, which raises no events
        }
        RaiseEvent(record);
    }
    RunMessageLoop();
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        return 2;
    }
    logPath = argv[2];
    const int result = Run(argv[1]);
    ExitFrame(result);
    return result;
}
