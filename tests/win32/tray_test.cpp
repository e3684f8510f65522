// The main window minimised into the notification area of Wine's virtual desktop and brought back
// from there, with its real handlers.
#include "app/frame.h"
#include "core/program_texts.h"
#include "support/loaded_window.h"
#include "support/message_pump.h"
#include "support/notification_area.h"
#include "tray/tray_icon.h"
#include "ui/form.h"
#include "ui/handles.h"
#include "ui/main_window_definition.h"
#include "ui/window_definition.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include <shellapi.h>
#include <windows.h>

namespace zbw {
namespace {

using namespace std::chrono_literals;
using test::LoadedWindow;
using test::NotificationIcon;

const std::string kTip = texts::kProgramTitle;

HWND Taskbar() {
    return FindWindowA("Shell_TrayWnd", nullptr);
}

// Wine's taskbar gives each top-level window of another process a button whose identifier is the
// window's handle, and hides it while the window is hidden.
bool TaskbarButtonShown(HWND window) {
    const HWND button =
        GetDlgItem(Taskbar(), static_cast<int>(reinterpret_cast<std::uintptr_t>(window)));
    return button != nullptr && IsWindowVisible(button);
}

bool IsIcon(HICON icon) {
    ICONINFO info{};
    if (icon == nullptr || !GetIconInfo(icon, &info)) {
        return false;
    }
    DeleteObject(info.hbmMask);
    if (info.hbmColor != nullptr) {
        DeleteObject(info.hbmColor);
    }
    return true;
}

// Wine's taskbar is shown only while its notification area holds an icon, and keeps its buttons
// up to date only while it is shown: an icon of the test's own keeps it in view, so that the
// window's button can be watched in every state.
class TaskbarKeeper {
  public:
    TaskbarKeeper()
        : window_(CreateWindowExA(0, "STATIC", "taskbar keeper", WS_POPUP, 0, 0, 1, 1, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr)) {
        entry_.cbSize = NOTIFYICONDATAA_V1_SIZE;
        entry_.hWnd = window_.get();
        entry_.uID = 1;
        entry_.uFlags = NIF_ICON | NIF_TIP;
        entry_.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
        lstrcpyA(entry_.szTip, "zbw taskbar keeper");
        Shell_NotifyIconA(NIM_ADD, &entry_);
    }
    TaskbarKeeper(const TaskbarKeeper&) = delete;
    TaskbarKeeper& operator=(const TaskbarKeeper&) = delete;
    ~TaskbarKeeper() { Shell_NotifyIconA(NIM_DELETE, &entry_); }

  private:
    UniqueWindow window_;
    NOTIFYICONDATAA entry_{};
};

// The icons with the program's tip, once the taskbar has caught up with what it was told.
std::vector<NotificationIcon> IconsShown(std::size_t expected) {
    std::vector<NotificationIcon> icons;
    test::PumpUntil(
        [&] {
            icons = test::NotificationIconsWithTip(kTip);
            return icons.size() == expected;
        },
        2s);
    return icons;
}

// The notification area's callback messages that reached this thread's windows, in order.
class CallbackWatch {
  public:
    CallbackWatch()
        : hook_(SetWindowsHookExA(WH_CALLWNDPROC, Record, nullptr, GetCurrentThreadId())) {
        Seen().clear();
    }
    CallbackWatch(const CallbackWatch&) = delete;
    CallbackWatch& operator=(const CallbackWatch&) = delete;
    ~CallbackWatch() { UnhookWindowsHookEx(hook_); }

    bool WaitFor(LPARAM mouseMessage) const {
        return test::PumpUntil(
            [&] { return std::find(Seen().begin(), Seen().end(), mouseMessage) != Seen().end(); });
    }

  private:
    static std::vector<LPARAM>& Seen() {
        static std::vector<LPARAM> seen;
        return seen;
    }
    static LRESULT CALLBACK Record(int code, WPARAM wParam, LPARAM lParam) {
        const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && message->message == kTrayCallbackMessage) {
            Seen().push_back(message->lParam);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    HHOOK hook_;
};

class MainWindowTray : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(test::PumpUntil([] { return Taskbar() != nullptr; }))
            << "the virtual desktop has no taskbar";
        ASSERT_TRUE(IsWindowVisible(window_.Handle()));
        ASSERT_TRUE(test::PumpUntil([&] { return TaskbarButtonShown(window_.Handle()); }));
    }

    // As the minimise box, the system menu or the taskbar do it.
    void Minimise() { SendMessageA(window_.Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0); }

    void ExpectHiddenInTray() {
        const HWND handle = window_.Handle();
        EXPECT_FALSE(IsWindowVisible(handle));
        EXPECT_TRUE(IsIconic(handle));
        EXPECT_TRUE(test::PumpUntil([&] { return !TaskbarButtonShown(handle); }, 2s));
        EXPECT_EQ(IconsShown(1).size(), 1u);
    }

