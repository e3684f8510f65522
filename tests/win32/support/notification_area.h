#pragma once

#include <string>
#include <string_view>
#include <vector>

#include <windows.h>

namespace zbw::test {

// An icon that the notification area shows now.
struct NotificationIcon {
    std::string tip; // in the ANSI code page
    RECT place{};    // in the taskbar's client area
};

// The icons that the notification area of Wine's virtual desktop shows now with this tip. The
// taskbar (class "Shell_TrayWnd", in the desktop's explorer process) draws the icons itself and
// gives each shown icon a tooltip window of its own, with one tool over the icon's place; an
// icon that was removed leaves at most a tooltip with an empty place behind. Test programs may
// run side by side on one desktop, so each test picks its icons by a tip of its own.
std::vector<NotificationIcon> NotificationIconsWithTip(std::string_view tip);

// Acts on an icon with the mouse as the taskbar sees it: the mouse message at the icon's place.
// The taskbar then sends the icon's callback message to the icon's window.
void ActOnNotificationIcon(const NotificationIcon& icon, UINT mouseMessage);

// A pixel of the screen inside the icon's place, from the icon's top-left corner as drawn.
COLORREF NotificationIconPixel(const NotificationIcon& icon, int x, int y);

} // namespace zbw::test
