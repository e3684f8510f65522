// The cost of a tick on the real main window: 10,000 ticks of each timer through its window
// procedure (WM_TIMER sent to the timer's window, as the timer's own message would be dispatched),
// the clock moving on a second before each tick of the display, the trigger armed and not matching.
// CPU time is the thread's own (10 ms steps under Wine, hence the many ticks); wall time includes
// the waits on the Wine server. Under callgrind (tools/bench.sh) each part is also counted in
// instructions: collection is switched on around the measured calls alone and dumped per part.
//
//   tick_bench [TICKS]
#include "app/frame.h"
#include "bench_support.h"
#include "core/now_date_time.h"
#include "ui/form.h"
#include "ui/main_window_controls.h"
#include "ui/main_window_definition.h"
#include "ui/properties.h"
#include "ui/timer.h"

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_TOGGLE_COLLECT
#define CALLGRIND_DUMP_STATS_AT(name) static_cast<void>(name)
#endif

#include <cstdio>
#include <cstdlib>

namespace {

using namespace zbw;
using bench::Now;
using bench::ThreadCpuSeconds;

// The clock the program reads, moved on by the benchmark. It starts at midnight and stays far from
// the set time, 12:00:00.
int secondOfDay = 0;

void WINAPI ReadBenchClock(LPSYSTEMTIME now) {
    *now = SYSTEMTIME{};
    now->wYear = 2026;
    now->wMonth = 12;
    now->wDay = 11;
    now->wHour = static_cast<WORD>(secondOfDay / 3600);
    now->wMinute = static_cast<WORD>(secondOfDay / 60 % 60);
    now->wSecond = static_cast<WORD>(secondOfDay % 60);
}

void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchLoopMessage(message);
    }
}

// The floor for a tick of the display: a bare window of the seconds label's size that fills its
// background and draws its two digits, given a new text and repainted at once, as the least a
// ticking display can do on this platform.
LRESULT CALLBACK PaintDigits(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(window, &paint);
        RECT area;
        GetClientRect(window, &area);
        char digits[4] = {};
        const int length = GetWindowTextA(window, digits, sizeof digits);
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
        SetBkMode(dc, TRANSPARENT);
        DrawTextA(dc, digits, length, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        EndPaint(window, &paint);
        return 0;
    }
    return message == WM_ERASEBKGND ? 1 : DefWindowProcA(window, message, wParam, lParam);
}

