#include "support/test_windows.h"

#include "app/event_record.h"
#include "ui/form.h"

#include <atomic>

namespace zbw::test {
namespace {

// Read by watcher threads while the window's thread sits in a modal loop.
std::atomic<int> ticks{0};

void CountTick(Form& /*window*/, EventRecord& /*event*/) {
    ++ticks;
}

constexpr EventBinding kTimerEvents[] = {{events::kTick, &CountTick}};

constexpr ControlDefinition kTickingControls[] = {
    {.kind = ControlKind::Timer,
     .name = "timer",
     .visible = false,
     .events = kTimerEvents,
     .interval = 10},
};

constexpr WindowDefinition kTickingWindow{
    .window = {.kind = ControlKind::Window,
               .left = 100,
               .top = 100,
               .width = 300,
               .height = 200,
               .text = "ticking"},
    .controls = kTickingControls,
};

constexpr WindowDefinition kPlainWindow{
    .window = {.kind = ControlKind::Window,
               .left = 450,
               .top = 100,
               .width = 200,
               .height = 150,
               .text = "plain"},
};

} // namespace

const WindowDefinition& TickingWindowDefinition() {
    return kTickingWindow;
}

int TickCount() {
    return ticks;
}

const WindowDefinition& PlainWindowDefinition() {
    return kPlainWindow;
}

} // namespace zbw::test
