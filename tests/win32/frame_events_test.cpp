// Which platform message raises which event, on real windows of this test program.
#include "app/event_record.h"
#include "app/frame.h"
#include "support/message_pump.h"
#include "ui/form.h"
#include "ui/window_definition.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace zbw::test {
namespace {

// What the handlers of the test window saw, in order.
std::vector<std::string> seen;
int ticks = 0;
bool refuseClose = false;

void Note(Form& window, const char* event) {
    seen.push_back(std::string(event) + (IsWindowVisible(window.Handle()) ? " shown" : " hidden"));
}
void OnCreated(Form& window, EventRecord&) {
    Note(window, "Created");
}
void OnPositionChanged(Form& window, EventRecord&) {
    Note(window, "PositionChanged");
}
void OnSizeChanged(Form& window, EventRecord&) {
    Note(window, "SizeChanged");
}
void OnWillBeDestroyed(Form& window, EventRecord&) {
    Note(window, "WillBeDestroyed");
}
void OnCloseQuery(Form&, EventRecord& event) {
    if (refuseClose) {
        event.hasResult = true;
        event.result = 0;
    }
}
void OnClicked(Form& window, EventRecord&) {
    Note(window, "Clicked");
}
void OnTick(Form&, EventRecord&) {
    ++ticks;
}

constexpr EventBinding kWindowEvents[] = {
    {events::kCreated, &OnCreated},
    {events::kCloseQuery, &OnCloseQuery},
    {events::kWillBeDestroyed, &OnWillBeDestroyed},
    {events::kPositionChanged, &OnPositionChanged},
    {events::kSizeChanged, &OnSizeChanged},
};
constexpr EventBinding kButtonEvents[] = {{events::kClicked, &OnClicked}};
constexpr EventBinding kTimerEvents[] = {{events::kTick, &OnTick}};

constexpr ControlDefinition kControls[] = {
    {.kind = ControlKind::Button,
     .name = "button",
     .left = 10,
     .top = 10,
     .width = 80,
     .height = 24,
     .events = kButtonEvents,
     .text = "OK"},
    {.kind = ControlKind::Timer,
     .name = "timer",
     .visible = false,
     .events = kTimerEvents,
     .interval = 50},
    {.kind = ControlKind::Label,
     .name = "label",
     .left = 10,
     .top = 40,
     .width = 80,
     .height = 20,
     .text = "label"},
};

constexpr WindowDefinition kTestWindow{
    .window = {.kind = ControlKind::Window,
               .left = 200,
               .top = 200,
               .width = 300,
               .height = 150,
               .events = kWindowEvents,
               .text = "frame events",
               .windowState = 0},
    .controls = kControls,
};

class FrameEvents : public ::testing::Test {
  protected:
    void SetUp() override {
        seen.clear();
        ticks = 0;
        refuseClose = false;
        ASSERT_TRUE(LoadWindow(kTestWindow));
        window_ = LoadedWindows().back();
    }
    void TearDown() override {
        if (FindLoadedWindow(handle()) != nullptr) {
            DestroyWindow(handle());
        }
        PumpMessages();
        EXPECT_TRUE(LoadedWindows().empty());
    }
    HWND handle() const { return window_->Handle(); }

    Form* window_ = nullptr;
};

TEST_F(FrameEvents, LoadTimeEventsRunOnceInOrderBeforeTheWindowIsShown) {
    // Creating the window and its controls sends moves and sizes; none of them raised an event.
    // Showing the window may report its place and size again, but only once it is shown.
    const auto firstShown = std::find_if(seen.begin(), seen.end(), [](const std::string& event) {
        return event.ends_with(" shown");
    });
    EXPECT_EQ(std::vector<std::string>(seen.begin(), firstShown),
              (std::vector<std::string>{"Created hidden", "PositionChanged hidden",
                                        "SizeChanged hidden"}));
    EXPECT_TRUE(IsWindowVisible(handle()));
}

TEST_F(FrameEvents, PositionChangedFollowsMovesAfterTheyTookPlace) {
    seen.clear();
    SetWindowPos(handle(), nullptr, 240, 220, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ASSERT_EQ(seen, std::vector<std::string>{"PositionChanged shown"});
    RECT place;
    GetWindowRect(handle(), &place);
    EXPECT_EQ(place.left, 240);
}

TEST_F(FrameEvents, ButtonClickRaisesClickedOnce) {
    seen.clear();
    SendMessageA((*window_)["button"].Handle(), BM_CLICK, 0, 0);
    PumpMessages();
    EXPECT_EQ(seen, std::vector<std::string>{"Clicked shown"});
}

TEST_F(FrameEvents, CloseRequestDestroysTheWindowUnlessCloseQueryRefuses) {
    refuseClose = true;
    SendMessageA(handle(), WM_CLOSE, 0, 0);
    EXPECT_NE(FindLoadedWindow(handle()), nullptr);

    refuseClose = false;
    seen.clear();
    SendMessageA(handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(FindLoadedWindow(handle()), nullptr);
    EXPECT_EQ(seen, std::vector<std::string>{"WillBeDestroyed hidden"});
}

TEST_F(FrameEvents, EscapeFromAControlClosesTheWindow) {
    const HWND button = (*window_)["button"].Handle();
    SetFocus(button);
    PostMessageA(button, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(PumpUntil([&] { return FindLoadedWindow(handle()) == nullptr; }));
}

TEST_F(FrameEvents, TicksThatFellDueWhileTheThreadWasBusyArriveAsOne) {
    PumpUntil([] { return ticks > 0; });
    ticks = 0;
    Sleep(400); // busy for eight periods of the 50 ms timer
    PumpMessages();
    EXPECT_EQ(ticks, 1);
    EXPECT_TRUE(PumpUntil([] { return ticks >= 3; }));
}

TEST_F(FrameEvents, NoEventReachesAHandlerWhileEventsAreHeldOrForAnUnboundIndex) {
    EventRecord unbound{window_->WindowIdentifier(), kWindowItself, events::kTrayEvent};
    EXPECT_FALSE(RaiseEvent(unbound));
    EventRecord created{window_->WindowIdentifier(), kWindowItself, events::kCreated};
    EXPECT_TRUE(RaiseEvent(created));
}

} // namespace
} // namespace zbw::test
