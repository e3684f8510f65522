// The program's private memory while it runs: after start, and after TICKS ticks of each of its
// timers with the trigger armed. The program is the real executable; the benchmark drives it from
// outside through its windows, as the window system would: it arms the trigger for the third
// action (a path that names nothing, a time twelve hours away), then sends each timer's window its
// WM_TIMER.
//
//   footprint_bench PROGRAM [TICKS]
#include "bench_support.h"
#include "ui/main_window_controls.h"
#include "ui/main_window_definition.h"
#include "ui/timer.h"
#include "ui/window_classes.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

using namespace zbw;
using namespace zbw::bench;

// The main window's controls lie in definition order from the top of its children.
HWND ControlWindow(HWND mainWindow, std::string_view name) {
    HWND child = GetWindow(mainWindow, GW_CHILD);
    for (const ControlDefinition& control : MainWindowDefinition().controls) {
        if (child == nullptr || control.name == name) {
            return child;
        }
        child = GetWindow(child, GW_HWNDNEXT);
    }
    return nullptr;
}

bool HasClass(HWND window, const char* className) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return std::strcmp(name, className) == 0;
}

void PrintPrivateBytes(const char* when, std::size_t bytes) {
    std::printf("footprint private bytes %s: %u KB\n", when, static_cast<unsigned>(bytes / 1024));
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: footprint_bench PROGRAM [TICKS]\n");
        return 2;
    }
    const int ticks = argc > 2 ? std::atoi(argv[2]) : 100000;
    Program program(argv[1]);
    const HWND window = program.WaitUntilPainted(30);
    if (window == nullptr) {
        std::fprintf(stderr, "the program did not show its window\n");
        return 1;
    }
    PrintPrivateBytes("after start", PrivateBytesOf(program.Process()));

    const HWND clockTimer = ControlWindow(window, controls::kClockTimer);
    const HWND triggerTimer = ControlWindow(window, controls::kTriggerTimer);
    if (!HasClass(clockTimer, kTimerClassName) || !HasClass(triggerTimer, kTimerClassName)) {
        std::fprintf(stderr, "the timers' windows are not where the definition puts them\n");
        return 1;
    }
    SYSTEMTIME now;
    GetLocalTime(&now);
    SendMessageA(ControlWindow(window, controls::kRunProgramRadio), BM_CLICK, 0, 0);
    SendMessageA(ControlWindow(window, controls::kPathBox), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>("C:\\nothing\\there.exe"));
    SendMessageA(ControlWindow(window, controls::kHourList), CB_SETCURSEL, (now.wHour + 12) % 24,
                 0);
    SendMessageA(ControlWindow(window, controls::kMinuteList), CB_SETCURSEL, 0, 0);
    SendMessageA(ControlWindow(window, controls::kSecondList), CB_SETCURSEL, 0, 0);
    SendMessageA(ControlWindow(window, controls::kSetButton), BM_CLICK, 0, 0);
    if (GetWindowTextLengthA(ControlWindow(window, controls::kConfirmationLabel)) == 0) {
        std::fprintf(stderr, "the trigger did not arm\n");
        return 1;
    }

    const double start = Now();
    for (int tick = 0; tick < ticks; ++tick) {
        SendMessageA(clockTimer, WM_TIMER, Timer::kTimerId, 0);
        SendMessageA(triggerTimer, WM_TIMER, Timer::kTimerId, 0);
    }
    const double elapsed = Now() - start;
    Sleep(200); // the last repaint
    const std::string when = "after " + std::to_string(ticks) + " ticks of each timer";
    PrintPrivateBytes(when.c_str(), PrivateBytesOf(program.Process()));
    std::printf("footprint ticks sent from outside: %.1f s\n", elapsed);
    if (program.Close(window, 10) != 0) {
        std::fprintf(stderr, "the program did not end with 0\n");
        return 1;
    }
    return 0;
}
