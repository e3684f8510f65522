#include "support/message_pump.h"
#include "support/notification_area.h"

#include "tray/icon_from_bytes.h"
#include "tray/tray_icon.h"
#include "ui/handles.h"
#include "ui/program_icon.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <windows.h>

namespace zbw {
namespace {

using namespace std::chrono_literals;
using test::NotificationIcon;
using test::NotificationIconsWithTip;

// Tips of this test program's own, so that icons of other test programs on the same desktop do
// not count. "托盘测试" in code page 936.
const std::string kTip = "\xCD\xD0\xC5\xCC\xB2\xE2\xCA\xD4";
const std::string kOtherTip = "zbw tray test, changed";

// The size of an icon, or nothing when the handle is not (or no longer) an icon.
std::optional<SIZE> IconSize(HICON icon) {
    ICONINFO info{};
    if (icon == nullptr || !GetIconInfo(icon, &info)) {
        return std::nullopt;
    }
    BITMAP mask{};
    GetObjectA(info.hbmMask, sizeof mask, &mask);
    const bool colour = info.hbmColor != nullptr;
    DeleteObject(info.hbmMask);
    if (colour) {
        DeleteObject(info.hbmColor);
    }
    // A monochrome icon keeps picture and mask one above the other in its mask bitmap.
    return SIZE{mask.bmWidth, colour ? mask.bmHeight : mask.bmHeight / 2};
}

bool IsIcon(HICON icon) {
    return IconSize(icon).has_value();
}

std::vector<std::uint8_t> ProgramIconCopy() {
    const auto bytes = ProgramIconFile();
    return {bytes.begin(), bytes.end()};
}

TEST(IconFromBytes, MakesTheProgramIconAtSixteenPixelsForEitherWidth) {
    for (int wanted : {16, 32}) {
        const UniqueIcon icon = IconFromBytes(ProgramIconFile(), wanted);
        const auto size = IconSize(icon.get());
        ASSERT_TRUE(size.has_value()) << wanted;
        EXPECT_EQ(size->cx, 16);
        EXPECT_EQ(size->cy, 16);
    }
}

TEST(IconFromBytes, GivesNoIconForBytesThatHoldNone) {
    std::vector<std::uint8_t> truncated = ProgramIconCopy();
    truncated.resize(600);
    std::vector<std::uint8_t> noBitmapHeader = ProgramIconCopy();
    // The entry says the image is 16 bytes long: too short for any bitmap.
    noBitmapHeader[14] = 16;
    noBitmapHeader[15] = 0;
    std::vector<std::uint8_t> text(1150, 'x');
    for (const auto& bytes : {std::vector<std::uint8_t>{}, truncated, noBitmapHeader, text}) {
        EXPECT_FALSE(IconFromBytes(bytes, 16)) << bytes.size();
    }
}

// A bare top-level window that records the notification area's callback messages.
class TrayTestWindow {
  public:
    TrayTestWindow() {
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = Procedure;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "ZbwTrayTestWindow";
        registration_ = WindowClassRegistration(windowClass);
        window_.reset(CreateWindowExA(0, windowClass.lpszClassName, "tray test",
                                      WS_OVERLAPPEDWINDOW, 10, 10, 200, 100, nullptr, nullptr,
                                      windowClass.hInstance, this));
    }

    HWND Handle() const { return window_.get(); }
    void Destroy() { window_.reset(); }

    struct Callback {
        WPARAM identifier;
        LPARAM mouseMessage;
    };
    const std::vector<Callback>& Callbacks() const { return callbacks_; }
    void ForgetCallbacks() { callbacks_.clear(); }

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            const auto* creation = reinterpret_cast<const CREATESTRUCTA*>(lParam);
            SetWindowLongPtrA(window, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
        }
        auto* self = reinterpret_cast<TrayTestWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (message == kTrayCallbackMessage && self != nullptr) {
            self->callbacks_.push_back({wParam, lParam});
            return 0;
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }

    WindowClassRegistration registration_;
    std::vector<Callback> callbacks_;
    UniqueWindow window_; // last: destroyed before the class goes
};

class TrayIconTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(window_.Handle(), nullptr);
        ASSERT_TRUE(test::PumpUntil([] { return FindWindowA("Shell_TrayWnd", nullptr); }))
            << "the virtual desktop has no taskbar";
    }