HWND MakeDigitsWindow(HWND parent, HWND likeThis) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = PaintDigits;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "BenchDigits";
    RegisterClassA(&windowClass);
    RECT place;
    GetWindowRect(likeThis, &place);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&place), 2);
    return CreateWindowExA(0, "BenchDigits", "", WS_CHILD | WS_VISIBLE, place.left, place.top,
                           place.right - place.left, place.bottom - place.top, parent, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

struct Figures {
    double cpuSeconds = 0;
    double wallSeconds = 0;
};

void Report(const char* part, int ticks, const Figures& figures) {
    std::printf(
        "tick %s: %d ticks, cpu %.0f ms, wall %.0f ms; per tick cpu %.1f us, wall %.1f us\n", part,
        ticks, figures.cpuSeconds * 1000, figures.wallSeconds * 1000,
        figures.cpuSeconds / ticks * 1e6, figures.wallSeconds / ticks * 1e6);
}

// Runs `ticks` rounds: `prepare` outside the measured span, then `measured`, which callgrind
// counts and the wall clock times; CPU time covers both (the thread's clock is too coarse to take
// each call apart). callgrind's figures for the part are written under its name.
template <typename Prepare, typename Measured>
Figures Measure(int ticks, const char* part, Prepare prepare, Measured measured) {
    Figures figures;
    const double cpu = ThreadCpuSeconds();
    for (int tick = 0; tick < ticks; ++tick) {
        prepare();
        const double start = Now();
        CALLGRIND_TOGGLE_COLLECT;
        measured();
        CALLGRIND_TOGGLE_COLLECT;
        figures.wallSeconds += Now() - start;
    }
    figures.cpuSeconds = ThreadCpuSeconds() - cpu;
    CALLGRIND_DUMP_STATS_AT(part);
    return figures;
}

class Bench {
  public:
    explicit Bench(Form& window)
        : window_(window), clockTimer_(window[controls::kClockTimer].Handle()),
          triggerTimer_(window[controls::kTriggerTimer].Handle()),
          secondLabel_(window[controls::kSecondLabel].Handle()),
          timeLabels_{window[controls::kHourLabel].Handle(),
                      window[controls::kMinuteLabel].Handle(), secondLabel_} {}

    void Arm() const {
        Click(controls::kRunProgramRadio);
        WriteProperty(window_[controls::kPathBox], TextProperty::Text, "C:\\nothing\\there.exe");
        SelectEntryByText(window_[controls::kHourList], "12");
        SelectEntryByText(window_[controls::kMinuteList], "0");
        SelectEntryByText(window_[controls::kSecondList], "0");
        Click(controls::kSetButton);
    }
    bool Armed() const {
        return ReadProperty(window_[controls::kTriggerTimer], IntegerProperty::Interval) == 1000;
    }

    // The display's ticks: the handler writes the three captions and the label whose caption
    // changed repaints at once, into the window's picture.
    Figures DisplayTicks(int ticks) const {
        const Figures figures =
            Measure(ticks, "display tick", MoveClock, [&] { Tick(clockTimer_); });
        PumpMessages();
        return figures;
    }

    // The display's ticks with the labels' redrawing switched off (WM_SETREDRAW): the handler
    // and the frame alone, without the repaint of the label that changed.
    Figures DisplayTicksWithoutRepaint(int ticks) const {
        for (const HWND label : timeLabels_) {
            SendMessageA(label, WM_SETREDRAW, FALSE, 0);
        }
        const Figures figures =
            Measure(ticks, "display tick without repaint", MoveClock, [&] { Tick(clockTimer_); });
        for (const HWND label : timeLabels_) {
            SendMessageA(label, WM_SETREDRAW, TRUE, 0);
            InvalidateRect(label, nullptr, FALSE);
        }
        PumpMessages();
        return figures;
    }

    // Each tick of the display followed by the message loop's next turn, in which Wine carries
    // the repainted picture to the screen.
    Figures DisplayTicksWithLoopTurn(int ticks) const {
        return Measure(ticks, "display tick and loop turn", MoveClock, [&] {
            Tick(clockTimer_);
            PumpMessages();
        });
    }

    // The floor beside the display's tick: the bare window gets the new seconds and repaints.
    Figures FloorTicks(int ticks) const {
        const HWND digits = MakeDigitsWindow(window_.Handle(), secondLabel_);
        PumpMessages();
        char text[4] = {};
        const Figures figures = Measure(
            ticks, "floor: a bare window repainting two digits",
            [&] {
                MoveClock();
                std::snprintf(text, sizeof text, "%d", secondOfDay % 60);
            },
            [&] {
                SetWindowTextA(digits, text);
                InvalidateRect(digits, nullptr, FALSE);
                UpdateWindow(digits);
            });
        DestroyWindow(digits);
        PumpMessages();
        return figures;
    }

    // Each tick of the trigger sees a new displayed time, as in the running program; the seconds
    // label gets it through its window text, without a repaint. That step is measured on its own
    // first and taken off the CPU time; wall time and instructions are the trigger's calls alone.
    Figures TriggerTicks(int ticks) const {
        double showingCpu = ThreadCpuSeconds();
        for (int tick = 0; tick < ticks; ++tick) {
            ShowNextSecond();
        }
        showingCpu = ThreadCpuSeconds() - showingCpu;
        Figures figures = Measure(
            ticks, "trigger tick", [&] { ShowNextSecond(); }, [&] { Tick(triggerTimer_); });
        figures.cpuSeconds -= showingCpu;
        return figures;
    }

  private:
    static void MoveClock() { secondOfDay = (secondOfDay + 1) % 3600; }
    void ShowNextSecond() const {
        MoveClock();
        char digits[4];
        std::snprintf(digits, sizeof digits, "%d", secondOfDay % 60);
        SetWindowTextA(secondLabel_, digits);
    }
    static void Tick(HWND timer) { SendMessageA(timer, WM_TIMER, Timer::kTimerId, 0); }
    void Click(std::string_view control) const {
        SendMessageA(window_[control].Handle(), BM_CLICK, 0, 0);
    }

    Form& window_;
    HWND clockTimer_;
    HWND triggerTimer_;
    HWND secondLabel_;
    HWND timeLabels_[3];
};

} // namespace

int main(int argc, char** argv) {
    const int ticks = argc > 1 ? std::atoi(argv[1]) : 10000;
    SetLocalTimeReader(&ReadBenchClock);
    const WindowDefinition* const definitions[] = {&MainWindowDefinition()};
    InitFrame(definitions);
    if (!LoadWindow(MainWindowDefinition())) {
        std::fprintf(stderr, "the main window did not load\n");
        return 1;
    }
    PumpMessages();
    const Bench bench(*LoadedWindows().front());
    bench.Arm();
    if (!bench.Armed()) {
        std::fprintf(stderr, "the trigger did not arm\n");
        return 1;
    }
    PumpMessages();

    Report("display", ticks, bench.DisplayTicks(ticks));
    Report("display without repaint", ticks, bench.DisplayTicksWithoutRepaint(ticks));
    Report("display and loop turn", ticks, bench.DisplayTicksWithLoopTurn(ticks));
    Report("trigger (armed, not matching)", ticks, bench.TriggerTicks(ticks));
    Report("floor: a bare window repainting two digits", ticks, bench.FloorTicks(ticks));
    ExitFrame(0);
    return 0;
}