    void ExpectShownNormalAndActive() {
        const HWND handle = window_.Handle();
        EXPECT_TRUE(IsWindowVisible(handle));
        EXPECT_FALSE(IsIconic(handle));
        EXPECT_EQ(GetForegroundWindow(), handle);
        EXPECT_TRUE(test::PumpUntil([&] { return TaskbarButtonShown(handle); }, 2s));
        EXPECT_TRUE(IconsShown(0).empty());
    }

    const TrayIcon& Tray() const { return window_->Tray(); }

    TaskbarKeeper keeper_;
    LoadedWindow window_{MainWindowDefinition()};
};

TEST_F(MainWindowTray, MinimisingHidesTheWindowAndShowsOneIconThatBringsItBack) {
    // A move announces a new position too, and shows nothing.
    SetWindowPos(window_.Handle(), nullptr, 40, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_TRUE(IconsShown(0).empty());

    Minimise();
    ExpectHiddenInTray();
    EXPECT_EQ(Tray().HandleCount().created, 1);

    SendMessageA(window_.Handle(), kTrayCallbackMessage, kTrayIconIdentifier, WM_LBUTTONUP);
    ExpectShownNormalAndActive();
    RECT place;
    GetWindowRect(window_.Handle(), &place);
    EXPECT_EQ(place.left, 40);
    EXPECT_EQ(place.top, 30);
    EXPECT_EQ(Tray().HandleCount().created, 1); // the restore added none
    EXPECT_EQ(Tray().HandleCount().destroyed, 1);
}

TEST_F(MainWindowTray, ReleasingAButtonOnTheIconOrDoubleClickingItRestoresTheWindow) {
    struct Case {
        UINT mouseMessage;
        bool throughNotificationArea;
    };
    // Wine's notification area never sends the context-menu request for icons like this one, so
    // that case comes as the window would receive it, with an identifier that is not examined.
    const Case cases[] = {
        {WM_LBUTTONUP, true},
        {WM_LBUTTONDBLCLK, true},
        {WM_RBUTTONUP, true},
        {WM_CONTEXTMENU, false},
    };
    int minimised = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mouseMessage);
        Minimise();
        ++minimised;
        const auto icons = IconsShown(1);
        ASSERT_EQ(icons.size(), 1u);
        ASSERT_FALSE(IsWindowVisible(window_.Handle()));
        if (c.throughNotificationArea) {
            test::ActOnNotificationIcon(icons[0], c.mouseMessage);
        } else {
            SendMessageA(window_.Handle(), kTrayCallbackMessage, 0,
                         static_cast<LPARAM>(c.mouseMessage));
        }
        ASSERT_TRUE(test::PumpUntil([&] { return IsWindowVisible(window_.Handle()); }));
        ExpectShownNormalAndActive();
        EXPECT_EQ(Tray().HandleCount().created, minimised);
        EXPECT_EQ(Tray().HandleCount().destroyed, minimised);
    }
}

TEST_F(MainWindowTray, OtherMouseActionsOnTheIconChangeNothing) {
    Minimise();
    const auto icons = IconsShown(1);
    ASSERT_EQ(icons.size(), 1u);
    const CallbackWatch watch;
    for (const UINT mouseMessage :
         {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN, WM_MBUTTONUP}) {
        SCOPED_TRACE(mouseMessage);
        test::ActOnNotificationIcon(icons[0], mouseMessage);
        ASSERT_TRUE(watch.WaitFor(mouseMessage));
        EXPECT_FALSE(IsWindowVisible(window_.Handle()));
        EXPECT_TRUE(IsIconic(window_.Handle()));
    }
    EXPECT_EQ(IconsShown(1).size(), 1u);
    EXPECT_EQ(Tray().HandleCount().destroyed, 0);
}

// The window's icon handles as they were when it finally went, read just before the frame forgets
// the window and its icon with it.
struct LastTrayState {
    static LastTrayState& Of() {
        static LastTrayState state;
        return state;
    }
    HWND window = nullptr;
    bool read = false;
    IconHandleCount count;
    HICON handle = nullptr;
};