    // The icons shown with a tip, once the taskbar has caught up with what it was told.
    std::vector<NotificationIcon> IconsShownWith(const std::string& tip, std::size_t expected) {
        std::vector<NotificationIcon> icons;
        test::PumpUntil(
            [&] {
                icons = NotificationIconsWithTip(tip);
                return icons.size() == expected;
            },
            2s);
        return icons;
    }

    TrayTestWindow window_;
};

TEST_F(TrayIconTest, ShowsTheIconWithItsTipAndPassesMouseActionsToTheWindow) {
    TrayIcon tray;
    tray.Set(window_.Handle(), ProgramIconFile(), kTip);
    EXPECT_TRUE(tray.Shown());
    EXPECT_TRUE(IsIcon(tray.Handle()));
    const auto icons = IconsShownWith(kTip, 1);
    ASSERT_EQ(icons.size(), 1u);

    // The picture, once the taskbar has painted it: the tile's blue, the clock face's orange,
    // the taskbar's own background in the transparent corner.
    const auto pictureShown = [&] {
        return test::NotificationIconPixel(icons[0], 1, 8) == RGB(0x1E, 0x78, 0xD2) &&
               test::NotificationIconPixel(icons[0], 5, 4) == RGB(0xFF, 0x8C, 0x1A) &&
               test::NotificationIconPixel(icons[0], 0, 0) ==
                   test::NotificationIconPixel(icons[0], -1, -1);
    };
    EXPECT_TRUE(test::PumpUntil(pictureShown, 2s));

    for (UINT mouseMessage : {WM_LBUTTONUP, WM_RBUTTONUP, WM_LBUTTONDBLCLK}) {
        window_.ForgetCallbacks();
        test::ActOnNotificationIcon(icons[0], mouseMessage);
        ASSERT_TRUE(test::PumpUntil([&] { return !window_.Callbacks().empty(); })) << mouseMessage;
        ASSERT_EQ(window_.Callbacks().size(), 1u);
        EXPECT_EQ(window_.Callbacks()[0].identifier, kTrayIconIdentifier);
        EXPECT_EQ(window_.Callbacks()[0].mouseMessage, static_cast<LPARAM>(mouseMessage));
    }
}

TEST_F(TrayIconTest, ChangesTheIconInPlaceAndDestroysEachHandleOnce) {
    TrayIcon tray;
    tray.Set(window_.Handle(), ProgramIconFile(), kTip);
    const HICON first = tray.Handle();
    ASSERT_EQ(IconsShownWith(kTip, 1).size(), 1u);

    tray.Set(window_.Handle(), ProgramIconFile(), kOtherTip);
    EXPECT_TRUE(tray.Shown());
    EXPECT_FALSE(IsIcon(first));
    EXPECT_TRUE(IsIcon(tray.Handle()));
    EXPECT_EQ(IconsShownWith(kOtherTip, 1).size(), 1u);
    EXPECT_TRUE(NotificationIconsWithTip(kTip).empty());
    EXPECT_EQ(tray.HandleCount().created, 2);
    EXPECT_EQ(tray.HandleCount().destroyed, 1);

    const HICON second = tray.Handle();
    tray.Set(window_.Handle(), {}, std::nullopt);
    EXPECT_FALSE(tray.Shown());
    EXPECT_EQ(tray.Handle(), nullptr);
    EXPECT_FALSE(IsIcon(second));
    EXPECT_TRUE(IconsShownWith(kOtherTip, 0).empty());
    EXPECT_EQ(tray.HandleCount().created, 2);
    EXPECT_EQ(tray.HandleCount().destroyed, 2);

    // A second removal finds nothing to remove.
    tray.Set(window_.Handle(), {}, std::nullopt);
    EXPECT_EQ(tray.HandleCount().created, 2);
    EXPECT_EQ(tray.HandleCount().destroyed, 2);
}

TEST_F(TrayIconTest, BytesThatHoldNoIconRemoveTheIconShown) {
    std::vector<std::uint8_t> broken = ProgramIconCopy();
    broken[2] = 3; // neither icon nor cursor
    TrayIcon tray;
    tray.Set(window_.Handle(), ProgramIconFile(), kTip);
    ASSERT_EQ(IconsShownWith(kTip, 1).size(), 1u);
    const HICON shown = tray.Handle();

    tray.Set(window_.Handle(), broken, kTip);
    EXPECT_FALSE(tray.Shown());
    EXPECT_EQ(tray.Handle(), nullptr);
    EXPECT_FALSE(IsIcon(shown));
    EXPECT_TRUE(IconsShownWith(kTip, 0).empty());

    // With nothing shown, such bytes add nothing.
    tray.Set(window_.Handle(), broken, kTip);
    EXPECT_FALSE(tray.Shown());
    EXPECT_EQ(tray.HandleCount().created, 1);
    EXPECT_EQ(tray.HandleCount().destroyed, 1);
}

