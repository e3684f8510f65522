#include "system/message_box.h"

#include "core/program_texts.h"
#include "support/child_process.h"
#include "support/dialogs.h"
#include "support/loaded_window.h"
#include "support/test_windows.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace zbw {
namespace {

// What a watcher thread saw of the box while the test's thread sat in it.
struct SeenBox {
    bool found = false;
    std::string title;
    std::vector<std::string> texts;
    HICON icon = nullptr;
    bool topmost = false;
    bool ownerless = false;
    bool mainWindowEnabled = false;
    bool ticked = false;
    std::int32_t result = 0;
};

// Shows the box on this thread; a watcher thread reads it, waits for ticks and presses OK.
SeenBox ShowAndWatch(HWND mainWindow, std::string_view message, std::int32_t flags,
                     std::optional<std::string_view> title) {
    SeenBox seen;
    {
        test::DialogWatcher watcher(GetCurrentThreadId(), [&](HWND box) {
            seen.found = true;
            seen.title = test::WindowText(box);
            seen.texts = test::StaticTexts(box);
            seen.icon = test::ShownIcon(box);
            seen.topmost = (GetWindowLongPtrA(box, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
            seen.ownerless = GetWindow(box, GW_OWNER) == nullptr;
            seen.mainWindowEnabled = IsWindowEnabled(mainWindow) != FALSE;
            const int ticksAtOpen = test::TickCount();
            seen.ticked = test::PollUntil([&] { return test::TickCount() >= ticksAtOpen + 3; });
            test::PressDialogButton(box, IDOK);
        });
        seen.result = ShowMessageBox(message, flags, title);
    }
    return seen;
}

TEST(ShowMessageBox, ShowsTextTitleAndIconModalToTheThreadWhileTimersTick) {
    struct Case {
        const char* label;
        std::string_view message;
        std::int32_t flags;
        std::optional<std::string_view> title;
        std::vector<std::string> shownTexts;
        std::string_view shownTitle;
        bool taskModal;
    };
    const Case cases[] = {
        {"the program's call",
         texts::kEnterHour,
         MB_ICONHAND,
         std::nullopt,
         {texts::kEnterHour},
         texts::kInformationTitle,
         true},
        {"absent message, own title",
         std::string_view{},
         MB_ICONHAND,
         "Own title",
         {},
         "Own title",
         true},
        {"system-modal flags pass unchanged",
         texts::kChooseCommand,
         MB_ICONHAND | MB_SYSTEMMODAL,
         std::nullopt,
         {texts::kChooseCommand},
         texts::kInformationTitle,
         false},
    };
    const HICON stopIcon = LoadIconA(nullptr, MAKEINTRESOURCEA(32513)); // IDI_HAND

    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        test::LoadedWindow mainWindow(test::TickingWindowDefinition());
        ASSERT_NE(mainWindow.Get(), nullptr);
        ASSERT_TRUE(IsWindowEnabled(mainWindow.Handle()));

        const SeenBox seen = ShowAndWatch(mainWindow.Handle(), c.message, c.flags, c.title);

        ASSERT_TRUE(seen.found);
        EXPECT_EQ(seen.title, c.shownTitle);
        EXPECT_EQ(seen.texts, c.shownTexts);
        EXPECT_EQ(seen.icon, stopIcon);
        EXPECT_TRUE(seen.ownerless);
        // Task-modal: the thread's top-level windows take no input; system-modal: the box stays
        // on top instead, and the program's windows are left alone.
        EXPECT_EQ(seen.mainWindowEnabled, !c.taskModal);
        EXPECT_EQ(seen.topmost, !c.taskModal);
        EXPECT_TRUE(seen.ticked);
        EXPECT_EQ(seen.result, IDOK);
        EXPECT_TRUE(IsWindowEnabled(mainWindow.Handle()));
    }
}

} // namespace
} // namespace zbw