LRESULT CALLBACK ReadTrayAtTheEnd(int code, WPARAM wParam, LPARAM lParam) {
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    LastTrayState& state = LastTrayState::Of();
    if (code == HC_ACTION && message->message == WM_NCDESTROY && message->hwnd == state.window) {
        if (const Form* form = FindLoadedWindow(message->hwnd)) {
            state.read = true;
            state.count = form->Tray().HandleCount();
            state.handle = form->Tray().Handle();
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(MainWindowTray, ClosingWhileHiddenRemovesTheIconAndDestroysEveryHandleOnce) {
    Minimise();
    ASSERT_EQ(IconsShown(1).size(), 1u);
    SendMessageA(window_.Handle(), kTrayCallbackMessage, kTrayIconIdentifier, WM_LBUTTONUP);
    Minimise();
    ASSERT_EQ(IconsShown(1).size(), 1u);
    const HICON shown = Tray().Handle();
    ASSERT_TRUE(IsIcon(shown));

    LastTrayState::Of() = LastTrayState{};
    LastTrayState::Of().window = window_.Handle();
    const HHOOK hook =
        SetWindowsHookExA(WH_CALLWNDPROC, ReadTrayAtTheEnd, nullptr, GetCurrentThreadId());
    // A close request from another program, while the window is hidden.
    PostMessageA(window_.Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(test::PumpUntil([&] { return window_.Get() == nullptr; }));
    UnhookWindowsHookEx(hook);

    const LastTrayState& last = LastTrayState::Of();
    ASSERT_TRUE(last.read);
    EXPECT_EQ(last.count.created, 2);
    EXPECT_EQ(last.count.destroyed, 2);
    EXPECT_EQ(last.handle, nullptr);
    EXPECT_FALSE(IsIcon(shown));
    EXPECT_TRUE(IconsShown(0).empty());
}

TEST_F(MainWindowTray, ANewNotificationAreaGetsTheIconAgainWhileTheWindowIsHidden) {
    // While the window is shown there is no icon to add. A message posted to this thread's own
    // window waits in its queue as soon as the post returns.
    PostMessageA(HWND_BROADCAST, TaskbarCreatedMessage(), 0, 0);
    test::PumpMessages();
    EXPECT_TRUE(IconsShown(0).empty());

    Minimise();
    ASSERT_EQ(IconsShown(1).size(), 1u);
    // A notification area made anew knows no icons of before.
    NOTIFYICONDATAA removal{};
    removal.cbSize = NOTIFYICONDATAA_V1_SIZE;
    removal.hWnd = window_.Handle();
    removal.uID = kTrayIconIdentifier;
    ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &removal));
    ASSERT_TRUE(IconsShown(0).empty());

    PostMessageA(HWND_BROADCAST, TaskbarCreatedMessage(), 0, 0);
    const auto icons = IconsShown(1);
    ASSERT_EQ(icons.size(), 1u);
    EXPECT_FALSE(IsWindowVisible(window_.Handle()));
    test::ActOnNotificationIcon(icons[0], WM_LBUTTONUP);
    ASSERT_TRUE(test::PumpUntil([&] { return IsWindowVisible(window_.Handle()); }));
    ExpectShownNormalAndActive();
    EXPECT_EQ(Tray().HandleCount().created, 1);
}

// A window that cannot show its icon must not hide: it would have no way back.
TEST(MainWindowWithoutTrayIcon, StaysMinimisedOnTheTaskbar) {
    ASSERT_TRUE(test::PumpUntil([] { return Taskbar() != nullptr; }));
    const TaskbarKeeper keeper;
    const std::vector<std::uint8_t> garbage(1150, 0x5A);
    WindowDefinition brokenIcon = MainWindowDefinition();
    brokenIcon.window.icon = garbage;
    struct Case {
        const char* name;
        const WindowDefinition& definition;
        bool iconRefused; // the notification area holds the window's icon already
    };
    const Case cases[] = {
        {"no icon in the image", brokenIcon, false},
        {"icon refused", MainWindowDefinition(), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LoadedWindow window(c.definition);
        const HWND handle = window.Handle();
        NOTIFYICONDATAA squatter{};
        squatter.cbSize = NOTIFYICONDATAA_V1_SIZE;
        squatter.hWnd = handle;
        squatter.uID = kTrayIconIdentifier;
        squatter.uFlags = NIF_ICON;
        squatter.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
        if (c.iconRefused) {
            ASSERT_TRUE(Shell_NotifyIconA(NIM_ADD, &squatter));
        }

        SendMessageA(handle, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        EXPECT_TRUE(IsIconic(handle));
        EXPECT_TRUE(IsWindowVisible(handle));
        EXPECT_TRUE(test::PumpUntil([&] { return TaskbarButtonShown(handle); }, 2s));
        EXPECT_TRUE(IconsShown(0).empty());
        // No handle is kept for an icon that is not shown.
        EXPECT_EQ(window->Tray().Handle(), nullptr);
        EXPECT_EQ(window->Tray().HandleCount().created, c.iconRefused ? 1 : 0);
        EXPECT_EQ(window->Tray().HandleCount().destroyed, c.iconRefused ? 1 : 0);

        // The taskbar button brings it back as usual.
        SendMessageA(handle, WM_SYSCOMMAND, SC_RESTORE, 0);
        EXPECT_FALSE(IsIconic(handle));
        Shell_NotifyIconA(NIM_DELETE, &squatter);
    }
}

} // namespace
} // namespace zbw