TEST_F(TrayIconTest, CutsTheTipToSixtyTwoBytes) {
    const std::string longTip = kTip + std::string(70, 'x');
    TrayIcon tray;
    tray.Set(window_.Handle(), ProgramIconFile(), longTip);
    EXPECT_EQ(IconsShownWith(longTip.substr(0, 62), 1).size(), 1u);
}

TEST_F(TrayIconTest, DestructionRemovesTheIconAndDestroysItsHandle) {
    HICON shown = nullptr;
    {
        TrayIcon tray;
        tray.Set(window_.Handle(), ProgramIconFile(), kTip);
        shown = tray.Handle();
        ASSERT_EQ(IconsShownWith(kTip, 1).size(), 1u);
    }
    EXPECT_FALSE(IsIcon(shown));
    EXPECT_TRUE(IconsShownWith(kTip, 0).empty());
}

TEST_F(TrayIconTest, DestructionAfterTheWindowIsGoneOnlyDestroysTheHandle) {
    HICON shown = nullptr;
    {
        TrayIcon tray;
        tray.Set(window_.Handle(), ProgramIconFile(), kTip);
        shown = tray.Handle();
        ASSERT_EQ(IconsShownWith(kTip, 1).size(), 1u);
        window_.Destroy();
        // The taskbar drops the icons of a destroyed window by itself.
        EXPECT_TRUE(IconsShownWith(kTip, 0).empty());
    }
    EXPECT_FALSE(IsIcon(shown));
}

TEST_F(TrayIconTest, AddsTheIconAgainWhenTheNotificationAreaLostIt) {
    TrayIcon tray;
    tray.AddAgain(); // nothing to add
    EXPECT_FALSE(tray.Shown());
    tray.Set(window_.Handle(), ProgramIconFile(), kTip);
    ASSERT_EQ(IconsShownWith(kTip, 1).size(), 1u);

    // A notification area made anew knows no icons of before.
    NOTIFYICONDATAA removal{};
    removal.cbSize = NOTIFYICONDATAA_V1_SIZE;
    removal.hWnd = window_.Handle();
    removal.uID = kTrayIconIdentifier;
    ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &removal));
    ASSERT_TRUE(IconsShownWith(kTip, 0).empty());

    tray.AddAgain();
    EXPECT_TRUE(tray.Shown());
    const auto icons = IconsShownWith(kTip, 1);
    ASSERT_EQ(icons.size(), 1u);
    test::ActOnNotificationIcon(icons[0], WM_LBUTTONUP);
    EXPECT_TRUE(test::PumpUntil([&] { return !window_.Callbacks().empty(); }));
    EXPECT_EQ(tray.HandleCount().created, 1);
    EXPECT_EQ(tray.HandleCount().destroyed, 0);
}

TEST_F(TrayIconTest, TellsWhenTheNotificationAreaRefusedTheIcon) {
    // Another icon of the same window and identifier is there already: the add fails.
    UniqueIcon squatter = IconFromBytes(ProgramIconFile(), 16);
    NOTIFYICONDATAA entry{};
    entry.cbSize = NOTIFYICONDATAA_V1_SIZE;
    entry.hWnd = window_.Handle();
    entry.uID = kTrayIconIdentifier;
    entry.uFlags = NIF_ICON | NIF_TIP;
    entry.hIcon = squatter.get();
    lstrcpyA(entry.szTip, kOtherTip.c_str());
    ASSERT_TRUE(Shell_NotifyIconA(NIM_ADD, &entry));

    TrayIcon tray;
    tray.Set(window_.Handle(), ProgramIconFile(), kTip);
    EXPECT_FALSE(tray.Shown());
    EXPECT_TRUE(IsIcon(tray.Handle())); // kept, and destroyed by a later removal
    EXPECT_TRUE(NotificationIconsWithTip(kTip).empty());

    tray.Set(window_.Handle(), {}, std::nullopt);
    EXPECT_EQ(tray.HandleCount().destroyed, 1);
    EXPECT_TRUE(IconsShownWith(kOtherTip, 0).empty());
}

} // namespace
} // namespace zbw
